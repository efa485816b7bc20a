// The calibration dialogs: which form each sensor kind opens, what the form
// shows, and that OK, Cancel, Import and Export change the sensor exactly as
// the user asked.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/SensorArray.h"
#include "instruments/Vantrel64V2CTD.h"
#include "platform/FileDialog.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/xml/NumberText.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/TemperatureSensors.h"
#include "support/XmlFixture.h"
#include "ui/CalDlgs.h"
#include "ui/CalibrationFields.h"
#include "ui/CalibrationForm.h"
#include "ui/SensorChoice.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

using namespace CalibrationIds;
using Script = CScriptedForms::Script;

const std::set<int> kWithoutDialog = {1, 2, 15, 27, 31, 53, 54};
const std::set<int> kSerialAndDateOnly = {22, 23, 48, 56};
const int kNotImplemented = 69;

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

std::vector<std::string> LabelsOf(const CFormDialog& form, EControl kind) {
    std::vector<std::string> labels;
    for (const SControl& control : form.controls) {
        if (control.kind == kind) {
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

const char* DialogNameOf(CFormDialog& form) {
    return dynamic_cast<CCalibrationForm&>(form).DialogName();
}

double NumberIn(const CFormDialog& form, const std::string& id) {
    double value = 0.0;
    EXPECT_TRUE(TDWXML::detail::ParseDouble(form.At(id).text.str(), &value)) << id;
    return value;
}

TEST_F(CalibrationTest, EverySensorKindOpensItsFormNothingOrTheNotImplementedMessage) {
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (!sensor) {
            continue;
        }
        SCOPED_TRACE(id);
        shown.clear();
        std::vector<std::string> fields;
        const char* dialogName = nullptr;
        CScriptedForms forms({[&](CFormDialog& form) {
            dialogName = DialogNameOf(form);
            for (const SControl& control : form.controls) {
                if (control.kind != EControl::Label && control.kind != EControl::Button) {
                    fields.push_back(control.label.str());
                }
            }
            EXPECT_EQ(LabelsOf(form, EControl::Button),
                      (std::vector<std::string>{"Import", "Export", "OK", "Cancel"}));
            EXPECT_TRUE(form.At(kOK).isDefault && form.At(kCancel).isCancel);
        }});
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDCANCEL);
        if (kWithoutDialog.contains(id)) {
            EXPECT_TRUE(forms.titles.empty());
            EXPECT_TRUE(shown.empty());
            continue;
        }
        if (id == kNotImplemented) {
            EXPECT_TRUE(forms.titles.empty());
            EXPECT_EQ(shown,
                      std::vector<std::string>{
                          "Fluorometer, Seapoint Ultraviolet Calibration Coefficients | 64 | "
                          "Fluorometer, Seapoint Ultraviolet calibration is not yet "
                          "implemented."});
            continue;
        }
        ASSERT_EQ(forms.titles.size(), 1u);
        EXPECT_EQ(forms.titles[0], sensor->GetSensorName() + " Calibration Coefficients");
        EXPECT_TRUE(shown.empty());
        ASSERT_GE(fields.size(), 2u);
        EXPECT_EQ(fields[0], "Serial number");
        EXPECT_EQ(fields[1], "Calibration date");
        EXPECT_EQ(fields.size() == 2, kSerialAndDateOnly.contains(id));
        if (kSerialAndDateOnly.contains(id)) {
            EXPECT_STREQ(dialogName, "NoCoeffCalDlg");
        }
    }
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
            std::string opened;
            CScriptedForms forms({[&](CFormDialog& form) { opened = DialogNameOf(form); }});
            DisplaySensorDialog(sensor.get(), 0);
            EXPECT_EQ(opened, name) << id;
        }
    }
}

