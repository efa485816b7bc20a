#pragma once
// Reading and writing configuration files for the tool, through the same
// functions a host program calls, with a one-line reason on failure.

#include <memory>
#include <string>

#include "core/CTD.h"

struct SLoadResult {
    std::unique_ptr<CCTD> ctd;  // null on failure
    std::string error;          // why, when ctd is null
};

// ReadCTDID, CreateCTDObject and ReadConFile, in that order.
SLoadResult LoadConfiguration(const std::string& path);

// WriteConFile; an empty text on success, else why it failed.
std::string SaveConfiguration(const std::string& path, CCTD& ctd);

// The CTD ID a model argument names: a number 0 to 15 or a catalogue name
// (letters in any case); -1 when it names none.
int ParseModel(const std::string& model);
