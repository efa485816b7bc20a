#include "ui/ModelSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "instruments/NimbrelCTD.h"
#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"
#include "ui/ConDlg.h"
#include "ui/ConfigCTD.h"
#include "ui/Corvane56PlusSheet.h"
#include "ui/FormScripts.h"
#include "ui/UiTestSupport.h"

namespace {

using tw_test::ChoiceOf;

std::unique_ptr<CCTD> NewModel(int ctdID) {
    return std::unique_ptr<CCTD>(CreateCTDObject(ctdID));
}

// Enters a value as the user does: typed into an edit, picked in a list, or
// "1" / "0" for a check box.
bool Enter(CFormDialog& dialog, const char* id, const char* text) {
    const SControl* control = dialog.Find(id);
    const bool entered = control == nullptr                 ? false
                         : control->kind == EControl::Edit  ? TypeText(dialog, id, text)
                         : control->kind == EControl::Check ? SetValue(dialog, id, *text == '1')
                                                            : PickChoice(dialog, id, text);
    EXPECT_TRUE(entered) << id << " = " << text;
    return entered;
}

// The configuration dialog of a model (the 56plus: its sheet), initialised
// on the remembered path (none: a new configuration) and driven without a
// modal run.
struct CHost {
    explicit CHost(int ctdID, const CString& path = CString()) {
        config.SetInstrumentPath(ctdID, path);
        dialog = ctdID == CTD_56PLUS_CORVANE ? std::make_unique<CCorvane56PlusSheet>(config)
                                             : std::make_unique<CConDlg>(config, ctdID);
        dialog->Initialise();
    }
    CConDlg& operator*() { return *dialog; }
    CConDlg* operator->() { return dialog.get(); }
    CConfigCTD config;
    std::unique_ptr<CConDlg> dialog;
};

// The report lines of the instrument's settings and channels, without the
// sensors' coefficients.
std::vector<std::string> SettingsReport(const CCTD& ctd) {
    std::ostringstream report;
    ctd.Report(report, "", 0);
    std::istringstream lines(report.str());
    std::vector<std::string> kept;
    bool body = false;
    for (std::string line; std::getline(lines, line);) {
        if (body && !line.empty() && line[0] != ' ') {
            kept.push_back(line);
        }
        body = body || line.rfind("---", 0) == 0;
    }
    return kept;
}

// The texts of the messages shown, and that each was an input error.
class ModelSettingsTest : public tw_test::CUiTest {
  protected:
    // Stores the dialog's controls as Report... does; false when a value is
    // refused.
    bool Store(CConDlg& dialog) {
        const size_t before = reports.size();
        Press(dialog, ConDlgIds::kReport);
        return reports.size() > before;
    }
    std::vector<std::string> InputErrors() const {
        std::vector<std::string> texts;
        for (const tw_test::SShownMessage& message : shown) {
            EXPECT_EQ(message.caption, "Input Error");
            texts.push_back(message.text);
        }
        return texts;
    }
};

}  // namespace

// Every example configuration of a model with a dialog opens into its
// controls and goes back unchanged: each setting shows the instrument's
// value and stores it, and leaving asks nothing. Only the models that the
// legacy format cannot hold (no .con example) keep to .xmlcon.
TEST_F(ModelSettingsTest, ExamplesGoThroughTheirControlsUnchanged) {
    std::map<int, std::pair<bool, bool>> formats;  // by model: a .con example, XML only
    for (const auto& entry : std::filesystem::directory_iterator(tw_test::ExamplePath(""))) {
        const std::string path = entry.path().string();
        const std::string name = entry.path().filename().string();
        const std::string extension = entry.path().extension().string();
        const int ctdID = ReadCTDID(path.c_str());
        if ((extension != ".xmlcon" && extension != ".con") ||
            (ctdID != CTD_56PLUS_CORVANE && !MakeModelSettings(ctdID))) {
            continue;
        }
        SCOPED_TRACE(path);
        const std::unique_ptr<CCTD> original = tw_test::Stored(path.c_str());
        CHost host(ctdID, path.c_str());
        EXPECT_EQ(host->At(ConDlgIds::kStatus).label,
                  ("Configuration file opened: " + name).c_str());
        EXPECT_FALSE(host->Modified());
        EXPECT_TRUE(Store(*host));
        EXPECT_TRUE(CTD_ObjectsEqual(&host->Instrument(), original.get()));
        Press(*host, ConDlgIds::kLeave);
        EXPECT_EQ(host->Result(), IDOK);
        formats[ctdID].first |= extension == ".con";
        formats[ctdID].second = host->Settings()->XmlOnly();
    }
    EXPECT_EQ(formats.size(), 15u);
    for (const auto& [ctdID, format] : formats) {
        EXPECT_EQ(format.second, !format.first) << ctdID;
    }
}

