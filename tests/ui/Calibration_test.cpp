// The calibration dialogs: which form each sensor kind opens, what the form
// shows, and that OK, Cancel, Import and Export change the sensor exactly as
// the user asked.

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
#include "ui/SensorChoice.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

using namespace CalibrationIds;
using DialogButtonIds::kCancel;
using DialogButtonIds::kOk;
using Names = std::vector<std::string>;

const std::set<int> kWithoutDialog = {1, 2, 15, 27, 31, 53, 54};
const std::set<int> kSerialAndDateOnly = {22, 23, 48, 56};
const int kNotImplemented = 69;
const std::string kWarning = " | 48 | ";

class CalibrationTest : public tw_test::CSensorFileTest {
  protected:
    // Every sensor the factory makes that opens a form, with a serial number
    // and a date.
    static std::vector<std::unique_ptr<CSensor>> SensorsWithForms() {
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
};

Names LabelsOf(const CFormDialog& form, std::set<EControl> kinds) {
    Names labels;
    for (const SControl& control : form.controls) {
        if (kinds.contains(control.kind)) {
            labels.push_back(control.label.str());
        }
    }
    return labels;
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

std::string DialogNameOf(CFormDialog& form) {
    return dynamic_cast<CCalibrationForm&>(form).DialogName();
}

// The names of the dialogs that the sensor's dispatch opens, each run by the
// next script.
Names DispatchNames(CSensor* sensor, std::deque<CScriptedForms::Script> scripts = {{}}) {
    Names names;
    for (CScriptedForms::Script& script : scripts) {
        script = [&names, script](CFormDialog& form) {
            names.push_back(DialogNameOf(form));
            if (script) {
                script(form);
            }
        };
    }
    CScriptedForms forms(std::move(scripts));
    DisplaySensorDialog(sensor, 0);
    return names;
}

TEST_F(CalibrationTest, EverySensorKindOpensItsFormNothingOrTheNotImplementedMessage) {
    const Names fixedFields = {"Serial number", "Calibration date"};
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (!sensor) {
            continue;
        }
        SCOPED_TRACE(id);
        const std::size_t messages = shown.size();
        Names fields;
        CScriptedForms forms({[&](CFormDialog& form) {
            fields = LabelsOf(form, {EControl::Edit, EControl::Check, EControl::Combo});
            EXPECT_EQ(LabelsOf(form, {EControl::Button}),
                      (Names{"Import", "Export", "OK", "Cancel"}));
            EXPECT_TRUE(form.At(kOk).isDefault && form.At(kCancel).isCancel);
            EXPECT_EQ(DialogNameOf(form) == "NoCoeffCalDlg", kSerialAndDateOnly.contains(id));
        }});
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDCANCEL);
        EXPECT_EQ(shown.size() - messages, id == kNotImplemented ? 1u : 0u);
        if (kWithoutDialog.contains(id) || id == kNotImplemented) {
            EXPECT_TRUE(forms.titles.empty());
            continue;
        }
        EXPECT_EQ(forms.titles,
                  std::vector<CString>{sensor->GetSensorName() + " Calibration Coefficients"});
        ASSERT_GE(fields.size(), 2u);
        EXPECT_EQ(Names(fields.begin(), fields.begin() + 2), fixedFields);
        EXPECT_EQ(fields.size() == 2, kSerialAndDateOnly.contains(id));
    }
    EXPECT_EQ(shown,
              Names{"Fluorometer, Seapoint Ultraviolet Calibration Coefficients | 64 | "
                    "Fluorometer, Seapoint Ultraviolet calibration is not yet implemented."});
}

TEST_F(CalibrationTest, SensorKindsThatShareADialog) {
    const std::vector<std::pair<std::vector<int>, std::string>> shared = {
        {{38, 65, 66}, "OxTDW_CalDlg"},
        {{43, 77, 78}, "pH_CalDlg"},
        {{67, 70, 73, 74, 75}, "WetlabECO_SeaOWL_CalDlg"},
        {{3}, "CondCalDlg"},
        {{55}, "TempTDW2CalDlg"},
        {{71}, "TransWetlabCStarCalDlg"},
    };
    for (const auto& [ids, name] : shared) {
        for (int id : ids) {
            std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
            EXPECT_EQ(DispatchNames(sensor.get()), Names{name}) << id;
        }
    }
}

