#include "apps/cli/Commands.h"

#include <unistd.h>

#include <cassert>
#include <filesystem>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "access/ConfigItems.h"
#include "access/Listings.h"
#include "access/LoadedConfig.h"
#include "apps/cli/ToolOutput.h"
#include "core/Catalogue.h"
#include "core/SensorRegistry.h"
#include "platform/ReadNotes.h"
#include "platform/xml/AtomicFile.h"

const char* const kFileStatuses =
    "Exit status: 0 success, 1 a file could not be read or written, 2 usage error.";
const char* const kForceHelp =
    "Replace a write-protected output file, and write in place one whose folder cannot be "
    "written";

void DescribeUse(CLI::App* command, const std::string& example, const std::string& statuses) {
    command->footer("Example:\n  " + example + "\n\n" + statuses);
}

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

int Report(const std::string& file, const std::string& output, bool raw, bool force) {
    SLoadResult loaded = LoadForCommand(file);
    if (!loaded.ctd) {
        return Fail(file, loaded.result);
    }
    std::ostringstream report;
    if (output.empty() || output == "-") {
        const CTerminalText terminal(raw);
        // A line end inside a value would pass as one of the report's own:
        // the values are escaped before the report is made, and then only
        // the file's name is left to escape.
        const std::unique_ptr<CCTD> escaped =
            terminal.Escapes() ? WithControlsEscaped(*loaded.ctd) : nullptr;
        if (escaped) {
            escaped->Report(report, terminal.Value(file).c_str(), 0);
            std::cout << terminal.Out(report.str());
        } else {
            loaded.ctd->Report(report, file.c_str(), 0);
            std::cout << terminal.Out(terminal.Lines(report.str()));
        }
        return 0;
    }
    loaded.ctd->Report(report, file.c_str(), 0);
    if (SameFile(file, output)) {
        return Fail(output, "is the configuration being reported; the report would replace it");
    }
    const SIOResult written = SaveWithForce(
        output, force, [&] { return TDWXML::detail::ReplaceFile(output, report.str()); });
    return written ? 0 : WriteFailed(output, written);
}

int Info(const std::string& file, bool json, bool raw) {
    SLoadResult loaded = LoadForCommand(file);
    if (!loaded.ctd) {
        return Fail(file, loaded.result);
    }
    const CCTD& ctd = *loaded.ctd;
    const CConfigItems items(ctd);
    if (json) {
        std::cout << items.ToJson(ctd).dump(2) << '\n';
        return 0;
    }
    const CTerminalText terminal(raw);
    std::ostringstream text;
    text << "Model: " << ctd.GetCTD_Name() << " (CTD ID " << ctd.GetCTD_ID() << ")\n"
         << "Scan length: " << ctd.GetScanLen() << '\n'
         << "Scan interval: " << ctd.GetScanInterval() << " s\n"
         << "Channels:\n"
         << "Channel\tLabel\tSensor ID\tSensor\tSerial number\tCalibration date\n";
    for (const SChannelItems& c : items.Channels()) {
        text << c.number << '\t' << c.label << '\t' << c.sensorID << '\t' << c.sensor << '\t'
             << terminal.Value(c.serialNumber.text) << '\t'
             << terminal.Value(c.calibrationDate.text) << '\n';
    }
    std::cout << terminal.Out(text.str());
    return 0;
}

int Validate(const std::vector<std::string>& files, bool quiet, bool json) {
    int ok = 0;
    int failed = 0;
    nlohmann::ordered_json results = nlohmann::ordered_json::array();
    for (const std::string& file : files) {
        SLoadResult loaded = LoadConfiguration(file);
        loaded.ctd ? ++ok : ++failed;
        if (json) {
            nlohmann::ordered_json result = {{"file", file}, {"ok", loaded.ctd != nullptr}};
            if (loaded.ctd) {
                result["model"] = loaded.ctd->GetCTD_Name().str();
            } else {
                const SIOResult& why = loaded.result;
                if (why.line > 0) {
                    result["line"] = why.line;
                    if (why.column > 0) {
                        result["column"] = why.column;
                    }
                }
                result["error"] = Latin1ToUtf8(AtPlace(why.path, why.message));
            }
            result["warnings"] = nlohmann::ordered_json::array();
            for (const std::string& warning : loaded.result.warnings) {
                result["warnings"].push_back(Latin1ToUtf8(warning));
            }
            results.push_back(result);
            continue;
        }
        if (!loaded.ctd) {
            std::cout << Located(file, "error", loaded.result) << '\n';
            continue;
        }
        if (quiet) {
            continue;
        }
        std::cout << file << ": ok (" << loaded.ctd->GetCTD_Name() << ")\n";
        for (const std::string& warning : loaded.result.warnings) {
            std::cout << file << ": warning: " << warning << '\n';
        }
    }
    if (json) {
        const nlohmann::ordered_json doc = {{"ok", ok}, {"failed", failed}, {"files", results}};
        std::cout << doc.dump(2) << '\n';
    } else if (!quiet) {
        std::cout << ok << " ok, " << failed << " failed\n";
    }
    return failed == 0 ? 0 : 1;
}

int Convert(const std::string& input, const std::string& output, bool force) {
    SLoadResult loaded = LoadForCommand(input);
    if (!loaded.ctd) {
        return Fail(input, loaded.result);
    }
    return SaveForCommand(output, *loaded.ctd, force);
}

