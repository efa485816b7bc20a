#include "access/ConfigItems.h"

#include <cmath>
#include <string>

#include "access/ControlText.h"

#include "core/Catalogue.h"
#include "core/SensorWriteOptions.h"
#include "platform/xml/ElementText.h"
#include "platform/xml/TDWXML.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

using Config2004::CCTDImportExport;

constexpr const char* kInstrumentTag = "Instrument";
constexpr const char* kSensorArrayTag = "SensorArray";

std::string Bytes(const char* utf8) {
    return TDWXML::DecodeText(utf8);
}

std::string Step(pugi::xml_node element) {
    return TDWXML::StepName(element);
}

SConfigItem ElementItem(const std::string& key, pugi::xml_node element) {
    return {key, Bytes(element.child_value()), element, {}};
}

SConfigItem TextItem(const std::string& key, pugi::xml_node element) {
    SConfigItem item = ElementItem(key, element);
    item.isText = true;
    return item;
}

void AddSetting(std::vector<SConfigItem>& items, const std::string& key, pugi::xml_node element) {
    if (!TDWXML::HasChildElements(element) && !element.first_attribute()) {
        items.push_back(ElementItem(key, element));
        return;
    }
    for (pugi::xml_attribute attr : element.attributes()) {
        items.push_back({key + "@" + Bytes(attr.name()), Bytes(attr.value()), element, attr});
    }
    for (pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_element) {
            AddSetting(items, key + "." + Step(child), child);
        }
    }
}

// The sensor's coefficients: each of its value fields that its element
// holds, named by the field's key and with the field's own text. The element
// is where a change is made; a field the sensor does not write (an optional
// pair left out) is no item.
std::vector<SConfigItem> Coefficients(const CSensor& sensor, pugi::xml_node sensorElement) {
    using EKind = SSensorField::EKind;
    const std::vector<SSensorField> fields = sensor.Fields();
    std::vector<SConfigItem> items;
    pugi::xml_node parent = sensorElement;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const SSensorField& field = fields[i];
        if (field.kind == EKind::OpenGroup) {
            parent = sensorElement.find_child_by_attribute(
                field.tag, field.groupIndexAttr, std::to_string(field.groupIndex).c_str());
        } else if (field.kind == EKind::CloseGroup) {
            parent = sensorElement;
        } else if (const pugi::xml_node element = parent.child(field.tag);
                   field.IsValue() && element) {
            items.push_back({field.key, sensor.GetFieldText(i).str(), element, {}});
        }
    }
    return items;
}

bool ParseIndex(const std::string& text, std::size_t* index) {
    int value = 0;
    if (!TDWXML::ParseInt(text, &value) || value < 0 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    *index = static_cast<std::size_t>(value);
    return true;
}

SConfigItem* FindKey(std::vector<SConfigItem>& items, const std::string& key) {
    for (SConfigItem& item : items) {
        if (item.key == key) {
            return &item;
        }
    }
    return nullptr;
}

}  // namespace

void SConfigItem::SetText(const std::string& bytes) {
    text = bytes;
    const std::string utf8 = TDWXML::EncodeText(bytes);
    if (attribute) {
        attribute.set_value(utf8.c_str());
    } else {
        element.text().set(utf8.c_str());
    }
}

CConfigItems::CConfigItems(const CCTD& ctd) {
    const std::unique_ptr<CCTD> copy(ctd.Clone());
    const CString text = CCTDImportExport().WriteText(copy.get());
    m_document.load_buffer(text.GetString(), static_cast<std::size_t>(text.GetLength()),
                           pugi::parse_default | pugi::parse_ws_pcdata_single);

    const pugi::xml_node instrument = m_document.document_element().child(kInstrumentTag);
    for (pugi::xml_node child : instrument.children()) {
        const std::string tag = child.name();
        if (child.type() == pugi::node_element && tag != "Name" && tag != kSensorArrayTag) {
            AddSetting(m_settings, Step(child), child);
        }
    }
    const std::vector<CString> labels = ctd.ChannelLabels();
    const pugi::xml_node array = instrument.child(kSensorArrayTag);
    for (int i = 0; i < ctd.GetNumChannel(); ++i) {
        const CSensor& sensor = ctd.GetSensor(i);
        const pugi::xml_node slot =
            array.find_child_by_attribute("Sensor", "index", std::to_string(i).c_str());
        const pugi::xml_node own =
            slot.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; });
        m_channels.push_back({i + 1, labels[static_cast<std::size_t>(i)].str(),
                              sensor.GetSensorID(), ctd.SensorNameOrdinal(i).str(),
                              TextItem("serial_number", own.child("SerialNumber")),
                              TextItem("calibration_date", own.child("CalibrationDate")),
                              Coefficients(sensor, own)});
    }
}

