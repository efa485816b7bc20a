// tw-configctd: instrument configurations from the command line.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

#include "apps/cli/Commands.h"
#include "apps/cli/SensorCommands.h"
#include "apps/cli/StdoutBuffer.h"
#include "apps/cli/ToolOutput.h"

namespace {

// Every group of subcommands, in the order the help lists them.
constexpr CommandGroup kCommandGroups[] = {
    AddFileCommands, AddDiffCommand, AddSetCommand, AddListCommands, AddSensorCommands,
};

// Output that could not be written (a full disk, a closed pipe) fails the
// command whatever it did before.
int CheckOutput(CStdoutBuffer& out, int status) {
    std::cout.flush();
    if (out.Error() == 0 && std::cout) {
        return status;
    }
    const int error = out.Error() != 0 ? out.Error() : EIO;
    std::cerr << "tw-configctd: write error: " << std::strerror(error) << '\n';
    return 1;
}

int Run(int argc, char** argv) {
    RouteLibraryMessagesToStderr();

    CLI::App app{
        "Reads, writes, compares, edits and reports CTD instrument configurations "
        "(.xmlcon and .con).",
        "tw-configctd"};
    app.set_version_flag("--version", std::string("tw-configctd ") + TW_CONFIGCTD_VERSION);
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 success, 1 a file could not be read or written (diff: the files "
        "differ), 2 usage error.\nSee 'tw-configctd COMMAND --help' for each command.");
    int status = 0;
    for (const CommandGroup addGroup : kCommandGroups) {
        addGroup(app, status);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int exitCode = app.exit(e);
        return exitCode == 0 ? 0 : kUsageError;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe is an output error to report, not a reason to die.
    std::signal(SIGPIPE, SIG_IGN);
    CStdoutBuffer out;
    std::streambuf* const previous = std::cout.rdbuf(&out);
    const int status = Run(argc, argv);
    const int result = CheckOutput(out, status);
    std::cout.rdbuf(previous);
    return result;
}
