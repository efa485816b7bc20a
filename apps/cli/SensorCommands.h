#pragma once
// The calibration-sheet subcommands: export-sensor, import-sensor and
// sensors-header.

#include <CLI/CLI.hpp>

// Adds the subcommands to the tool; the one that runs stores its exit status
// (0 success, 1 failure) in status.
void AddSensorCommands(CLI::App& app, int& status);
