// Byte strings through documents: every byte survives, the file is XML that
// another parser accepts, and text from other programs is decoded.

#include <expat.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/xml/TDWXML.h"
#include "platform/xml/XmlTestSupport.h"

using namespace TDWXML;
using namespace xmltest;

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 1; b <= 255; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

// The characters a byte string stands for, as UTF-8: ISO-8859-1, with the
// control bytes other than tab and line feed moved to U+E000 plus the byte.
std::string ExpectedCharacters(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const unsigned b = static_cast<unsigned char>(c);
        const unsigned ch = (b < 0x20 && b != '\t' && b != '\n') ? 0xE000 + b : b;
        if (ch < 0x80) {
            out.push_back(static_cast<char>(ch));
        } else if (ch < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
            out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
        }
    }
    return out;
}

// What expat makes of a document: the text of each element and the
// attributes of each, by element name.
struct SExpatView {
    bool wellFormed = false;
    std::string error;
    std::map<std::string, std::string> text;
    std::map<std::string, std::string> attributes;
    std::string current;
};

SExpatView ParseWithExpat(const std::string& document) {
    SExpatView view;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &view);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attrs) {
            auto* v = static_cast<SExpatView*>(data);
            v->current = name;
            for (int i = 0; attrs[i] != nullptr; i += 2) {
                v->attributes[std::string(name) + "@" + attrs[i]] = attrs[i + 1];
            }
        },
        [](void* data, const XML_Char*) { static_cast<SExpatView*>(data)->current.clear(); });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* s, int length) {
        auto* v = static_cast<SExpatView*>(data);
        v->text[v->current].append(s, static_cast<std::size_t>(length));
    });
    view.wellFormed =
        XML_Parse(parser, document.data(), static_cast<int>(document.size()), 1) == XML_STATUS_OK;
    if (!view.wellFormed) {
        view.error = XML_ErrorString(XML_GetErrorCode(parser));
    }
    XML_ParserFree(parser);
    return view;
}

}  // namespace

class XmlTextFile : public ScratchFolder {};

TEST_F(XmlTextFile, EveryByteSurvivesAsTextAndAttributeAndExpatAgrees) {
    const std::string bytes = AllBytes();
    const std::string path = (m_folder / "bytes.xmlcon").string();
    {
        CWriteDoc doc;
        ASSERT_EQ(doc.Create(path.c_str()), S_OK_XML);
        CFuncObj object = Writer([&](COutputNode* node) {
            return node->SetAttribute("a", bytes.c_str()) | node->WriteString("T", bytes.c_str()) |
                   node->WriteComment(bytes.c_str());
        });
        ASSERT_EQ(doc.WriteRoot("R", &object), S_OK_XML);
        ASSERT_EQ(doc.Close(), S_OK_XML);
    }

    CReadDoc doc;
    ASSERT_EQ(doc.Load(path.c_str()), S_OK_XML) << doc.GetLastError().reason.GetString();
    char text[600] = {};
    char attr[600] = {};
    CFuncObj object = Reader([&](CInputNode* node) {
        return node->ReadString("T", text, sizeof text) |
               node->GetAttribute("a", attr, sizeof attr);
    });
    ASSERT_EQ(doc.ReadRoot("R", &object), S_OK_XML);
    EXPECT_EQ(std::string(text), bytes);
    EXPECT_EQ(std::string(attr), bytes);

    const SExpatView view = ParseWithExpat(ReadFile(path));
    ASSERT_TRUE(view.wellFormed) << view.error;
    EXPECT_EQ(view.text.at("T"), ExpectedCharacters(bytes));
    EXPECT_EQ(view.attributes.at("R@a"), ExpectedCharacters(bytes));
}