TEST_F(CalibrationTest, OkKeepsCancelRestoresAndATypedCoefficientIsTaken) {
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        SCOPED_TRACE(sensor->GetSensorID());
        const std::unique_ptr<CSensor> before = CloneSensor(*sensor);
        std::string first;
        {
            CScriptedForms forms({
                [](CFormDialog& form) { Press(form, kOK); },
                [&](CFormDialog& form) {
                    first = FirstCoefficientEdit(form);
                    TypeText(form, kSerialNumber, "other");
                    if (!first.empty()) {
                        TypeText(form, first, "7");
                    }
                    Press(form, kCancel);
                },
            });
            EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
            EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
            EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDCANCEL);
            EXPECT_TRUE(SensorObjectsEqual(sensor.get(), before.get()));
            EXPECT_TRUE(shown.empty());
        }
        if (first.empty()) {
            continue;
        }
        double shownAfter = 0.0;
        CScriptedForms forms({
            [&](CFormDialog& form) {
                TypeText(form, first, "7");
                Press(form, kOK);
                EXPECT_TRUE(form.Ended());
            },
            [&](CFormDialog& form) { shownAfter = NumberIn(form, first); },
        });
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDOK);
        EXPECT_EQ(DisplaySensorDialog(sensor.get(), 0), IDCANCEL);
        EXPECT_EQ(shownAfter, 7.0) << first;
    }
}

TEST_F(CalibrationTest, PhShowsItsFieldsAsTheSensorWritesThem) {
    CpH_Sensor sensor;
    sensor.SetSlope(4.25);
    SControl slope;
    std::vector<std::string> fields;
    CScriptedForms forms({[&](CFormDialog& form) {
        fields = LabelsOf(form, EControl::Edit);
        slope = form.At("Slope");
    }});
    EXPECT_EQ(pH_CalDlg(&sensor), IDCANCEL);
    EXPECT_EQ(fields,
              (std::vector<std::string>{"Serial number", "Calibration date", "Slope", "Offset"}));
    EXPECT_EQ(slope.text, "4.2500");
    EXPECT_EQ(forms.titles, std::vector<CString>{"pH Calibration Coefficients"});
}

TEST_F(CalibrationTest, ANonNumberKeepsTheFormOpenWithAMessageNamingTheField) {
    CpH_Sensor sensor;
    sensor.SetSlope(1.23456789);  // finer than the form shows
    const CpH_Sensor before = sensor;
    CScriptedForms forms({[&](CFormDialog& form) {
        TypeText(form, "Slope", "1.5x");
        Press(form, kOK);
        EXPECT_FALSE(form.Ended());
        TypeText(form, "Slope", "1.4");
        Press(form, kOK);
        EXPECT_TRUE(form.Ended());
    }});
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(shown, std::vector<std::string>{
                         "pH Calibration Coefficients | 48 | Slope: \"1.5x\" is not a number."});
    EXPECT_EQ(sensor.GetSlope(), 1.4);

    // An integer wants a whole number; a group's field is named with its group.
    std::unique_ptr<CSensor> cyclops(CreateSensorObject(68));
    shown.clear();
    CScriptedForms more({
        [](CFormDialog& form) {
            TypeText(form, "MeasuredParameter", "2.5");
            Press(form, kOK);
        },
        [](CFormDialog& form) {
            TypeText(form, "Coefficients[equation=1].CPcor", "");
            Press(form, kOK);
        },
    });
    DisplaySensorDialog(cyclops.get(), 0);
    CCondSensor cond;
    DisplaySensorDialog(&cond, 0);
    EXPECT_EQ(shown,
              (std::vector<std::string>{
                  "Fluorometer, Turner Cyclops Calibration Coefficients | 48 | MeasuredParameter: "
                  "\"2.5\" is not a whole number.",
                  "Conductivity Calibration Coefficients | 48 | CPcor in Coefficients (equation "
                  "1): \"\" is not a number."}));
    EXPECT_TRUE(
        SensorObjectsEqual(cyclops.get(), std::unique_ptr<CSensor>(CreateSensorObject(68)).get()));
}

