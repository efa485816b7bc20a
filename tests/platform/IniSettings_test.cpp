// The per-user settings folder and INI files.

#include "platform/IniSettings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/PlatformTestSupport.h"

namespace tw_test {
namespace {

class IniSettingsTest : public ScratchFolder {
  protected:
    std::string In(const std::string& name) const { return (m_folder / name).string(); }
};

TEST_F(IniSettingsTest, TheFolderFollowsLocalAppDataThenXdgConfigThenHome) {
    ScopedEnv home("HOME", In("home").c_str());
    {
        ScopedEnv localAppData("LOCALAPPDATA", In("local").c_str());
        ScopedEnv xdg("XDG_CONFIG_HOME", In("xdg").c_str());
        EXPECT_EQ(GetSettingsFolder(), In("local/Tidewren/IniFiles/"));
        EXPECT_TRUE(std::filesystem::is_directory(In("local/Tidewren/IniFiles")));
    }
    ScopedEnv noLocalAppData("LOCALAPPDATA", nullptr);
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", In("xdg/").c_str());
        EXPECT_EQ(GetSettingsFolder(), In("xdg/Tidewren/IniFiles/"));
    }
    ScopedEnv noXdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(GetSettingsFolder(), In("home/.config/Tidewren/IniFiles/"));

    // A folder that cannot be made leaves the base folder.
    WriteFile(In("blocked"), "");
    ScopedEnv blocked("LOCALAPPDATA", In("blocked").c_str());
    EXPECT_EQ(GetSettingsFolder(), In("blocked/"));
}

TEST_F(IniSettingsTest, ValuesKeepTheRestOfTheFileAndSurviveDamage) {
    const CString file = In("settings.ini").c_str();
    EXPECT_EQ(ReadIniText(file, "Sensor", "Path", "<none>"), "<none>");
    EXPECT_TRUE(WriteIniText(file, "Sensor", "Path", "/data/a/"));
    EXPECT_TRUE(WriteIniText(file, "Other", "Path", "/data/b/"));
    EXPECT_TRUE(WriteIniText(file, "SENSOR", "PATH", "/data/c/"));
    const std::string text = ReadFile(In("settings.ini"));
    EXPECT_NE(text.find("[Sensor]\nPath=/data/c/\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Other]\nPath=/data/b/\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("/data/a/"), std::string::npos) << text;
    EXPECT_EQ(ReadIniText(file, "other", "path", ""), "/data/b/");

    WriteFile(In("settings.ini"), std::string("\0\xfe[=\n]]\n", 7));
    EXPECT_EQ(ReadIniText(file, "Sensor", "Path", "<none>"), "<none>");
    EXPECT_TRUE(WriteIniText(file, "Sensor", "Path", "/data/d/"));
    EXPECT_EQ(ReadIniText(file, "Sensor", "Path", ""), "/data/d/");

    // A folder that cannot be written keeps its file.
    const std::string before = ReadFile(In("settings.ini"));
    ASSERT_EQ(chmod(m_folder.c_str(), 0500), 0);
    const bool written = WriteIniText(file, "Sensor", "Path", "/data/e/");
    chmod(m_folder.c_str(), 0700);
    if (geteuid() != 0) {  // the superuser writes anyway
        EXPECT_FALSE(written);
        EXPECT_EQ(ReadFile(In("settings.ini")), before);
    }
}

}  // namespace
}  // namespace tw_test