TEST(XmlText, BlanksAndLineEndsAreKeptExactly) {
    const char* const texts[] = {"   ", "", "\n", " lead and trail ", "a\r\nb\rc\n", "\t x \t"};
    const std::string doc = WriteToText([&](COutputNode* node) {
        long status = S_OK_XML;
        for (int i = 0; i < 6; ++i) {
            status |= node->WriteString("T", texts[i], i);
            status |= node->OpenElement("A", i);
            status |= node->SetAttribute("v", texts[i]);
            status |= node->CloseElement();
        }
        return status;
    });
    ReadFromText(doc, [&](CInputNode* node) {
        for (int i = 0; i < 6; ++i) {
            char buffer[32] = "unchanged";
            EXPECT_EQ(node->ReadString("T", buffer, sizeof buffer, i), S_OK_XML);
            EXPECT_EQ(std::string(buffer), texts[i]) << i;
            EXPECT_EQ(node->OpenElement("A", i), S_OK_XML);
            EXPECT_EQ(node->GetAttribute("v", buffer, sizeof buffer), S_OK_XML);
            EXPECT_EQ(std::string(buffer), texts[i]) << i;
            EXPECT_EQ(node->CloseElement(), S_OK_XML);
        }
        return S_OK_XML;
    });
}

TEST(XmlText, BuffersTakeWhatFits) {
    ReadFromText("<R v='abcdef'><T>abcdef</T></R>", [](CInputNode* node) {
        char buffer[4] = "xyz";
        EXPECT_EQ(node->ReadString("T", buffer, 4), S_OK_XML);
        EXPECT_STREQ(buffer, "abc");
        EXPECT_EQ(node->GetAttribute("v", buffer, 1), S_OK_XML);
        EXPECT_STREQ(buffer, "");
        EXPECT_EQ(node->ReadString("T", buffer, 0), E_FAIL_XML);
        EXPECT_EQ(node->GetAttribute("v", buffer, -1), E_FAIL_XML);
        EXPECT_EQ(node->GetAttribute("missing", buffer, 4), E_FAIL_XML);
        return S_OK_XML;
    });
}

// Documents from other programs: another declared encoding, characters no
// byte stands for, character references and CDATA.
TEST(XmlText, ForeignDocumentsAreDecodedToBytes) {
    const std::string latin1 =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<R v=\"\xB5S/cm\"><T>caf\xE9 \xA9</T></R>";
    ReadFromText(latin1, [](CInputNode* node) {
        char buffer[32] = {};
        EXPECT_EQ(node->ReadString("T", buffer, sizeof buffer), S_OK_XML);
        EXPECT_STREQ(buffer, "caf\xE9 \xA9");
        EXPECT_EQ(node->GetAttribute("v", buffer, sizeof buffer), S_OK_XML);
        EXPECT_STREQ(buffer, "\xB5S/cm");
        return S_OK_XML;
    });

    const std::string utf8 =
        "<R><T>\xE2\x82\xAC&#x4E2D;&#xE00D;&#169;&#13;<![CDATA[<&>]]></T>"
        "<U>\xE9t\xE9</U></R>";
    ReadFromText(utf8, [](CInputNode* node) {
        char buffer[32] = {};
        EXPECT_EQ(node->ReadString("T", buffer, sizeof buffer), S_OK_XML);
        EXPECT_STREQ(buffer, "??\r\xA9\r<&>");
        // Bytes that are not UTF-8 in a document that claims it are taken
        // as ISO-8859-1.
        EXPECT_EQ(node->ReadString("U", buffer, sizeof buffer), S_OK_XML);
        EXPECT_STREQ(buffer, "\xE9t\xE9");
        return S_OK_XML;
    });
}

TEST(XmlText, CommentsNeverHoldDoubleHyphens) {
    const std::string doc = WriteToText([](COutputNode* node) {
        EXPECT_EQ(node->WriteComment("a--b"), S_OK_XML);
        EXPECT_EQ(node->WriteComment("----"), S_OK_XML);
        EXPECT_EQ(node->WriteComment("ends-"), S_OK_XML);
        EXPECT_EQ(node->WriteComment(nullptr), E_FAIL_XML);
        return S_OK_XML;
    });
    EXPECT_NE(doc.find("<!--a- -b-->"), std::string::npos) << doc;
    EXPECT_NE(doc.find("<!--- - - - -->"), std::string::npos) << doc;
    EXPECT_NE(doc.find("<!--ends- -->"), std::string::npos) << doc;
    const SExpatView view = ParseWithExpat(doc);
    EXPECT_TRUE(view.wellFormed) << view.error;
}
