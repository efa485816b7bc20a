#pragma once
// Helpers for the configuration-file tests: files in a scratch folder, and the
// diagnostics log, standard error and the user's messages captured.

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "platform/PlatformTestSupport.h"

namespace tw_test {

// The text with the first occurrence of from replaced by to.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A legacy ASCII configuration file of 280 lines.
inline std::string LegacyConText() {
    std::string text;
    for (int line = 1; line <= 280; ++line) {
        text += line == 39 ? "0 12 1 2505 147 24.000000 10.000000 0 0\n" : "0.000000\n";
    }
    return text;
}

// Collects the diagnostics log as "level: text" lines while it lives, up to
// the level given: by default leaving out the debug level (3), which traces
// the library's own workings.
class CLogCapture {
  public:
    explicit CLogCapture(int deepest = 2)
        : m_previous(CDiagnostics::SetSink([this, deepest](const std::string& text, int level) {
              if (level <= deepest) {
                  entries.push_back(std::to_string(level) + ": " + text);
              }
          })) {}
    ~CLogCapture() { CDiagnostics::SetSink(m_previous); }
    std::vector<std::string> entries;

  private:
    CDiagnostics::Sink m_previous;
};

// A scratch folder, with standard error and the message boxes (as "caption |
// flags | text") captured and the console flag restored after each test.
class CConfigFileTest : public ScratchFolder {
  protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        m_wasConsole = s_bErrorToConsole;
        m_oldBuffer = std::cerr.rdbuf(m_stderr.rdbuf());
        m_oldHandler = SetMessageBoxHandler([this](const char* text, const char* caption,
                                                   unsigned flags) {
            shown.push_back(std::string(caption) + " | " + std::to_string(flags) + " | " + text);
            return IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxHandler(m_oldHandler);
        std::cerr.rdbuf(m_oldBuffer);
        s_bErrorToConsole = m_wasConsole;
        ScratchFolder::TearDown();
    }
    std::string Path(const std::string& name) const { return (m_folder / name).string(); }
    std::string Stderr() const { return m_stderr.str(); }
    std::vector<std::string> shown;
    std::ostringstream m_stderr;
    std::streambuf* m_oldBuffer = nullptr;
    MessageBoxHandler m_oldHandler;
    bool m_wasConsole = false;
};

// As CConfigFileTest, with the settings folder (LOCALAPPDATA) and the user's
// folder (USERPROFILE) inside the scratch folder, as "appdata" and "home".
class CSensorFileTest : public CConfigFileTest {
  protected:
    void SetUp() override {
        CConfigFileTest::SetUp();
        m_appData.emplace("LOCALAPPDATA", Path("appdata").c_str());
        m_profile.emplace("USERPROFILE", Path("home").c_str());
    }
    void TearDown() override {
        m_profile.reset();
        m_appData.reset();
        CConfigFileTest::TearDown();
    }
    std::optional<ScopedEnv> m_appData;
    std::optional<ScopedEnv> m_profile;
};

}  // namespace tw_test
