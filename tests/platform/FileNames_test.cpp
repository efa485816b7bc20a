#include "platform/FileNames.h"

#include <gtest/gtest.h>

TEST(FileNames, SplitsPathsAtEitherSeparator) {
    EXPECT_EQ(ExtractFileName("C:\\data/cast1.con"), "cast1.con");
    EXPECT_EQ(ExtractFileName("plain"), "plain");
    EXPECT_EQ(ExtractDirectory("C:\\data\\cast1.con"), "C:\\data\\");
    EXPECT_EQ(ExtractDirectory("plain"), "");
    EXPECT_EQ(ExtractExtension("/data/cast1.tar.XMLCON"), ".XMLCON");
    EXPECT_EQ(ExtractExtension("/data.d/noext"), "");
}
