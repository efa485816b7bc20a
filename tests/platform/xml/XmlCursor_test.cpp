// Element lookup by index, attribute order, and where the cursors stand
// after elements are opened and objects read or written.

#include <gtest/gtest.h>

#include <string>

#include "platform/xml/TDWXML.h"
#include "platform/xml/XmlTestSupport.h"

using namespace TDWXML;
using namespace xmltest;

namespace {

std::string ReadText(CInputNode* node, const char* tag, int index = -1,
                     const char* indexAttr = "index") {
    char buffer[64] = "unchanged";
    if (node->ReadString(tag, buffer, sizeof buffer, index, indexAttr) != S_OK_XML) {
        return "<failed>";
    }
    return buffer;
}

}  // namespace

TEST(XmlIndexLookup, FindsChildrenByIndexAttributeWhateverTheirOrder) {
    const std::string text =
        "<R>"
        "<S index='2'>c</S><S index='0'>a</S><S>plain</S><S index='x1'>n</S>"
        "<S index=' 1 '>b</S><S index='1'>later</S>"
        "<Coefficients equation='1'>e1</Coefficients><Coefficients equation='0'>e0</Coefficients>"
        "</R>";
    EXPECT_EQ(ReadFromText(text,
                           [](CInputNode* node) {
                               EXPECT_EQ(ReadText(node, "S", 0), "a");
                               EXPECT_EQ(ReadText(node, "S", 1), "b");  // the first with 1
                               EXPECT_EQ(ReadText(node, "S", 2), "c");
                               EXPECT_EQ(ReadText(node, "S", -1), "c");  // the first "S"
                               EXPECT_EQ(ReadText(node, "S", 3), "<failed>");
                               EXPECT_EQ(ReadText(node, "S", -2), "<failed>");
                               EXPECT_EQ(ReadText(node, "Coefficients", 0, "equation"), "e0");
                               EXPECT_EQ(ReadText(node, "Coefficients", 1, "equation"), "e1");
                               EXPECT_EQ(ReadText(node, "Coefficients", 0, "index"), "<failed>");
                               EXPECT_EQ(ReadText(node, "Missing"), "<failed>");
                               EXPECT_EQ(ReadText(node, "S", 0, nullptr), "<failed>");
                               return S_OK_XML;
                           }),
              S_OK_XML);
}

TEST(XmlIndexLookup, WrittenIndexComesFirstAndAttributesKeepTheirOrder) {
    const std::string text = WriteToText([](COutputNode* node) {
        EXPECT_EQ(node->SetAttribute("z", "1"), S_OK_XML);
        EXPECT_EQ(node->SetAttribute("a", 2), S_OK_XML);
        EXPECT_EQ(node->SetAttribute("z", 2.5), S_OK_XML);  // replaced where it stands
        EXPECT_EQ(node->OpenElement("S", 3), S_OK_XML);
        EXPECT_EQ(node->SetAttribute("SensorID", 55), S_OK_XML);
        EXPECT_EQ(node->CloseElement(), S_OK_XML);
        EXPECT_EQ(node->WriteString("Coefficients", "c", 1, "equation"), S_OK_XML);
        CFuncObj inner = Writer([](COutputNode* n) { return n->SetAttribute("k", "v"); });
        EXPECT_EQ(node->WriteObject("O", &inner, 0), S_OK_XML);
        EXPECT_EQ(node->WriteInt("Bad", 1, -2), E_FAIL_XML);
        EXPECT_EQ(node->OpenElement("has space"), E_FAIL_XML);
        EXPECT_EQ(node->SetAttribute("1st", 1), E_FAIL_XML);
        return S_OK_XML;
    });
    EXPECT_NE(text.find("<R z=\"2.5\" a=\"2\">"), std::string::npos) << text;
    EXPECT_NE(text.find("<S index=\"3\" SensorID=\"55\" />"), std::string::npos) << text;
    EXPECT_NE(text.find("<Coefficients equation=\"1\">c</Coefficients>"), std::string::npos)
        << text;
    EXPECT_NE(text.find("<O index=\"0\" k=\"v\" />"), std::string::npos) << text;
    EXPECT_EQ(text.find("Bad"), std::string::npos) << text;
}

