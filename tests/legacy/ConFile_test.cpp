// The configuration-file functions on .xmlcon files: identifying, reading
// into the caller's object, writing, and the messages the user sees.

#include "legacy/ConFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "instruments/Vantrel64V2CTD.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

class ConFileTest : public cfgtest::CConfigFileTest {
  protected:
    void SetUp() override {
        cfgtest::CConfigFileTest::SetUp();
        m_saved.SetMode(1);
        m_saved.SetNumVoltAdd(1);
        WriteConFile(Path("cast.xmlcon"), &m_saved);
        m_savedText = cfgtest::ReadFile(Path("cast.xmlcon"));
        ASSERT_FALSE(m_savedText.empty());
    }

    // The saved configuration changed by one edit, as a file.
    std::string Variant(const std::string& name, const std::string& from, const std::string& to) {
        cfgtest::WriteFile(Path(name), cfgtest::Replaced(m_savedText, from, to));
        return Path(name);
    }

    C64V2VantrelCTD m_saved;
    std::string m_savedText;
};

}  // namespace

TEST_F(ConFileTest, ReadsAnXmlconIntoTheCallersObject) {
    EXPECT_EQ(ReadCTDID(Path("cast.xmlcon")), 11);
    C64V2VantrelCTD target;
    EXPECT_EQ(ReadConFile(Path("cast.xmlcon"), &target), 1);
    EXPECT_EQ(CTD_ObjectsEqual(&target, &m_saved), 1);
    EXPECT_EQ(ReadCTDID(Variant("other.xmlcon", "Type=\"11\"", "Type=\"10\"")), 10);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Stderr(), "");
}

TEST_F(ConFileTest, ReadFailuresGoToStandardErrorAndLeaveTheObjectAlone) {
    s_bErrorToConsole = true;
    cfgtest::CLogCapture log;
    C64V2VantrelCTD target;
    target.SetNumVoltAdd(3);
    const std::unique_ptr<CCTD> before(target.Clone());

    EXPECT_EQ(ReadConFile(Variant("other.xmlcon", "Type=\"11\"", "Type=\"10\""), &target), 0);
    EXPECT_EQ(ReadConFile(Variant("broken.xmlcon", "<Mode>1</Mode>", ""), &target), 0);
    EXPECT_EQ(ReadConFile(Variant("future.xmlcon", "Type=\"11\"", "Type=\"99\""), &target), 0);
    EXPECT_EQ(CTD_ObjectsEqual(&target, before.get()), 1);
    EXPECT_EQ(Stderr(),
              "other.xmlcon is an instrument configuration file for a TDW 62plus V2 Vantrel "
              "CTD.\n"
              "ReadConFile - failed to read 'broken.xmlcon'.\n"
              "ReadConFile - failed to read 'future.xmlcon'.\n");
    EXPECT_TRUE(log.Holds("ReadConFile - failed to read 'broken.xmlcon'."));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConFileTest, MessagesCarryTheirCaptionsAndSomeAlwaysUseABox) {
    C64V2VantrelCTD target;
    EXPECT_EQ(ReadConFile(Variant("other.xmlcon", "Type=\"11\"", "Type=\"10\""), &target), 0);
    EXPECT_EQ(ReadConFile(Variant("broken.xmlcon", "<Mode>1</Mode>", ""), &target), 0);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "Wrong Type of Instrument Configuration File");
    EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONWARNING);
    EXPECT_EQ(shown[1].caption, "Failed to read .XMLCON file");

    // The open failure of ReadConFile is shown in a box even for a console
    // host; that of ReadCTDID is not.
    shown.clear();
    s_bErrorToConsole = true;
    const std::string missing = Path("missing.xmlcon");
    EXPECT_EQ(ReadConFile(missing, &target), 0);
    EXPECT_EQ(ReadCTDID(missing), -1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Could not open " + missing + "\nin ::ReadConFile().");
    EXPECT_EQ(shown[0].caption, "");
    EXPECT_EQ(shown[0].flags, MB_OK);
    EXPECT_EQ(Stderr(), "Could not open " + missing + "\nin ::SelectConFile().\n");
    EXPECT_TRUE(s_bErrorToConsole);
}

TEST_F(ConFileTest, AsciiFilesAreRefusedForNow) {
    s_bErrorToConsole = true;
    std::string legacy;
    for (int line = 1; line <= 280; ++line) {
        legacy += line == 39 ? "0 12 1 2505 147 24.000000 10.000000 0 0\n" : "0.000000\n";
    }
    cfgtest::WriteFile(Path("cast.con"), legacy);
    C64V2VantrelCTD target;
    EXPECT_EQ(ReadCTDID(Path("cast.con")), -1);
    EXPECT_EQ(ReadConFile(Path("cast.con"), &target), 0);
    for (const char* name : {"cast.con", "cast.CON"}) {
        WriteConFile(Path(name), &m_saved);
    }
    EXPECT_EQ(cfgtest::ReadFile(Path("cast.con")), legacy);
    EXPECT_FALSE(std::filesystem::exists(Path("cast.CON")));
    const std::string notRead =
        "cast.con is not an .xmlcon file; ASCII .con configuration files cannot be read yet.\n";
    const std::string notWritten =
        "ASCII .con configuration files cannot be written yet.  Please save as .XMLCON file.\n";
    EXPECT_EQ(Stderr(), notRead + notRead + notWritten + notWritten);
}

TEST_F(ConFileTest, WritesXmlForOtherExtensionsAndReportsFailures) {
    s_bErrorToConsole = true;
    WriteConFile(Path("cast.txt"), &m_saved);
    EXPECT_EQ(cfgtest::ReadFile(Path("cast.txt")), m_savedText);

    cfgtest::CLogCapture log;
    const std::string unwritable = Path("no/such/folder/cast.xmlcon");
    WriteConFile(unwritable, &m_saved);
    EXPECT_EQ(Stderr(),
              "::WriteConFile() failed for '" + unwritable + "'.  See error log for details.\n");
    bool logged = false;
    for (const auto& entry : log.entries) {
        const std::string expected =
            "Failed to write instrument configuration to file '" + unwritable + "'. (error ";
        logged = logged || (entry.text.rfind(expected, 0) == 0 && entry.level == 0);
    }
    EXPECT_TRUE(logged);
}
