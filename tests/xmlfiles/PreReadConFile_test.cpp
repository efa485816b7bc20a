// Recognising configuration documents before reading them.

#include "xmlfiles/PreReadConFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CConFileEventHandler;
using Config2004::CPreReadConFile;
using TWUtility::CXMLAttributeList;

namespace {

const std::string kRootStart =
    "<TDW_InstrumentConfiguration TW_ConfigCTD_FileVersion=\"7.26.2.0\">";
const std::string kRootEnd = "</TDW_InstrumentConfiguration>\n";

std::string Body(const std::string& instrumentAttributes) {
    return "\n  <Instrument" + instrumentAttributes +
           ">\n    <Name>TDW 64plus V2 Vantrel CTD</Name>\n"
           "    <SensorArray Size=\"0\"/>\n  </Instrument>\n";
}

std::string Document(const std::string& instrumentAttributes) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + kRootStart +
           Body(instrumentAttributes) + kRootEnd;
}

// A document whose root start tag ends on character number rootEnd.
std::string RootEndingAt(std::size_t rootEnd) {
    const std::string head = "<?xml version=\"1.0\"?>\n<!--";
    const std::string tail = "-->\n";
    const std::size_t fill = rootEnd - head.size() - tail.size() - kRootStart.size();
    return head + std::string(fill, '=') + tail + kRootStart + Body(" Type=\"11\"") + kRootEnd;
}

int OpenFileCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

class PreReadConFileTest : public cfgtest::CConfigFileTest {
  protected:
    // Writes the text to a file and pre-reads it; ctdID starts at -7.
    int IsConXML(const std::string& text, int* ctdID = nullptr) {
        const std::string path = Path("file.xmlcon");
        cfgtest::WriteFile(path, text);
        int id = -7;
        const int result = CPreReadConFile::IsConXML(path, id);
        if (ctdID) {
            *ctdID = id;
        }
        return result;
    }
};

}  // namespace

TEST_F(PreReadConFileTest, TakesTheTypeOfTheInstrument) {
    int id = 0;
    EXPECT_NE(IsConXML(Document(" Type=\"11\""), &id), 0);
    EXPECT_EQ(id, 11);
    EXPECT_NE(CPreReadConFile::IsConXML(Path("file.xmlcon")), 0);
    // Not checked against the catalogue.
    EXPECT_NE(IsConXML(Document(" index=\"0\" Type=\"99\""), &id), 0);
    EXPECT_EQ(id, 99);

    // No Type, a negative one, or only an attribute of a similar name: not a
    // configuration, and the ID is left alone.
    EXPECT_EQ(IsConXML(Document(""), &id), 0);
    EXPECT_EQ(id, -7);
    EXPECT_EQ(CPreReadConFile::IsConXML(Path("file.xmlcon")), 0);
    EXPECT_EQ(IsConXML(Document(" type=\"11\" TypeX=\"4\""), &id), 0);
    EXPECT_EQ(IsConXML(Document(" Type=\"-1\""), &id), 0);
}

TEST_F(PreReadConFileTest, TheRootMustOpenOutermostWithinTheFirstThousandCharacters) {
    int id = 0;
    EXPECT_NE(IsConXML(RootEndingAt(1000), &id), 0);
    EXPECT_EQ(id, 11);
    EXPECT_EQ(IsConXML(RootEndingAt(1001)), 0);

    // Once the root has opened the rest may be as long as it likes.
    std::string longDocument = Document(" Type=\"11\"");
    longDocument.insert(longDocument.find("<Instrument"), "<!--" + std::string(5000, '=') + "-->");
    EXPECT_NE(IsConXML(longDocument), 0);

    // The root's tag nested inside another root does not count.
    EXPECT_EQ(IsConXML("<Settings>" + kRootStart + Body(" Type=\"11\"") + kRootEnd + "</Settings>"),
              0);
}

TEST_F(PreReadConFileTest, LegacyAndBrokenFilesAreRefusedWithTheirLogEntries) {
    cfgtest::CLogCapture log;
    std::string legacy;
    for (int line = 1; line <= 280; ++line) {
        legacy += line == 39 ? "0 12 2 2505 147 24.000000 10.000000 0 0\n" : "0.000000\n";
    }
    EXPECT_EQ(IsConXML(legacy), 0);
    EXPECT_EQ(IsConXML(""), 0);

    // Tags closed in the wrong order.
    log.entries.clear();
    std::string crossed = Document(" Type=\"11\"");
    crossed.replace(crossed.find("</Instrument>"), 13, "</Name>");
    crossed.replace(crossed.find("</Name>"), 7, "</Instrument>");
    EXPECT_EQ(IsConXML(crossed), 0);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].text, "Parse error - found tag </Instrument>, expected tag </Name>.");
    EXPECT_EQ(log.entries[0].level, 0);

    // Any other fault after the root opened.
    log.entries.clear();
    EXPECT_EQ(IsConXML(kRootStart + "<Instrument Type=\"11\" Type=\"12\"/>" + kRootEnd), 0);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].text,
              "Error in .xmlcon file '" + Path("file.xmlcon") + "' - duplicate attribute'.");

    log.entries.clear();
    const std::string missing = Path("missing.xmlcon");
    int id = 5;
    EXPECT_EQ(CPreReadConFile::IsConXML(missing, id), 0);
    EXPECT_EQ(id, 5);
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(log.entries[0].text.rfind(
                  "CPreReadConFile - failed to open " + missing + " for reading. (error 2:", 0),
              0u)
        << log.entries[0].text;
}

TEST_F(PreReadConFileTest, TheFileIsClosedOnEveryPath) {
    const int before = OpenFileCount();
    for (int round = 0; round < 3; ++round) {
        IsConXML(Document(" Type=\"11\""));
        IsConXML(RootEndingAt(1200));
        IsConXML("<A><B></A></B>");
        IsConXML(kRootStart + "<Instrument></Name>" + kRootEnd);
        IsConXML("not xml");
    }
    EXPECT_EQ(OpenFileCount(), before);
}

namespace {

// Records which of the base handler's operations were called.
class CSpyHandler : public CConFileEventHandler {
  public:
    void start_Sensor(CXMLAttributeList&) override { calls.push_back("start_Sensor"); }
    void end_Sensor() override { calls.push_back("end_Sensor:" + Text().str()); }
    void start_UnknownTag(CXMLAttributeList&) override { calls.push_back("start_Unknown"); }
    void end_UnknownTag() override { calls.push_back("end_Unknown"); }
    void OnTagMisMatch(CString found, CString expected) override {
        calls.push_back("mismatch:" + found.str() + "," + expected.str());
    }
    void OnStackEmptyError(CString tag) override { calls.push_back("empty:" + tag.str()); }
    std::size_t Depth() const { return TagStack().size(); }
    std::vector<std::string> calls;
};

}  // namespace

TEST(ConFileEventHandler, DispatchesByTrimmedTagAndChecksTheNesting) {
    CSpyHandler handler;
    CXMLAttributeList none;
    handler.EndElement("Sensor");
    handler.StartElement(" Sensor\t", none);
    handler.StartElement("Coefficients", none);
    handler.CharacterData("1.5");
    handler.EndElement("sensor");  // case matters
    handler.EndElement("Coefficients ");
    handler.CharacterData("x");
    handler.EndElement("Sensor");
    const std::vector<std::string> expected = {"empty:Sensor",  "start_Sensor",
                                               "start_Unknown", "mismatch:sensor,Coefficients",
                                               "end_Unknown",   "end_Sensor:x"};
    EXPECT_EQ(handler.calls, expected);
    EXPECT_EQ(handler.Depth(), 0u);
}
