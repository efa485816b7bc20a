// Byte strings through documents: every byte survives, the file is XML that
// another parser accepts, and text from other programs is decoded.

#include <expat.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/PlatformTestSupport.h"

using namespace TDWXML;
using namespace tw_test;

namespace {

// What expat makes of a document: its error, and all its character data.
std::pair<std::string, std::string> ParseWithExpat(const std::string& document) {
    std::pair<std::string, std::string> errorAndText;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &errorAndText.second);
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* s, int length) {
        static_cast<std::string*>(data)->append(s, static_cast<std::size_t>(length));
    });
    if (XML_Parse(parser, document.data(), static_cast<int>(document.size()), 1) != XML_STATUS_OK) {
        errorAndText.first = XML_ErrorString(XML_GetErrorCode(parser));
    }
    XML_ParserFree(parser);
    return errorAndText;
}

}  // namespace

TEST(XmlText, EveryByteSurvivesAsTextAndAttributeAndExpatAgrees) {
    std::string bytes;
    for (int b = 1; b <= 255; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::string document = WriteWith([&](COutputNode* node) {
        EXPECT_EQ(node->SetAttribute("a", bytes.c_str()), S_OK_XML);
        EXPECT_EQ(node->WriteString("T", bytes.c_str()), S_OK_XML);
        return node->WriteComment((bytes + "--").c_str());  // hyphens that XML refuses
    });
    ReadFromText(document, [&](CInputNode* node) {
        char text[600] = {};
        char attr[600] = {};
        EXPECT_EQ(node->ReadString("T", text, sizeof text), S_OK_XML);
        EXPECT_EQ(node->GetAttribute("a", attr, sizeof attr), S_OK_XML);
        EXPECT_TRUE(text == bytes && attr == bytes);
        return S_OK_XML;
    });

    // Another parser accepts the document and reads the control bytes other than
    // tab and line feed as U+E000 plus the byte, the others as ISO-8859-1.
    const auto [error, characters] = ParseWithExpat(document);
    ASSERT_EQ(error, "");
    EXPECT_EQ(characters.substr(0, 9), "\n  \xEE\x80\x81\xEE\x80\x82");
    EXPECT_NE(characters.find("\xEE\x80\x88\t\n\xEE\x80\x8B"), std::string::npos);
    EXPECT_NE(characters.find("~\x7F\xC2\x80"), std::string::npos);
    EXPECT_EQ(characters.substr(characters.size() - 8), "\xC3\xBE\xC3\xBF\n  \n");
}

TEST(XmlText, BlanksAndLineEndsAreKeptExactly) {
    const char* const texts[] = {"   ", "", "\n", " lead and trail ", "a\r\nb\rc\n", "\t x \t"};
    const std::string doc = WriteWith([&](COutputNode* node) {
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(node->WriteString("T", texts[i], i), S_OK_XML);
        }
        return S_OK_XML;
    });
    ReadFromText(doc, [&](CInputNode* node) {
        for (int i = 0; i < 6; ++i) {
            char text[32] = "unchanged";
            EXPECT_EQ(node->ReadString("T", text, sizeof text, i), S_OK_XML);
            EXPECT_STREQ(text, texts[i]) << i;
        }
        return S_OK_XML;
    });
}

TEST(XmlText, BuffersTakeWhatFits) {
    ReadFromText("<Root v='abcdef'><T>abcdef</T></Root>", [](CInputNode* node) {
        char buffer[4] = "xyz";
        EXPECT_EQ(node->ReadString("T", buffer, 4), S_OK_XML);
        EXPECT_STREQ(buffer, "abc");
        EXPECT_EQ(node->GetAttribute("v", buffer, 1), S_OK_XML);
        EXPECT_STREQ(buffer, "");
        EXPECT_EQ(node->ReadString("T", buffer, 0), E_FAIL_XML);
        return S_OK_XML;
    });
}

// Documents from other programs: another declared encoding, characters no
// byte stands for, character references and CDATA; bytes that are not UTF-8
// in a document that claims it are taken as ISO-8859-1.
TEST(XmlText, ForeignDocumentsAreDecodedToBytes) {
    const std::pair<std::string, const char*> cases[] = {
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Root><T>caf\xE9 \xA9</T></Root>",
         "caf\xE9 \xA9"},
        {"<Root><T>\xE2\x82\xAC&#x4E2D;&#xE00D;&#169;&#13;<![CDATA[<&>]]></T></Root>",
         "??\r\xA9\r<&>"},
        {"<Root><T>\xE9t\xE9</T></Root>", "\xE9t\xE9"}};
    for (const auto& [document, bytes] : cases) {
        ReadFromText(document, [&](CInputNode* node) {
            char buffer[32] = {};
            EXPECT_EQ(node->ReadString("T", buffer, sizeof buffer), S_OK_XML);
            EXPECT_STREQ(buffer, bytes);
            return S_OK_XML;
        });
    }
}

// A number's text is read as decoded, like any text: a control byte written as
// its private-use character reads as that byte, and blanks are trimmed.
TEST(XmlText, NumbersAreReadFromTheDecodedText) {
    ReadFromText("<Root n='&#xE009;7'><T>1.5&#xE00D;</T><U>2&#xE041;</U></Root>",
                 [](CInputNode* node) {
                     int number = 0;
                     double value = 0;
                     EXPECT_EQ(node->GetAttribute("n", &number), S_OK_XML);
                     EXPECT_EQ(number, 7);
                     EXPECT_EQ(node->ReadDouble("T", &value), S_OK_XML);
                     EXPECT_EQ(value, 1.5);
                     EXPECT_EQ(node->ReadDouble("U", &value), E_FAIL_XML);
                     return S_OK_XML;
                 });
}
