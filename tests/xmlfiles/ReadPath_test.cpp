// Reading a configuration file through the functions hosts call: documents
// from older programs in single-byte encodings, files that change between
// learning the model and reading. (Files refused before they are parsed:
// the tool's table of refusals.)

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "xmlfiles/ConfigFileTestSupport.h"

using tw_test::Replaced;

namespace {

const std::string kUtf8Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";

class ReadPathTest : public tw_test::CConfigFileTest {
  protected:
    // The text of the default configuration whose first sensor carries the
    // serial number "SN-" plus the given bytes.
    std::string Configuration(const std::string& serialTail) {
        C64V2VantrelCTD ctd;
        ctd.GetSensor(0).SetSerialNum(("SN-" + serialTail).c_str());
        WriteConFile(Path("written.xmlcon").c_str(), &ctd);
        return tw_test::ReadFile(Path("written.xmlcon"));
    }
    // Reads the text as a file the way a host does; null when it fails.
    std::unique_ptr<C64V2VantrelCTD> ReadAsHost(const std::string& name, const std::string& text) {
        tw_test::WriteFile(Path(name), text);
        if (ReadCTDID(Path(name).c_str()) != 11) {
            return nullptr;
        }
        auto ctd = std::make_unique<C64V2VantrelCTD>();
        return ReadConFile(Path(name).c_str(), ctd.get()) ? std::move(ctd) : nullptr;
    }
};

}  // namespace

TEST_F(ReadPathTest, SingleByteDocumentsFromOlderProgramsReadAsTheirBytes) {
    // "é" and "°" as single bytes, the way older programs stored them, in the
    // text of an element and in a comment before the root.
    const std::string latin1 = "\xE9\xB0";
    const std::string utf8Text = Configuration(latin1);
    ASSERT_NE(utf8Text.find("SN-\xC3\xA9\xC2\xB0"), std::string::npos);
    const std::string raw =
        Replaced(Replaced(utf8Text, "SN-\xC3\xA9\xC2\xB0", "SN-" + latin1), kUtf8Declaration,
                 kUtf8Declaration + "<!-- " + latin1 + " -->");
    const struct {
        const char* name;
        std::string text;
    } documents[] = {
        {"utf8.xmlcon", utf8Text},
        {"latin1-bytes.xmlcon", raw},
        {"cp1252.xmlcon", Replaced(raw, "UTF-8", "windows-1252")},
        {"iso.xmlcon", Replaced(raw, "UTF-8", "ISO-8859-1")},
    };
    for (const auto& document : documents) {
        const auto ctd = ReadAsHost(document.name, document.text);
        ASSERT_NE(ctd, nullptr) << document.name;
        EXPECT_EQ(ctd->GetSensor(0).GetSerialNum(), "SN-" + latin1) << document.name;
    }
    EXPECT_TRUE(shown.empty()) << shown.front();
}

TEST_F(ReadPathTest, AFileChangedAfterItsModelWasLearntIsReadAsItIsNow) {
    const std::string text = Configuration("1");
    tw_test::WriteFile(Path("cast.xmlcon"), text);
    ASSERT_EQ(ReadCTDID(Path("cast.xmlcon").c_str()), 11);
    // The same size and, as on a file system with a coarse clock, the same
    // modification time: only the bytes tell the change.
    const auto written = std::filesystem::last_write_time(Path("cast.xmlcon"));
    tw_test::WriteFile(Path("cast.xmlcon"), Replaced(text, "SN-1", "SN-2"));
    std::filesystem::last_write_time(Path("cast.xmlcon"), written);
    C64V2VantrelCTD ctd;
    ASSERT_EQ(ReadConFile(Path("cast.xmlcon").c_str(), &ctd), 1);
    EXPECT_EQ(ctd.GetSensor(0).GetSerialNum(), "SN-2");

    // A file that no longer names the model is not taken for the one read before.
    tw_test::WriteFile(Path("cast.xmlcon"), Replaced(text, "Type=\"11\"", "Type=\"10\""));
    EXPECT_EQ(ReadCTDID(Path("cast.xmlcon").c_str()), 10);
}