int New(int ctdID, const std::string& output, bool force) {
    // ParseModel names only catalogue rows, and the factory builds each.
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    assert(ctd);
    return SaveForCommand(output, *ctd, force);
}

}  // namespace

void AddFileCommands(CLI::App& app, int& status) {
    // The options outlive this function: the callbacks share them.
    struct SOptions {
        std::string file, output, input, model;
        std::vector<std::string> files;
        bool raw = false, force = false, json = false, quiet = false;
    };
    const auto o = std::make_shared<SOptions>();
    auto* report = app.add_subcommand("report", "Print the configuration report of FILE.");
    report->add_option("FILE", o->file, "Configuration file (.xmlcon or .con)")->required();
    report->add_option("-o,--output", o->output,
                       "Write the report to this file ('-': standard output)");
    report->add_flag("--raw", o->raw, "Print text bytes as stored, without converting to UTF-8");
    report->add_flag("--force", o->force, kForceHelp);
    report->callback([o, &status] { status = Report(o->file, o->output, o->raw, o->force); });
    DescribeUse(report, "tw-configctd report cast01.xmlcon -o cast01.txt", kFileStatuses);

    auto* info = app.add_subcommand("info", "Show the model, scan and channels of FILE.");
    info->add_option("FILE", o->file, "Configuration file")->required();
    info->add_flag("--json", o->json, "Everything the configuration holds, as one JSON object");
    info->add_flag("--raw", o->raw, "Print text bytes as stored, without converting to UTF-8");
    info->callback([o, &status] { status = Info(o->file, o->json, o->raw); });
    DescribeUse(info, "tw-configctd info --json cast01.xmlcon | jq '.channels[1].coefficients'",
                kFileStatuses);

    auto* validate = app.add_subcommand("validate", "Read each FILE and say whether it is sound.");
    validate->add_option("FILE", o->files, "Configuration files")->required();
    validate->add_flag("-q,--quiet", o->quiet, "Print only the files that fail");
    validate->add_flag("--json", o->json, "One JSON object with a result per file");
    validate->callback([o, &status] { status = Validate(o->files, o->quiet, o->json); });
    DescribeUse(validate, "tw-configctd validate --quiet cruise/*.xmlcon",
                "Exit status: 0 every file read, 1 a file failed, 2 usage error.\n"
                "A warning names a value the reader replaced by its default.");

    auto* convert = app.add_subcommand(
        "convert", "Read IN and write it to OUT (.con for an OUT ending in .con, else .xmlcon).");
    convert->add_option("IN", o->input, "Configuration file to read")->required();
    convert->add_option("OUT", o->output, "File to write")->required();
    convert->add_flag("--force", o->force, kForceHelp);
    convert->callback([o, &status] { status = Convert(o->input, o->output, o->force); });
    DescribeUse(convert, "tw-configctd convert old/cast01.con cast01.xmlcon", kFileStatuses);

    auto* create = app.add_subcommand("new", "Write the default configuration of MODEL to OUT.");
    create->add_option("MODEL", o->model, "CTD ID (0-15) or model name (see list instruments)")
        ->required();
    create->add_option("OUT", o->output, "File to write (.con: legacy format, else .xmlcon)")
        ->required();
    create->add_flag("--force", o->force, kForceHelp);
    create->callback([o, &status] {
        const int ctdID = ParseModel(o->model);
        if (ctdID < 0) {
            throw CLI::ValidationError("MODEL", "'" + o->model + "' names no instrument model");
        }
        status = New(ctdID, o->output, o->force);
    });
    DescribeUse(create, "tw-configctd new \"TDW 64plus V2 Vantrel CTD\" cast01.xmlcon",
                kFileStatuses);
}

void AddListCommands(CLI::App& app, int& status) {
    auto* list = app.add_subcommand("list", "List the instrument models or the sensor types.");
    list->require_subcommand(1);
    auto* instruments = list->add_subcommand(
        "instruments",
        "One line per model: ID, name, frequency and voltage channel maxima, locked, minimum and "
        "maximum channels and fixed sensor IDs; fields separated by tabs.");
    instruments->callback([&] {
        for (const SInstrumentRow& row : InstrumentRows()) {
            std::cout << row.id << '\t' << row.name << '\t' << row.frequencyChannelsMax << '\t'
                      << row.voltageChannelsMax << '\t' << row.channelsLocked << '\t'
                      << row.channelsMin << '\t' << row.channelsMax << '\t';
            for (std::size_t i = 0; i < row.fixedSensors.size(); ++i) {
                std::cout << (i ? "," : "") << row.fixedSensors[i];
            }
            std::cout << '\n';
        }
        status = 0;
    });
    DescribeUse(instruments, "tw-configctd list instruments | awk -F'\\t' '$4 > 0 { print $2 }'",
                "Exit status: 0 success, 1 the list could not be written.");
    auto* sensors = list->add_subcommand(
        "sensors",
        "One line per sensor type: ID, name, output type, calibratable, XML element, maximum per "
        "configuration; fields separated by tabs.");
    sensors->callback([&] {
        for (const SSensorRow& row : SensorRows()) {
            std::cout << row.id << '\t' << row.name << '\t' << row.outputType << '\t'
                      << (row.calibratable ? 1 : 0) << '\t' << row.xmlElement << '\t'
                      << row.maxPerConfiguration << '\n';
        }
        status = 0;
    });
    DescribeUse(sensors, "tw-configctd list sensors | cut -f1,2",
                "Exit status: 0 success, 1 the list could not be written.");
}
