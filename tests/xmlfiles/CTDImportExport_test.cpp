// The instrument configuration document: its frame, reading back what was
// written, and what makes a read or a write fail.

#include "xmlfiles/CTDImportExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "instruments/Vantrel64V2CTD.h"
#include "sensors/AuxiliarySensors.h"
#include "support/FakeCTD.h"
#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CCTDImportExport;

namespace {

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A TDW 64plus V2 that differs from the default in settings and sensors.
std::unique_ptr<C64V2VantrelCTD> EditedVantrel() {
    auto ctd = std::make_unique<C64V2VantrelCTD>();
    ctd->SetMode(1);
    ctd->SetNumVoltAdd(2);
    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("ALT-12");
    altimeter->SetScaleFactor(15.0);
    altimeter->SetOffset(-0.25);
    ctd->ReplaceSensor(4, altimeter);
    ctd->SetbNMEA_Added(1);
    return ctd;
}

// Writes itself partly and then fails.
class CFailingCTD : public CFakeCTD {
  public:
    long WriteXML(TDWXML::COutputNode* node) override {
        WriteSensorArrayXML(node);
        return TDWXML::E_FAIL_XML;
    }
};

class CTDImportExportTest : public cfgtest::CConfigFileTest {
  protected:
    // Writes the instrument to name and returns the file's text.
    std::string Written(CCTD* ctd, const std::string& name = "cast.xmlcon") {
        CCTDImportExport exporter;
        EXPECT_EQ(exporter.WriteConFileXML(ctd, Path(name)), 1);
        return cfgtest::ReadFile(Path(name));
    }
    // Reads the text as a file.
    std::unique_ptr<CCTD> Read(const std::string& text) {
        cfgtest::WriteFile(Path("read.xmlcon"), text);
        CCTDImportExport importer;
        return std::unique_ptr<CCTD>(importer.ReadConFileXML(Path("read.xmlcon")));
    }
};

}  // namespace

TEST_F(CTDImportExportTest, WritesTheDocumentFrameWithoutVersionsInSensors) {
    CCTDImportExport::SetWriteVersionInSensorsFlag(1);
    C64V2VantrelCTD ctd;
    const std::string text = Written(&ctd);
    EXPECT_EQ(CCTDImportExport::GetWriteVersionInSensorsFlag(), 0);

    const std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<TDW_InstrumentConfiguration TW_ConfigCTD_FileVersion=\"7.26.2.0\">\n"
        "  <Instrument Type=\"11\">\n"
        "    <Name>TDW 64plus V2 Vantrel CTD</Name>\n"
        "    <PressureSensorType>";
    EXPECT_EQ(text.substr(0, head.size()), head);
    const std::string tail =
        "    </SensorArray>\n"
        "  </Instrument>\n"
        "</TDW_InstrumentConfiguration>\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(Count(text, "<SensorArray "), 1u);
    EXPECT_EQ(Count(text, "TW_ConfigCTD_FileVersion"), 1u);
}

TEST_F(CTDImportExportTest, ReadsBackWhatItWrote) {
    const auto ctd = EditedVantrel();
    const std::string text = Written(ctd.get());
    const std::unique_ptr<CCTD> read = Read(text);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetCTD_ID(), 11);
    EXPECT_EQ(read->GetNumChannel(), 5);
    EXPECT_EQ(CTD_ObjectsEqual(read.get(), ctd.get()), 1);
    EXPECT_STREQ(CCTDImportExport::GetVersionReadIn(), "7.26.2.0");

    // The name is for people reading the file.
    const std::unique_ptr<CCTD> renamed =
        Read(cfgtest::Replaced(text, "TDW 64plus V2 Vantrel CTD", "TDW 62 Vantrel CTD"));
    EXPECT_EQ(CTD_ObjectsEqual(renamed.get(), ctd.get()), 1);

    // Without the version attribute the version read in is empty.
    const std::unique_ptr<CCTD> unversioned =
        Read(cfgtest::Replaced(text, " TW_ConfigCTD_FileVersion=\"7.26.2.0\"", ""));
    EXPECT_EQ(CTD_ObjectsEqual(unversioned.get(), ctd.get()), 1);
    EXPECT_STREQ(CCTDImportExport::GetVersionReadIn(), "");
}

TEST_F(CTDImportExportTest, ReadsNothingFromFilesItCannotUse) {
    C64V2VantrelCTD ctd;
    const std::string text = Written(&ctd);
    cfgtest::CLogCapture log;

    EXPECT_EQ(Read(cfgtest::Replaced(text, "Type=\"11\"", "Type=\"16\"")), nullptr);
    EXPECT_EQ(Read(cfgtest::Replaced(text, " Type=\"11\"", "")), nullptr);
    EXPECT_EQ(Read(cfgtest::Replaced(text, "<Instrument Type", "<Instrumentation Type")), nullptr);
    const std::string otherRoot =
        cfgtest::Replaced(cfgtest::Replaced(text, "<TDW_InstrumentConfiguration", "<Configuration"),
                          "</TDW_InstrumentConfiguration>", "</Configuration>");
    EXPECT_EQ(Read(otherRoot), nullptr);
    EXPECT_EQ(Read(text.substr(0, text.size() / 2)), nullptr);
    // The model refuses it: its half-built object must not survive.
    EXPECT_EQ(Read(cfgtest::Replaced(text, "<Mode>0</Mode>", "")), nullptr);

    CCTDImportExport importer;
    EXPECT_EQ(importer.ReadConFileXML(Path("missing.xmlcon")), nullptr);
    EXPECT_EQ(importer.GetModelType(), -1);
}

TEST_F(CTDImportExportTest, AFailedWriteLeavesAnExistingFileAlone) {
    const std::string path = Path("kept.xmlcon");
    cfgtest::WriteFile(path, "previous contents");
    CCTDImportExport exporter;
    CFailingCTD failing;
    EXPECT_EQ(exporter.WriteConFileXML(&failing, path), 0);
    EXPECT_EQ(exporter.WriteConFileXML(nullptr, path), 0);
    EXPECT_EQ(cfgtest::ReadFile(path), "previous contents");

    C64V2VantrelCTD ctd;
    EXPECT_EQ(exporter.WriteConFileXML(&ctd, Path("no/such/folder/cast.xmlcon")), 0);
    EXPECT_EQ(exporter.WriteConFileXML(&ctd, m_folder.string()), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder),
                            std::filesystem::directory_iterator()),
              1);
}
