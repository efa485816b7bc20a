#pragma once
// Helpers for the configuration-file tests: the diagnostics log and the
// user's messages captured, and files in a scratch folder.

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "platform/xml/XmlTestSupport.h"

namespace cfgtest {

using xmltest::ReadFile;
using xmltest::WriteFile;

// The text with the first occurrence of from replaced by to.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Collects the diagnostics log while it lives.
class CLogCapture {
  public:
    CLogCapture() {
        m_previous = CDiagnostics::SetSink([this](const std::string& text, int level) {
            entries.push_back({text, level});
        });
    }
    ~CLogCapture() { CDiagnostics::SetSink(m_previous); }
    CLogCapture(const CLogCapture&) = delete;
    CLogCapture& operator=(const CLogCapture&) = delete;

    struct SEntry {
        std::string text;
        int level;
    };
    std::vector<SEntry> entries;

    bool Holds(const std::string& text) const {
        for (const SEntry& entry : entries) {
            if (entry.text == text) {
                return true;
            }
        }
        return false;
    }

  private:
    CDiagnostics::Sink m_previous;
};

// A message shown in a message box.
struct SShown {
    std::string text;
    std::string caption;
    unsigned flags;
};

// A scratch folder, with standard error and the message boxes captured and
// the console flag restored after each test.
class CConfigFileTest : public xmltest::ScratchFolder {
  protected:
    void SetUp() override {
        xmltest::ScratchFolder::SetUp();
        m_wasConsole = s_bErrorToConsole;
        m_oldBuffer = std::cerr.rdbuf(m_stderr.rdbuf());
        m_oldHandler =
            SetMessageBoxHandler([this](const char* text, const char* caption, unsigned flags) {
                shown.push_back({text, caption, flags});
                return IDOK;
            });
    }
    void TearDown() override {
        SetMessageBoxHandler(m_oldHandler);
        std::cerr.rdbuf(m_oldBuffer);
        s_bErrorToConsole = m_wasConsole;
        xmltest::ScratchFolder::TearDown();
    }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }
    std::string Stderr() const { return m_stderr.str(); }

    std::vector<SShown> shown;

  private:
    std::ostringstream m_stderr;
    std::streambuf* m_oldBuffer = nullptr;
    MessageBoxHandler m_oldHandler;
    bool m_wasConsole = false;
};

}  // namespace cfgtest
