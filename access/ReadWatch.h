#pragma once
// What the library says while a host asks it to read or write a file: its
// diagnostics entries (with the element it was at), the items it looked for
// in vain, and the messages it would show the user. Hosts without a window
// turn these into their one-line reasons and warnings.

#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"

struct SLogged {
    std::string text;
    int level;
    std::string place;  // the element being read, or empty
};

struct SMiss {
    std::string place;
    std::string what;
};

// Collects while it lives; only one at a time.
class CLibraryWatch {
  public:
    CLibraryWatch();
    ~CLibraryWatch();
    CLibraryWatch(const CLibraryWatch&) = delete;
    CLibraryWatch& operator=(const CLibraryWatch&) = delete;

    const std::vector<SLogged>& Logged() const { return m_logged; }
    const std::vector<SMiss>& Misses() const { return m_misses; }
    // Elements of the document that no reader looked at.
    const std::vector<SMiss>& Unread() const { return m_unread; }
    const std::vector<std::string>& Messages() const { return m_messages; }

    // Entries at the warning level: values the reader replaced by defaults.
    std::vector<std::string> Warnings() const;

  private:
    std::vector<SLogged> m_logged;
    std::vector<SMiss> m_misses;
    std::vector<SMiss> m_unread;
    std::vector<std::string> m_messages;
    CDiagnostics::Sink m_previousSink;
    CDiagnostics::ReadObserver m_previousObserver;
    MessageBoxHandler m_previousHandler;
};

// A message as one line: its line ends become blanks.
std::string OneLine(std::string text);

// A place and a text as one line: "PLACE: TEXT", or TEXT alone.
std::string AtPlace(const std::string& place, const std::string& text);
