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

// The library's messages outside any watch go to standard error as one line
// each, after the program's name.
void RouteLibraryMessagesToStderr();

// The configuration's text on standard output. On a terminal its control
// characters are escaped, as ls does (a serial number cannot move the cursor
// or break a line), and its Latin-1 becomes UTF-8 when the terminal takes
// UTF-8; raw keeps the bytes as stored.
class CTerminalText {
  public:
    explicit CTerminalText(bool raw);
    // True on a terminal, where control characters are escaped.
    bool Escapes() const { return m_escape; }
    // One value: every control character escaped on a terminal.
    std::string Value(const std::string& bytes) const;
    // Lines whose line ends are their own: the other control characters
    // escaped on a terminal.
    std::string Lines(const std::string& bytes) const;
    // Text whose values are shown already, in the terminal's character set.
    std::string Out(const std::string& bytes) const;

  private:
    bool m_escape;
    bool m_utf8;
};
