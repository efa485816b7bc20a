// Sensor calibration files: the exported document, the messages of a failed
// import, the import from a whole configuration, and the folders the dialogs
// start in.

#include "xmlfiles/SensorImportExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "core/SensorArray.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "platform/ChoiceDialog.h"
#include "platform/FileDialog.h"
#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CSensorImportExport;
using tw_test::ReadFile;
using tw_test::Replaced;
using tw_test::ScopedEnv;
using tw_test::WriteFile;

namespace {

constexpr int kErrorBox = MB_OK | MB_ICONERROR;

// Settings and the user's folder inside the scratch folder.
class SensorImportExportTest : public tw_test::CSensorFileTest {
  protected:
    std::string Settings() const {
        return ReadFile(Path("appdata/Tidewren/IniFiles/TW_ConfigCTD.ini"));
    }
    std::string Exported(CSensor& sensor, const std::string& name) {
        EXPECT_EQ(CSensorImportExport().ExportSensor(&sensor, CString(Path(name).c_str())), 1);
        return ReadFile(Path(name));
    }
};

std::unique_ptr<CSensor> Sensor(int id, const char* serial = "SN-1") {
    std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
    sensor->SetSerialNum(serial);
    sensor->SetCalDate("05-Dec-26");
    return sensor;
}

// A TDW 64plus V2 with two pH sensors on its voltage channels 3 and 4.
std::unique_ptr<CCTD> TwoPhConfiguration() {
    auto ctd = std::make_unique<C64V2VantrelCTD>();
    ctd->SetNumVoltAdd(2);
    ctd->ReplaceSensor(3, Sensor(43, "PH-A").release());
    ctd->ReplaceSensor(4, Sensor(43, "PH-B").release());
    return ctd;
}

}  // namespace

// The sensor's own element is the root, with the version; what each class
// writes and reads inside it is the sensors' own (their tests, and the
// calibration forms' export and import).
TEST_F(SensorImportExportTest, AnExportedSensorReadsBackAndItsFolderIsRemembered) {
    const std::unique_ptr<CSensor> sensor = Sensor(SID_CONDUCTIVITY);
    const std::string text = Exported(*sensor, "sensor.xml");
    EXPECT_NE(
        text.find("\n<ConductivitySensor SensorID=\"3\" TW_ConfigCTD_FileVersion=\"7.26.2.0\">"
                  "\n  <SerialNumber>SN-1<"),
        std::string::npos)
        << text;
    const std::unique_ptr<CSensor> back(CreateSensorObject(SID_CONDUCTIVITY));
    EXPECT_EQ(CSensorImportExport().ImportSensor(back.get(), CString(Path("sensor.xml").c_str())),
              1);
    EXPECT_EQ(SensorObjectsEqual(back.get(), sensor.get()), 1);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Settings(), "[ConductivitySensor]\nPath=" + Path("") + "\n");
}

TEST_F(SensorImportExportTest, FailedImportsSayWhyAndChangeNothing) {
    const std::unique_ptr<CSensor> conductivity = Sensor(SID_CONDUCTIVITY);
    const std::string good = Exported(*conductivity, "good.xml");
    std::filesystem::remove(Path("appdata/Tidewren/IniFiles/TW_ConfigCTD.ini"));
    const std::unique_ptr<CSensor> tdw94 = Sensor(SID_TEMP_TDW94);
    const std::string otherTemperature = Exported(*tdw94, "tdw94.xml");
    std::filesystem::remove(Path("appdata/Tidewren/IniFiles/TW_ConfigCTD.ini"));

    // A document cut short fails on its last line.
    const std::string truncated = good.substr(0, good.size() / 2);
    const std::string lastLine =
        std::to_string(std::count(truncated.begin(), truncated.end(), '\n') + 1);
    struct SCase {
        int targetID;
        std::string text;  // the file; none when empty
        std::string message;
    };
    const std::string path = Path("sensor.xml");
    const SCase cases[] = {
        {SID_TEMP_TDW2, otherTemperature,
         path + " contains the wrong kind of 'TemperatureSensor'."},
        {SID_TEMP_TDW2, good,
         path + " has the wrong tag at the root: 'ConductivitySensor'.\nExpected "
                "'TemperatureSensor'."},
        {SID_CONDUCTIVITY, Replaced(Replaced(good, "<CTcor>", "<Gone>"), "</CTcor>", "</Gone>"),
         "Failed to read in ConductivitySensor from the XML file\n\n" + path + "."},
        {SID_CONDUCTIVITY, truncated, "Error on line " + lastLine + ", position "},
        {SID_CONDUCTIVITY, "not XML at all", "Error on line 1, position 15 in " + path + ".\n"},
        {SID_CONDUCTIVITY, "", "Error parsing XML file " + path + ":\n\n"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.message);
        std::filesystem::remove(path);
        if (!c.text.empty()) {
            WriteFile(path, c.text);
        }
        const std::unique_ptr<CSensor> target = Sensor(c.targetID, "kept");
        const std::unique_ptr<CSensor> before = Sensor(c.targetID, "kept");
        shown.clear();
        EXPECT_EQ(CSensorImportExport().ImportSensor(target.get(), CString(path.c_str())), 0);
        EXPECT_EQ(SensorObjectsEqual(target.get(), before.get()), 1);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(
            shown[0].rfind(
                "Failed to import sensor | " + std::to_string(kErrorBox) + " | " + c.message, 0),
            0u)
            << shown[0];
    }
    EXPECT_EQ(Settings(), "");
}

