// Documents on disk: load failures with their place, the written layout, and
// saves that replace a file in one step or leave it untouched.

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "platform/PlatformTestSupport.h"

using namespace TDWXML;
using namespace tw_test;

namespace fs = std::filesystem;

namespace {

// The line and column of the failure, as line * 100 + column.
int LoadErrorPlace(const std::string& text) {
    CReadDoc doc;
    EXPECT_NE(doc.LoadText(text.data(), text.size()), S_OK_XML) << text;
    EXPECT_FALSE(doc.GetLastError().reason.IsEmpty());
    return doc.GetLastError().line * 100 + doc.GetLastError().position;
}

long WriteSmallDocument(CWriteDoc* doc, const char* text = "new") {
    CFuncObj object({}, [&](COutputNode* node) { return node->WriteString("T", text); });
    return doc->WriteRoot("Root", &object);
}

class XmlFiles : public ScratchFolder {
  protected:
    int CountEntries(const fs::path& folder) const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
    }
};

}  // namespace

TEST(XmlLoad, FailuresGiveLineColumnAndReason) {
    EXPECT_EQ(LoadErrorPlace("<R>\n  <a></b>\n</R>"), 208);  // at the wrong end tag's name
    // Columns count the characters of the stored file, whatever its encoding.
    EXPECT_EQ(LoadErrorPlace("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<R>\xE9\xE9</X>"),
              208);
    EXPECT_EQ(LoadErrorPlace("<R>\n\xC3\xA9\xC3\xA9</X>"), 205);
    EXPECT_EQ(LoadErrorPlace("") / 100, 1);
    // Text without a tag, such as a legacy file, is refused as the parser
    // refuses it, at its end; a wide byte order mark leaves it to the parser.
    const std::pair<std::string, int> untagged[] = {{"abc\ndef", 204},
                                                    {"\xEF\xBB\xBFx\r\ny", 202},
                                                    {std::string("a\0b", 3), 104},
                                                    {std::string("\xFF\xFEx\0y\0", 6), 103}};
    for (const auto& [text, place] : untagged) {
        pugi::xml_document parsed;
        const auto result = parsed.load_buffer(text.data(), text.size());
        CReadDoc doc;
        EXPECT_NE(doc.LoadText(text.data(), text.size()), S_OK_XML);
        EXPECT_EQ(doc.GetLastError().reason.str(), result.description()) << text;
        EXPECT_EQ(LoadErrorPlace(text), place) << text;
    }
}

TEST_F(XmlFiles, SavesReplaceTheFileInOneStep) {
    const fs::path path = m_folder / "cfg.xmlcon";
    WriteFile(path, "old");
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, perms);
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create(path.c_str()), S_OK_XML);
        ASSERT_EQ(WriteSmallDocument(&doc), S_OK_XML);
        EXPECT_EQ(ReadFile(path), "old");  // nothing is written before Close
        ASSERT_EQ(doc.Close(), S_OK_XML);
    }
    EXPECT_NE(ReadFile(path).find("<T>new</T>"), std::string::npos);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, perms);

    // A document destroyed unclosed is saved.
    auto unclosed = std::unique_ptr<CWriteDoc>(CDocFactory::CreateWriteDoc(0));
    ASSERT_EQ(unclosed->Create(path.c_str()), S_OK_XML);
    ASSERT_EQ(WriteSmallDocument(unclosed.get(), "newer"), S_OK_XML);
    unclosed.reset();
    EXPECT_NE(ReadFile(path).find("<T>newer</T>"), std::string::npos);

    // A target that became a folder: the save fails and leaves nothing behind.
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create((m_folder / "dir").c_str()), S_OK_XML);
        ASSERT_EQ(WriteSmallDocument(&doc), S_OK_XML);
        fs::create_directory(m_folder / "dir");
        EXPECT_EQ(doc.Close(), E_FAIL_XML);
    }
    EXPECT_EQ(CountEntries(m_folder / "dir"), 0);
    EXPECT_EQ(CountEntries(m_folder), 2);  // no temporary left behind
}
