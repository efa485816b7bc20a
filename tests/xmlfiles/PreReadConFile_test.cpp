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

// A document whose root start tag ends on character number rootEnd.
std::string RootEndingAt(std::size_t rootEnd) {
    const std::size_t fill =
        rootEnd - std::string("<?xml version=\"1.0\"?>\n<!---->\n").size() - kRootStart.size();
    return Document(" Type=\"11\"",
                    "<?xml version=\"1.0\"?>\n<!--" + std::string(fill, '=') + "-->\n");
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
    EXPECT_NE(IsConXML(RootEndingAt(1000)), 0);
    EXPECT_EQ(IsConXML(RootEndingAt(1001)), 0);
    // Once the root has opened the rest may be as long as it likes.
    EXPECT_NE(IsConXML(tw_test::Replaced(Document(" Type=\"11\""), "<Instrument",
                                         "<!--" + std::string(5000, '=') + "--><Instrument")),
              0);
    // The root's tag nested inside another root does not count.
    EXPECT_EQ(IsConXML("<Settings>" + Document(" Type=\"11\"") + "</Settings>"), 0);
}

TEST_F(PreReadConFileTest, LegacyAndBrokenFilesAreRefusedWithTheirLogEntries) {
    const int openFiles = OpenFileCount();
    tw_test::CLogCapture log;
    EXPECT_EQ(IsConXML(RootEndingAt(1200)), 0);
    EXPECT_EQ(IsConXML(tw_test::LegacyConText()), 0);
    EXPECT_EQ(IsConXML(""), 0);
    log.entries.clear();

    // Tags closed in the wrong order, any other fault after the root opened,
    // and a file that cannot be opened.
    EXPECT_EQ(IsConXML(tw_test::Replaced(Document(" Type=\"11\""), "</Name>", "</Instrument>")), 0);
    EXPECT_EQ(IsConXML(kRootStart + "<Instrument Type=\"11\" Type=\"12\"/>"), 0);
    id = 5;
    EXPECT_EQ(CPreReadConFile::IsConXML(Path("missing.xmlcon"), id), 0);
    EXPECT_EQ(id, 5);
    ASSERT_EQ(log.entries.size(), 3u);
    EXPECT_EQ(log.entries[0], "0: Parse error - found tag </Instrument>, expected tag </Name>.");
    EXPECT_EQ(log.entries[1],
              "0: Error in .xmlcon file '" + Path("file.xmlcon") + "' - duplicate attribute'.");
    EXPECT_TRUE(log.entries[2].starts_with("0: CPreReadConFile - failed to open " +
                                           Path("missing.xmlcon") + " for reading. (error 2:"))
        << log.entries[2];
    EXPECT_EQ(OpenFileCount(), openFiles);  // every path closed the file
}