TEST_F(SensorImportExportTest, FromAConfigurationTheMatchingSensorIsTakenOrChosen) {
    const std::unique_ptr<CCTD> ctd = TwoPhConfiguration();
    WriteConFile(CString(Path("cast.xmlcon").c_str()), ctd.get());
    std::filesystem::copy_file(Path("cast.xmlcon"), Path("cast.xml"));
    CSensorImportExport importer;

    // Two pH sensors: the user picks the second; cancelling keeps the sensor.
    for (const char* file : {"cast.xmlcon", "cast.xml"}) {
        SCOPED_TRACE(file);
        const std::unique_ptr<CSensor> target = Sensor(43, "old");
        {
            CScriptedChoiceDialog choice({-1});
            EXPECT_EQ(importer.ImportSensorFrom(target.get(), CString(Path(file).c_str())), 0);
            EXPECT_EQ(target->GetSerialNum(), "old");
        }
        CScriptedChoiceDialog choice({1});
        EXPECT_EQ(importer.ImportSensorFrom(target.get(), CString(Path(file).c_str())), 1);
        EXPECT_EQ(target->GetSerialNum(), "PH-B");
        ASSERT_EQ(choice.requests.size(), 1u);
        ASSERT_EQ(choice.requests[0].rows.size(), 2u);
        EXPECT_EQ(choice.requests[0].rows[0],
                  "Calibration date: 05-Dec-26, Serial number: PH-A, Name: pH");
        EXPECT_EQ(choice.requests[0].rows[1],
                  "Calibration date: 05-Dec-26, Serial number: PH-B, Name: pH, 2");
    }

    // One match is taken without asking; none is refused with a message.
    CScriptedChoiceDialog noChoice({});
    const std::unique_ptr<CSensor> temperature = Sensor(SID_TEMP_VANTREL_PLUS, "old");
    EXPECT_EQ(importer.ImportSensorFrom(temperature.get(), CString(Path("cast.xmlcon").c_str())),
              1);
    EXPECT_EQ(SensorObjectsEqual(temperature.get(), &ctd->GetSensor(0)), 1);
    const std::unique_ptr<CSensor> zaps = Sensor(62, "old");
    EXPECT_EQ(importer.ImportSensorFrom(zaps.get(), CString(Path("cast.xmlcon").c_str())), 0);
    EXPECT_EQ(zaps->GetSerialNum(), "old");
    EXPECT_TRUE(noChoice.requests.empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Failed to import sensor | " + std::to_string(MB_OK | MB_ICONINFORMATION) +
                            " | The configuration file selected is not compatible with the "
                            "specified 'Zaps' sensor.");

    // A .xml that is no configuration is a sensor file; other files are not
    // read at all. Only sensor files remember their folder.
    EXPECT_EQ(Settings(), "");
    const std::string sensorFile = Exported(*Sensor(62, "new"), "zaps.xml");
    std::filesystem::remove(Path("appdata/Tidewren/IniFiles/TW_ConfigCTD.ini"));
    EXPECT_EQ(importer.ImportSensorFrom(zaps.get(), CString(Path("zaps.xml").c_str())), 1);
    EXPECT_EQ(zaps->GetSerialNum(), "new");
    EXPECT_NE(Settings().find("[ZapsSensor]"), std::string::npos);
    WriteFile(Path("zaps.txt"), sensorFile);
    EXPECT_EQ(importer.ImportSensorFrom(zaps.get(), CString(Path("zaps.txt").c_str())), 0);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(SensorImportExportTest, DialogsStartInTheFolderLastUsedForTheKindOfSensor) {
    std::filesystem::create_directories(Path("sheets"));
    const std::unique_ptr<CSensor> conductivity = Sensor(SID_CONDUCTIVITY);
    const std::unique_ptr<CSensor> zaps = Sensor(62);
    CSensorImportExport files;
    {
        CScriptedFileDialog dialog({CString(Path("sheets/c.XML").c_str()), std::nullopt});
        EXPECT_EQ(files.ExportSensor(conductivity.get(), static_cast<CWnd*>(nullptr)), 1);
        EXPECT_EQ(files.ExportSensor(conductivity.get(), static_cast<CWnd*>(nullptr)), 0);
        ASSERT_EQ(dialog.requests.size(), 2u);
        EXPECT_TRUE(dialog.requests[0].save && dialog.requests[0].promptOverwrite);
        EXPECT_EQ(dialog.requests[0].initialFolder, Path("home"));
        EXPECT_EQ(dialog.requests[1].initialFolder, Path("sheets/"));
    }
    // The import starts where the export of its kind went; another kind at home.
    CScriptedFileDialog dialog({CString(Path("sheets/c.XML").c_str()), std::nullopt});
    const std::unique_ptr<CSensor> target = Sensor(SID_CONDUCTIVITY, "old");
    EXPECT_EQ(files.ImportSensor(target.get(), static_cast<CWnd*>(nullptr)), 1);
    EXPECT_EQ(SensorObjectsEqual(target.get(), conductivity.get()), 1);
    EXPECT_EQ(files.ImportSensor(zaps.get(), static_cast<CWnd*>(nullptr)), 0);
    ASSERT_EQ(dialog.requests.size(), 2u);
    EXPECT_TRUE(!dialog.requests[0].save && dialog.requests[0].mustExist);
    EXPECT_EQ(dialog.requests[0].initialFolder, Path("sheets/"));
    EXPECT_EQ(dialog.requests[1].initialFolder, Path("home"));
}

TEST_F(SensorImportExportTest, WithoutARememberedFolderTheUsersOwnFolderOrNone) {
    const std::string ini = Path("appdata/Tidewren/IniFiles/TW_ConfigCTD.ini");
    std::filesystem::create_directories(Path("appdata/Tidewren/IniFiles"));
    WriteFile(ini, "[ZapsSensor]\npath=<PATH_NOT_FOUND>\n[pH_Sensor]\nPath=/data/ph/\n");
    EXPECT_EQ(CSensorImportExport::GetIniFullPath(), ini);
    EXPECT_EQ(CSensorImportExport::GetFolderFromConfigIni("ZAPSSENSOR"), Path("home"));
    EXPECT_EQ(CSensorImportExport::GetFolderFromConfigIni("pH_Sensor"), "/data/ph/");

    // A damaged settings file is as good as none.
    WriteFile(ini, std::string("\0\xff[[[\n=\n", 8));
    EXPECT_EQ(CSensorImportExport::GetFolderFromConfigIni("pH_Sensor"), Path("home"));

    ScopedEnv noProfile("USERPROFILE", nullptr);
    {
        ScopedEnv home("HOME", Path("house").c_str());
        EXPECT_EQ(CSensorImportExport::GetFolderFromConfigIni("pH_Sensor"), Path("house"));
    }
    ScopedEnv noHome("HOME", nullptr);
    tw_test::CLogCapture log;
    EXPECT_EQ(CSensorImportExport::GetFolderFromConfigIni("pH_Sensor"), "");
    ASSERT_EQ(log.entries.size(), 1u);
    EXPECT_EQ(
        log.entries[0].rfind("1: WARNING: Failed to get USERPROFILE environment variable.", 0), 0u)
        << log.entries[0];
}
