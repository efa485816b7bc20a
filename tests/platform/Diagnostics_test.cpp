#include "platform/Diagnostics.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <regex>
#include <string>

#include "platform/PlatformTestSupport.h"

using tw_test::ReadFile;
using tw_test::ScopedEnv;

// Each test writes into a fresh folder, with the file log (no sink) in force.
class DiagnosticsTest : public tw_test::ScratchFolder {
  protected:
    void SetUp() override {
        tw_test::ScratchFolder::SetUp();
        m_previous = CDiagnostics::SetSink({});
    }
    void TearDown() override {
        CDiagnostics::SetSink(m_previous);
        tw_test::ScratchFolder::TearDown();
    }
    CDiagnostics::Sink m_previous;
};

TEST_F(DiagnosticsTest, AppendsOneLinePerEntryToTheFileOrTheSink) {
    ScopedEnv env("TW_CONFIGCTD_LOG", (m_folder / "log.txt").c_str());
    CDiagnostics::Log("first\nsecond", 2);
    CDiagnostics::LogError("open", EACCES, 1);
    const std::string stamp = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d";
    const std::string written = ReadFile(m_folder / "log.txt");
    EXPECT_TRUE(std::regex_match(written, std::regex(stamp + " level 2: first second\n" + stamp +
                                                     " level 1: open \\(error 13: Permission "
                                                     "denied\\)\n")))
        << written;

    std::string entries;
    CDiagnostics::SetSink(
        [&](const std::string& text, int level) { entries += text + "|" + std::to_string(level); });
    CDiagnostics::LogError("failed to open a.con.", ENOENT, 0);
    EXPECT_EQ(entries, "failed to open a.con. (error 2: No such file or directory)|0");
    EXPECT_EQ(ReadFile(m_folder / "log.txt"), written);  // the sink took the third entry
}

TEST_F(DiagnosticsTest, DefaultLogIsCreatedInTheStateFolder) {
    ScopedEnv noLog("TW_CONFIGCTD_LOG", nullptr);
    {
        ScopedEnv state("XDG_STATE_HOME", m_folder.c_str());
        CDiagnostics::Log("created on first use", 0);
        const auto expected = m_folder / "tw_configctd" / "TW_ConfigCTD.log";
        EXPECT_EQ(CDiagnostics::LogFilePath(), expected.string());
        EXPECT_NE(ReadFile(expected).find("level 0: created on first use"), std::string::npos);
    }
    ScopedEnv home("HOME", "/home/someone");
    ScopedEnv relative("XDG_STATE_HOME", "relative/state");  // not absolute: ignored
    EXPECT_EQ(CDiagnostics::LogFilePath(),
              "/home/someone/.local/state/tw_configctd/TW_ConfigCTD.log");
}

TEST_F(DiagnosticsTest, NeverThrows) {
    const auto blocker = m_folder / "file";
    tw_test::WriteFile(blocker, "x");
    {
        ScopedEnv env("TW_CONFIGCTD_LOG", (blocker / "log.txt").c_str());
        EXPECT_NO_THROW(CDiagnostics::Log("lost", 0));
    }
    {
        ScopedEnv noLog("TW_CONFIGCTD_LOG", nullptr);
        ScopedEnv state("XDG_STATE_HOME", blocker.c_str());  // the folder cannot be made
        EXPECT_NO_THROW(CDiagnostics::LogError("lost", 1, 0));
    }
    CDiagnostics::SetSink([](const std::string&, int) { throw std::runtime_error("sink"); });
    EXPECT_NO_THROW(CDiagnostics::Log(nullptr, 0));
}
