#include "platform/Diagnostics.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { m_old ? setenv(m_name.c_str(), m_old->c_str(), 1) : unsetenv(m_name.c_str()); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// Each test writes into a fresh folder, with the file log (no sink) in force.
class DiagnosticsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tw_diag_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_previous = CDiagnostics::SetSink({});
    }
    void TearDown() override {
        CDiagnostics::SetSink(m_previous);
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    static std::string ReadAll(const fs::path& path) {
        std::stringstream text;
        text << std::ifstream(path).rdbuf();
        return text.str();
    }
    fs::path m_folder;
    CDiagnostics::Sink m_previous;
};

}  // namespace

TEST_F(DiagnosticsTest, AppendsOneLinePerEntryToTheFileOrTheSink) {
    const fs::path log = m_folder / "log.txt";
    ScopedEnv env("TW_CONFIGCTD_LOG", log.c_str());
    CDiagnostics::Log("first\nsecond", 2);
    CDiagnostics::LogError("open", EACCES, 1);
    const std::string stamp = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d";
    const std::regex expected(stamp + " level 2: first second\n" + stamp +
                              " level 1: open \\(error 13: Permission denied\\)\n");
    const std::string written = ReadAll(log);
    EXPECT_TRUE(std::regex_match(written, expected)) << written;

    std::vector<std::pair<std::string, int>> entries;
    CDiagnostics::SetSink(
        [&](const std::string& text, int level) { entries.emplace_back(text, level); });
    CDiagnostics::LogError("failed to open a.con.", ENOENT, 0);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, "failed to open a.con. (error 2: No such file or directory)");
    EXPECT_EQ(entries[0].second, 0);
    EXPECT_EQ(ReadAll(log).size(), written.size());  // the sink took the third entry
}

TEST_F(DiagnosticsTest, DefaultLogIsCreatedInTheStateFolder) {
    ScopedEnv noLog("TW_CONFIGCTD_LOG", nullptr);
    {
        ScopedEnv state("XDG_STATE_HOME", m_folder.c_str());
        CDiagnostics::Log("created on first use", 0);
        const fs::path expected = m_folder / "tw_configctd" / "TW_ConfigCTD.log";
        EXPECT_EQ(CDiagnostics::LogFilePath(), expected.string());
        EXPECT_NE(ReadAll(expected).find("level 0: created on first use"), std::string::npos);
    }
    ScopedEnv home("HOME", "/home/someone");
    ScopedEnv relative("XDG_STATE_HOME", "relative/state");  // not absolute: ignored
    EXPECT_EQ(CDiagnostics::LogFilePath(),
              "/home/someone/.local/state/tw_configctd/TW_ConfigCTD.log");
}

TEST_F(DiagnosticsTest, NeverThrows) {
    const fs::path blocker = m_folder / "file";
    std::ofstream(blocker) << "x";
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
