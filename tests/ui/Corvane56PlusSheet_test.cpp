#include "ui/Corvane56PlusSheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/CorvaneCTD.h"
#include "legacy/ConFile.h"
#include "platform/FileDialog.h"
#include "ui/ConfigCTD.h"
#include "ui/UiTestSupport.h"

namespace {

constexpr int kVoltageRow = 3;  // the grid's first external voltage input

class Corvane56PlusSheetTest : public tw_test::CUiTest {
  protected:
    // Runs the sheet through its opener; the script acts on it, and a sheet
    // left open is cancelled.
    int Run(const std::function<void(CFormDialog&)>& script) {
        CScriptedForms forms({script});
        return Disp56PlusConDlg(&config);
    }
    std::unique_ptr<C56PlusCTD> Stored(const CString& path) {
        auto ctd = std::make_unique<C56PlusCTD>();
        EXPECT_EQ(ReadConFile(path, ctd.get()), 1) << path;
        return ctd;
    }
    CConfigCTD config;
};

std::vector<std::string> Labels(const CFormDialog& dialog, const CString& page) {
    std::vector<std::string> labels;
    for (const SControl& control : dialog.controls) {
        if (control.page == page && control.visible && !control.label.IsEmpty()) {
            labels.emplace_back(control.label.GetString());
        }
    }
    return labels;
}

std::string Choice(const CFormDialog& dialog, const char* id) {
    const SControl& control = dialog.At(id);
    return control.value >= 0 ? control.choices[control.value].GetString() : "";
}

TEST_F(Corvane56PlusSheetTest, NewConfigurationPagesAndTheirStates) {
    config.m_bAskToSave = 0;
    EXPECT_EQ(
        Run([](CFormDialog& sheet) {
            EXPECT_EQ(sheet.title, "Configuration for the TDW 56plus Corvane CTD");
            EXPECT_EQ(sheet.Pages(), (std::vector<CString>{"File, T, C, P, Voltage Sensors",
                                                           "Real-Time Options", "Serial Sensors"}));
            EXPECT_EQ(Labels(sheet, ""),
                      (std::vector<std::string>{"Report", "Help", "Save && Exit", "Cancel"}));
            EXPECT_EQ(Labels(sheet, "File, T, C, P, Voltage Sensors"),
                      (std::vector<std::string>{
                          "Open", "Save", "Save As", "Configuration file opened: NONE",
                          "Configuration file usage:",
                          "Data from checked voltage channels transmitted in real-time, "
                          "and included in .hex file.",
                          "Select...", "Modify...", "Export"}));
            EXPECT_FALSE(sheet.At("save").enabled);
            EXPECT_EQ(Choice(sheet, "usage"), "Process .XML file uploaded from CTD memory");

            // The fixed sensors and the eight voltage inputs, which
            // alone can be exported or chosen.
            const SControl& grid = sheet.At("sensors");
            ASSERT_EQ(grid.rows.size(), 11u);
            EXPECT_FALSE(grid.rows[2][2].checkable);
            EXPECT_TRUE(grid.rows[10][2].checkable);
            ASSERT_TRUE(SetValue(sheet, "sensors", 1));
            EXPECT_FALSE(sheet.At("select").enabled);
            ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow));
            EXPECT_TRUE(sheet.At("select").enabled);

            // The real-time options wait for real-time usage.
            EXPECT_FALSE(sheet.At("consoleBaud").enabled);
            ASSERT_TRUE(SetValue(sheet, "usage", 1));
            EXPECT_TRUE(sheet.At("consoleBaud").enabled);
            EXPECT_EQ(Choice(sheet, "consoleBaud"), "9600 or higher");
            EXPECT_FALSE(sheet.At("historicRate").enabled);
            ASSERT_TRUE(PickChoice(sheet, "consoleBaud", "4800"));
            EXPECT_TRUE(sheet.At("historicRate").enabled);

            // A port without a sensor stores nothing.
            EXPECT_EQ(sheet.At("storage1").choices, std::vector<CString>{"Not applicable"});
            EXPECT_FALSE(sheet.At("storage1").enabled);
            ASSERT_TRUE(PickChoice(sheet, "serialSensor1", "GTD-DO, GTD-N2"));
            EXPECT_EQ(sheet.At("serialSensors1").choices.size(), 2u);
            EXPECT_EQ(Choice(sheet, "storage1"),
                      "Serial sensor data included in CTD .xml data file.");
            ASSERT_TRUE(PickChoice(sheet, "storage1", "Serial sensor data in separate .txt file."));
            Press(sheet, "cancel");
        }),
        IDCANCEL);
}

