// Writes the seed corpora of the fuzz targets and their dictionary from
// documents this library writes itself, so the seeds follow the formats as
// they change:
//
//   corpus/fuzz_sensor_element/  every sensor class's element, default and
//                                with changed values (first byte: sensor ID)
//   corpus/fuzz_read_conf/       default configurations of every model, the
//                                TDW 64plus V2 with each serial sensor and
//                                with every sensor class on its voltage
//                                channels, and the configuration files given
//                                (its legacy .con seeds, in
//                                corpus/fuzz_read_conf.legacy/, are the
//                                example .con files: see make fuzz-seeds)
//   corpus/fuzz_prereader/       the smaller of those configurations
//   corpus/fuzz_import_sensor/   every sensor class's calibration file as
//                                the export writes it, with changed values
//                                (first byte: sensor ID)
//   xmlcon.dict                  every element and attribute name seen
//
// usage: tw-fuzz-seeds FUZZ_FOLDER [CONFIGURATION.xmlcon...]
// Every configuration is checked to read back before it becomes a seed.

#include <pugixml.hpp>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "platform/xml/TDWXML.h"
#include "xmlfiles/SensorImportExport.h"

#include "FuzzSupport.h"
#include "support/XmlFixture.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSensorTarget = "fuzz_sensor_element";
constexpr const char* kConfigurationTarget = "fuzz_read_conf";
constexpr const char* kPreReaderTarget = "fuzz_prereader";
constexpr const char* kImportSensorTarget = "fuzz_import_sensor";
// Configurations up to this size also seed the pre-reader.
constexpr std::uintmax_t kPreReaderSeedLimit = 4000;

struct SGenerator {
    fs::path folder;
    std::set<std::string> names;  // element and attribute names seen
    int failures = 0;

    fs::path Corpus(const char* target) const { return folder / "corpus" / target; }
};

void Collect(const pugi::xml_node& node, std::set<std::string>& names) {
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        names.insert(child.name());
        for (const pugi::xml_attribute& attribute : child.attributes()) {
            names.insert(attribute.name());
        }
        Collect(child, names);
    }
}

void CollectNames(const std::string& text, std::set<std::string>& names) {
    pugi::xml_document doc;
    if (doc.load_buffer(text.data(), text.size())) {
        Collect(doc, names);
    }
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    tw_fuzz::WriteFile(path, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

// --- Sensor elements ---

void NumberLeaves(const pugi::xml_node& node, std::vector<pugi::xml_node>& leaves) {
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() != pugi::node_element) {
            continue;
        }
        if (child.find_child(
                [](const pugi::xml_node& n) { return n.type() == pugi::node_element; })) {
            NumberLeaves(child, leaves);
            continue;
        }
        const std::string text = child.text().get();
        double value = 0.0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (!text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size()) {
            leaves.push_back(child);
        }
    }
}

// Other values the element's text may take: the neighbours of an integer,
// a scaled and shifted double.
std::vector<std::string> Alternatives(const std::string& text) {
    if (text.find_first_of(".eE") == std::string::npos) {
        const long value = std::strtol(text.c_str(), nullptr, 10);
        return {std::to_string(value + 1), std::to_string(value - 1), "1"};
    }
    const double value = std::strtod(text.c_str(), nullptr);
    char buffer[32];
    const double scaled = value * 1.5 + 0.25;
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, scaled).ptr;
    return {std::string(buffer, end), "0.5"};
}

