// tw-configctd: instrument configurations from the command line.

#include <CLI/CLI.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "apps/cli/Commands.h"
#include "apps/cli/LoadedConfig.h"
#include "apps/cli/SensorCommands.h"
#include "platform/MessageBox.h"

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv) {
    // Every message of the library goes to standard error.
    s_bErrorToConsole = true;

    CLI::App app{"Reads, writes, compares and reports CTD instrument configurations (.xmlcon)."};
    app.set_version_flag("--version", std::string("tw-configctd ") + TW_CONFIGCTD_VERSION);
    app.require_subcommand(1);
    int status = 0;

    std::string file;
    std::string output;
    auto* report = app.add_subcommand("report", "Print the configuration report of FILE.");
    report->add_option("FILE", file, "Configuration file")->required();
    report->add_option("-o,--output", output, "Write the report to this file");
    report->callback([&] { status = RunReport(file, output); });

    bool json = false;
    auto* info = app.add_subcommand("info", "Show the model, scan and channels of FILE.");
    info->add_option("FILE", file, "Configuration file")->required();
    info->add_flag("--json", json, "One JSON object instead of text");
    info->callback([&] { status = RunInfo(file, json); });

    std::vector<std::string> files;
    auto* validate = app.add_subcommand("validate", "Read each FILE and say whether it is sound.");
    validate->add_option("FILE", files, "Configuration files")->required();
    validate->callback([&] { status = RunValidate(files); });

    std::string input;
    auto* convert = app.add_subcommand(
        "convert", "Read IN and write it to OUT (.con by OUT's extension, else .xmlcon).");
    convert->add_option("IN", input, "Configuration file to read")->required();
    convert->add_option("OUT", output, "File to write")->required();
    convert->callback([&] { status = RunConvert(input, output); });

    std::string model;
    auto* create = app.add_subcommand("new", "Write the default configuration of MODEL to OUT.");
    create->add_option("MODEL", model, "CTD ID (0-15) or model name")->required();
    create->add_option("OUT", output, "File to write")->required();
    create->callback([&] {
        const int ctdID = ParseModel(model);
        if (ctdID < 0) {
            throw CLI::ValidationError("MODEL", "'" + model + "' names no instrument model");
        }
        status = RunNew(ctdID, output);
    });

    auto* list = app.add_subcommand("list", "List the instrument models or the sensor types.");
    list->require_subcommand(1);
    list->add_subcommand("instruments", "One line per model, fields separated by tabs.")
        ->callback([&] { status = RunListInstruments(); });
    list->add_subcommand("sensors", "One line per sensor type, fields separated by tabs.")
        ->callback([&] { status = RunListSensors(); });

    AddSensorCommands(app, status);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int exitCode = app.exit(e);
        return exitCode == 0 ? 0 : kUsageError;
    }
    return status;
}