// Each example opens into the sheet's controls and is stored back unchanged:
// leaving asks nothing.
TEST_F(Corvane56PlusSheetTest, ExamplesGoThroughTheSheetUnchanged) {
    for (const char* name :
         {"56plus-default.xmlcon", "56plus-stored.xmlcon", "56plus-wavecap.xmlcon"}) {
        SCOPED_TRACE(name);
        const CString path = CopyExample(name);
        config.SetInstrumentPath(CTD_56PLUS_CORVANE, path);
        shown.clear();
        EXPECT_EQ(Run([&](CFormDialog& sheet) {
                      EXPECT_EQ(sheet.At("status").label,
                                CString("Configuration file opened: ") + name);
                      Press(sheet, "leave");
                  }),
                  IDOK);
        EXPECT_TRUE(shown.empty());
    }
}

// The wavecap example: exporting another voltage and leaving with Yes saves
// the file; the remembered path stays the file's.
TEST_F(Corvane56PlusSheetTest, ExportingAVoltageAndSavingOnLeaving) {
    const CString path = CopyExample("56plus-wavecap.xmlcon");
    config.SetInstrumentPath(CTD_56PLUS_CORVANE, path);
    answers.push_back(IDYES);
    EXPECT_EQ(Run([](CFormDialog& sheet) {
                  EXPECT_EQ(Choice(sheet, "usage"),
                            "Collect real-time data with Wavecap and/or process real-time .HEX "
                            "file");
                  EXPECT_TRUE(sheet.At("sensors").rows[kVoltageRow][2].checked);
                  ASSERT_TRUE(ToggleGridCell(sheet, "sensors", kVoltageRow + 4, 2));
                  EXPECT_TRUE(sheet.At("sensors").rows[kVoltageRow + 4][2].checked);
                  // Export toggles the current input as its cell does.
                  ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow + 1));
                  ASSERT_TRUE(Press(sheet, "export"));
                  EXPECT_FALSE(sheet.At("sensors").rows[kVoltageRow + 1][2].checked);
                  Press(sheet, "leave");
              }),
              IDOK);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Do you want to save your changes to 56plus-wavecap.xmlcon?");
    const std::unique_ptr<C56PlusCTD> saved = Stored(path);
    EXPECT_EQ(saved->GetExternalVoltageExported(4), 1);
    EXPECT_EQ(saved->GetExternalVoltageExported(1), 0);
    EXPECT_EQ(saved->GetNumberOfExportedVoltages(), 2);
    EXPECT_EQ(config.GetInstrumentPath(CTD_56PLUS_CORVANE), path);
}

// Without a deck unit the NMEA device is on the computer and there is no
// surface PAR; the sheet's file dialogs offer only .xmlcon.
TEST_F(Corvane56PlusSheetTest, DeckUnitRulesAndXmlOnlyFiles) {
    const CString path = CopyExample("56plus-wavecap.xmlcon");
    config.SetInstrumentPath(CTD_56PLUS_CORVANE, path);
    CScriptedFileDialog files({std::nullopt});
    answers.push_back(IDYES);
    EXPECT_EQ(Run([](CFormDialog& sheet) {
                  EXPECT_EQ(sheet.At("surfacePar").value, 1);
                  EXPECT_TRUE(sheet.At("configureSpar").enabled);
                  ASSERT_TRUE(SetValue(sheet, "nmeaPosition", 1));
                  ASSERT_TRUE(PickChoice(sheet, "deckUnit", "No deck unit"));
                  EXPECT_EQ(sheet.At("surfacePar").value, 0);
                  EXPECT_FALSE(sheet.At("surfacePar").enabled);
                  EXPECT_FALSE(sheet.At("configureSpar").enabled);
                  EXPECT_EQ(sheet.At("nmeaToPC").value, 1);
                  EXPECT_FALSE(sheet.At("nmeaToDeckUnit").enabled);
                  Press(sheet, "open");
                  Press(sheet, "leave");
                  const auto& corvane = dynamic_cast<C56PlusCTD&>(
                      dynamic_cast<CCorvane56PlusSheet&>(sheet).Instrument());
                  EXPECT_EQ(corvane.GetbSPAR_Added(), 0);
              }),
              IDOK);
    ASSERT_EQ(files.requests.size(), 1u);
    ASSERT_EQ(files.requests[0].filters.size(), 1u);
    EXPECT_EQ(files.requests[0].filters[0].label, "XML Instrument Configuration Files (*.xmlcon)");
    EXPECT_EQ(files.requests[0].title, "Open Instrument Configuration File");
    const std::unique_ptr<C56PlusCTD> saved = Stored(path);
    EXPECT_EQ(saved->GetUsingDeckUnitFlag(), 0);
    EXPECT_EQ(saved->GetbNMEA_PC(), 1);
}

