// The streaming parser: events in order with each text run whole, and faults
// reported where they are.

#include "platform/QDParser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace TWUtility;

namespace {

// Parses the text, recording every event on one line.
class CRecorder : public CQDParserEventHandler, CQDParserDataSource {
  public:
    explicit CRecorder(std::string text) : m_text(std::move(text)) {
        CQDParser::Parse(*this, *this);
    }
    inline static std::string events;

  private:
    int Read() override {
        return m_next < m_text.size() ? static_cast<unsigned char>(m_text[m_next++]) : EOF;
    }
    void StartElement(CString tag, CXMLAttributeList& attributes) override {
        events += "<" + tag.str();
        for (int i = 0; i < attributes.Size(); ++i) {
            events += " " + attributes.GetAt(i)->GetName().str() + "=" +
                      attributes.GetAt(i)->GetValue().str();
        }
        events += ">";
    }
    void EndElement(CString tag) override { events += "</" + tag.str() + ">"; }
    void StartDocument() override { events = "start,"; }
    void EndDocument() override { events += ",end"; }
    void CharacterData(CString text) override { events += "'" + text.str() + "'"; }

    std::string m_text;
    std::size_t m_next = 0;
};

}  // namespace

TEST(QDParser, ReportsEventsInOrderAndFaultsWhereTheyAre) {
    CRecorder(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- a comment -->\n"
        "<Root a=\"1\" b='two &amp; three'><Name>TDW 64plus &lt;V2&gt; "
        "<![CDATA[x<y]]> 25 \xC2\xB0"
        "C</Name><Empty/></Root>");
    EXPECT_EQ(CRecorder::events,
              "start,<Root a=1 b=two & three><Name>'TDW 64plus <V2> x<y 25 \xC2\xB0"
              "C'</Name><Empty></Empty></Root>,end");

    // A mismatched end tag is reported to the handler before the fault.
    try {
        CRecorder("<A>\n<B>text</A></B>");
        ADD_FAILURE() << "a mismatched tag was accepted";
    } catch (const CQDParserException& error) {
        EXPECT_EQ(error.GetLine(), 2);
    }
    EXPECT_EQ(CRecorder::events, "start,<A>'\n'<B>'text'</A>");
}
