// The documents are written as text directly; what they hold must be what
// pugixml would write for the same tree, escapes and layout alike, so that
// pugixml's own reading and saving of the text gives it back unchanged.

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <sstream>
#include <string>

#include "platform/PlatformTestSupport.h"

using namespace TDWXML;
using namespace tw_test;

TEST(XmlTextStyle, WrittenTextIsWhatPugixmlWritesForTheSameTree) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    CFuncObj careless({}, [](COutputNode* node) {
        node->OpenElement("Left");  // left open: closed with the object
        node->OpenElement("Deeper");
        return node->SetAttribute("set", "late");
    });
    const std::string text = WriteWith([&](COutputNode* node) {
        node->SetAttribute("first", "1");
        node->WriteString("Bytes", everyByte.c_str(), 2, "equation");
        node->WriteString("Empty", "");
        node->WriteComment("a -- comment-");
        node->WriteObject("Careless", &careless);
        node->OpenElement("Outer");
        node->WriteDouble("Number", 0.5, "%12.4e");
        node->CloseElement();
        // Attributes of an element whose children are written already.
        node->SetAttribute("values", everyByte.c_str());
        node->SetAttribute("first", "replaced & longer");
        return S_OK_XML;
    });
    pugi::xml_document doc;
    const unsigned flags = (pugi::parse_full & ~pugi::parse_eol & ~pugi::parse_wconv_attribute) |
                           pugi::parse_ws_pcdata_single;
    ASSERT_TRUE(doc.load_buffer(text.data(), text.size(), flags)) << text;
    std::ostringstream saved;
    doc.save(saved, "  ", pugi::format_indent, pugi::encoding_utf8);
    EXPECT_EQ(text, saved.str());
    EXPECT_STREQ(doc.child("Root").attribute("first").value(), "replaced & longer");
    EXPECT_STREQ(
        doc.child("Root").child("Careless").child("Left").child("Deeper").attribute("set").value(),
        "late");
}
