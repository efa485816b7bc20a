#include "ui/ModelSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/NimbrelCTD.h"
#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"
#include "ui/ConDlg.h"
#include "ui/ConfigCTD.h"
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

// The settings of the instrument's model in a bare dialog, as the
// configuration dialog holds them; counts the grid redraws they ask for.
struct CHost : CFormDialog {
    CHost(CCTD& instrument) : settings(MakeModelSettings(instrument.GetCTD_ID())), ctd(instrument) {
        settings->AddControls(*this);
        settings->WriteControls(ctd, *this);
    }
    void Changed(const std::string& id) override { redraws += settings->Changed(id, *this, ctd); }
    void Command(const std::string& id) override { settings->Command(id, *this, ctd); }

    std::unique_ptr<CModelSettings> settings;
    CCTD& ctd;
    int redraws = 0;
};

// A value entered into the settings of a model, after a check box that
// enables it or changes something besides; the channels after it (0:
// unchanged) and, once stored, its effect on the model or the message that
// refuses it.
struct SChange {
    int ctdID;
    const char* id;
    const char* text;
    int channels;
    std::function<bool(CCTD&)> took = nullptr;
    const char* check = nullptr;
    const char* refusal = nullptr;
};

// The texts of the messages shown, and that each was an input error.
class ModelSettingsTest : public tw_test::CUiTest {
  protected:
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

// Every model but the UCTD and the 56plus has settings; their controls show
// the default instrument (a combo has a choice).
TEST_F(ModelSettingsTest, EveryModelWithAChannelGridHasSettingsThatShowItsDefaults) {
    for (int ctdID = -1; ctdID <= NUM_CTD_IDS; ++ctdID) {
        SCOPED_TRACE(ctdID);
        const std::unique_ptr<CModelSettings> settings = MakeModelSettings(ctdID);
        const bool expected = ctdID >= 0 && ctdID < NUM_CTD_IDS && ctdID != CTD_70420S_UCTD &&
                              ctdID != CTD_56PLUS_CORVANE;
        ASSERT_EQ(settings != nullptr, expected);
        if (!expected) {
            continue;
        }
        const std::unique_ptr<CCTD> ctd = NewModel(ctdID);
        CHost host(*ctd);
        for (const SControl& control : host.controls) {
            if (control.kind == EControl::Combo && control.enabled) {
                EXPECT_GE(control.value, 0) << control.id;
            }
        }
        EXPECT_EQ(settings->SelectAndModify(), ctdID != CTD_47_THERMOSAL);
        EXPECT_EQ(settings->XmlOnly(), ctdID == CTD_PAYLOAD || ctdID == CTD_73_NIMBREL);
    }
}

// Every example configuration of these models goes through its controls and
// back unchanged: each setting shows the instrument's value and stores it.
TEST_F(ModelSettingsTest, ExamplesGoThroughTheirControlsUnchanged) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tw_test::ExamplePath(""))) {
        const std::string path = entry.path().string();
        const std::string extension = entry.path().extension().string();
        const int ctdID = ReadCTDID(path.c_str());
        if ((extension != ".xmlcon" && extension != ".con") || !MakeModelSettings(ctdID)) {
            continue;
        }
        SCOPED_TRACE(path);
        ++examples;
        std::unique_ptr<CCTD> ctd = NewModel(ctdID);
        ASSERT_TRUE(ReadConFile(path.c_str(), ctd.get()));
        const std::unique_ptr<CCTD> original(ctd->Clone());
        CHost host(*ctd);
        EXPECT_EQ(host.settings->ReadControls(host, *ctd), 1);
        EXPECT_TRUE(CTD_ObjectsEqual(ctd.get(), original.get()));
    }
    EXPECT_GE(examples, 20);
}

