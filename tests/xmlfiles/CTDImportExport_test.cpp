// The instrument configuration document: its frame, reading back what was
// written, and what makes a read or a write fail.

#include "xmlfiles/CTDImportExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "instruments/Vantrel64V2CTD.h"
#include "support/FakeCTD.h"
#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CCTDImportExport;
using tw_test::Replaced;

namespace {

// Writes itself partly and then fails.
class CFailingCTD : public CFakeCTD {
  public:
    long WriteXML(TDWXML::COutputNode* node) override {
        WriteSensorArrayXML(node);
        return TDWXML::E_FAIL_XML;
    }
};

class CTDImportExportTest : public tw_test::CConfigFileTest {
  protected:
    // Writes the instrument to a file and returns the file's text.
    std::string Written(CCTD* ctd) {
        EXPECT_EQ(CCTDImportExport().WriteConFileXML(ctd, Path("cast.xmlcon")), 1);
        return tw_test::ReadFile(Path("cast.xmlcon"));
    }
    // Reads the text as a file.
    std::unique_ptr<CCTD> Read(const std::string& text) {
        tw_test::WriteFile(Path("read.xmlcon"), text);
        return std::unique_ptr<CCTD>(CCTDImportExport().ReadConFileXML(Path("read.xmlcon")));
    }
};

}  // namespace

TEST_F(CTDImportExportTest, WritesTheVersionOnTheRootOnlyAndReadsBackWhatItWrote) {
    CCTDImportExport::SetWriteVersionInSensorsFlag(1);
    C64V2VantrelCTD ctd;
    ctd.SetMode(1);
    const std::string text = Written(&ctd);
    EXPECT_EQ(CCTDImportExport::GetWriteVersionInSensorsFlag(), 0);
    EXPECT_EQ(text.find("TW_ConfigCTD_FileVersion", text.find("<Instrument")), std::string::npos);
    EXPECT_EQ(CTD_ObjectsEqual(Read(text).get(), &ctd), 1);
    EXPECT_STREQ(CCTDImportExport::GetVersionReadIn(), "7.26.2.0");

    // The name is for people reading the file; without the version attribute
    // the version read in is empty.
    const std::string unversioned = Replaced(text, " TW_ConfigCTD_FileVersion=\"7.26.2.0\"", "");
    EXPECT_EQ(CTD_ObjectsEqual(Read(Replaced(unversioned, "64plus V2", "62")).get(), &ctd), 1);
    EXPECT_STREQ(CCTDImportExport::GetVersionReadIn(), "");
}

TEST_F(CTDImportExportTest, FailuresLeaveNothingBehind) {
    C64V2VantrelCTD ctd;
    const std::string text = Written(&ctd);
    tw_test::CLogCapture log;
    // The last is refused by the model: its half-built object must not survive.
    for (const std::string& unusable :
         {Replaced(text, "Type=\"11\"", "Type=\"16\""), Replaced(text, " Type=\"11\"", ""),
          Replaced(text, "<Instrument Type", "<Instrumentation Type"),
          text.substr(0, text.size() / 2), Replaced(text, "<Mode>0</Mode>", "")}) {
        EXPECT_EQ(Read(unusable), nullptr) << unusable;
    }
    CCTDImportExport importer;
    EXPECT_EQ(importer.ReadConFileXML(Path("missing.xmlcon")), nullptr);

    // A failed write leaves an existing file alone.
    CFailingCTD failing;
    EXPECT_EQ(importer.WriteConFileXML(&failing, Path("cast.xmlcon")), 0);
    EXPECT_EQ(importer.WriteConFileXML(nullptr, Path("cast.xmlcon")), 0);
    EXPECT_EQ(tw_test::ReadFile(Path("cast.xmlcon")), text);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder), {}), 2);
}