// Every setting of every model (the 56plus: of its sheet), changed alone on
// a new configuration: the other state of a check box, each other choice of
// a list, and in an edit a number beyond any limit, then the highest its
// refusal allows. The other controls follow at once ("~": what changed in
// them), and so does the grid with the channels the choice gives, but
// nothing reaches the instrument before the dialog stores its controls;
// once stored, the report's lines that changed tell the effect, or the
// message under "Input Error" why it was refused (the instrument then stays
// as it was). The effects are compared with the committed
// SettingEffects.txt.
TEST_F(ModelSettingsTest, EverySettingReachesTheModelOnlyWhenStored) {
    std::ostringstream out;
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        if (!MakeModelSettings(ctdID) && ctdID != CTD_56PLUS_CORVANE) {
            continue;
        }
        const std::unique_ptr<CCTD> fresh = NewModel(ctdID);
        const std::vector<std::string> before = SettingsReport(*fresh);
        out << "== " << fresh->GetCTD_Name() << '\n';
        const CHost layout(ctdID);
        for (const SControl& control : layout.dialog->controls) {
            std::vector<std::string> entries;
            if (!control.enabled || !control.visible || control.kind == EControl::Grid) {
                continue;
            } else if (control.kind == EControl::Check) {
                entries.push_back(control.value ? "0" : "1");
            } else if (control.kind == EControl::Edit) {
                entries.push_back("1e9");
            } else if (control.kind == EControl::Combo || control.kind == EControl::Radio) {
                for (int choice = 0; choice < static_cast<int>(control.choices.size()); ++choice) {
                    if (choice != control.value) {
                        entries.push_back(control.choices[choice].str());
                    }
                }
            }
            for (size_t entry = 0; entry < entries.size(); ++entry) {
                SCOPED_TRACE(control.id + " = " + entries[entry]);
                out << control.id << " = " << entries[entry] << '\n';
                CHost host(ctdID);
                shown.clear();
                Enter(*host, control.id.c_str(), entries[entry].c_str());
                EXPECT_TRUE(host->Modified());
                EXPECT_TRUE(CTD_ObjectsEqual(&host->Instrument(), fresh.get()));
                for (size_t i = 0; i < layout.dialog->controls.size(); ++i) {
                    const SControl& was = layout.dialog->controls[i];
                    const SControl& now = host->controls[i];
                    std::ostringstream changed;
                    changed << (now.enabled == was.enabled ? ""
                                : now.enabled              ? " enabled"
                                                           : " disabled");
                    if (now.value != was.value) {
                        changed << " value " << now.value;
                    }
                    if (now.text != was.text) {
                        changed << " \"" << now.text << '"';
                    }
                    for (size_t c = 0; now.choices != was.choices && c < now.choices.size(); ++c) {
                        changed << (c == 0 ? " [" : " / ") << now.choices[c]
                                << (c + 1 == now.choices.size() ? "]" : "");
                    }
                    if (now.id != control.id && now.kind != EControl::Grid &&
                        !changed.str().empty()) {
                        out << "  ~ " << now.id << changed.str() << '\n';
                    }
                }
                // The sheet's grid lists its inputs, whichever are in use.
                const SControl* grid =
                    ctdID == CTD_56PLUS_CORVANE ? nullptr : &host->At(ConDlgIds::kChannels);
                const size_t rows = grid ? grid->rows.size() : 0;
                if (!Store(*host)) {
                    const std::string refusal = InputErrors().at(0);
                    out << "  refused: " << refusal << '\n';
                    EXPECT_TRUE(CTD_ObjectsEqual(&host->Instrument(), fresh.get()));
                    const size_t to = refusal.rfind(" to ");
                    if (entry == 0 && to != std::string::npos) {
                        entries.push_back(refusal.substr(to + 4, refusal.size() - to - 5));
                    }
                    continue;
                }
                EXPECT_TRUE(!grid || host->Instrument().GetNumChannel() == static_cast<int>(rows));
                const std::vector<std::string> after = SettingsReport(host->Instrument());
                for (const std::string& line : before) {
                    if (std::find(after.begin(), after.end(), line) == after.end()) {
                        out << "  - " << line << '\n';
                    }
                }
                for (const std::string& line : after) {
                    if (std::find(before.begin(), before.end(), line) == before.end()) {
                        out << "  + " << line << '\n';
                    }
                }
            }
        }
    }
    tw_test::ExpectCommitted("SettingEffects.txt", out.str());
}

