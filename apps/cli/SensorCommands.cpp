#include "apps/cli/SensorCommands.h"

#include <iostream>
#include <memory>
#include <string>

#include "access/LoadedConfig.h"
#include "apps/cli/Commands.h"
#include "apps/cli/ToolOutput.h"
#include "platform/ChoiceDialog.h"
#include "platform/MessageBox.h"
#include "xmlfiles/SensorHeaderInsert.h"
#include "xmlfiles/SensorImportExport.h"

using Config2004::CCommandLineIniOptions;
using Config2004::CSensorHeaderInsert;
using Config2004::CSensorImportExport;

namespace {

struct SSensorArgs {
    std::string file;
    int channel = 0;  // from 1, as the report numbers channels
    std::string other;
    std::string output;
    int pick = 0;  // from 1; 0: none given
    bool force = false;
};

// The configuration and the sensor on the channel; an error text when the
// channel holds no sensor to work on.
struct SChannelSensor {
    std::unique_ptr<CCTD> ctd;
    CSensor* sensor = nullptr;
    SIOResult error;
};

SChannelSensor LoadChannel(const std::string& file, int channel) {
    SChannelSensor result;
    SLoadResult loaded = LoadConfiguration(file);
    if (!loaded.ctd) {
        result.error = loaded.result;
        return result;
    }
    const int count = loaded.ctd->GetSensorArray().GetSize();
    if (channel < 1 || channel > count) {
        result.error = SIOResult::Failure("channel " + std::to_string(channel) +
                                          " is outside the configuration (1 to " +
                                          std::to_string(count) + ")");
        return result;
    }
    CSensor& sensor = loaded.ctd->GetSensor(channel - 1);
    if (sensor.GetSensorID() == SID_NULL) {
        result.error =
            SIOResult::Failure("channel " + std::to_string(channel) + " holds no sensor");
        return result;
    }
    result.sensor = &sensor;
    result.ctd = std::move(loaded.ctd);
    return result;
}

int RunExportSensor(const SSensorArgs& args) {
    SChannelSensor loaded = LoadChannel(args.file, args.channel);
    if (!loaded.sensor) {
        return Fail(args.file, loaded.error);
    }
    const SIOResult written = SaveWithForce(args.other, args.force, [&] {
        return CSensorImportExport().ExportSensorResult(loaded.sensor, args.other.c_str());
    });
    return written ? 0 : WriteFailed(args.other, written);
}

// Answers the choice among several sensors with --pick, or lists the rows
// and declines; notes that it was asked.
ChoiceDialogHandler PickHandler(const SSensorArgs& args, bool& asked) {
    return [&args, &asked](const SChoiceRequest& request) {
        asked = true;
        const int count = static_cast<int>(request.rows.size());
        if (args.pick > count) {
            std::cerr << args.other << ": --pick " << args.pick << " is beyond the " << count
                      << " matching sensors\n";
            return -1;
        }
        if (args.pick > 0) {
            return args.pick - 1;
        }
        std::cerr << args.other << ": holds " << count
                  << " matching sensors; choose one with --pick N:\n";
        for (int i = 0; i < count; ++i) {
            std::cerr << args.other << ":   " << i + 1 << ") "
                      << request.rows[static_cast<std::size_t>(i)] << '\n';
        }
        return -1;
    };
}

int RunImportSensor(const SSensorArgs& args) {
    SChannelSensor loaded = LoadChannel(args.file, args.channel);
    if (!loaded.sensor) {
        return Fail(args.file, loaded.error);
    }
    const long messages = TWMessageCount();
    bool asked = false;
    const ChoiceDialogHandler previous = SetChoiceDialogHandler(PickHandler(args, asked));
    CSensorImportExport importer;
    const int imported = importer.ImportSensorFrom(loaded.sensor, CString(args.other.c_str()));
    SetChoiceDialogHandler(previous);
    if (!imported) {
        // The library or the choice has said why, unless the file is of no
        // kind that is read.
        return TWMessageCount() != messages || asked
                   ? 1
                   : Fail(args.other,
                          "not a sensor file (.xml) or an instrument configuration (.xmlcon, "
                          ".con)");
    }
    const std::string target = args.output.empty() ? args.file : args.output;
    return SaveForCommand(target, *loaded.ctd, args.force);
}

int RunSensorsHeader(const SSensorArgs& args, const CCommandLineIniOptions& options) {
    SLoadResult loaded = LoadConfiguration(args.file);
    if (!loaded.ctd) {
        return Fail(args.file, loaded.result);
    }
    const SIOResult written = SaveWithForce(args.output, args.force, [&] {
        return CSensorHeaderInsert().WriteSensorsXMLResult(loaded.ctd.get(), args.output.c_str(),
                                                           options);
    });
    return written ? 0 : WriteFailed(args.output, written);
}

}  // namespace

void AddSensorCommands(CLI::App& app, int& status) {
    static SSensorArgs args;
    static CCommandLineIniOptions options;

    auto* exportSensor =
        app.add_subcommand("export-sensor", "Save the sensor on CHANNEL of FILE as a sensor file.");
    exportSensor->add_option("FILE", args.file, "Configuration file")->required();
    exportSensor->add_option("CHANNEL", args.channel, "Channel, from 1 as in the report")
        ->required();
    exportSensor->add_option("OUT", args.other, "Sensor file to write (.xml)")->required();
    exportSensor->add_flag("--force", args.force, kForceHelp);
    exportSensor->callback([&status] { status = RunExportSensor(args); });

    auto* importSensor = app.add_subcommand(
        "import-sensor",
        "Replace the sensor on CHANNEL of FILE by the one in SENSORFILE (a sensor file, or a "
        "configuration holding a sensor of the same kind), and save FILE.");
    importSensor->add_option("FILE", args.file, "Configuration file")->required();
    importSensor->add_option("CHANNEL", args.channel, "Channel, from 1 as in the report")
        ->required();
    importSensor->add_option("SENSORFILE", args.other, "Sensor file (.xml), .xmlcon or .con")
        ->required();
    importSensor->add_option("-o,--output", args.output,
                             "Save the configuration here, not in FILE");
    importSensor
        ->add_option("--pick", args.pick,
                     "Which of several matching sensors to take, from 1 as listed")
        ->check(CLI::PositiveNumber);
    importSensor->add_flag("--force", args.force, kForceHelp);
    importSensor->callback([&status] { status = RunImportSensor(args); });

    auto* header = app.add_subcommand("sensors-header",
                                      "Write the \"Sensors\" header document of FILE to OUT.");
    header->add_option("FILE", args.file, "Configuration file")->required();
    header->add_option("OUT", args.output, "Document to write")->required();
    header->add_option_function<double>(
        "--t0pcor", [](double value) { options.SetdT0pcor(value); },
        "Primary temperature correction given to the host");
    header->add_option_function<double>(
        "--t1pcor", [](double value) { options.SetdT1pcor(value); },
        "Secondary temperature correction given to the host");
    header->add_option_function<double>(
        "--wrap71cond", [](double value) { options.SetdWrap71Cond(value); },
        "TDW 71 conductivity wrap value given to the host");
    header->add_flag_callback(
        "--wrap62cond", [] { options.SetnWrap62CondFreq(1); },
        "The host wraps the TDW 62 conductivity frequency");
    header->add_flag("--force", args.force, kForceHelp);
    header->callback([&status] { status = RunSensorsHeader(args, options); });
}
