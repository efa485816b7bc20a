// The calibration dialogs: OK, Cancel, Import and Export change the sensor
// exactly as the user asked. (Which form each sensor kind opens, and what it
// shows: DialogLayouts.txt.)

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/SensorArray.h"
#include "instruments/Vantrel64V2CTD.h"
#include "platform/FileDialog.h"
#include "platform/Form.h"
#include "platform/xml/NumberText.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/TemperatureSensors.h"
#include "support/XmlFixture.h"
#include "ui/CalDlgs.h"
#include "ui/CalibrationForm.h"
#include "ui/DialogButtons.h"
#include "ui/FormScripts.h"
#include "ui/SensorChoice.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

using namespace CalibrationIds;
using DialogButtonIds::kCancel;
using DialogButtonIds::kOk;
using Names = std::vector<std::string>;
using tw_test::Pressing;

const std::set<int> kWithoutDialog = {1, 2, 15, 27, 31, 53, 54};
const int kNotImplemented = 69;
const std::string kWarning = " | 48 | ";

using CalibrationTest = tw_test::CSensorFileTest;

// Every sensor the factory makes that opens a form, with a serial number and
// a date.
std::vector<std::unique_ptr<CSensor>> SensorsWithForms() {
    std::vector<std::unique_ptr<CSensor>> sensors;
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (sensor && !kWithoutDialog.contains(id) && id != kNotImplemented) {
            sensor->SetSerialNum("SN-17");
            sensor->SetCalDate("12-Mar-24");
            sensors.push_back(std::move(sensor));
        }
    }
    return sensors;
}

// The first coefficient the user can type into; empty when there is none.
std::string FirstCoefficientEdit(const CFormDialog& form) {
    for (const SControl& control : form.controls) {
        if (control.kind == EControl::Edit && !control.readOnly && control.id != kSerialNumber &&
            control.id != kCalibrationDate) {
            return control.id;
        }
    }
    return "";
}

// The names of the dialogs that the sensor's dispatch opens, each run by the
// next script.
Names DispatchNames(CSensor* sensor, std::deque<CScriptedForms::Script> scripts = {{}}) {
    Names names;
    for (CScriptedForms::Script& script : scripts) {
        script = [&names, script](CFormDialog& form) {
            names.push_back(dynamic_cast<CCalibrationForm&>(form).DialogName());
            if (script) {
                script(form);
            }
        };
    }
    CScriptedForms forms(std::move(scripts));
    DisplaySensorDialog(sensor, 0);
    return names;
}

// On every form, OK without a change keeps the sensor and Cancel drops what
// was typed; OK takes a typed coefficient and changed choices and check
// boxes; importing the file exported before brings the sensor back.
TEST_F(CalibrationTest, EveryFormKeepsCancelsTakesExportsAndImports) {
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        SCOPED_TRACE(sensor->GetSensorID());
        const std::unique_ptr<CSensor> before = CloneSensor(*sensor);
        std::string first;
        std::vector<std::pair<std::string, int>> changed;
        const CString path = Path("sensor.XML").c_str();
        CScriptedFileDialog files({path, path});
        CScriptedForms forms({
            [&](CFormDialog& form) {
                first = FirstCoefficientEdit(form);
                Press(form, kOk);
            },
            [&](CFormDialog& form) {
                TypeText(form, kSerialNumber, "other");
                TypeText(form, first, "7");
                Press(form, kCancel);
            },
            [&](CFormDialog& form) {
                Press(form, kExport);
                TypeText(form, first, "7");
                for (const SControl& control : form.controls) {
                    if ((control.kind == EControl::Combo || control.kind == EControl::Check) &&
                        control.id != "UseG_J") {
                        changed.emplace_back(control.id, control.value == 0 ? 1 : 0);
                    }
                }
                for (const auto& [control, value] : changed) {
                    SetValue(form, control, value);
                }
                Press(form, kOk);
            },
            [&](CFormDialog& form) {
                double value = 0.0;
                EXPECT_TRUE(first.empty() ||
                            (TDWXML::detail::ParseDouble(form.At(first).text.str(), &value) &&
                             value == 7.0));
                for (const auto& [control, value] : changed) {
                    EXPECT_EQ(form.At(control).value, value) << control;
                }
                Press(form, kImport);
                EXPECT_EQ(form.At(kSerialNumber).text, "SN-17");
                Press(form, kOk);
            },
        });
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
        EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDCANCEL);
        EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
        EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
        EXPECT_EQ(files.requests.size(), 2u);
        EXPECT_TRUE(shown.empty());
    }
}

