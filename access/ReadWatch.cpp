#include "access/ReadWatch.h"

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