// A setting of each model reaches the model when the dialog stores the
// controls, or at once, asking for the grid to be drawn again, when it
// changes the channels. A refused value shows its message under "Input
// Error" and leaves the instrument as it was, the settings stored before it
// too.
TEST_F(ModelSettingsTest, AChangedSettingReachesTheModelUnlessRefused) {
    const SChange kChanges[] = {
        {CTD_62_VANTREL, "sampleInterval", " 60 ", 0,
         [](CCTD& c) { return dynamic_cast<C62VantrelCTD&>(c).GetnSampleInterval().Get() == 60; }},
        {CTD_62_VANTREL, "externalVoltages", "4", 6},
        {CTD_62PLUS_VANTREL, "pressureType", "Strain Gauge", 3},
        {CTD_62PLUS_VANTREL, "serialSensor", "Pressure, TDW 58", 3,
         [](CCTD& c) { return dynamic_cast<CVantrelCTD&>(c).GetSerialSensor() == 8; }},
        {CTD_62V2_VANTREL, "sampleInterval", "12.5", 0,
         [](CCTD& c) { return c.GetScanInterval() == 12.5; }},
        {CTD_62V2_VANTREL, "serialSensor", "GTD-DO, GTD-N2", 4},
        {CTD_64_VANTREL, "halfSecondIntervals", "7", 0,
         [](CCTD& c) { return c.GetScanInterval() == 3.5; }},
        {CTD_64_VANTREL, "surfacePar", "1", 5},
        {CTD_64PLUS_VANTREL, "scansToAverage", "8", 0,
         [](CCTD& c) { return c.GetScanInterval() == 2.0; }},
        {CTD_64PLUS_VANTREL, "externalVoltages", "3", 6},
        {CTD_64V2_VANTREL, "serialSensor", "pH, SeaFET", 5,
         [](CCTD& c) { return dynamic_cast<CVantrelCTD&>(c).GetSerialSensor() == 13; }},
        {CTD_64V2_VANTREL, "serialSensor", "Oxygen, TDW 68", 4},
        {CTD_71_THERMOSAL, "remoteTemperature", "TDW 83", 3,
         [](CCTD& c) { return c.GetSensor(2).GetSensorID() == 56; }},
        {CTD_71V2_THERMOSAL, "scanTimeAdded", "1", 0,
         [](CCTD& c) { return dynamic_cast<CVantrelCTD&>(c).GetScanTimeAdded() == 1; }},
        {CTD_71V2_THERMOSAL, "externalVoltages", "6", 8},
        {CTD_56_CORVANE, "outputRate", "8 scans/sec", 0,
         [](CCTD& c) { return c.GetScanInterval() == 0.125; }},
        {CTD_56_CORVANE, "surfacePar", "1", 5},
        {CTD_47_THERMOSAL, "tdw83Added", "1", 3},
        {CTD_94_DARTEL, "scansToAverage", "16", 0,
         [](CCTD& c) { return c.GetScanInterval() == 1.0; }},
        {CTD_94_DARTEL, "surfacePar", "1", 5},
        {CTD_812PLUS, "computerInterface", "IEEE-488 (GPIB)", 0,
         [](CCTD& c) { return c.GetComputerInterface().Get() == 1; }},
        {CTD_812PLUS, "voltageWordsSuppressed", "1", 9},
        {CTD_PAYLOAD, "oxygenSensor", "1", 4,
         [](CCTD& c) { return c.GetSensor(3).GetSensorID() == 65; }},
        {CTD_73_NIMBREL, "mooredLatitude", "-33.25", 0,
         [](CCTD& c) { return dynamic_cast<CNimbrel&>(c).GetMooredLatitude() == -33.25; },
         "useMooredLatitude"},
        {CTD_73_NIMBREL, "oxygenSensor", "TDW 68", 3},
        {CTD_73_NIMBREL, "sampleInterval", "0.5", 0, nullptr, "useMooredLatitude",
         "Sample interval must be a number from 0.9 to 21600."},
        {CTD_73_NIMBREL, "mooredPressure", "deep", 0, nullptr, "useMooredLatitude",
         "Deployment pressure must be a number."},
        {CTD_64V2_VANTREL, "scansToAverage", "4x", 0, nullptr, "scanTimeAdded",
         "Scans to average must be a number from 1 to 32767."},
        {CTD_62V2_VANTREL, "sampleInterval", "9.5", 0, nullptr, "scanTimeAdded",
         "Sample interval must be a number from 10 to 14400."},
        {CTD_PAYLOAD, "sampleInterval", "3601", 0, nullptr, nullptr,
         "Sample interval must be a number from 1 to 3600."},
        {CTD_812PLUS, "scansToAverage", "", 0, nullptr, "nmeaPosition",
         "Scans to average must be a number from 1 to 50."},
    };
    for (const SChange& change : kChanges) {
        SCOPED_TRACE(std::string(GetCTD_Data(change.ctdID)->name) + " " + change.id);
        std::unique_ptr<CCTD> ctd = NewModel(change.ctdID);
        CHost host(*ctd);
        if (change.check == nullptr || Enter(host, change.check, "1")) {
            Enter(host, change.id, change.text);
        }
        EXPECT_EQ(host.redraws, change.channels == 0 ? 0 : 1);
        if (change.channels == 0) {
            EXPECT_TRUE(CTD_ObjectsEqual(ctd.get(), NewModel(change.ctdID).get()));
        } else {
            EXPECT_EQ(ctd->GetNumChannel(), change.channels);
        }
        shown.clear();
        EXPECT_EQ(host.settings->ReadControls(host, *ctd), change.refusal ? 0 : 1);
        if (change.refusal) {
            EXPECT_EQ(InputErrors(), std::vector<std::string>{change.refusal});
            EXPECT_TRUE(CTD_ObjectsEqual(ctd.get(), NewModel(change.ctdID).get()));
        } else {
            EXPECT_TRUE(shown.empty());
            EXPECT_TRUE(change.took == nullptr || change.took(*ctd));
        }
    }
}

