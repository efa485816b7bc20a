#include "ui/ModelSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/NimbrelCTD.h"
#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"
#include "ui/ConDlg.h"
#include "ui/ConfigCTD.h"
#include "ui/ModelSettingsTable.h"
#include "ui/UiTestSupport.h"

namespace {

using ModelSettings::CSettingsForm;

// The settings labels of each model's dialog, in layout order.
struct SModelLabels {
    int ctdID;
    std::vector<const char*> labels;
};

const SModelLabels kModels[] = {
    {CTD_62_VANTREL,
     {"Pressure sensor type", "Data...", "External voltage channels", "Firmware version",
      "Sample interval seconds", "NMEA position data added", "Scan time added"}},
    {CTD_62PLUS_VANTREL,
     {"Pressure sensor type", "Data...", "External voltage channels", "Serial RS-232C sensor",
      "Mode", "Sample interval seconds", "Scans to average", "NMEA position data added",
      "Scan time added"}},
    {CTD_62V2_VANTREL,
     {"Pressure sensor type", "Data...", "External voltage channels", "Serial RS-232C sensor",
      "Mode", "Sample interval seconds", "Scans to average", "NMEA position data added",
      "Scan time added"}},
    {CTD_64_VANTREL,
     {"Pressure sensor type", "External voltage channels", "Firmware version",
      "0.5 second intervals", "Surface PAR voltage added", "NMEA position data added",
      "Scan time added", "NMEA device connected to deck unit", "NMEA depth data added",
      "NMEA device connected to PC", "NMEA time added"}},
    {CTD_64PLUS_VANTREL,
     {"Pressure sensor type", "External voltage channels", "Mode", "Sample interval seconds",
      "NMEA device connected to deck unit", "NMEA depth data added", "Scans to average",
      "NMEA position data added", "NMEA device connected to PC", "NMEA time added",
      "Surface PAR voltage added", "Scan time added"}},
    {CTD_64V2_VANTREL,
     {"Pressure sensor type", "External voltage channels", "Serial RS-232C sensor", "Mode",
      "Sample interval seconds", "NMEA device connected to deck unit", "NMEA depth data added",
      "Scans to average", "NMEA position data added", "NMEA device connected to PC",
      "NMEA time added", "Surface PAR voltage added", "Scan time added"}},
    {CTD_71_THERMOSAL,
     {"External voltage channels", "Sample interval seconds", "NMEA position data added",
      "NMEA depth data added", "Remote temperature", "NMEA device connected to deck unit",
      "NMEA device connected to PC", "NMEA time added", "Scan time added"}},
    {CTD_71V2_THERMOSAL,
     {"External voltage channels", "Sample interval seconds", "NMEA position data added",
      "NMEA depth data added", "Remote temperature", "Scan time added"}},
    {CTD_56_CORVANE,
     {"External voltage channels", "Firmware version", "Real-time data output rate",
      "Surface PAR voltage added", "NMEA position data added", "NMEA device connected to deck unit",
      "NMEA depth data added", "NMEA device connected to PC", "NMEA time added",
      "Scan time added"}},
    {CTD_47_THERMOSAL,
     {"Output sound velocity", "TDW83 temperature added", "Sample interval seconds",
      "Output conductivity", "Output salinity", "Use junction box", "NMEA data added"}},
    {CTD_94_DARTEL,
     {"Scans to average", "NMEA device connected to deck unit", "NMEA depth data added",
      "NMEA position data added", "NMEA device connected to PC", "NMEA time added",
      "Surface PAR voltage added", "Scan time added"}},
    {CTD_812PLUS,
     {"Surface PAR voltage added", "NMEA position data added", "Scan time added",
      "NMEA device connected to deck unit", "NMEA device connected to PC", "NMEA depth data added",
      "NMEA time added", "Deck unit or STORAX", "Frequency channels suppressed",
      "Voltage words suppressed\n(1 word = 2 channels)", "Computer interface", "Scans to average"}},
    {CTD_PAYLOAD, {"Sample interval seconds", "Oxygen sensor"}},
    {CTD_73_NIMBREL,
     {"Sample interval seconds", "Pressure sensor", "Oxygen sensor", "Deployment pressure dbar",
      "Deployment latitude", "Use deployment latitude in depth calculations"}},
};

std::unique_ptr<CCTD> NewModel(int ctdID) {
    return std::unique_ptr<CCTD>(CreateCTDObject(ctdID));
}

// Runs the settings of the instrument's model in a form with one script.
int RunSettings(CCTD& ctd, const std::function<void(CFormDialog&)>& script) {
    const std::unique_ptr<CModelSettings> settings = MakeModelSettings(ctd.GetCTD_ID());
    CSettingsForm form("Settings", *settings, ctd);
    CScriptedForms forms({script});
    return TWRunModal(form);
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

TEST_F(ModelSettingsTest, EveryModelWithAChannelGridHasItsControlsInLayoutOrder) {
    for (const SModelLabels& model : kModels) {
        SCOPED_TRACE(GetCTD_Data(model.ctdID)->name);
        const std::unique_ptr<CModelSettings> settings = MakeModelSettings(model.ctdID);
        ASSERT_NE(settings, nullptr);
        const std::unique_ptr<CCTD> ctd = NewModel(model.ctdID);
        CHost host(*ctd);
        std::vector<std::string> labels;
        for (const SControl& control : host.controls) {
            labels.emplace_back(control.label.GetString());
        }
        EXPECT_EQ(labels, std::vector<std::string>(model.labels.begin(), model.labels.end()));
        // Every control shows the default instrument: a combo has a choice.
        for (const SControl& control : host.controls) {
            if (control.kind == EControl::Combo && control.enabled) {
                EXPECT_GE(control.value, 0) << control.id;
            }
        }
        EXPECT_EQ(settings->SelectAndModify(), model.ctdID != CTD_47_THERMOSAL);
        EXPECT_EQ(settings->XmlOnly(), model.ctdID == CTD_PAYLOAD || model.ctdID == CTD_73_NIMBREL);
    }
    EXPECT_EQ(MakeModelSettings(CTD_70420S_UCTD), nullptr);
    EXPECT_EQ(MakeModelSettings(CTD_56PLUS_CORVANE), nullptr);
    EXPECT_EQ(MakeModelSettings(-1), nullptr);
    EXPECT_EQ(MakeModelSettings(NUM_CTD_IDS), nullptr);
}

// Every example configuration of these models goes through its controls and
// back unchanged: each setting shows the instrument's value and stores it.
TEST_F(ModelSettingsTest, ExamplesGoThroughTheirControlsUnchanged) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tw_test::ExamplePath(""))) {
        const std::string path = entry.path().string();
        const std::string extension = entry.path().extension().string();
        if (extension != ".xmlcon" && extension != ".con") {
            continue;
        }
        SCOPED_TRACE(path);
        const int ctdID = ReadCTDID(path.c_str());
        if (MakeModelSettings(ctdID) == nullptr) {
            continue;  // a model without a settings table
        }
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

// One setting of each model changed through the form reaches the model when
// the form stores its controls; a setting that changes the channels reaches
// it at once.
TEST_F(ModelSettingsTest, AChangedSettingReachesTheModel) {
    struct SChange {
        int ctdID;
        std::function<void(CFormDialog&)> act;
        std::function<bool(CCTD&)> took;
    };
    const SChange kChanges[] = {
        {CTD_62_VANTREL, [](CFormDialog& d) { TypeText(d, "sampleInterval", " 60 "); },
         [](CCTD& c) { return dynamic_cast<C62VantrelCTD&>(c).GetnSampleInterval().Get() == 60; }},
        {CTD_62PLUS_VANTREL,
         [](CFormDialog& d) { PickChoice(d, "serialSensor", "Pressure, TDW 58"); },
         [](CCTD& c) { return dynamic_cast<CVantrelCTD&>(c).GetSerialSensor() == 8; }},
        {CTD_62V2_VANTREL, [](CFormDialog& d) { TypeText(d, "sampleInterval", "12.5"); },
         [](CCTD& c) { return c.GetScanInterval() == 12.5; }},
        {CTD_64_VANTREL, [](CFormDialog& d) { TypeText(d, "halfSecondIntervals", "7"); },
         [](CCTD& c) { return c.GetScanInterval() == 3.5; }},
        {CTD_64PLUS_VANTREL, [](CFormDialog& d) { TypeText(d, "scansToAverage", "8"); },
         [](CCTD& c) { return c.GetScanInterval() == 2.0; }},
        {CTD_64V2_VANTREL, [](CFormDialog& d) { PickChoice(d, "serialSensor", "pH, SeaFET"); },
         [](CCTD& c) { return dynamic_cast<CVantrelCTD&>(c).GetSerialSensor() == 13; }},
        {CTD_71_THERMOSAL, [](CFormDialog& d) { PickChoice(d, "remoteTemperature", "TDW 83"); },
         [](CCTD& c) { return c.GetSensor(2).GetSensorID() == 56; }},
        {CTD_71V2_THERMOSAL, [](CFormDialog& d) { SetValue(d, "scanTimeAdded", 1); },
         [](CCTD& c) { return dynamic_cast<CVantrelCTD&>(c).GetScanTimeAdded() == 1; }},
        {CTD_56_CORVANE, [](CFormDialog& d) { PickChoice(d, "outputRate", "8 scans/sec"); },
         [](CCTD& c) { return c.GetScanInterval() == 0.125; }},
        {CTD_47_THERMOSAL, [](CFormDialog& d) { SetValue(d, "tdw83Added", 1); },
         [](CCTD& c) { return c.GetNumChannel() == 3; }},
        {CTD_94_DARTEL, [](CFormDialog& d) { TypeText(d, "scansToAverage", "16"); },
         [](CCTD& c) { return c.GetScanInterval() == 1.0; }},
        {CTD_812PLUS, [](CFormDialog& d) { PickChoice(d, "computerInterface", "IEEE-488 (GPIB)"); },
         [](CCTD& c) { return c.GetComputerInterface().Get() == 1; }},
        {CTD_PAYLOAD, [](CFormDialog& d) { SetValue(d, "oxygenSensor", 1); },
         [](CCTD& c) { return c.GetNumChannel() == 4 && c.GetSensor(3).GetSensorID() == 65; }},
        {CTD_73_NIMBREL,
         [](CFormDialog& d) {
             SetValue(d, "useMooredLatitude", 1);
             TypeText(d, "mooredLatitude", "-33.25");
         },
         [](CCTD& c) { return dynamic_cast<CNimbrel&>(c).GetMooredLatitude() == -33.25; }},
    };
    for (const SChange& change : kChanges) {
        SCOPED_TRACE(GetCTD_Data(change.ctdID)->name);
        std::unique_ptr<CCTD> ctd = NewModel(change.ctdID);
        EXPECT_EQ(RunSettings(*ctd,
                              [&](CFormDialog& d) {
                                  change.act(d);
                                  Press(d, "ok");
                              }),
                  IDOK);
        EXPECT_TRUE(change.took(*ctd));
    }
}

// A refused value shows its message under "Input Error", keeps the form open
// and leaves the instrument as it was, the settings stored before it too.
TEST_F(ModelSettingsTest, ARefusedValueKeepsTheFormOpenAndTheModelUnchanged) {
    struct SRefusal {
        int ctdID;
        const char* id;
        const char* text;
        const char* message;
        const char* otherCheck;  // a setting changed besides
    };
    const SRefusal kRefusals[] = {
        {CTD_73_NIMBREL, "sampleInterval", "0.5",
         "Sample interval must be a number from 0.9 to 21600.", "useMooredLatitude"},
        {CTD_73_NIMBREL, "mooredPressure", "deep", "Deployment pressure must be a number.",
         "useMooredLatitude"},
        {CTD_64V2_VANTREL, "scansToAverage", "4x",
         "Scans to average must be a number from 1 to 32767.", "scanTimeAdded"},
        {CTD_62V2_VANTREL, "sampleInterval", "9.5",
         "Sample interval must be a number from 10 to 14400.", "scanTimeAdded"},
        {CTD_PAYLOAD, "sampleInterval", "3601", "Sample interval must be a number from 1 to 3600.",
         nullptr},
        {CTD_812PLUS, "scansToAverage", "", "Scans to average must be a number from 1 to 50.",
         "nmeaPosition"},
    };
    for (const SRefusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.message);
        std::unique_ptr<CCTD> ctd = NewModel(refusal.ctdID);
        const std::unique_ptr<CCTD> original(ctd->Clone());
        shown.clear();
        bool stayedOpen = false;
        EXPECT_EQ(RunSettings(*ctd,
                              [&](CFormDialog& d) {
                                  if (refusal.otherCheck != nullptr) {
                                      ASSERT_TRUE(SetValue(d, refusal.otherCheck, 1));
                                  }
                                  ASSERT_TRUE(TypeText(d, refusal.id, refusal.text));
                                  Press(d, "ok");
                                  stayedOpen = !d.Ended();
                              }),
                  IDCANCEL);
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(InputErrors(), std::vector<std::string>{refusal.message});
        EXPECT_TRUE(CTD_ObjectsEqual(ctd.get(), original.get()));
    }
}