TEST_F(CalibrationTest, OkWithoutChangesKeepsValuesFinerThanTheFormShows) {
    CpH_Sensor sensor;
    sensor.SetSlope(1.23456789);
    const CpH_Sensor before = sensor;
    CScriptedForms forms({[](CFormDialog& form) { Press(form, kOK); }});
    EXPECT_EQ(pH_CalDlg(&sensor), IDOK);
    EXPECT_EQ(sensor.GetSlope(), before.GetSlope());
}

TEST_F(CalibrationTest, SwitchingTheConductivitySetOpensTheOtherFormUntilItStays) {
    CCondSensor sensor;
    const CCondSensor before = sensor;
    std::vector<std::string> names;
    const auto record = [&](CFormDialog& form) { names.push_back(DialogNameOf(form)); };
    {
        // Switched, then cancelled: nothing changes.
        CScriptedForms forms({
            [&](CFormDialog& form) {
                record(form);
                EXPECT_EQ(form.Find("A"), nullptr);
                TypeText(form, "G", "5");
                SetValue(form, "UseG_J", 0);
            },
            [&](CFormDialog& form) {
                record(form);
                EXPECT_EQ(form.Find("G"), nullptr);
            },
        });
        EXPECT_EQ(DisplaySensorDialog(&sensor, 0), IDCANCEL);
        EXPECT_TRUE(sensor == before);
    }
    CScriptedForms forms({
        [&](CFormDialog& form) {
            record(form);
            TypeText(form, "G", "5");
            SetValue(form, "UseG_J", 0);
        },
        [&](CFormDialog& form) {
            record(form);
            TypeText(form, "A", "3");
            SetValue(form, "UseG_J", 1);
        },
        [&](CFormDialog& form) {
            record(form);
            SetValue(form, "UseG_J", 0);
        },
        [&](CFormDialog& form) {
            record(form);
            Press(form, kOK);
        },
    });
    EXPECT_EQ(DisplaySensorDialog(&sensor, 0), IDOK);
    EXPECT_EQ(names, (std::vector<std::string>{"CondCalDlg", "CondOldCalDlg", "CondCalDlg",
                                               "CondOldCalDlg", "CondCalDlg", "CondOldCalDlg"}));
    EXPECT_EQ(sensor.GetbUseG_J(), 0);
    EXPECT_EQ(sensor.GetG(), 5.0);
    EXPECT_EQ(sensor.GetA(), 3.0);

    // The type 1 cell has its own form, with WBOTC and without the switch.
    sensor.SetConductivityType(1);
    names.clear();
    CScriptedForms type1({[&](CFormDialog& form) {
        record(form);
        EXPECT_EQ(form.Find("UseG_J"), nullptr);
        TypeText(form, "WBOTC", "0.25");
        Press(form, kOK);
    }});
    EXPECT_EQ(DisplaySensorDialog(&sensor, 0), IDOK);
    EXPECT_EQ(names, std::vector<std::string>{"CondType1CalDlg"});
    EXPECT_EQ(sensor.GetWBOTC(), 0.25);
}

TEST_F(CalibrationTest, SwitchingTheTemperatureSetOpensTheOtherForm) {
    CTempTDW2Sensor sensor;
    std::vector<std::string> names;
    CScriptedForms forms({
        [&](CFormDialog& form) {
            names.push_back(DialogNameOf(form));
            EXPECT_NE(form.Find("F0"), nullptr);
            EXPECT_EQ(form.Find("F0_Old"), nullptr);
            SetValue(form, "UseG_J", 0);
        },
        [&](CFormDialog& form) {
            names.push_back(DialogNameOf(form));
            TypeText(form, "F0_Old", "2500");
            Press(form, kOK);
        },
    });
    EXPECT_EQ(DisplaySensorDialog(&sensor, 0), IDOK);
    EXPECT_EQ(names, (std::vector<std::string>{"TempTDW2CalDlg", "TempTDW2OldCalDlg"}));
    EXPECT_EQ(sensor.GetbUseG_J(), 0);
    EXPECT_EQ(sensor.GetF0_Old(), 2500.0);
}