// The pH form shows its coefficients as the sensor writes them. A value a
// field cannot hold, or a date that is none, keeps the form open with a
// message naming it, and the sensor as it was; a date the sensor holds as a
// time value takes only a date.
TEST_F(CalibrationTest, AValueTheFieldCannotHoldKeepsTheFormOpenWithAMessageNamingIt) {
    CpH_Sensor sensor;
    sensor.SetSlope(1.23456789);  // finer than the form shows
    sensor.SetbUseStrDate(0);
    std::unique_ptr<CSensor> cyclops(CreateSensorObject(68));
    const std::unique_ptr<CSensor> cyclopsBefore = CloneSensor(*cyclops);
    CCondSensor cond;
    const auto typing = [](const char* id, const char* text) {
        return [=](CFormDialog& form) {
            TypeText(form, id, text);
            Press(form, kOk);
        };
    };
    CScriptedForms forms({
        [](CFormDialog& form) {
            EXPECT_EQ(form.At("Slope").text, "1.2346");
            EXPECT_EQ(form.At(kCalibrationDate).text, "01/01/1990");
            Press(form, kOk);
        },
        [&](CFormDialog& form) {
            typing("Slope", "1.5x")(form);
            TypeText(form, "Slope", "1.4");
            typing(kCalibrationDate, "soon")(form);
            EXPECT_FALSE(form.Ended());
            typing(kCalibrationDate, "2024-03-12")(form);
        },
        typing("MeasuredParameter", "2.5"),
        typing("Coefficients[equation=1].CPcor", ""),
    });
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(sensor.GetSlope(), 1.23456789);  // untouched, nothing is lost
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(sensor.GetSlope(), 1.4);
    EXPECT_EQ(sensor.GetCalDate(), "03/12/2024");
    EXPECT_EQ(DisplaySensorDialog(cyclops.get(), 0), IDCANCEL);
    EXPECT_TRUE(SensorObjectsEqual(cyclops.get(), cyclopsBefore.get()));
    DisplaySensorDialog(&cond, 0);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[1].rfind("Calibration date" + kWarning + "'soon' is not a date.", 0), 0u);
    shown.erase(shown.begin() + 1);
    EXPECT_EQ(shown,
              (Names{"pH Calibration Coefficients" + kWarning + "Slope: \"1.5x\" is not a number.",
                     "Fluorometer, Turner Cyclops Calibration Coefficients" + kWarning +
                         "MeasuredParameter: \"2.5\" is not a whole number.",
                     "Conductivity Calibration Coefficients" + kWarning +
                         "CPcor in Coefficients (equation 1): \"\" is not a number."}));
}

TEST_F(CalibrationTest, SwitchingACoefficientSetOpensTheOtherFormUntilTheSwitchStays) {
    CCondSensor cond;
    const auto switchTo = [](int useG_J, const char* tag, const char* value) {
        return [=](CFormDialog& form) {
            TypeText(form, tag, value);
            SetValue(form, "UseG_J", useG_J);
        };
    };
    const auto absent = [](const char* tag) {
        return [=](CFormDialog& form) { EXPECT_EQ(form.Find(tag), nullptr); };
    };
    // Switched, then cancelled: nothing changes.
    EXPECT_EQ(DispatchNames(&cond, {switchTo(0, "G", "5"), absent("G")}),
              (Names{"CondCalDlg", "CondOldCalDlg"}));
    EXPECT_TRUE(cond == CCondSensor());
    EXPECT_EQ(DispatchNames(&cond, {switchTo(0, "G", "5"), switchTo(1, "A", "3"),
                                    switchTo(0, "H", "2"), Pressing(kOk)}),
              (Names{"CondCalDlg", "CondOldCalDlg", "CondCalDlg", "CondOldCalDlg"}));
    EXPECT_EQ(cond.GetbUseG_J(), 0);
    EXPECT_EQ(cond.GetG() + cond.GetA() + cond.GetH(), 10.0);

    // A type 1 cell has its own form, with WBOTC and without the switch.
    cond.SetConductivityType(1);
    EXPECT_EQ(DispatchNames(&cond, {[&](CFormDialog& form) {
                  absent("UseG_J")(form);
                  TypeText(form, "WBOTC", "0.25");
                  Press(form, kOk);
              }}),
              Names{"CondType1CalDlg"});
    EXPECT_EQ(cond.GetWBOTC(), 0.25);

    CTempTDW2Sensor temperature;
    EXPECT_EQ(DispatchNames(&temperature, {switchTo(0, "F0", "2000"),
                                           [&](CFormDialog& form) {
                                               absent("F0")(form);
                                               TypeText(form, "F0_Old", "2500");
                                               Press(form, kOk);
                                           }}),
              (Names{"TempTDW2CalDlg", "TempTDW2OldCalDlg"}));
    EXPECT_EQ(temperature.GetbUseG_J(), 0);
    EXPECT_EQ(temperature.GetF0() + temperature.GetF0_Old(), 4500.0);
}

// The C-Star on a WET Labs serial channel is told so (its form has a note);
// the channel's own sensor is the one edited.
TEST_F(CalibrationTest, CalibrateSensorTellsTheCStarItsWetLabsSerialChannel) {
    C64V2VantrelCTD ctd;
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    int serialChannel = 0;
    for (; serialChannel < ctd.GetSensorArray().GetSize(); ++serialChannel) {
        if (ctd.IsIndex_WET_Labs_Serial(serialChannel)) {
            break;
        }
    }
    ASSERT_LT(serialChannel, ctd.GetSensorArray().GetSize());
    ctd.ReplaceSensor(serialChannel, CreateSensorObject(71));
    std::vector<bool> notes;
    const auto note = [&](CFormDialog& form) { notes.push_back(form.Find("note") != nullptr); };
    CScriptedForms forms({note, note, [](CFormDialog& form) {
                              TypeText(form, kSerialNumber, "T-1");
                              Press(form, kOk);
                          }});
    CalibrateSensor(ctd, serialChannel);
    std::unique_ptr<CSensor> elsewhere(CreateSensorObject(71));
    DisplaySensorDialog(elsewhere.get(), 0);
    EXPECT_EQ(notes, (std::vector<bool>{true, false}));
    EXPECT_EQ(CalibrateSensor(ctd, 0), IDOK);
    EXPECT_EQ(ctd.GetSensor(0).GetSerialNum(), "T-1");
    EXPECT_EQ(CalibrateSensor(ctd, ctd.GetSensorArray().GetSize()), IDCANCEL);
}

}  // namespace