// Modify... edits a sensor with a calibration; Select... on a voltage input
// offers the voltage sensors and puts the chosen one on the input; the
// limits count the sheet's sensors.
TEST_F(Corvane56PlusSheetTest, SelectingAVoltageSensor) {
    EXPECT_EQ(Run([this](CFormDialog& sheet) {
                  // A free input has no calibration; the fixed sensors have.
                  ASSERT_TRUE(SetValue(sheet, "sensors", 0));
                  CScriptedForms calibration({[](CFormDialog& dialog) {
                      TypeText(dialog, "serialNumber", "T-1");
                      Press(dialog, "ok");
                  }});
                  ASSERT_TRUE(Press(sheet, "modify"));
                  auto& corvane = dynamic_cast<C56PlusCTD&>(
                      dynamic_cast<CCorvane56PlusSheet&>(sheet).Instrument());
                  EXPECT_EQ(corvane.GetDefaultSensors().GetAt(0)->GetSerialNum(), "T-1");
                  EXPECT_EQ(corvane.GetSensor(0).GetSerialNum(), "T-1");
                  ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow + 2));
                  EXPECT_FALSE(sheet.At("modify").enabled);
                  CScriptedForms chooser(
                      {[](CFormDialog& dialog) {
                           ASSERT_TRUE(SelectTreeNode(dialog, "sensors", {"Altimeter"}));
                           Press(dialog, "ok");
                       },
                       [](CFormDialog& calibration) { Press(calibration, "cancel"); }});
                  ASSERT_TRUE(Press(sheet, "select"));
                  EXPECT_EQ(sheet.At("sensors").rows[kVoltageRow + 2][1].text, "Altimeter");
                  EXPECT_TRUE(sheet.At("modify").enabled);
                  // A second one is more than the instrument may carry.
                  ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow + 3));
                  CScriptedForms again({[](CFormDialog& dialog) {
                      ASSERT_TRUE(SelectTreeNode(dialog, "sensors", {"Altimeter"}));
                      Press(dialog, "ok");
                  }});
                  ASSERT_TRUE(Press(sheet, "select"));
                  EXPECT_NE(sheet.At("sensors").rows[kVoltageRow + 3][1].text, "Altimeter");
                  EXPECT_EQ(Captions(), std::vector<std::string>{"Cannot Select Sensor"});
                  Press(sheet, "cancel");
              }),
              IDCANCEL);
}

// The WET Labs triplet's sensors are chosen as WET Labs serial channels, on
// the port that holds them behind the first port's sensors; the surface PAR
// sensor's calibration is kept by the instrument.
TEST_F(Corvane56PlusSheetTest, SerialSensorsAndTheSurfaceParCalibration) {
    const CString path = CopyExample("56plus-wavecap.xmlcon");
    config.SetInstrumentPath(CTD_56PLUS_CORVANE, path);
    config.m_bAskToSave = 0;
    EXPECT_EQ(
        Run([&](CFormDialog& sheet) {
            ASSERT_TRUE(PickChoice(sheet, "serialSensor1", "GTD-DO"));
            ASSERT_TRUE(PickChoice(sheet, "serialSensor2", "WET Labs"));
            EXPECT_FALSE(sheet.At("selectSerial2").enabled);
            ASSERT_TRUE(SetValue(sheet, "serialSensors2", 1));
            CScriptedForms dialogs(
                {[](CFormDialog& chooser) {
                     ASSERT_TRUE(SelectTreeNode(
                         chooser, "sensors", {"Fluorometers", "Fluorometer, WET Labs ECO CDOM"}));
                     Press(chooser, "ok");
                 },
                 [](CFormDialog& calibration) { Press(calibration, "cancel"); },
                 [](CFormDialog& spar) {
                     TypeText(spar, "serialNumber", "SPAR-77");
                     Press(spar, "ok");
                 }});
            ASSERT_TRUE(Press(sheet, "selectSerial2"));
            EXPECT_EQ(sheet.At("serialSensors2").choices[1], "Fluorometer, WET Labs ECO CDOM");
            ASSERT_TRUE(Press(sheet, "configureSpar"));
            ASSERT_EQ(dialogs.titles.size(), 3u);
            EXPECT_EQ(dialogs.titles[0], "Select New WET Labs Serial Sensor");
            Press(sheet, "leave");
        }),
        IDOK);
    const std::unique_ptr<C56PlusCTD> saved = Stored(path);
    EXPECT_EQ(saved->GetSerialChannel(0).type, CVantrelCTD::GTD_DO_ONLY);
    EXPECT_EQ(saved->GetSerialChannel(1).type, CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    ASSERT_EQ(saved->GetSerialSensors(1).GetSize(), 3);
    EXPECT_EQ(saved->GetSerialSensors(1).GetAt(1)->GetSensorID(), 19);
    ASSERT_NE(saved->GetSparSensor(), nullptr);
    EXPECT_EQ(saved->GetSparSensor()->GetSerialNum(), "SPAR-77");
}

}  // namespace
