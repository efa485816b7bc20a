#include "platform/FileNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

TEST(FileNames, SplitsPathsAtEitherSeparator) {
    EXPECT_EQ(ExtractFileName("/data/cast1.xmlcon"), "cast1.xmlcon");
    EXPECT_EQ(ExtractFileName("C:\\data/cast1.con"), "cast1.con");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
    EXPECT_EQ(ExtractDirectory("C:\\data\\cast1.con"), "C:\\data\\");
    EXPECT_EQ(ExtractDirectory("plain"), "");
    EXPECT_EQ(ExtractExtension("/data/cast1.tar.XMLCON"), ".XMLCON");
    EXPECT_EQ(ExtractExtension("/data.d/noext"), "");
}

TEST(FileNames, TellsFilesAndReadOnlyFilesAndCreatesFolders) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "tw_names_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const CString folder(pattern);
    const CString file = folder + "/cast1.con";
    std::ofstream(file.GetString()) << "x";

    EXPECT_TRUE(IsFile(file));
    EXPECT_FALSE(IsFile(folder));
    EXPECT_FALSE(IsFile(folder + "/missing.con"));
    EXPECT_FALSE(IsReadOnly(file));
    EXPECT_FALSE(IsReadOnly(folder + "/missing.con"));
    ASSERT_EQ(chmod(file.GetString(), 0444), 0);
    EXPECT_TRUE(IsReadOnly(file));  // also for a user who may override permissions

    EXPECT_TRUE(GetOrCreateFolder(folder + "/a/b"));
    EXPECT_TRUE(fs::is_directory((folder + "/a/b").str()));
    EXPECT_TRUE(GetOrCreateFolder(folder + "/a/b/"));
    EXPECT_FALSE(GetOrCreateFolder(file + "/below"));
    EXPECT_FALSE(GetOrCreateFolder(""));
    fs::remove_all(pattern);
}