TEST_F(CalibrationTest, ExportThenImportGivesAnEqualSensor) {
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        SCOPED_TRACE(sensor->GetSensorID());
        const std::string path = Path("sensor.XML");
        std::unique_ptr<CSensor> fresh(CreateSensorObject(sensor->GetSensorID()));
        std::string serialShown;
        CScriptedFileDialog files({CString(path), CString(path)});
        CScriptedForms forms({
            [](CFormDialog& form) { Press(form, kExport); },
            [&](CFormDialog& form) {
                Press(form, kImport);
                serialShown = form.At(kSerialNumber).text.str();
                Press(form, kOK);
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

TEST_F(CalibrationTest, ChoicesHoldOneTextPerValueTheSensorTakes) {
    int combos = 0;
    for (const std::unique_ptr<CSensor>& sensor : SensorsWithForms()) {
        CScriptedForms forms({[&](CFormDialog& form) {
            for (const SControl& control : form.controls) {
                if (control.kind != EControl::Combo) {
                    continue;
                }
                ++combos;
                const std::string text =
                    tw_test::WriteObject(GetSensorData(sensor->GetSensorID())->xmlTag, *sensor);
                const std::string open = "<" + control.id + ">";
                const std::size_t at = text.find(open) + open.size();
                const std::size_t end = text.find('<', at);
                const auto withValue = [&](std::size_t value) {
                    return text.substr(0, at) + std::to_string(value) + text.substr(end);
                };
                const std::unique_ptr<CSensor> probe = CloneSensor(*sensor);
                const char* tag = GetSensorData(sensor->GetSensorID())->xmlTag;
                EXPECT_EQ(tw_test::ReadObject(withValue(control.choices.size() - 1), tag, *probe),
                          0)
                    << control.id;
                EXPECT_NE(tw_test::ReadObject(withValue(control.choices.size()), tag, *probe), 0)
                    << control.id;
            }
        }});
        DisplaySensorDialog(sensor.get(), 0);
    }
    EXPECT_EQ(combos, 13);
}

TEST_F(CalibrationTest, CalibrateSensorTellsTheCStarItsWetLabsSerialChannel) {
    C64V2VantrelCTD ctd;
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    int serialChannel = -1;
    for (int i = 0; i < ctd.GetSensorArray().GetSize() && serialChannel < 0; ++i) {
        serialChannel = ctd.IsIndex_WET_Labs_Serial(i) ? i : -1;
    }
    ASSERT_GE(serialChannel, 0);
    ctd.ReplaceSensor(serialChannel, CreateSensorObject(71));
    std::vector<bool> notes;
    CScriptedForms forms({
        [&](CFormDialog& form) { notes.push_back(form.Find("note") != nullptr); },
        [&](CFormDialog& form) { notes.push_back(form.Find("note") != nullptr); },
    });
    CalibrateSensor(ctd, serialChannel);
    std::unique_ptr<CSensor> elsewhere(CreateSensorObject(71));
    DisplaySensorDialog(elsewhere.get(), 0);
    EXPECT_EQ(notes, (std::vector<bool>{true, false}));

    // The channel's own sensor is the one edited.
    CScriptedForms edit({[](CFormDialog& form) {
        TypeText(form, kSerialNumber, "T-1");
        Press(form, kOK);
    }});
    EXPECT_EQ(CalibrateSensor(ctd, 0), IDOK);
    EXPECT_EQ(ctd.GetSensor(0).GetSerialNum(), "T-1");
    EXPECT_EQ(CalibrateSensor(ctd, ctd.GetSensorArray().GetSize()), IDCANCEL);
}

}  // namespace
