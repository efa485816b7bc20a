#pragma once
// What the tool prints beside its results: the reasons of failures and the
// warnings of reads on standard error, and the configuration's text in the
// terminal's character set.
//
// Every line on standard error is one line. A line about a file begins with
// the file's name, and the line and column in it when they are known, as
// compilers print, so that editors and scripts find the place; a line about
// no file in particular begins with the tool's name:
//
//     cast07.xmlcon:12:5: mismatched tag
//     cast02.con: write error: No space left on device
//     tw-configctd: write error: Broken pipe
//
// Fail prints the first kind, WriteFailed the second, Complain the third.

#include <string>

#include "access/LoadedConfig.h"
#include "platform/IOResult.h"

inline constexpr const char* kToolName = "tw-configctd";

// LoadConfiguration, with each warning on standard error as
// "FILE: warning: what".
SLoadResult LoadForCommand(const std::string& path);

// The located reason on standard error; returns the exit status 1.
int Fail(const std::string& file, const std::string& why);
int Fail(const std::string& file, const SIOResult& why);

// "tw-configctd: WHAT" (line ends in what become blanks).
void Complain(const std::string& what);

// "FILE: write error: REASON", the reason in the system's words when the
// system refused; returns the exit status 1.
int WriteFailed(const std::string& file, const SIOResult& result);

// SaveConfiguration; the exit status: 0, or 1 after the write error.
int SaveForCommand(const std::string& path, CCTD& ctd, bool force);

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