// The controls follow the model's rules: NMEA options only with NMEA
// position, the two NMEA devices as a pair, and moored mode with a sample
// interval but without scans to average, surface PAR or a gas tension
// device.
TEST_F(ModelSettingsTest, DependentControlsFollowTheModelsRules) {
    std::unique_ptr<CCTD> ctd = NewModel(CTD_64V2_VANTREL);
    CHost host(*ctd);
    EXPECT_FALSE(host.At("nmeaDepth").enabled);
    EXPECT_FALSE(SetValue(host, "nmeaToPC", 1));
    ASSERT_TRUE(SetValue(host, "nmeaPosition", 1));
    EXPECT_TRUE(host.At("nmeaDepth").enabled);
    EXPECT_EQ(host.At("nmeaToDeckUnit").value, 1);
    ASSERT_TRUE(SetValue(host, "nmeaToDeckUnit", 0));
    EXPECT_EQ(host.At("nmeaToPC").value, 1);

    EXPECT_TRUE(host.At("scansToAverage").enabled && !host.At("sampleInterval").enabled);
    ASSERT_TRUE(Enter(host, "surfacePar", "1") && Enter(host, "serialSensor", "GTD-DO"));
    EXPECT_EQ(ctd->GetNumChannel(), 6);
    ASSERT_TRUE(PickChoice(host, "mode", "Moored"));
    EXPECT_EQ(ctd->GetNumChannel(), 3);
    EXPECT_EQ(host.At("surfacePar").value, 0);
    EXPECT_FALSE(host.At("surfacePar").enabled);
    EXPECT_EQ(ChoiceOf(host, "serialSensor"), "None");
    EXPECT_TRUE(!host.At("scansToAverage").enabled && host.At("sampleInterval").enabled);

    ASSERT_EQ(host.settings->ReadControls(host, *ctd), 1);
    EXPECT_EQ(ctd->GetbNMEA_Added(), 1);
    EXPECT_EQ(ctd->GetbNMEA_PC(), 1);

    // The moored 62plus has no mode to choose.
    std::unique_ptr<CCTD> moored = NewModel(CTD_62PLUS_VANTREL);
    CHost mooredHost(*moored);
    EXPECT_EQ(ChoiceOf(mooredHost, "mode"), "Moored");
    EXPECT_FALSE(mooredHost.At("mode").enabled || mooredHost.At("scansToAverage").enabled);
    EXPECT_TRUE(mooredHost.At("sampleInterval").enabled);
}

// "Data..." of the moored CTDs edits the moored pressure that stands in for a
// missing pressure sensor.
TEST_F(ModelSettingsTest, DataEditsTheMooredPressureWithoutAPressureSensor) {
    std::unique_ptr<CCTD> ctd = NewModel(CTD_62_VANTREL);
    CHost host(*ctd);
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
    ASSERT_TRUE(Press(host, "pressureData"));
    EXPECT_EQ(InputErrors(),
              std::vector<std::string>{"Moored pressure must be a number from 0 to 15000."});
    const auto& moored = dynamic_cast<CVantrelMooredCTD&>(*ctd);
    EXPECT_EQ(moored.GetdMooredPressure().Get(), 150.5);
    EXPECT_EQ(moored.GetTempType().Get(), 1);
    EXPECT_EQ(moored.GetdUserSuppliedTemp().Get(), 4.25);

    ASSERT_TRUE(PickChoice(host, "pressureType", "Strain Gauge"));
    EXPECT_FALSE(host.At("pressureData").enabled);
}

// In the configuration dialog: a refused value keeps it open with its
// message, and a channel setting draws the channel grid again at once.
TEST_F(ModelSettingsTest, TheConfigurationDialogStaysOpenOnARefusalAndRedrawsItsGrid) {
    CConfigCTD config;
    CConDlg dialog(config, CTD_73_NIMBREL);
    CScriptedForms forms({[&](CFormDialog&) {
        EXPECT_EQ(dialog.At(ConDlgIds::kChannels).rows.size(), 2u);
        ASSERT_TRUE(SetValue(dialog, "pressureSensor", 1));
        ASSERT_TRUE(PickChoice(dialog, "oxygenSensor", "TDW 41I"));
        const SControl& grid = dialog.At(ConDlgIds::kChannels);
        ASSERT_EQ(grid.rows.size(), 4u);
        EXPECT_EQ(grid.rows[2][1].text, dialog.Instrument().GetSensor(2).GetSensorName());
        EXPECT_FALSE(dialog.At("mooredPressure").enabled);

        ASSERT_TRUE(TypeText(dialog, "sampleInterval", "21600.5"));
        Press(dialog, ConDlgIds::kLeave);
        EXPECT_FALSE(dialog.Ended());
    }});
    EXPECT_EQ(TWRunModal(dialog), IDCANCEL);
    EXPECT_EQ(InputErrors(),
              std::vector<std::string>{"Sample interval must be a number from 0.9 to 21600."});
}
