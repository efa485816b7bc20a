#include "access/Differences.h"

#include <algorithm>

#include "access/ConfigItems.h"
#include "core/Catalogue.h"
#include "core/SensorArray.h"

namespace {

std::string ChannelName(std::size_t index) {
    return "channels." + std::to_string(index);
}

std::string Context(const SChannelItems& channel) {
    return "channel " + std::to_string(channel.number) + ", " + channel.label + ", " +
           channel.sensor;
}

// The items of a and b by key, a's order first: every key whose texts differ
// or that only one side has.
void CompareItems(const std::vector<SConfigItem>& a, const std::vector<SConfigItem>& b,
                  const std::string& prefix, const std::string& context,
                  std::vector<SDifference>& out) {
    auto find = [](const std::vector<SConfigItem>& items, const std::string& key) {
        for (const SConfigItem& item : items) {
            if (item.key == key) {
                return &item;
            }
        }
        return static_cast<const SConfigItem*>(nullptr);
    };
    for (const SConfigItem& item : a) {
        const SConfigItem* other = find(b, item.key);
        if (!other || other->text != item.text) {
            out.push_back({prefix + item.key, context, item.text, other ? other->text : "(none)"});
        }
    }
    for (const SConfigItem& item : b) {
        if (!find(a, item.key)) {
            out.push_back({prefix + item.key, context, "(none)", item.text});
        }
    }
}

}  // namespace

bool ConfigurationsEqual(const CCTD& a, const CCTD& b) {
    return a.GetCTD_ID() == b.GetCTD_ID() && CTD_ObjectsEqual(&a, &b);
}

std::vector<SDifference> Differences(const CCTD& a, const CCTD& b) {
    std::vector<SDifference> out;
    if (ConfigurationsEqual(a, b)) {
        return out;
    }
    if (a.GetCTD_ID() != b.GetCTD_ID()) {
        out.push_back({"model", "", a.GetCTD_Name().str(), b.GetCTD_Name().str()});
        return out;
    }
    const CConfigItems itemsA(a);
    const CConfigItems itemsB(b);
    CompareItems(itemsA.Settings(), itemsB.Settings(), "settings.", "", out);
    const auto& channelsA = itemsA.Channels();
    const auto& channelsB = itemsB.Channels();
    for (std::size_t i = 0; i < std::max(channelsA.size(), channelsB.size()); ++i) {
        const std::string name = ChannelName(i);
        if (i >= channelsA.size() || i >= channelsB.size()) {
            const bool inA = i < channelsA.size();
            const SChannelItems& only = inA ? channelsA[i] : channelsB[i];
            out.push_back({name + ".sensor", Context(only), inA ? only.sensor : "(none)",
                           inA ? "(none)" : only.sensor});
            continue;
        }
        const SChannelItems& ca = channelsA[i];
        const SChannelItems& cb = channelsB[i];
        const int c = static_cast<int>(i);
        if (SensorObjectsEqual(&a.GetSensor(c), &b.GetSensor(c))) {
            continue;
        }
        const std::size_t before = out.size();
        if (ca.sensorID != cb.sensorID) {
            out.push_back({name + ".sensor", Context(ca), ca.sensor, cb.sensor});
            continue;
        }
        const std::vector<SConfigItem> commonA = {ca.serialNumber, ca.calibrationDate};
        const std::vector<SConfigItem> commonB = {cb.serialNumber, cb.calibrationDate};
        CompareItems(commonA, commonB, name + ".", Context(ca), out);
        CompareItems(ca.coefficients, cb.coefficients, name + ".coefficients.", Context(ca), out);
        if (out.size() == before) {
            out.push_back({name, Context(ca), "", "differs in digits the file does not hold"});
        }
    }
    if (out.empty()) {
        out.push_back({"(instrument)", "", "", "differs in a value the file does not hold"});
    }
    return out;
}

nlohmann::ordered_json DifferencesJson(const std::vector<SDifference>& differences) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const SDifference& d : differences) {
        list.push_back({{"name", Latin1ToUtf8(d.name)},
                        {"context", Latin1ToUtf8(d.context)},
                        {"a", JsonValue(d.a)},
                        {"b", JsonValue(d.b)}});
    }
    return list;
}
