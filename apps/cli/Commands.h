#pragma once
// The tool's subcommands. Each returns the process exit status: 0 success,
// 1 a file could not be read or written.

#include <string>
#include <vector>

int RunReport(const std::string& file, const std::string& output);
int RunInfo(const std::string& file, bool json);
int RunValidate(const std::vector<std::string>& files);
int RunConvert(const std::string& input, const std::string& output);
int RunNew(int ctdID, const std::string& output);
int RunListInstruments();
int RunListSensors();