TEST_F(CalibrationTest, OkKeepsCancelRestoresAndATypedCoefficientIsTaken) {
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        SCOPED_TRACE(sensor->GetSensorID());
        const std::unique_ptr<CSensor> before = CloneSensor(*sensor);
        std::string first;
        std::string shownAfter;
        CScriptedForms forms({
            [](CFormDialog& form) { Press(form, kOk); },
            [&](CFormDialog& form) {
                first = FirstCoefficientEdit(form);
                TypeText(form, kSerialNumber, "other");
                TypeText(form, first, "7");
                Press(form, kCancel);
            },
            [&](CFormDialog& form) {
                TypeText(form, first, "7");
                Press(form, kOk);
            },
            [&](CFormDialog& form) {
                shownAfter = form.At(first.empty() ? kSerialNumber : first).text.str();
            },
        });
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
        EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDCANCEL);
        EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
        DisplaySensorDialog(sensor.get(), 0);
        double value = 0.0;
        if (!first.empty()) {
            EXPECT_TRUE(TDWXML::detail::ParseDouble(shownAfter, &value)) << first;
            EXPECT_EQ(value, 7.0) << first;
        }
        EXPECT_TRUE(shown.empty());
    }
}

TEST_F(CalibrationTest, PhShowsItsFieldsAsTheSensorWritesThem) {
    CpH_Sensor sensor;
    sensor.SetSlope(4.25);
    CScriptedForms forms({[&](CFormDialog& form) {
        EXPECT_EQ(LabelsOf(form, {EControl::Edit}),
                  (Names{"Serial number", "Calibration date", "Slope", "Offset"}));
        EXPECT_EQ(form.At("Slope").text, "4.2500");
    }});
    EXPECT_EQ(pH_CalDlg(&sensor), IDCANCEL);
    EXPECT_EQ(forms.titles, std::vector<CString>{"pH Calibration Coefficients"});
}

TEST_F(CalibrationTest, AValueTheFieldCannotHoldKeepsTheFormOpenWithAMessageNamingIt) {
    CpH_Sensor sensor;
    sensor.SetSlope(1.23456789);  // finer than the form shows
    std::unique_ptr<CSensor> cyclops(CreateSensorObject(68));
    const std::unique_ptr<CSensor> cyclopsBefore = CloneSensor(*cyclops);
    CCondSensor cond;
    CScriptedForms forms({
        [](CFormDialog& form) { Press(form, kOk); },
        [](CFormDialog& form) {
            TypeText(form, "Slope", "1.5x");
            Press(form, kOk);
            EXPECT_FALSE(form.Ended());
            TypeText(form, "Slope", "1.4");
            Press(form, kOk);
        },
        [](CFormDialog& form) {
            TypeText(form, "MeasuredParameter", "2.5");
            Press(form, kOk);
        },
        [](CFormDialog& form) {
            TypeText(form, "Coefficients[equation=1].CPcor", "");
            Press(form, kOk);
        },
    });
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(sensor.GetSlope(), 1.23456789);  // untouched, nothing is lost
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(sensor.GetSlope(), 1.4);
    EXPECT_EQ(DisplaySensorDialog(cyclops.get(), 0), IDCANCEL);
    EXPECT_TRUE(SensorObjectsEqual(cyclops.get(), cyclopsBefore.get()));
    DisplaySensorDialog(&cond, 0);
    EXPECT_EQ(shown,
              (Names{"pH Calibration Coefficients" + kWarning + "Slope: \"1.5x\" is not a number.",
                     "Fluorometer, Turner Cyclops Calibration Coefficients" + kWarning +
                         "MeasuredParameter: \"2.5\" is not a whole number.",
                     "Conductivity Calibration Coefficients" + kWarning +
                         "CPcor in Coefficients (equation 1): \"\" is not a number."}));
}

TEST_F(CalibrationTest, ADateHeldAsATimeValueTakesOnlyADate) {
    CpH_Sensor sensor;
    sensor.SetbUseStrDate(0);
    CScriptedForms forms({[](CFormDialog& form) {
        EXPECT_EQ(form.At(kCalibrationDate).text, "01/01/1990");
        TypeText(form, kCalibrationDate, "soon");
        Press(form, kOk);
        EXPECT_FALSE(form.Ended());
        TypeText(form, kCalibrationDate, "2024-03-12");
        Press(form, kOk);
    }});
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(sensor.GetCalDate(), "03/12/2024");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("Calibration date" + kWarning + "'soon' is not a date.", 0), 0u);
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
    const auto ok = [](CFormDialog& form) { Press(form, kOk); };
    EXPECT_EQ(DispatchNames(
                  &cond, {switchTo(0, "G", "5"), switchTo(1, "A", "3"), switchTo(0, "H", "2"), ok}),
              (Names{"CondCalDlg", "CondOldCalDlg", "CondCalDlg", "CondOldCalDlg"}));
    EXPECT_EQ(cond.GetbUseG_J(), 0);
    EXPECT_EQ(cond.GetG() + cond.GetA() + cond.GetH(), 10.0);

    // A type 1 cell has its own form, with WBOTC and without the switch.
    cond.SetConductivityType(1);
    EXPECT_EQ(DispatchNames(&cond, {[&](CFormDialog& form) {
                  absent("UseG_J")(form);
                  TypeText(form, "WBOTC", "0.25");
                  ok(form);
              }}),
              Names{"CondType1CalDlg"});
    EXPECT_EQ(cond.GetWBOTC(), 0.25);

    CTempTDW2Sensor temperature;
    EXPECT_EQ(DispatchNames(&temperature, {switchTo(0, "F0", "2000"),
                                           [&](CFormDialog& form) {
                                               absent("F0")(form);
                                               TypeText(form, "F0_Old", "2500");
                                               ok(form);
                                           }}),
              (Names{"TempTDW2CalDlg", "TempTDW2OldCalDlg"}));
    EXPECT_EQ(temperature.GetbUseG_J(), 0);
    EXPECT_EQ(temperature.GetF0() + temperature.GetF0_Old(), 4500.0);
}

