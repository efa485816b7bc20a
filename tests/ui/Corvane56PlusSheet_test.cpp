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
#include "ui/FormScripts.h"
#include "ui/UiTestSupport.h"

namespace {

using tw_test::Choose;
using tw_test::Pressing;

constexpr int kVoltageRow = 3;  // the grid's first external voltage input

C56PlusCTD& InstrumentOf(CFormDialog& sheet) {
    return dynamic_cast<C56PlusCTD&>(dynamic_cast<CCorvane56PlusSheet&>(sheet).Instrument());
}

class Corvane56PlusSheetTest : public tw_test::CUiTest {
  protected:
    // Runs the sheet through its opener, on a copy of the example when one is
    // named; the script acts on it, and a sheet left open is cancelled.
    void Run(const char* example, int result, const std::function<void(CFormDialog&)>& script) {
        if (example != nullptr) {
            m_path = CopyExample(example);
            config.SetInstrumentPath(CTD_56PLUS_CORVANE, m_path);
        }
        CScriptedForms forms({script});
        EXPECT_EQ(Disp56PlusConDlg(&config), result);
    }
    // The configuration stored in the example's copy.
    std::unique_ptr<C56PlusCTD> Stored() {
        auto ctd = std::make_unique<C56PlusCTD>();
        EXPECT_EQ(ReadConFile(m_path, ctd.get()), 1) << m_path;
        return ctd;
    }
    CConfigCTD config;
    CString m_path;
};

// Only voltage inputs take another sensor, and the historic rate waits for
// 4800 baud. (Each choice alone: the committed setting effects.)
TEST_F(Corvane56PlusSheetTest, ControlsFollowTheChoices) {
    Run(nullptr, IDCANCEL, [](CFormDialog& sheet) {
        ASSERT_TRUE(SetValue(sheet, "sensors", 1));
        EXPECT_FALSE(sheet.At("select").enabled);
        ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow));
        EXPECT_TRUE(sheet.At("select").enabled);
        ASSERT_TRUE(SetValue(sheet, "usage", 1));
        EXPECT_FALSE(sheet.At("historicRate").enabled);
        ASSERT_TRUE(PickChoice(sheet, "consoleBaud", "4800"));
        EXPECT_TRUE(sheet.At("historicRate").enabled);
    });
}

// On the wavecap example: exporting another voltage (its cell or Export,
// which toggles the current input) and dropping the deck unit (the NMEA
// device moves to the computer, surface PAR goes) are saved on leaving with
// Yes; the remembered path stays the file's. The sheet's file dialogs offer
// only .xmlcon.
TEST_F(Corvane56PlusSheetTest, ChangesAreSavedOnLeaving) {
    CScriptedFileDialog files({std::nullopt});
    answers.push_back(IDYES);
    Run("56plus-wavecap.xmlcon", IDOK, [](CFormDialog& sheet) {
        EXPECT_TRUE(sheet.At("sensors").rows[kVoltageRow][2].checked);
        ASSERT_TRUE(ToggleGridCell(sheet, "sensors", kVoltageRow + 4, 2));
        ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow + 1));
        ASSERT_TRUE(Press(sheet, "export"));
        EXPECT_FALSE(sheet.At("sensors").rows[kVoltageRow + 1][2].checked);

        EXPECT_EQ(sheet.At("surfacePar").value, 1);
        ASSERT_TRUE(SetValue(sheet, "nmeaPosition", 1));
        ASSERT_TRUE(PickChoice(sheet, "deckUnit", "No deck unit"));
        EXPECT_EQ(sheet.At("surfacePar").value, 0);
        EXPECT_FALSE(sheet.At("surfacePar").enabled || sheet.At("configureSpar").enabled ||
                     sheet.At("nmeaToDeckUnit").enabled);
        EXPECT_EQ(sheet.At("nmeaToPC").value, 1);
        Press(sheet, "open");
        Press(sheet, "leave");
    });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Do you want to save your changes to 56plus-wavecap.xmlcon?");
    ASSERT_EQ(files.requests.size(), 1u);
    ASSERT_EQ(files.requests[0].filters.size(), 1u);
    EXPECT_EQ(files.requests[0].filters[0].label, "XML Instrument Configuration Files (*.xmlcon)");
    EXPECT_EQ(files.requests[0].title, "Open Instrument Configuration File");
    const std::unique_ptr<C56PlusCTD> saved = Stored();
    EXPECT_EQ(saved->GetExternalVoltageExported(4), 1);
    EXPECT_EQ(saved->GetExternalVoltageExported(1), 0);
    EXPECT_EQ(saved->GetNumberOfExportedVoltages(), 2);
    EXPECT_EQ(saved->GetUsingDeckUnitFlag(), 0);
    EXPECT_EQ(saved->GetbNMEA_PC(), 1);
    EXPECT_EQ(saved->GetbSPAR_Added(), 0);
    EXPECT_EQ(config.GetInstrumentPath(CTD_56PLUS_CORVANE), m_path);
}