// The controls follow the model's rules (each change alone: the committed
// effects). The two NMEA devices go as a pair; moored mode takes away the
// surface PAR and the gas tension device, and profile mode gives back those
// chosen before.
TEST_F(ModelSettingsTest, DependentControlsFollowTheModelsRules) {
    CHost host(CTD_64V2_VANTREL);
    CConDlg& dialog = *host;
    EXPECT_FALSE(SetValue(dialog, "nmeaToPC", 1));
    ASSERT_TRUE(SetValue(dialog, "nmeaPosition", 1) && SetValue(dialog, "nmeaToDeckUnit", 0));
    EXPECT_EQ(dialog.At("nmeaToPC").value, 1);
    ASSERT_TRUE(Enter(dialog, "surfacePar", "1") && Enter(dialog, "serialSensor", "GTD-DO"));
    ASSERT_TRUE(PickChoice(dialog, "mode", "Moored"));
    EXPECT_EQ(dialog.Shown().GetNumChannel(), 3);
    EXPECT_EQ(dialog.At("surfacePar").value, 0);
    EXPECT_EQ(ChoiceOf(dialog, "serialSensor"), "None");
    ASSERT_TRUE(PickChoice(dialog, "mode", "Profile"));
    EXPECT_EQ(dialog.Shown().GetNumChannel(), 6);
    EXPECT_EQ(ChoiceOf(dialog, "serialSensor"), "GTD-DO");
    ASSERT_TRUE(Store(dialog));
    EXPECT_EQ(dialog.Instrument().GetbNMEA_PC(), 1);
    EXPECT_EQ(dialog.Instrument().GetNumChannel(), 6);

    // A setting waiting for a check box is stored with it; a value refused
    // after another leaves both out.
    CHost nimbrel(CTD_73_NIMBREL);
    ASSERT_TRUE(Enter(*nimbrel, "useMooredLatitude", "1"));
    ASSERT_TRUE(Enter(*nimbrel, "mooredLatitude", "-33.25"));
    ASSERT_TRUE(Store(*nimbrel));
    EXPECT_EQ(dynamic_cast<CNimbrel&>(nimbrel->Instrument()).GetMooredLatitude(), -33.25);
    const std::unique_ptr<CCTD> stored(nimbrel->Instrument().Clone());
    ASSERT_TRUE(Enter(*nimbrel, "sampleInterval", "120"));
    ASSERT_TRUE(Enter(*nimbrel, "mooredPressure", "deep"));
    EXPECT_FALSE(Store(*nimbrel));
    EXPECT_TRUE(CTD_ObjectsEqual(&nimbrel->Instrument(), stored.get()));
    EXPECT_EQ(InputErrors(), std::vector<std::string>{"Deployment pressure must be a number."});
}

// "Data..." of the moored CTDs edits the moored pressure that stands in for a
// missing pressure sensor; its Cancel keeps what was typed from the model.
TEST_F(ModelSettingsTest, DataEditsTheMooredPressureWithoutAPressureSensor) {
    CHost host(CTD_62_VANTREL);
    CScriptedForms forms({[](CFormDialog& d) {
        ASSERT_FALSE(d.At("userTemperature").enabled);
        TypeText(d, "mooredPressure", "20000");
        Press(d, "ok");
        ASSERT_FALSE(d.Ended());
        TypeText(d, "mooredPressure", "150.5");
        SetValue(d, "tempType", 1);
        TypeText(d, "userTemperature", "4.25");
        Press(d, "ok");
    }});
    forms.Then([](CFormDialog& d) {
        TypeText(d, "mooredPressure", "99");
        Press(d, "cancel");
    });
    ASSERT_TRUE(Press(*host, "pressureData"));
    ASSERT_TRUE(Press(*host, "pressureData"));
    EXPECT_EQ(InputErrors(),
              std::vector<std::string>{"Moored pressure must be a number from 0 to 15000."});
    const auto& moored = dynamic_cast<CVantrelMooredCTD&>(host->Instrument());
    EXPECT_EQ(moored.GetdMooredPressure().Get(), 150.5);
    EXPECT_EQ(moored.GetTempType().Get(), 1);
    EXPECT_EQ(moored.GetdUserSuppliedTemp().Get(), 4.25);

    ASSERT_TRUE(PickChoice(*host, "pressureType", "Strain Gauge"));
    EXPECT_FALSE(host->At("pressureData").enabled);
}

