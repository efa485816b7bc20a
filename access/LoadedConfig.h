#pragma once
// Reading and writing configuration files for hosts without a window (the
// tool, the Python module), through the same functions a host program calls,
// with a one-line reason on failure and the values the reader replaced by
// defaults.

#include <memory>
#include <string>
#include <vector>

#include "core/CTD.h"

struct SLoadResult {
    std::unique_ptr<CCTD> ctd;  // null on failure
    // Why, when ctd is null: "LINE:COLUMN: what", "ELEMENT: what" or "what".
    std::string error;
    // errno of a failed system call, 0 when the failure is not the system's.
    int sysError = 0;
    // Values replaced by defaults and items that were missing, one line each.
    std::vector<std::string> warnings;
};

// ReadCTDID, CreateCTDObject and ReadConFile, in that order.
SLoadResult LoadConfiguration(const std::string& path);

class CLibraryWatch;
// Why the model refused a configuration that parsed, from what the library
// said meanwhile: an element path and what was wrong there.
std::string WhyNotRead(const CLibraryWatch& watch, const CCTD& model);

// The legacy .con format for a path ending in ".con" (any case), the .xmlcon
// document for any other. A write-protected file is replaced only with
// force. An empty text on success, else why it failed.
std::string SaveConfiguration(const std::string& path, CCTD& ctd, bool force);

// True for an existing file that may not be written, or that no one has
// permission to write.
bool IsWriteProtected(const std::string& path);

// A reason split into its position in the file, when it has one, and what.
struct SReason {
    int line = 0;  // 0: no position
    int column = 0;
    std::string what;
};
SReason SplitReason(const std::string& why);

// "FILE:LINE:COLUMN: KIND: what" for a reason with a position, else
// "FILE: KIND: what"; without a kind, "FILE:LINE:COLUMN: what".
std::string Located(const std::string& file, const std::string& kind, const std::string& why);

// The CTD ID a model argument names: a number 0 to 15 or a catalogue name
// (letters in any case); -1 when it names none.
int ParseModel(const std::string& model);
