#include "access/ReadWatch.h"

#include <utility>

namespace {

// The level of entries that report a value replaced by its default.
constexpr int kWarningLevel = 1;

}  // namespace

std::string OneLine(std::string text) {
    for (char& ch : text) {
        if (ch == '\n' || ch == '\r') {
            ch = ' ';
        }
    }
    return text;
}

CLibraryWatch::CLibraryWatch()
    : m_previousSink(CDiagnostics::SetSink([this](const std::string& text, int level) {
          m_logged.push_back({text, level, CDiagnostics::CurrentPlace()});
          CDiagnostics::LogToFile(text, level);
      })),
      m_previousObserver(CDiagnostics::SetReadObserver([this](CDiagnostics::ReadNote kind,
                                                              const std::string& place,
                                                              const std::string& what) {
          (kind == CDiagnostics::ReadNote::missing ? m_misses : m_unread).push_back({place, what});
      })),
      m_previousHandler(SetMessageBoxHandler([this](const char* text, const char*, unsigned) {
          m_messages.push_back(OneLine(text));
          return IDOK;
      })) {}

CLibraryWatch::~CLibraryWatch() {
    CDiagnostics::SetSink(std::move(m_previousSink));
    CDiagnostics::SetReadObserver(std::move(m_previousObserver));
    SetMessageBoxHandler(std::move(m_previousHandler));
}

std::vector<std::string> CLibraryWatch::Warnings() const {
    std::vector<std::string> warnings;
    for (const SLogged& entry : m_logged) {
        if (entry.level == kWarningLevel) {
            warnings.push_back(entry.text);
        }
    }
    return warnings;
}

std::string AtPlace(const std::string& place, const std::string& text) {
    return place.empty() ? text : place + ": " + text;
}
