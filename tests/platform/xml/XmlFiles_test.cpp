// Documents on disk: load failures with their place, the written layout, and
// saves that replace a file in one step or leave it untouched.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/xml/TDWXML.h"
#include "platform/xml/XmlTestSupport.h"

using namespace TDWXML;
using namespace xmltest;

namespace fs = std::filesystem;

namespace {

SLoadError LoadError(const std::string& text) {
    CReadDoc doc;
    EXPECT_NE(doc.LoadText(text.data(), text.size()), S_OK_XML) << text;
    return doc.GetLastError();
}

int CountEntries(const fs::path& folder) {
    int count = 0;
    for (auto it = fs::directory_iterator(folder); it != fs::directory_iterator(); ++it) {
        ++count;
    }
    return count;
}

long WriteSmallDocument(CWriteDoc* doc) {
    CFuncObj object = Writer([](COutputNode* node) {
        node->SetAttribute("v", 1);
        return node->WriteString("T", "new");
    });
    return doc->WriteRoot("R", &object);
}

}  // namespace

class XmlFiles : public ScratchFolder {};

TEST(XmlLoad, FailuresGiveLineColumnAndReason) {
    SLoadError error = LoadError("<R>\n  <a></b>\n</R>");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.position, 8);  // at the wrong end tag's name
    EXPECT_FALSE(error.reason.IsEmpty());

    // Columns count the characters of the stored file, whatever its encoding.
    error = LoadError("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<R>\xE9\xE9</X>");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.position, 8);
    error = LoadError("<R>\n\xC3\xA9\xC3\xA9</X>");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.position, 5);

    error = LoadError("");
    EXPECT_EQ(error.line, 1);
    EXPECT_FALSE(error.reason.IsEmpty());
}

TEST_F(XmlFiles, UnreadableFilesAreNamedAndLeaveNothingLoaded) {
    const std::string good = (m_folder / "good.xmlcon").string();
    WriteFile(good, "<R/>");
    const std::string missing = (m_folder / "missing.xmlcon").string();

    CReadDoc doc;
    ASSERT_EQ(doc.Load(good.c_str()), S_OK_XML);
    EXPECT_EQ(doc.GetLastError().line, 0);
    EXPECT_EQ(doc.Load(missing.c_str()), E_FAIL_XML);
    EXPECT_EQ(doc.GetLastError().line, 0);
    EXPECT_NE(doc.GetLastError().reason.Find("missing.xmlcon"), -1);
    char tag[8];
    EXPECT_EQ(doc.GetRootTag(tag, sizeof tag), nullptr);  // the earlier document is gone

    EXPECT_EQ(doc.Load(m_folder.c_str()), E_FAIL_XML);
    EXPECT_EQ(doc.GetLastError().line, 0);
    EXPECT_EQ(doc.Load(nullptr), E_FAIL_XML);
}

