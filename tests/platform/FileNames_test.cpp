#include "platform/FileNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "platform/PlatformTestSupport.h"

TEST(FileNames, SplitsPathsAtEitherSeparator) {
    EXPECT_EQ(ExtractFileName("C:\\data/cast1.con"), "cast1.con");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
    EXPECT_EQ(ExtractDirectory("C:\\data\\cast1.con"), "C:\\data\\");
    EXPECT_EQ(ExtractDirectory("plain"), "");
    EXPECT_EQ(ExtractExtension("/data/cast1.tar.XMLCON"), ".XMLCON");
    EXPECT_EQ(ExtractExtension("/data.d/noext"), "");
}

class FileNamesOnDisk : public tw_test::ScratchFolder {};

TEST_F(FileNamesOnDisk, TellsFilesAndReadOnlyFilesAndCreatesFolders) {
    const CString folder(m_folder.string());
    const CString file = folder + "/cast1.con";
    tw_test::WriteFile(file.str(), "x");
    EXPECT_TRUE(IsFile(file));
    EXPECT_FALSE(IsFile(folder));
    EXPECT_FALSE(IsReadOnly(file));
    ASSERT_EQ(chmod(file.GetString(), 0444), 0);
    EXPECT_TRUE(IsReadOnly(file));  // also for a user who may override permissions

    EXPECT_TRUE(GetOrCreateFolder(folder + "/a/b/"));
    EXPECT_TRUE(std::filesystem::is_directory((folder + "/a/b").str()));
    EXPECT_FALSE(GetOrCreateFolder(file + "/below"));
    EXPECT_FALSE(GetOrCreateFolder(""));
}