TEST_F(CalibrationTest, ExportThenImportGivesAnEqualSensor) {
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        SCOPED_TRACE(sensor->GetSensorID());
        const CString path = Path("sensor.XML").c_str();
        std::unique_ptr<CSensor> fresh(CreateSensorObject(sensor->GetSensorID()));
        std::string serialShown;
        CScriptedFileDialog files({path, path});
        CScriptedForms forms({
            [](CFormDialog& form) { Press(form, kExport); },
            [&](CFormDialog& form) {
                Press(form, kImport);
                serialShown = form.At(kSerialNumber).text.str();
                Press(form, kOk);
            },
        });
        DisplaySensorDialog(sensor.get(), 0);
        EXPECT_EQ(DisplaySensorDialog(fresh.get(), 0), IDOK);
        EXPECT_EQ(serialShown, "SN-17");
        EXPECT_TRUE(SensorObjectsEqual(fresh.get(), sensor.get()));
        EXPECT_EQ(files.requests.size(), 2u);
        EXPECT_TRUE(shown.empty());
    }
}

// A choice offers one text per value the sensor takes, and a choice or
// check box changed reaches the sensor.
TEST_F(CalibrationTest, ChoicesAndCheckBoxesReachTheSensor) {
    int combos = 0;
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        SCOPED_TRACE(sensor->GetSensorID());
        const char* tag = GetSensorData(sensor->GetSensorID())->xmlTag;
        const std::string text = tw_test::WriteObject(tag, *sensor);
        const auto readsWith = [&](const std::string& element, std::size_t value) {
            const std::size_t at = text.find("<" + element + ">") + element.size() + 2;
            const std::unique_ptr<CSensor> probe = CloneSensor(*sensor);
            return tw_test::ReadObject(
                       text.substr(0, at) + std::to_string(value) + text.substr(text.find('<', at)),
                       tag, *probe) == 0;
        };
        std::vector<std::pair<std::string, int>> changed;
        CScriptedForms forms({
            [&](CFormDialog& form) {
                for (const SControl& control : form.controls) {
                    if (control.kind == EControl::Combo) {
                        ++combos;
                        EXPECT_TRUE(readsWith(control.id, control.choices.size() - 1));
                        EXPECT_FALSE(readsWith(control.id, control.choices.size()));
                    }
                    if ((control.kind == EControl::Combo || control.kind == EControl::Check) &&
                        control.id != "UseG_J") {
                        const int other = control.value == 0 ? 1 : 0;
                        changed.emplace_back(control.id, other);
                    }
                }
                for (const auto& [id, value] : changed) {
                    SetValue(form, id, value);
                }
                Press(form, kOk);
            },
            [&](CFormDialog& form) {
                for (const auto& [id, value] : changed) {
                    EXPECT_EQ(form.At(id).value, value) << id;
                }
            },
        });
        DisplaySensorDialog(sensor.get(), 0);
        DisplaySensorDialog(sensor.get(), 0);
    }
    EXPECT_EQ(combos, 13);
}

TEST_F(CalibrationTest, CalibrateSensorTellsTheCStarItsWetLabsSerialChannel) {
    C64V2VantrelCTD ctd;
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    int serialChannel = 0;
    while (serialChannel < ctd.GetSensorArray().GetSize() &&
           !ctd.IsIndex_WET_Labs_Serial(serialChannel)) {
        ++serialChannel;
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
    // The channel's own sensor is the one edited.
    EXPECT_EQ(CalibrateSensor(ctd, 0), IDOK);
    EXPECT_EQ(ctd.GetSensor(0).GetSerialNum(), "T-1");
    EXPECT_EQ(CalibrateSensor(ctd, ctd.GetSensorArray().GetSize()), IDCANCEL);
}

}  // namespace