// A setting that changes the channels applies at once and asks for the grid
// to be drawn again; the others wait for the dialog to store them.
TEST_F(ModelSettingsTest, AChannelSettingChangesTheChannelsAtOnce) {
    struct SChannelChange {
        int ctdID;
        const char* id;
        int value;
        int channels;
    };
    const SChannelChange kChanges[] = {
        {CTD_62_VANTREL, "externalVoltages", 4, 6},
        {CTD_62PLUS_VANTREL, "pressureType", 2, 3},
        {CTD_62V2_VANTREL, "serialSensor", 4, 4},  // GTD-DO, GTD-N2
        {CTD_64_VANTREL, "surfacePar", 1, 5},
        {CTD_64PLUS_VANTREL, "externalVoltages", 3, 6},
        {CTD_64V2_VANTREL, "serialSensor", 10, 4},  // TDW 68: no TDW 58 choice before it
        {CTD_71_THERMOSAL, "remoteTemperature", 1, 3},
        {CTD_71V2_THERMOSAL, "externalVoltages", 6, 8},
        {CTD_56_CORVANE, "surfacePar", 1, 5},
        {CTD_47_THERMOSAL, "tdw83Added", 1, 3},
        {CTD_94_DARTEL, "surfacePar", 1, 5},
        {CTD_812PLUS, "voltageWordsSuppressed", 1, 9},
        {CTD_PAYLOAD, "oxygenSensor", 1, 4},
        {CTD_73_NIMBREL, "oxygenSensor", 2, 3},
    };
    for (const SChannelChange& change : kChanges) {
        SCOPED_TRACE(GetCTD_Data(change.ctdID)->name);
        std::unique_ptr<CCTD> ctd = NewModel(change.ctdID);
        CHost host(*ctd);
        ASSERT_TRUE(SetValue(host, change.id, change.value));
        EXPECT_EQ(host.redraws, 1);
        EXPECT_EQ(ctd->GetNumChannel(), change.channels);
        EXPECT_EQ(host.At(change.id).value, change.value);
    }
    std::unique_ptr<CCTD> ctd = NewModel(CTD_94_DARTEL);
    CHost host(*ctd);
    ASSERT_TRUE(SetValue(host, "scanTimeAdded", 1));
    EXPECT_EQ(host.redraws, 0);
    EXPECT_EQ(dynamic_cast<CVantrelCTD&>(*ctd).GetScanTimeAdded(), 0);
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

    EXPECT_TRUE(host.At("scansToAverage").enabled);
    EXPECT_FALSE(host.At("sampleInterval").enabled);
    ASSERT_TRUE(SetValue(host, "surfacePar", 1));
    ASSERT_TRUE(PickChoice(host, "serialSensor", "GTD-DO"));
    EXPECT_EQ(ctd->GetNumChannel(), 6);
    ASSERT_TRUE(PickChoice(host, "mode", "Moored"));
    EXPECT_EQ(ctd->GetNumChannel(), 3);
    EXPECT_EQ(host.At("surfacePar").value, 0);
    EXPECT_FALSE(host.At("surfacePar").enabled);
    EXPECT_EQ(host.At("serialSensor").choices[host.At("serialSensor").value], "None");
    EXPECT_FALSE(host.At("scansToAverage").enabled);
    EXPECT_TRUE(host.At("sampleInterval").enabled);

    ASSERT_EQ(host.settings->ReadControls(host, *ctd), 1);
    EXPECT_EQ(ctd->GetbNMEA_Added(), 1);
    EXPECT_EQ(ctd->GetbNMEA_PC(), 1);

    // The moored 62plus has no mode to choose.
    std::unique_ptr<CCTD> moored = NewModel(CTD_62PLUS_VANTREL);
    CHost mooredHost(*moored);
    EXPECT_EQ(mooredHost.At("mode").choices[mooredHost.At("mode").value], "Moored");
    EXPECT_FALSE(mooredHost.At("mode").enabled);
    EXPECT_FALSE(mooredHost.At("scansToAverage").enabled);
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
