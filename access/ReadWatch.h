#pragma once
// What the library says while a host asks it to write a file: its
// diagnostics entries and the messages it would show the user. Reads tell
// their reasons as values (ReadConfiguration); a save is explained from
// these until the writers do the same.

#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "platform/ReadNotes.h"

struct SLogged {
    std::string text;
    int level;
};

// Collects while it lives; only one at a time.
class CLibraryWatch {
  public:
    CLibraryWatch();
    ~CLibraryWatch();
    CLibraryWatch(const CLibraryWatch&) = delete;
    CLibraryWatch& operator=(const CLibraryWatch&) = delete;

    const std::vector<SLogged>& Logged() const { return m_logged; }
    const std::vector<std::string>& Messages() const { return m_messages; }

  private:
    std::vector<SLogged> m_logged;
    std::vector<std::string> m_messages;
    CDiagnostics::Sink m_previousSink;
    MessageBoxHandler m_previousHandler;
};