// The layout of a configuration document: a root with a version, an
// instrument with its type, name, a comment and a sensor array whose sensors
// are found by index.
TEST(XmlIndexLookup, ConfigurationLayoutReadsBack) {
    const int ids[] = {55, 3, 27};
    const std::string text = WriteToText([&](COutputNode* node) {
        long status = node->SetAttribute("TW_ConfigCTD_FileVersion", "7.26.2.0");
        status |= node->OpenElement("Instrument");
        status |= node->SetAttribute("Type", 13);
        status |= node->WriteString("Name", "TDW 64plus V2 Vantrel CTD");
        status |= node->WriteComment(" Mode 0 means profiling ");
        status |= node->OpenElement("SensorArray", 3, "Size");
        for (int i = 2; i >= 0; --i) {  // written out of order on purpose
            status |= node->OpenElement("Sensor", i);
            status |= node->SetAttribute("SensorID", ids[i]);
            CFuncObj sensor = Writer([&](COutputNode* n) {
                return n->SetAttribute("SensorID", ids[i]) | n->WriteString("SerialNumber", "0417");
            });
            status |= node->WriteObject("TemperatureSensor", &sensor);
            status |= node->CloseElement();
        }
        status |= node->CloseElement();
        return status | node->CloseElement();
    });
    EXPECT_EQ(ReadFromText(text,
                           [&](CInputNode* node) {
                               char version[32] = {};
                               EXPECT_EQ(node->GetAttribute("TW_ConfigCTD_FileVersion", version,
                                                            sizeof version),
                                         S_OK_XML);
                               EXPECT_STREQ(version, "7.26.2.0");
                               EXPECT_EQ(node->OpenElement("Instrument"), S_OK_XML);
                               int type = 0;
                               EXPECT_EQ(node->GetAttribute("Type", &type), S_OK_XML);
                               EXPECT_EQ(type, 13);
                               EXPECT_EQ(node->OpenElement("SensorArray"), S_OK_XML);
                               int size = 0;
                               EXPECT_EQ(node->GetAttribute("Size", &size), S_OK_XML);
                               EXPECT_EQ(size, 3);
                               for (int i = 0; i < size; ++i) {
                                   EXPECT_EQ(node->OpenElement("Sensor", i), S_OK_XML);
                                   int id = -1;
                                   EXPECT_EQ(node->GetAttribute("SensorID", &id), S_OK_XML);
                                   EXPECT_EQ(id, ids[i]);
                                   EXPECT_EQ(node->CloseElement(), S_OK_XML);
                               }
                               return S_OK_XML;
                           }),
              S_OK_XML);
}

TEST(XmlCursor, OpenAndCloseNestAndStopAtTheStart) {
    EXPECT_EQ(ReadFromText("<R><A><B><C>1</C></B></A><D/></R>",
                           [](CInputNode* node) {
                               EXPECT_EQ(node->CloseElement(), E_FAIL_XML);
                               EXPECT_EQ(node->OpenElement("B"), E_FAIL_XML);  // not a child
                               EXPECT_EQ(node->GetTag(), "R");
                               EXPECT_EQ(node->OpenElement("A"), S_OK_XML);
                               EXPECT_EQ(node->OpenElement("B"), S_OK_XML);
                               EXPECT_EQ(node->GetTag(), "B");
                               int value = 0;
                               EXPECT_EQ(node->ReadInt("C", &value), S_OK_XML);
                               EXPECT_EQ(value, 1);
                               EXPECT_EQ(node->CloseElement(), S_OK_XML);
                               EXPECT_EQ(node->CloseElement(), S_OK_XML);
                               EXPECT_EQ(node->GetTag(), "R");
                               EXPECT_EQ(node->CloseElement(), E_FAIL_XML);
                               EXPECT_EQ(node->OpenElement("D"), S_OK_XML);
                               return S_OK_XML;
                           }),
              S_OK_XML);

    std::string text = WriteToText([](COutputNode* node) {
        EXPECT_EQ(node->CloseElement(), E_FAIL_XML);
        EXPECT_EQ(node->OpenElement("A"), S_OK_XML);
        EXPECT_EQ(node->OpenElement("B"), S_OK_XML);
        EXPECT_EQ(node->CloseElement(), S_OK_XML);
        EXPECT_EQ(node->CloseElement(), S_OK_XML);
        EXPECT_EQ(node->CloseElement(), E_FAIL_XML);
        return node->WriteInt("C", 1);
    });
    EXPECT_NE(text.find("<R>\n  <A>\n    <B />\n  </A>\n  <C>1</C>\n</R>"), std::string::npos)
        << text;
}