TEST(XmlWrite, DeclarationAndTwoSpaceIndentation) {
    CWriteDoc doc;
    ASSERT_EQ(doc.CreateText(), S_OK_XML);
    CFuncObj object = Writer([](COutputNode* node) {
        node->SetAttribute("v", "1");
        node->WriteComment("note");
        node->OpenElement("A");
        node->WriteString("B", "x", 0);
        return node->CloseElement();
    });
    ASSERT_EQ(doc.WriteRoot("R", &object), S_OK_XML);
    EXPECT_EQ(doc.WriteRoot("R", &object), E_FAIL_XML);  // one root only
    EXPECT_EQ(doc.GetText(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<R v=\"1\">\n"
              "  <!--note-->\n"
              "  <A>\n"
              "    <B index=\"0\">x</B>\n"
              "  </A>\n"
              "</R>\n");
    EXPECT_EQ(doc.Close(), S_OK_XML);
}

TEST_F(XmlFiles, CreateRefusesPlacesThatCannotHoldTheFile) {
    const fs::path plainFile = m_folder / "plain";
    WriteFile(plainFile, "x");
    const std::string inDirectory = m_folder.string();
    const std::string underFile = (plainFile / "f.xmlcon").string();
    const std::string noFolder = (m_folder / "none" / "f.xmlcon").string();
    for (const std::string& path : {inDirectory, underFile, noFolder, std::string()}) {
        CWriteDoc doc;
        EXPECT_EQ(doc.Create(path.c_str()), E_FAIL_XML) << path;
    }
    CWriteDoc doc;
    EXPECT_EQ(doc.Create(nullptr), E_FAIL_XML);
    CFuncObj object;
    EXPECT_EQ(doc.WriteRoot("R", &object), E_FAIL_XML);
    EXPECT_EQ(object.writeCalls, 0);
    EXPECT_EQ(CountEntries(m_folder), 1);
}

TEST_F(XmlFiles, CloseReplacesTheFileAndLeavesNoTemporary) {
    const fs::path path = m_folder / "cfg.xmlcon";
    WriteFile(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create(path.c_str()), S_OK_XML);
        ASSERT_EQ(WriteSmallDocument(&doc), S_OK_XML);
        EXPECT_EQ(ReadFile(path), "old");  // nothing is written before Close
        ASSERT_EQ(doc.Close(), S_OK_XML);
        EXPECT_EQ(doc.Close(), S_OK_XML);
    }
    EXPECT_NE(ReadFile(path).find("<T>new</T>"), std::string::npos);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(CountEntries(m_folder), 1);
}

TEST_F(XmlFiles, FailedSaveKeepsTheOldFile) {
    // The target became a folder after Create.
    const fs::path target = m_folder / "cfg.xmlcon";
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create(target.c_str()), S_OK_XML);
        ASSERT_EQ(WriteSmallDocument(&doc), S_OK_XML);
        fs::create_directory(target);
        WriteFile(target / "inside", "kept");
        EXPECT_EQ(doc.Close(), E_FAIL_XML);
    }
    EXPECT_EQ(ReadFile(target / "inside"), "kept");
    EXPECT_EQ(CountEntries(m_folder), 1);

    // The target's folder went away and a plain file took its name.
    const fs::path folder = m_folder / "sub";
    const fs::path moved = m_folder / "moved";
    fs::create_directory(folder);
    WriteFile(folder / "cfg.xmlcon", "old");
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create((folder / "cfg.xmlcon").c_str()), S_OK_XML);
        ASSERT_EQ(WriteSmallDocument(&doc), S_OK_XML);
        fs::rename(folder, moved);
        WriteFile(folder, "not a folder");
        EXPECT_EQ(doc.Close(), E_FAIL_XML);
    }
    EXPECT_EQ(ReadFile(moved / "cfg.xmlcon"), "old");
    EXPECT_EQ(CountEntries(moved), 1);
    EXPECT_EQ(ReadFile(folder), "not a folder");

    // Nothing was written: the old file stays.
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create((moved / "cfg.xmlcon").c_str()), S_OK_XML);
        EXPECT_EQ(doc.Close(), E_FAIL_XML);
    }
    EXPECT_EQ(ReadFile(moved / "cfg.xmlcon"), "old");
}

TEST_F(XmlFiles, DestroyingAnUnclosedDocumentSavesIt) {
    const fs::path path = m_folder / "cfg.xmlcon";
    auto doc = std::unique_ptr<CWriteDoc>(CDocFactory::CreateWriteDoc(0));
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->Create(path.c_str()), S_OK_XML);
    ASSERT_EQ(WriteSmallDocument(doc.get()), S_OK_XML);
    doc.reset();

    auto reader = std::unique_ptr<CReadDoc>(CDocFactory::CreateReadDoc(1));
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Load(path.c_str()), S_OK_XML);
    char tag[8];
    EXPECT_STREQ(reader->GetRootTag(tag, sizeof tag), "R");
    EXPECT_EQ(CountEntries(m_folder), 1);
}
