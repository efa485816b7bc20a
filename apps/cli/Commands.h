#pragma once
// The tool's subcommands, in groups. Each group adds its subcommands to the
// application; a subcommand's callback sets the exit status: 0 success, 1 a
// file could not be read or written (for diff: the files differ), 2 a usage
// error.

#include <CLI/CLI.hpp>
#include <string>

using CommandGroup = void (*)(CLI::App& app, int& status);

void AddFileCommands(CLI::App& app, int& status);  // report, info, validate, convert, new
void AddListCommands(CLI::App& app, int& status);  // list instruments, list sensors
void AddDiffCommand(CLI::App& app, int& status);
void AddSetCommand(CLI::App& app, int& status);

constexpr int kUsageError = 2;

// The help's closing lines: an example and what the exit statuses mean.
void DescribeUse(CLI::App* command, const std::string& example, const std::string& statuses);
// The exit statuses of a command that reads and writes files.
extern const char* const kFileStatuses;
// What --force allows a command that writes a file.
extern const char* const kForceHelp;
