// Recognising configuration documents before reading them.

#include "xmlfiles/PreReadConFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CPreReadConFile;

namespace {

const std::string kRootStart =
    "<TDW_InstrumentConfiguration TW_ConfigCTD_FileVersion=\"7.26.2.0\">";

std::string Document(const std::string& instrumentAttributes, const std::string& head = "") {
    return head + kRootStart + "\n  <Instrument" + instrumentAttributes +
           ">\n    <Name>TDW 64plus V2 Vantrel CTD</Name>\n    <SensorArray Size=\"0\"/>\n"
           "  </Instrument>\n</TDW_InstrumentConfiguration>\n";
}

// A document whose root start tag ends on character number rootEnd, filled
// up by a comment before the root or by an attribute of the root itself.
std::string RootEndingAt(std::size_t rootEnd, bool fillInRoot = false) {
    const std::string head = "<?xml version=\"1.0\"?>\n";
    if (fillInRoot) {
        const std::string bare = "<TDW_InstrumentConfiguration Pad=\"\">";
        const std::string root = tw_test::Replaced(
            bare, "\"\"", "\"" + std::string(rootEnd - head.size() - bare.size(), '=') + "\"");
        return tw_test::Replaced(Document(" Type=\"11\"", head), kRootStart, root);
    }
    const std::size_t fill = rootEnd - (head + "<!---->\n").size() - kRootStart.size();
    return Document(" Type=\"11\"", head + "<!--" + std::string(fill, '=') + "-->\n");
}

class PreReadConFileTest : public tw_test::CConfigFileTest {
  protected:
    // Writes the text to a file and pre-reads it into id, which starts at -7.
    int IsConXML(const std::string& text) {
        tw_test::WriteFile(Path("file.xmlcon"), text);
        id = -7;
        return CPreReadConFile::IsConXML(Path("file.xmlcon"), id);
    }
    int id = -7;
};

int OpenFileCount() {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return static_cast<int>(std::distance(fds, std::filesystem::directory_iterator()));
}

}  // namespace

TEST_F(PreReadConFileTest, TakesTheTypeOfTheInstrument) {
    EXPECT_TRUE(IsConXML(Document(" index=\"0\" Type=\"11\"")) && id == 11);
    // The type is not checked against the catalogue.
    EXPECT_TRUE(IsConXML(Document(" Type=\"99\"")) && id == 99);

    // No Type, a negative one, or only an attribute of a similar name: not a
    // configuration, and the ID is left alone.
    for (const char* attributes : {"", " Type=\"-1\"", " type=\"11\" TypeX=\"4\""}) {
        EXPECT_TRUE(IsConXML(Document(attributes)) == 0 && id == -7) << attributes;
    }
}

TEST_F(PreReadConFileTest, TheRootMustOpenOutermostWithinTheFirstThousandCharacters) {
    // However long the root's own start tag is.
    for (const bool fillInRoot : {false, true}) {
        EXPECT_NE(IsConXML(RootEndingAt(1000, fillInRoot)), 0) << fillInRoot;
        EXPECT_EQ(IsConXML(RootEndingAt(1001, fillInRoot)), 0) << fillInRoot;
    }
    // Once the root has opened the rest may be as long as it likes.
    EXPECT_NE(IsConXML(tw_test::Replaced(Document(" Type=\"11\""), "<Instrument",
                                         "<!--" + std::string(5000, '=') + "--><Instrument")),
              0);
    // The root's tag nested inside another root does not count.
    EXPECT_EQ(IsConXML("<Settings>" + Document(" Type=\"11\"") + "</Settings>"), 0);
}

TEST_F(PreReadConFileTest, FaultsBeforeTheRootOpensAreFoundHoweverPlainTheStartLooks) {
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    EXPECT_NE(IsConXML(Document(" Type=\"11\"", declaration + "\n")), 0);
    // A blank before the declaration, attributes of the root not apart, the
    // same attribute twice, markup in a value.
    for (const std::string& root : std::initializer_list<std::string>{
             " " + declaration + kRootStart, "<TDW_InstrumentConfiguration A=\"1\"B=\"2\">",
             "<TDW_InstrumentConfiguration A=\"1\" A=\"2\">",
             "<TDW_InstrumentConfiguration A=\"<\">"}) {
        EXPECT_EQ(IsConXML(tw_test::Replaced(Document(" Type=\"11\""), kRootStart, root)), 0)
            << root;
    }
}

TEST_F(PreReadConFileTest, LegacyAndBrokenFilesAreRefusedWithTheirLogEntries) {
    const int openFiles = OpenFileCount();
    tw_test::CLogCapture log;
    EXPECT_EQ(IsConXML(RootEndingAt(1200)), 0);
    EXPECT_EQ(IsConXML(tw_test::LegacyConText()), 0);
    EXPECT_EQ(IsConXML(""), 0);
    log.entries.clear();

    // Tags closed in the wrong order, an end tag with no element open (after
    // the root closed, far beyond the first characters), any other fault
    // after the root opened, and a file that cannot be opened.
    EXPECT_EQ(IsConXML(tw_test::Replaced(Document(" Type=\"11\""), "</Name>", "</Instrument>")), 0);
    EXPECT_EQ(
        IsConXML(Document(" Type=\"11\"") + "<!--" + std::string(2000, '=') + "-->\n</Extra >"), 0);
    EXPECT_EQ(IsConXML(kRootStart + "<Instrument Type=\"11\" Type=\"12\"/>"), 0);
    id = 5;
    EXPECT_EQ(CPreReadConFile::IsConXML(Path("missing.xmlcon"), id), 0);
    EXPECT_EQ(id, 5);
    ASSERT_EQ(log.entries.size(), 4u);
    EXPECT_EQ(log.entries[0], "0: Parse error - found tag </Instrument>, expected tag </Name>.");
    EXPECT_EQ(log.entries[1], "0: Parse error - unexpected tag - </Extra> - stack is empty.");
    EXPECT_EQ(log.entries[2],
              "0: Error in .xmlcon file '" + Path("file.xmlcon") + "' - duplicate attribute'.");
    EXPECT_TRUE(log.entries[3].starts_with("0: CPreReadConFile - failed to open " +
                                           Path("missing.xmlcon") + " for reading. (error 2:"))
        << log.entries[3];
    EXPECT_EQ(OpenFileCount(), openFiles);  // every path closed the file
}
