// diff: what differs between two configurations, by name. Whether they
// differ at all is the library's own comparison; the named items say where.

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "apps/cli/Commands.h"
#include "apps/cli/ConfigItems.h"
#include "apps/cli/LoadedConfig.h"
#include "core/Catalogue.h"
#include "core/SensorArray.h"

namespace {

constexpr int kDifferent = 1;

struct SDifference {
    std::string name;     // as info --json and set name it
    std::string context;  // the channel: number, label and sensor
    std::string a;
    std::string b;
};

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

std::vector<SDifference> Differences(const CCTD& a, const CCTD& b) {
    std::vector<SDifference> out;
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
    if (out.empty() && !CTD_ObjectsEqual(&a, &b)) {
        out.push_back({"(instrument)", "", "", "differs in a value the file does not hold"});
    }
    return out;
}

int Diff(const std::string& fileA, const std::string& fileB, bool json) {
    const SLoadResult a = LoadForCommand(fileA);
    if (!a.ctd) {
        Fail(fileA, a.result);
        return kUsageError;
    }
    const SLoadResult b = LoadForCommand(fileB);
    if (!b.ctd) {
        Fail(fileB, b.result);
        return kUsageError;
    }
    const bool equal =
        a.ctd->GetCTD_ID() == b.ctd->GetCTD_ID() && CTD_ObjectsEqual(a.ctd.get(), b.ctd.get());
    const std::vector<SDifference> differences =
        equal ? std::vector<SDifference>() : Differences(*a.ctd, *b.ctd);
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const SDifference& d : differences) {
            list.push_back({{"name", Latin1ToUtf8(d.name)},
                            {"context", Latin1ToUtf8(d.context)},
                            {"a", JsonValue(d.a)},
                            {"b", JsonValue(d.b)}});
        }
        const nlohmann::ordered_json doc = {{"equal", equal}, {"differences", list}};
        std::cout << doc.dump(2) << '\n';
    } else {
        const bool utf8 = OutputIsUtf8();
        for (const SDifference& d : differences) {
            std::string line = d.name;
            if (!d.context.empty()) {
                line += " (" + d.context + ")";
            }
            line += ": " + d.a + " -> " + d.b;
            std::cout << (utf8 ? Latin1ToUtf8(line) : line) << '\n';
        }
    }
    return equal ? 0 : kDifferent;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& status) {
    struct SOptions {
        std::string a, b;
        bool json = false;
    };
    const auto o = std::make_shared<SOptions>();
    auto* diff = app.add_subcommand(
        "diff",
        "Compare two configurations: the model, every setting, and per channel the sensor, serial "
        "number, calibration date and each coefficient. One line per difference: NAME (CONTEXT): "
        "A -> B, with the names that info --json and set use.");
    diff->add_option("A", o->a, "First configuration file")->required();
    diff->add_option("B", o->b, "Second configuration file")->required();
    diff->add_flag("--json", o->json, "One JSON object: equal, and the list of differences");
    diff->callback([o, &status] { status = Diff(o->a, o->b, o->json); });
    DescribeUse(diff, "tw-configctd diff cast01.xmlcon cast02.xmlcon",
                "Exit status: 0 equal, 1 different, 2 usage error or a file could not be read.");
}