// The sensor with its serial number, date and every numeric value the class
// accepts changed; each change is kept only when the class reads it.
std::unique_ptr<CSensor> ChangedSensor(int sensorID, const char* tag) {
    std::unique_ptr<CSensor> current(CreateSensorObject(sensorID));
    current->SetSerialNum(("SN" + std::to_string(4100 + sensorID)).c_str());
    current->SetCalDate("17-Apr-25");
    pugi::xml_document doc;
    const std::string start = tw_test::WriteObject(tag, *current);
    if (!doc.load_buffer(start.data(), start.size())) {
        return current;
    }
    std::vector<pugi::xml_node> leaves;
    NumberLeaves(doc, leaves);
    for (pugi::xml_node& leaf : leaves) {
        const std::string original = leaf.text().get();
        for (const std::string& value : Alternatives(original)) {
            leaf.text().set(value.c_str());
            std::ostringstream text;
            doc.save(text);
            std::unique_ptr<CSensor> trial(CreateSensorObject(sensorID));
            if (tw_test::ReadObject(text.str(), tag, *trial) == TDWXML::S_OK_XML &&
                !SensorObjectsEqual(trial.get(), current.get())) {
                current = std::move(trial);
                break;
            }
            leaf.text().set(original.c_str());
        }
    }
    // The sensor as its own element gives it back: values that the class
    // writes with a fixed number of decimals are rounded here once.
    std::unique_ptr<CSensor> written(CreateSensorObject(sensorID));
    if (tw_test::ReadObject(tw_test::WriteObject(tag, *current), tag, *written) !=
        TDWXML::S_OK_XML) {
        std::cerr << "tw-fuzz-seeds: sensor " << sensorID << " does not read its own element\n";
        return current;
    }
    return written;
}

// The element of every sensor class, default and changed, and its
// calibration file as the export writes it with the changed values; each
// seed starts with the sensor ID's byte.
void WriteSensorSeeds(SGenerator& generator) {
    const fs::path elements = generator.Corpus(kSensorTarget);
    const fs::path files = generator.Corpus(kImportSensorTarget);
    // The export remembers its folder in a settings file: here, for a moment.
    const fs::path settings = generator.folder / "settings";
    setenv("LOCALAPPDATA", settings.c_str(), 1);
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        // The export leaves the version attribute on; an element goes without.
        CSensorWriteOptions::SetWriteVersionInSensors(false);
        const char* tag = GetSensorData(id)->xmlTag;
        generator.names.insert(tag);
        std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (!sensor) {
            continue;
        }
        char name[32];
        const std::string idByte(1, static_cast<char>(id));
        const std::string plain = tw_test::WriteObject(tag, *sensor);
        std::snprintf(name, sizeof name, "sensor-%02d-default", id);
        WriteBytes(elements / name, idByte + plain);
        CollectNames(plain, generator.names);

        const std::unique_ptr<CSensor> changed = ChangedSensor(id, tag);
        const std::string changedText = tw_test::WriteObject(tag, *changed);
        if (changedText != plain) {
            std::snprintf(name, sizeof name, "sensor-%02d-changed", id);
            WriteBytes(elements / name, idByte + changedText);
        }
        std::snprintf(name, sizeof name, "sensor-file-%02d", id);
        if (!Config2004::CSensorImportExport().ExportSensor(changed.get(),
                                                            (files / name).c_str())) {
            std::cerr << "tw-fuzz-seeds: cannot export sensor " << id << "\n";
            ++generator.failures;
            continue;
        }
        WriteBytes(files / name, idByte + tw_fuzz::ReadFile(files / name));
    }
    fs::remove_all(settings);
}

// --- Configurations ---

// Writes the configuration as a seed when it reads back to itself.
void AddConfiguration(SGenerator& generator, const std::string& name, CCTD& ctd) {
    const fs::path path = generator.Corpus(kConfigurationTarget) / (name + ".xmlcon");
    const long messages = TWMessageCount();
    WriteConFile(path.c_str(), &ctd);
    const std::unique_ptr<CCTD> back(CreateCTDObject(ReadCTDID(path.c_str())));
    if (TWMessageCount() != messages || !back || !ReadConFile(path.c_str(), back.get()) ||
        !CTD_ObjectsEqual(back.get(), &ctd)) {
        std::cerr << "tw-fuzz-seeds: " << name << " does not read back; left out\n";
        fs::remove(path);
        ++generator.failures;
        return;
    }
    CollectNames(tw_fuzz::ReadFile(path), generator.names);
}

