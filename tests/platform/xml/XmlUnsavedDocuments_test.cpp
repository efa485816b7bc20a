// A document made for a file holds its new file beside the target from the
// start; every way of not saving it leaves the target as it was and nothing
// beside it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/PlatformTestSupport.h"

using namespace TDWXML;
using namespace tw_test;

namespace fs = std::filesystem;

TEST_F(ScratchFolder, UnsavedDocumentsLeaveTheFileAndNothingBesideIt) {
    const fs::path path = m_folder / "cfg.xmlcon";
    WriteFile(path, "old");
    const auto entries = [&] { return std::distance(fs::directory_iterator(m_folder), {}); };
    CFuncObj failing({}, [](COutputNode* node) {
        node->WriteString("T", "half");
        return E_FAIL_XML;
    });
    {
        CWriteDoc doc;  // its object fails halfway
        ASSERT_EQ(doc.Create(path.c_str()), S_OK_XML);
        EXPECT_EQ(doc.WriteRoot("Root", &failing), E_FAIL_XML);
        EXPECT_EQ(doc.Close(), E_FAIL_XML);
        EXPECT_EQ(entries(), 1);
    }
    {
        CWriteDoc doc;  // never given a root, and not closed
        ASSERT_EQ(doc.Create(path.c_str()), S_OK_XML);
    }
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(entries(), 1);
}