// Modify... edits a fixed sensor's calibration; Select... on a voltage input
// puts the chosen sensor on it, within the limits counted over the sheet's
// sensors.
TEST_F(Corvane56PlusSheetTest, SelectingAVoltageSensor) {
    Run(nullptr, IDCANCEL, [this](CFormDialog& sheet) {
        ASSERT_TRUE(SetValue(sheet, "sensors", 0));
        CScriptedForms calibration({[](CFormDialog& dialog) {
            TypeText(dialog, "serialNumber", "T-1");
            Press(dialog, "ok");
        }});
        ASSERT_TRUE(Press(sheet, "modify"));
        EXPECT_EQ(InstrumentOf(sheet).GetDefaultSensors().GetAt(0)->GetSerialNum(), "T-1");
        EXPECT_EQ(InstrumentOf(sheet).GetSensor(0).GetSerialNum(), "T-1");
        // A free input has no calibration.
        ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow + 2));
        EXPECT_FALSE(sheet.At("modify").enabled);
        CScriptedForms chooser({Choose({"Altimeter"}), Pressing("cancel"), Choose({"Altimeter"})});
        ASSERT_TRUE(Press(sheet, "select"));
        EXPECT_EQ(sheet.At("sensors").rows[kVoltageRow + 2][1].text, "Altimeter");
        EXPECT_TRUE(sheet.At("modify").enabled);
        // A second one is more than the instrument may carry.
        ASSERT_TRUE(SetValue(sheet, "sensors", kVoltageRow + 3));
        ASSERT_TRUE(Press(sheet, "select"));
        EXPECT_NE(sheet.At("sensors").rows[kVoltageRow + 3][1].text, "Altimeter");
        EXPECT_EQ(Captions(), std::vector<std::string>{"Cannot Select Sensor"});
    });
}

// The WET Labs triplet's sensors are chosen as WET Labs serial channels, on
// the port that holds them behind the first port's sensors; the surface PAR
// sensor's calibration is kept by the instrument.
TEST_F(Corvane56PlusSheetTest, SerialSensorsAndTheSurfaceParCalibration) {
    config.m_bAskToSave = 0;
    Run("56plus-wavecap.xmlcon", IDOK, [](CFormDialog& sheet) {
        ASSERT_TRUE(PickChoice(sheet, "serialSensor1", "GTD-DO"));
        ASSERT_TRUE(PickChoice(sheet, "serialSensor2", "WET Labs"));
        ASSERT_TRUE(PickChoice(sheet, "storage1", "Serial sensor data in separate .txt file."));
        EXPECT_FALSE(sheet.At("selectSerial2").enabled);
        ASSERT_TRUE(SetValue(sheet, "serialSensors2", 1));
        CScriptedForms dialogs({Choose({"Fluorometers", "Fluorometer, WET Labs ECO CDOM"}),
                                Pressing("cancel"), [](CFormDialog& spar) {
                                    TypeText(spar, "serialNumber", "SPAR-77");
                                    Press(spar, "ok");
                                }});
        ASSERT_TRUE(Press(sheet, "selectSerial2"));
        EXPECT_EQ(sheet.At("serialSensors2").choices[1], "Fluorometer, WET Labs ECO CDOM");
        ASSERT_TRUE(Press(sheet, "configureSpar"));
        ASSERT_EQ(dialogs.titles.size(), 3u);
        EXPECT_EQ(dialogs.titles[0], "Select New WET Labs Serial Sensor");
        Press(sheet, "leave");
    });
    const std::unique_ptr<C56PlusCTD> saved = Stored();
    EXPECT_EQ(saved->GetSerialChannel(0).type, CVantrelCTD::GTD_DO_ONLY);
    EXPECT_EQ(saved->GetSerialChannel(1).type, CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    ASSERT_EQ(saved->GetSerialSensors(1).GetSize(), 3);
    EXPECT_EQ(saved->GetSerialSensors(1).GetAt(1)->GetSensorID(), 19);
    ASSERT_NE(saved->GetSparSensor(), nullptr);
    EXPECT_EQ(saved->GetSparSensor()->GetSerialNum(), "SPAR-77");
}

}  // namespace
