#pragma once
// What the tool prints beside its results: the reasons of failures and the
// warnings of reads on standard error, and the configuration's text in the
// terminal's character set.

#include <string>

#include "access/LoadedConfig.h"

// LoadConfiguration, with each warning on standard error as
// "FILE: warning: what".
SLoadResult LoadForCommand(const std::string& path);

// The located reason on standard error; returns the exit status 1.
int Fail(const std::string& file, const std::string& why);
int Fail(const std::string& file, const SIOResult& why);

// The library's messages outside any watch go to standard error as one line
// each, after the program's name.
void RouteLibraryMessagesToStderr();

// True when the terminal's character set (the locale's) is UTF-8.
bool OutputIsUtf8();