void WriteConfigurationSeeds(SGenerator& generator, const std::vector<fs::path>& given) {
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        const std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
        if (ctd) {
            AddConfiguration(generator, "model-" + std::to_string(ctdID) + "-default", *ctd);
        }
    }

    // The TDW 64plus V2 with each serial sensor, moored, with the surface PAR
    // pair and the NMEA fields.
    for (int serial = 1; serial <= 13; ++serial) {
        C64V2VantrelCTD ctd;
        ctd.SetMode(1);
        if (ctd.SetSerialSensor(serial)) {
            ctd.SetbSPAR_Added(serial % 2);
            ctd.SetbNMEA_Added(serial % 3 == 0);
            ctd.SetbDepthAdded(serial % 3 == 0);
            ctd.SetbNMEA_TimeAdded(serial % 2);
            AddConfiguration(generator, "64plusV2-serial-" + std::to_string(serial), ctd);
        }
    }

    // Every sensor class, with changed values, on the six voltage channels.
    std::vector<int> ids;
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        if (std::unique_ptr<CSensor>(CreateSensorObject(id))) {
            ids.push_back(id);
        }
    }
    constexpr int kVoltages = 6;
    for (std::size_t first = 0; first < ids.size(); first += kVoltages) {
        C64V2VantrelCTD ctd;
        ctd.SetNumVoltAdd(kVoltages);
        for (std::size_t i = first; i < ids.size() && i < first + kVoltages; ++i) {
            const int id = ids[i];
            ctd.ReplaceSensor(3 + static_cast<int>(i - first),
                              ChangedSensor(id, GetSensorData(id)->xmlTag).release());
        }
        AddConfiguration(generator, "64plusV2-voltages-" + std::to_string(first / kVoltages), ctd);
    }

    for (const fs::path& path : given) {
        const std::unique_ptr<CCTD> ctd(CreateCTDObject(ReadCTDID(path.c_str())));
        if (!ctd || !ReadConFile(path.c_str(), ctd.get())) {
            std::cerr << "tw-fuzz-seeds: cannot read " << path << "\n";
            ++generator.failures;
            continue;
        }
        fs::copy_file(path, generator.Corpus(kConfigurationTarget) / path.filename(),
                      fs::copy_options::overwrite_existing);
        CollectNames(tw_fuzz::ReadFile(path), generator.names);
    }

    for (const fs::directory_entry& entry :
         fs::directory_iterator(generator.Corpus(kConfigurationTarget))) {
        if (entry.file_size() <= kPreReaderSeedLimit) {
            fs::copy_file(entry.path(),
                          generator.Corpus(kPreReaderTarget) / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
}

// --- Dictionary ---

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
        }
        quoted += ch;
    }
    return quoted + "\"";
}

void WriteDictionary(const SGenerator& generator) {
    std::ofstream out(generator.folder / "xmlcon.dict");
    out << "# Names the readers know, written by tw-fuzz-seeds from the documents\n"
           "# the library writes; then XML syntax and number texts.\n";
    for (const std::string& name : generator.names) {
        out << Quoted(name) << "\n";
    }
    static const char* const kSyntax[] = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                          "<!-- ",
                                          " -->",
                                          "<![CDATA[",
                                          "]]>",
                                          "<!DOCTYPE ",
                                          "</",
                                          "/>",
                                          "=\"",
                                          "&amp;",
                                          "&lt;",
                                          "&#x",
                                          "&#",
                                          "index=\"",
                                          "SensorID=\"",
                                          "Type=\"",
                                          "Size=\"",
                                          "equation=\"",
                                          "-1",
                                          "1e308",
                                          "-1e-308",
                                          "4.9e-324",
                                          "nan",
                                          "inf",
                                          "2147483648",
                                          "-2147483649",
                                          "0x10"};
    for (const char* token : kSyntax) {
        out << Quoted(token) << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tw-fuzz-seeds FUZZ_FOLDER [CONFIGURATION.xmlcon...]\n";
        return 2;
    }
    s_bErrorToConsole = true;
    CDiagnostics::SetSink([](const std::string&, int) {});
    SGenerator generator;
    generator.folder = argv[1];
    for (const char* target :
         {kSensorTarget, kImportSensorTarget, kConfigurationTarget, kPreReaderTarget}) {
        fs::create_directories(generator.Corpus(target));
    }
    WriteSensorSeeds(generator);
    WriteConfigurationSeeds(generator, std::vector<fs::path>(argv + 2, argv + argc));
    WriteDictionary(generator);
    return generator.failures == 0 ? 0 : 1;
}