// A channel setting of each model that has them, on a configuration whose
// every sensor carries a serial number of its own: changed and changed back
// before storing, it leaves every sensor and the file as they were; changed
// and stored, the sensors of the channels that remain keep theirs.
TEST_F(ModelSettingsTest, ChannelSettingsUndoneLoseNothingAndStoredKeepTheRest) {
    // The model, the settings entered and stored first ("id=text;..."), the
    // setting changed, the text it is changed back to, and how many sensors
    // of the configuration are still on a channel once the change is stored.
    const std::tuple<int, const char*, const char*, const char*, int> kCases[] = {
        {CTD_62_VANTREL, "pressureType=Strain Gauge;externalVoltages=2",
         "pressureType=No Pressure Sensor", "Strain Gauge", 4},
        {CTD_62PLUS_VANTREL, "externalVoltages=1;serialSensor=Temperature, TDW 83",
         "serialSensor=None", "Temperature, TDW 83", 3},
        {CTD_62V2_VANTREL, "pressureType=Strain Gauge;externalVoltages=2", "externalVoltages=0",
         "2", 3},
        {CTD_64_VANTREL, "", "pressureType=Digiquartz with Temp Comp", "Strain Gauge", 2},
        {CTD_64_VANTREL, "externalVoltages=1;surfacePar=1", "surfacePar=0", "1", 4},
        {CTD_64PLUS_VANTREL, "externalVoltages=1;surfacePar=1", "mode=Moored", "Profile", 4},
        {CTD_64V2_VANTREL, "externalVoltages=1;serialSensor=GTD-DO;surfacePar=1", "mode=Moored",
         "Profile", 4},
        {CTD_64V2_VANTREL, "externalVoltages=2", "pressureType=Digiquartz with Temp Comp",
         "Strain Gauge", 4},
        {CTD_71_THERMOSAL, "remoteTemperature=TDW 83", "remoteTemperature=None", "TDW 83", 2},
        {CTD_56_CORVANE, "surfacePar=1", "surfacePar=0", "1", 3},
        {CTD_94_DARTEL, "surfacePar=1", "surfacePar=0", "1", 3},
        {CTD_47_THERMOSAL, "tdw83Added=1", "tdw83Added=0", "1", 2},
        {CTD_812PLUS, "voltageWordsSuppressed=0", "voltageWordsSuppressed=2", "0", 7},
        {CTD_PAYLOAD, "oxygenSensor=1", "oxygenSensor=0", "1", 3},
        {CTD_73_NIMBREL, "pressureSensor=1;oxygenSensor=TDW 68", "oxygenSensor=None", "TDW 68", 3},
        {CTD_73_NIMBREL, "pressureSensor=1;oxygenSensor=TDW 41I", "pressureSensor=0", "1", 3},
    };
    // Enters each "id=text" of the list.
    const auto enter = [](CFormDialog& dialog, const std::string& entries) {
        std::istringstream list(entries);
        for (std::string entry; std::getline(list, entry, ';');) {
            const size_t equals = entry.find('=');
            Enter(dialog, entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str());
        }
    };
    for (const auto& [ctdID, setup, change, back, kept] : kCases) {
        SCOPED_TRACE(std::string(GetCTD_Data(ctdID)->name) + " " + change);
        CHost host(ctdID);
        enter(*host, setup);
        ASSERT_TRUE(Store(*host));
        CCTD& working = host->Instrument();
        for (int channel = 0; channel < working.GetNumChannel(); ++channel) {
            working.GetSensor(channel).SetSerialNum(CString("SN-") +
                                                    std::to_string(channel).c_str());
        }
        const CString path = Path("layout.xmlcon");
        WriteConFile(path, &working);
        CHost opened(ctdID, path);
        const std::unique_ptr<CCTD> original(opened->Instrument().Clone());
        const std::string id = std::string(change).substr(0, std::string(change).find('='));

        enter(*opened, change);
        EXPECT_TRUE(opened->Modified());
        enter(*opened, id + "=" + back);
        EXPECT_FALSE(opened->Modified());
        EXPECT_TRUE(CTD_ObjectsEqual(&opened->Instrument(), original.get()));
        EXPECT_EQ(opened->At(ConDlgIds::kChannels).rows.size(),
                  static_cast<size_t>(original->GetNumChannel()));

        enter(*opened, change);
        ASSERT_TRUE(Store(*opened));
        const CCTD& stored = opened->Instrument();
        int keptSensors = 0;
        for (int channel = 0; channel < stored.GetNumChannel(); ++channel) {
            const CSensor& sensor = stored.GetSensor(channel);
            for (int was = 0; was < original->GetNumChannel(); ++was) {
                const CSensor& before = original->GetSensor(was);
                if (!sensor.GetSerialNum().IsEmpty() &&
                    sensor.GetSerialNum() == before.GetSerialNum()) {
                    EXPECT_TRUE(SensorObjectsEqual(&sensor, &before)) << channel;
                    ++keptSensors;
                }
            }
        }
        EXPECT_EQ(keptSensors, kept);
    }
}
