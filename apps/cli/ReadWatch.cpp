#include "apps/cli/ReadWatch.h"

#include <iostream>
#include <utility>

CLibraryWatch::CLibraryWatch()
    : m_previousSink(CDiagnostics::SetSink([this](const std::string& text, int level) {
          m_logged.push_back({text, level});
          CDiagnostics::LogToFile(text, level);
      })),
      m_previousHandler(SetMessageBoxHandler([this](const char* text, const char*, unsigned) {
          m_messages.push_back(OneLine(text));
          return IDOK;
      })) {}

CLibraryWatch::~CLibraryWatch() {
    CDiagnostics::SetSink(std::move(m_previousSink));
    SetMessageBoxHandler(std::move(m_previousHandler));
}

void RouteLibraryMessagesToStderr() {
    s_bErrorToConsole = false;
    SetMessageBoxHandler([](const char* text, const char*, unsigned flags) {
        std::cerr << "tw-configctd: " << OneLine(text) << '\n';
        const unsigned buttons = flags & 0x000Fu;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    });
}