// An object may leave elements open or try to close more than it opened; the
// caller carries on where it was.
TEST(XmlCursor, ObjectsReturnTheCursorWhereItWas) {
    CFuncObj careless = Reader([](CInputNode* node) {
        EXPECT_EQ(node->GetTag(), "Obj");
        EXPECT_EQ(node->CloseElement(), E_FAIL_XML);  // cannot leave its own element
        EXPECT_EQ(node->OpenElement("Inner"), S_OK_XML);
        EXPECT_EQ(node->OpenElement("Deep"), S_OK_XML);
        return E_WRONG_OBJECT;
    });
    EXPECT_EQ(ReadFromText("<R><A><Obj><Inner><Deep/></Inner></Obj><Next>n</Next></A></R>",
                           [&](CInputNode* node) {
                               EXPECT_EQ(node->OpenElement("A"), S_OK_XML);
                               EXPECT_EQ(node->ReadObject("Obj", &careless), E_WRONG_OBJECT);
                               EXPECT_EQ(node->GetTag(), "A");
                               EXPECT_EQ(ReadText(node, "Next"), "n");
                               EXPECT_EQ(node->ReadObject("Absent", &careless), E_FAIL_XML);
                               EXPECT_EQ(careless.readCalls, 1);
                               EXPECT_EQ(node->CloseElement(), S_OK_XML);
                               EXPECT_EQ(node->GetTag(), "R");
                               return S_OK_XML;
                           }),
              S_OK_XML);

    CFuncObj writer = Writer([](COutputNode* node) {
        EXPECT_EQ(node->CloseElement(), E_FAIL_XML);
        EXPECT_EQ(node->OpenElement("Inner"), S_OK_XML);
        return E_FAIL_XML;
    });
    const std::string text = WriteToText([&](COutputNode* node) {
        EXPECT_EQ(node->WriteObject("Obj", &writer), E_FAIL_XML);
        return node->WriteInt("Next", 1);
    });
    EXPECT_NE(text.find("<R>\n  <Obj>\n    <Inner />\n  </Obj>\n  <Next>1</Next>\n</R>"),
              std::string::npos)
        << text;
}

TEST(XmlCursor, RootIsCheckedBeforeTheObjectReads) {
    CReadDoc doc;
    char tag[8] = "x";
    EXPECT_EQ(doc.GetRootTag(tag, sizeof tag), nullptr);
    CFuncObj object;
    EXPECT_EQ(doc.ReadRoot("R", &object), E_FAIL_XML);

    const std::string text = "<TDW_InstrumentConfiguration/>";
    ASSERT_EQ(doc.LoadText(text.data(), text.size()), S_OK_XML);
    EXPECT_EQ(doc.ReadRoot("TDW_Instrument", &object), E_WRONG_ROOT);
    EXPECT_EQ(object.readCalls, 0);
    object.read = [](CInputNode*) { return E_WRONG_OBJECT; };
    EXPECT_EQ(doc.ReadRoot("TDW_InstrumentConfiguration", &object), E_WRONG_OBJECT);
    EXPECT_EQ(doc.GetRootTag(tag, sizeof tag), tag);
    EXPECT_STREQ(tag, "TDW_Ins");  // cut to fit the buffer
    EXPECT_EQ(doc.GetRootTag(tag, 0), nullptr);
}
