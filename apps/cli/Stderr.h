#pragma once
// What the tool says on standard error, one line each. A line about a file
// begins with the file's name, and the line and column in it when they are
// known, as compilers print, so that editors and scripts find the place; a
// line about no file in particular begins with the tool's name:
//
//     cast07.xmlcon:12:5: mismatched tag
//     cast02.con: write error: No space left on device
//     tw-configctd: write error: Broken pipe
//
// Fail (LoadedConfig.h) prints the first kind, WriteFailed the second,
// Complain the third.

#include <string>

#include "platform/IOResult.h"

inline constexpr const char* kToolName = "tw-configctd";

// "tw-configctd: WHAT" (line ends in what become blanks).
void Complain(const std::string& what);

// "FILE: write error: REASON", the reason in the system's words when the
// system refused; returns the exit status 1.
int WriteFailed(const std::string& file, const SIOResult& result);
