#pragma once
// Reading and writing configuration files for hosts without a window (the
// tool, the Python module), through the same functions a host program calls,
// with a one-line reason on failure and the values the reader replaced by
// defaults.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/CTD.h"
#include "platform/IOResult.h"

struct SLoadResult {
    std::unique_ptr<CCTD> ctd;  // null on failure
    // Why, when ctd is null; the warnings of a read that succeeded.
    SIOResult result;
};

// The configuration in the file, in one read of it ("-": standard input);
// its warnings name the values that are not finite numbers.
SLoadResult LoadConfiguration(const std::string& path);

// Runs save, which writes path, with what force allows: a write-protected
// file replaced, a file whose folder cannot be written written in place.
SIOResult SaveWithForce(const std::string& path, bool force,
                        const std::function<SIOResult()>& save);

// The legacy .con format for a path ending in ".con" (any case), the .xmlcon
// document for any other, through SaveWithForce.
SIOResult SaveConfiguration(const std::string& path, CCTD& ctd, bool force);

// True for an existing file that may not be written, or that no one has
// permission to write.
bool IsWriteProtected(const std::string& path);

// "FILE:LINE:COLUMN: KIND: what" for a reason with a position, else
// "FILE: KIND: ELEMENT: what" (see ReasonLine).
std::string Located(const std::string& file, const std::string& kind, const SIOResult& why);

// The CTD ID a model argument names: a number 0 to 15 or a catalogue name
// (letters in any case); -1 when it names none.
int ParseModel(const std::string& model);
