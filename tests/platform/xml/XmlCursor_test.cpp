// Element lookup by index, attribute order, and where the cursor stands after
// an object read or wrote carelessly.

#include <gtest/gtest.h>

#include <string>

#include "platform/PlatformTestSupport.h"

using namespace TDWXML;
using namespace tw_test;

namespace {

std::string ReadText(CInputNode* node, const char* tag, int index = -1,
                     const char* indexAttr = "index") {
    char buffer[64] = "unchanged";
    return node->ReadString(tag, buffer, sizeof buffer, index, indexAttr) == S_OK_XML ? buffer
                                                                                      : "<failed>";
}

}  // namespace

TEST(XmlIndexLookup, FindsChildrenByIndexAttributeWhateverTheirOrder) {
    ReadFromText(
        "<Root><S index='2'>c</S><S index='0'>a</S><S>plain</S><S index='x1'>n</S>"
        "<S index=' 1 '>b</S><S index='1'>later</S><P><S index='0'>inner</S></P>"
        "<Coefficients equation='1'>e1</Coefficients><Coefficients equation='0'>e0</Coefficients>"
        "</Root>",
        [](CInputNode* node) {
            EXPECT_EQ(ReadText(node, "S", 0), "a");
            EXPECT_EQ(ReadText(node, "S", 1), "b");  // the first with 1
            EXPECT_EQ(ReadText(node, "S", 2), "c");
            EXPECT_EQ(ReadText(node, "S", -1), "c");  // the first "S"
            EXPECT_EQ(ReadText(node, "S", 3), "<failed>");
            // The same look-up inside another element, then back.
            EXPECT_EQ(node->OpenElement("P"), S_OK_XML);
            EXPECT_EQ(ReadText(node, "S", 0), "inner");
            EXPECT_EQ(node->CloseElement(), S_OK_XML);
            EXPECT_EQ(ReadText(node, "S", 0), "a");
            EXPECT_EQ(ReadText(node, "Coefficients", 0, "equation"), "e0");
            EXPECT_EQ(ReadText(node, "Coefficients", 1, "equation"), "e1");
            EXPECT_EQ(ReadText(node, "Coefficients", 0, "index"), "<failed>");
            EXPECT_EQ(ReadText(node, "S", 0, nullptr), "<failed>");
            return S_OK_XML;
        });
}

TEST(XmlIndexLookup, WrittenAttributesKeepTheirPlaceAndNamesMustBeValid) {
    const std::string text = WriteWith([](COutputNode* node) {
        EXPECT_EQ(node->SetAttribute("z", "1"), S_OK_XML);
        EXPECT_EQ(node->SetAttribute("a", 2), S_OK_XML);
        EXPECT_EQ(node->SetAttribute("z", 2.5), S_OK_XML);  // replaced where it stands
        EXPECT_EQ(node->WriteString("Coefficients", "c", 1, "equation"), S_OK_XML);
        EXPECT_EQ(node->WriteInt("Bad", 1, -2), E_FAIL_XML);
        EXPECT_EQ(node->OpenElement("has space"), E_FAIL_XML);
        return node->SetAttribute("1st", 1) == E_FAIL_XML ? S_OK_XML : E_FAIL_XML;
    });
    EXPECT_NE(
        text.find(
            "<Root z=\"2.5\" a=\"2\">\n  <Coefficients equation=\"1\">c</Coefficients>\n</Root>"),
        std::string::npos)
        << text;
}

// An object may leave elements open or try to close more than it opened; the
// caller reads on where it was.
TEST(XmlCursor, ObjectsReturnTheCursorWhereItWas) {
    CFuncObj careless([](CInputNode* node) {
        EXPECT_EQ(node->CloseElement(), E_FAIL_XML);  // cannot leave its own element
        EXPECT_EQ(node->OpenElement("Inner"), S_OK_XML);
        EXPECT_EQ(node->OpenElement("Deep"), S_OK_XML);
        return E_WRONG_OBJECT;
    });
    ReadFromText("<Root><A><Obj><Inner><Deep/></Inner></Obj><Next>n</Next></A></Root>",
                 [&](CInputNode* node) {
                     EXPECT_EQ(node->OpenElement("A"), S_OK_XML);
                     EXPECT_EQ(node->ReadObject("Obj", &careless), E_WRONG_OBJECT);
                     EXPECT_EQ(ReadText(node, "Next"), "n");
                     EXPECT_EQ(node->CloseElement(), S_OK_XML);
                     EXPECT_EQ(node->GetTag(), "Root");
                     return node->CloseElement() == E_FAIL_XML ? S_OK_XML : E_FAIL_XML;
                 });
}

TEST(XmlCursor, RootIsCheckedBeforeTheObjectReads) {
    CReadDoc doc;
    CFuncObj object([](CInputNode*) { return E_WRONG_OBJECT; });
    EXPECT_EQ(doc.ReadRoot("Root", &object), E_FAIL_XML);  // nothing loaded
    const std::string text = "<TDW_InstrumentConfiguration/>";
    ASSERT_EQ(doc.LoadText(text.data(), text.size()), S_OK_XML);
    EXPECT_EQ(doc.ReadRoot("TDW_Instrument", &object), E_WRONG_ROOT);
    EXPECT_EQ(object.calls, 0);
    EXPECT_EQ(doc.ReadRoot("TDW_InstrumentConfiguration", &object), E_WRONG_OBJECT);
    char tag[8] = "x";
    EXPECT_STREQ(doc.GetRootTag(tag, sizeof tag), "TDW_Ins");  // cut to fit the buffer
}
