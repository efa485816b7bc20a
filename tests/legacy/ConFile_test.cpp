// The configuration-file functions on .xmlcon files: identifying, reading
// into the caller's object, writing, and the messages the user sees.

#include "legacy/ConFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "core/Catalogue.h"
#include "instruments/Vantrel64V2CTD.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

class ConFileTest : public tw_test::CConfigFileTest {
  protected:
    void SetUp() override {
        tw_test::CConfigFileTest::SetUp();
        m_saved.SetMode(1);
        m_saved.SetNumVoltAdd(1);
        WriteConFile(Path("cast.xmlcon"), &m_saved);
        m_savedText = tw_test::ReadFile(Path("cast.xmlcon"));
    }
    // The saved configuration changed by one edit, as a file.
    std::string Variant(const std::string& name, const std::string& from, const std::string& to) {
        tw_test::WriteFile(Path(name), tw_test::Replaced(m_savedText, from, to));
        return Path(name);
    }

    C64V2VantrelCTD m_saved;
    std::string m_savedText;
};

}  // namespace

// A read failure leaves the caller's object alone and tells the user, in a
// box with its caption or, for a console host, on standard error; the open
// failure of ReadConFile always takes a box, that of ReadCTDID none.
TEST_F(ConFileTest, ReadFailuresLeaveTheObjectAloneAndTellTheUser) {
    tw_test::CLogCapture log;
    C64V2VantrelCTD target;
    target.SetNumVoltAdd(3);
    const std::unique_ptr<CCTD> before(target.Clone());
    const std::string other = Variant("other.xmlcon", "Type=\"11\"", "Type=\"10\"");
    const std::string broken = Variant("broken.xmlcon", "<Mode>1</Mode>", "");
    const std::string missing = Path("missing.xmlcon");
    for (const bool console : {false, true}) {
        s_bErrorToConsole = console;
        EXPECT_EQ(ReadConFile(other, &target), 0);
        EXPECT_EQ(ReadConFile(broken, &target), 0);
    }
    EXPECT_EQ(ReadConFile(missing, &target), 0);
    EXPECT_EQ(ReadCTDID(missing), -1);
    EXPECT_EQ(CTD_ObjectsEqual(&target, before.get()), 1);

    const std::string wrongType =
        "other.xmlcon is an instrument configuration file for a TDW 62plus V2 Vantrel CTD.";
    const std::string failed = "ReadConFile - failed to read 'broken.xmlcon'.";
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "Wrong Type of Instrument Configuration File | " +
                            std::to_string(MB_OK | MB_ICONWARNING) + " | " + wrongType);
    EXPECT_TRUE(shown[1].starts_with("Failed to read .XMLCON file | ") &&
                shown[1].ends_with(" | " + failed))
        << shown[1];
    EXPECT_EQ(shown[2], " | " + std::to_string(MB_OK) + " | Could not open " + missing +
                            "\nin ::ReadConFile().");
    EXPECT_EQ(Stderr(), wrongType + "\n" + failed + "\nCould not open " + missing +
                            "\nin ::SelectConFile().\n");
    EXPECT_EQ(log.entries.front(), "0: " + failed);
}

// A path ending in .con, whatever the case, is written in the legacy format,
// any other in XML; either reads back by its content. A folder that cannot
// take the file is reported.
TEST_F(ConFileTest, TheExtensionChoosesTheFormatAndWriteFailuresAreReported) {
    for (const auto& [name, legacy] :
         {std::pair{"cast.con", true}, std::pair{"cast.CON", true}, std::pair{"cast.txt", false}}) {
        WriteConFile(Path(name), &m_saved);
        const std::string text = tw_test::ReadFile(Path(name));
        EXPECT_EQ(text.find("TW_ConfigCTD.dll FILEVERSION=7.26.2.0\n") != std::string::npos,
                  legacy);
        EXPECT_TRUE(legacy || text == m_savedText) << name;
        EXPECT_EQ(ReadCTDID(Path(name)), 11);
        C64V2VantrelCTD target;
        EXPECT_EQ(ReadConFile(Path(name), &target), 1);
        EXPECT_EQ(CTD_ObjectsEqual(&target, &m_saved), 1);
    }
    EXPECT_EQ(ReadCTDID(Variant("other.xmlcon", "Type=\"11\"", "Type=\"10\"")), 10);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Stderr(), "");

    s_bErrorToConsole = true;
    tw_test::CLogCapture log;
    const std::string unwritable = Path("no/such/folder/cast");
    WriteConFile(unwritable + ".con", &m_saved);
    WriteConFile(unwritable + ".xmlcon", &m_saved);
    EXPECT_EQ(Stderr(), "Could not open " + unwritable + ".con\nin ::WriteConFile().\n" +
                            "::WriteConFile() failed for '" + unwritable +
                            ".xmlcon'.  See error log for details.\n");
    EXPECT_TRUE(
        !log.entries.empty() &&
        log.entries.back().starts_with("0: Failed to write instrument configuration to file '" +
                                       unwritable + ".xmlcon'. (error "))
        << log.entries.back();
}

// Each example reads, writes its own bytes again and reports as its stored
// report says (dated by the fixed clock of the examples); a .con reads as the
// .xmlcon beside it, and each model's default example is what the factory
// makes.
TEST_F(ConFileTest, ExamplesAreWhatTheLibraryWritesAndReports) {
    const tw_test::ScopedEnv date("SOURCE_DATE_EPOCH", "1796385600");
    std::set<int> defaults;
    for (const auto& entry : std::filesystem::directory_iterator(TW_EXAMPLES_DIR)) {
        const std::filesystem::path file = entry.path();
        const bool legacy = file.extension() == ".con";
        if (!legacy && file.extension() != ".xmlcon") {
            continue;
        }
        const std::string name = file.filename().string();
        SCOPED_TRACE(name);
        SIOResult result;
        const std::unique_ptr<CCTD> ctd = ReadConfiguration(file.c_str(), &result);
        ASSERT_TRUE(ctd) << result.message;
        WriteConFile(Path(name), ctd.get());
        EXPECT_EQ(tw_test::ReadFile(Path(name)), tw_test::ReadFile(file));
        std::ostringstream report;
        ctd->Report(report, ("examples/" + name).c_str(), 0);
        const std::string stored =
            legacy ? name + ".report.txt" : file.stem().string() + ".report.txt";
        EXPECT_EQ(report.str(), tw_test::ReadFile(file.parent_path() / stored));
        if (legacy) {
            std::filesystem::path beside = file;
            const std::unique_ptr<CCTD> documented =
                ReadConfiguration(beside.replace_extension(".xmlcon").c_str(), &result);
            ASSERT_TRUE(documented) << result.message;
            EXPECT_EQ(CTD_ObjectsEqual(ctd.get(), documented.get()), 1);
        } else if (name.ends_with("-default.xmlcon")) {
            const std::unique_ptr<CCTD> made(CreateCTDObject(ctd->GetCTD_ID()));
            EXPECT_EQ(CTD_ObjectsEqual(made.get(), ctd.get()), 1);
            defaults.insert(ctd->GetCTD_ID());
        }
    }
    EXPECT_EQ(defaults.size(), static_cast<std::size_t>(NUM_CTD_IDS));
    EXPECT_TRUE(shown.empty());
}
