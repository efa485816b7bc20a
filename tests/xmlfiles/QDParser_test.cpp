// The streaming parser: events in order with each text run whole, faults, and
// a handler's exception carried out of the parser.

#include "platform/QDParser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace TWUtility;

namespace {

class CTextSource : public CQDParserDataSource {
  public:
    explicit CTextSource(std::string text) : m_text(std::move(text)) {}
    int Read() override {
        return m_next < m_text.size() ? static_cast<unsigned char>(m_text[m_next++]) : EOF;
    }

  private:
    std::string m_text;
    std::size_t m_next = 0;
};

// Records every event as one line; throws at the start of throwAt.
class CRecorder : public CQDParserEventHandler {
  public:
    void StartElement(CString tag, CXMLAttributeList& attributes) override {
        std::string line = "<" + tag.str();
        for (int i = 0; i < attributes.Size(); ++i) {
            line += " " + attributes.GetAt(i)->GetName().str() + "=" +
                    attributes.GetAt(i)->GetValue().str();
        }
        events.push_back(line + ">");
        if (tag == throwAt) {
            throw std::runtime_error("stop");
        }
    }
    void EndElement(CString tag) override { events.push_back("</" + tag.str() + ">"); }
    void StartDocument() override { events.push_back("start"); }
    void EndDocument() override { events.push_back("end"); }
    void CharacterData(CString text) override { events.push_back("'" + text.str() + "'"); }

    std::vector<std::string> events;
    CString throwAt;

    void Parse(const std::string& text) {
        CTextSource source(text);
        CQDParser::Parse(*this, source);
    }
};

}  // namespace

TEST(QDParser, ReportsEventsInOrderWithEachTextRunWhole) {
    CRecorder recorder;
    recorder.Parse(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- a comment -->\n"
        "<Root a=\"1\" b='two &amp; three'>"
        "<Name>TDW 64plus &lt;V2&gt; <![CDATA[x<y]]> 25 \xC2\xB0"
        "C</Name><Empty/></Root>");
    const std::vector<std::string> expected = {"start",
                                               "<Root a=1 b=two & three>",
                                               "<Name>",
                                               "'TDW 64plus <V2> x<y 25 \xC2\xB0"
                                               "C'",
                                               "</Name>",
                                               "<Empty>",
                                               "</Empty>",
                                               "</Root>",
                                               "end"};
    EXPECT_EQ(recorder.events, expected);
}

TEST(QDParser, AMismatchedEndTagIsReportedBeforeTheFault) {
    CRecorder recorder;
    try {
        recorder.Parse("<A>\n<B>text</A></B>");
        FAIL() << "a mismatched tag was accepted";
    } catch (const CQDParserException& error) {
        EXPECT_EQ(error.GetLine(), 2);
    }
    const std::vector<std::string> expected = {"start", "<A>", "'\n'", "<B>", "'text'", "</A>"};
    EXPECT_EQ(recorder.events, expected);

    EXPECT_THROW(recorder.Parse("* Vantrel .con file\n"), CQDParserException);
    EXPECT_THROW(recorder.Parse("<Root><Open>"), CQDParserException);
}

TEST(QDParser, AHandlersExceptionEndsTheParseAndPassesThrough) {
    // Nothing after it is reported, not even the end of its empty element.
    CRecorder recorder;
    recorder.throwAt = "Child";
    EXPECT_THROW(recorder.Parse("<Root><Child/><Other/></Root>"), std::runtime_error);
    const std::vector<std::string> expected = {"start", "<Root>", "<Child>"};
    EXPECT_EQ(recorder.events, expected);
}