SConfigItem* CConfigItems::Find(const std::string& name) {
    constexpr std::string_view kSettings = "settings.";
    constexpr std::string_view kChannels = "channels.";
    if (name.starts_with(kSettings)) {
        return FindKey(m_settings, name.substr(kSettings.size()));
    }
    if (!name.starts_with(kChannels)) {
        return nullptr;
    }
    const std::string rest = name.substr(kChannels.size());
    const std::size_t dot = rest.find('.');
    std::size_t index = 0;
    if (dot == std::string::npos || !ParseIndex(rest.substr(0, dot), &index) ||
        index >= m_channels.size()) {
        return nullptr;
    }
    SChannelItems& channel = m_channels[index];
    const std::string field = rest.substr(dot + 1);
    constexpr std::string_view kCoefficients = "coefficients.";
    SConfigItem* item = nullptr;
    if (field == "serial_number") {
        item = &channel.serialNumber;
    } else if (field == "calibration_date") {
        item = &channel.calibrationDate;
    } else if (field.starts_with(kCoefficients)) {
        item = FindKey(channel.coefficients, field.substr(kCoefficients.size()));
    }
    return item && item->element ? item : nullptr;
}

std::unique_ptr<CCTD> CConfigItems::ReadBack() const {
    std::string text;
    struct SWriter : pugi::xml_writer {
        std::string* out;
        void write(const void* data, std::size_t size) override {
            out->append(static_cast<const char*>(data), size);
        }
    } writer;
    writer.out = &text;
    m_document.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::unique_ptr<CCTD>(CCTDImportExport().ReadText(text.data(), text.size()));
}

nlohmann::ordered_json CConfigItems::ToJson(const CCTD& ctd) const {
    nlohmann::ordered_json doc;
    doc["model"] = ctd.GetCTD_Name().str();
    doc["ctd_id"] = ctd.GetCTD_ID();
    doc["scan_length"] = ctd.GetScanLen();
    doc["scan_interval"] = ctd.GetScanInterval();
    nlohmann::ordered_json& settings = doc["settings"] = nlohmann::ordered_json::object();
    for (const SConfigItem& item : m_settings) {
        settings[Latin1ToUtf8(item.key)] = JsonValue(item.text);
    }
    nlohmann::ordered_json& channels = doc["channels"] = nlohmann::ordered_json::array();
    for (const SChannelItems& c : m_channels) {
        nlohmann::ordered_json coefficients = nlohmann::ordered_json::object();
        for (const SConfigItem& item : c.coefficients) {
            coefficients[Latin1ToUtf8(item.key)] = JsonValue(item.text);
        }
        channels.push_back({{"number", c.number},
                            {"label", Latin1ToUtf8(c.label)},
                            {"sensor_id", c.sensorID},
                            {"sensor", Latin1ToUtf8(c.sensor)},
                            {"serial_number", Latin1ToUtf8(c.serialNumber.text)},
                            {"calibration_date", Latin1ToUtf8(c.calibrationDate.text)},
                            {"coefficients", coefficients}});
    }
    return doc;
}

namespace {

bool IsNonFiniteNumber(const SConfigItem& item) {
    double number = 0.0;
    return !item.isText && TDWXML::detail::ParseDouble(item.text, &number) &&
           !std::isfinite(number);
}

void AddNonFinite(const std::vector<SConfigItem>& items, const std::string& prefix,
                  std::vector<std::string>& warnings) {
    for (const SConfigItem& item : items) {
        if (IsNonFiniteNumber(item)) {
            warnings.push_back(prefix + item.key + ": not a finite number (" + item.text + ")");
        }
    }
}

}  // namespace

std::vector<std::string> NonFiniteWarnings(const CCTD& ctd) {
    const CConfigItems items(ctd);
    std::vector<std::string> warnings;
    AddNonFinite(items.Settings(), "settings.", warnings);
    for (const SChannelItems& channel : items.Channels()) {
        AddNonFinite(channel.coefficients,
                     "channels." + std::to_string(channel.number - 1) + ".coefficients.", warnings);
    }
    return warnings;
}

std::unique_ptr<CCTD> WithControlsEscaped(const CCTD& ctd) {
    CConfigItems items(ctd);
    bool escaped = false;
    auto escape = [&escaped](SConfigItem& item) {
        if (item.element && HasControl(item.text)) {
            item.SetText(EscapeControls(item.text));
            escaped = true;
        }
    };
    for (SConfigItem& item : items.m_settings) {
        escape(item);
    }
    for (SChannelItems& channel : items.m_channels) {
        escape(channel.serialNumber);
        escape(channel.calibrationDate);
        for (SConfigItem& item : channel.coefficients) {
            escape(item);
        }
    }
    return escaped ? items.ReadBack() : nullptr;
}

nlohmann::ordered_json JsonValue(const std::string& text) {
    int integer = 0;
    if (TDWXML::ParseInt(text, &integer)) {
        return integer;
    }
    double number = 0.0;
    if (TDWXML::ParseDouble(text, &number)) {
        return std::isfinite(number) ? nlohmann::ordered_json(number) : nlohmann::ordered_json();
    }
    return Latin1ToUtf8(text);
}

std::string Latin1ToUtf8(const std::string& bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}
