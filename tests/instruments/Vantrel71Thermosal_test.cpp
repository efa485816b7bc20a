// The TDW 71 and 71 V2 thermosalinographs: the remote temperature channel,
// the voltages after it, scan length, XML and report; each check runs on
// both models.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "sensors/AuxiliarySensors.h"
#include "tests/instruments/ModelChecks.h"

namespace {

using tw_test::SensorIDs;
using IDs = std::vector<int>;

struct SModel {
    const char* name;
    std::function<std::unique_ptr<CVantrelThermosalCTD>()> make;
    int maxVoltages;
};

const SModel kModels[] = {
    {"TDW 71", [] { return std::make_unique<C71ThermosalCTD>(); }, 4},
    {"TDW 71 V2", [] { return std::make_unique<C71V2ThermosalCTD>(); }, 6},
};

TEST(Vantrel71Thermosal, DefaultsAndChannelsFollowTheRemoteSensor) {
    for (const SModel& model : kModels) {
        SCOPED_TRACE(model.name);
        auto ctd = model.make();
        EXPECT_EQ(SensorIDs(*ctd), (IDs{55, 3}));
        EXPECT_EQ(ctd->GetScanLen(), 8);
        EXPECT_EQ(ctd->GetScanInterval(), 3.0);
        std::unique_ptr<CCTD> created(CreateCTDObject(ctd->GetCTD_ID()));
        EXPECT_TRUE(CTD_ObjectsEqual(created.get(), ctd.get()));

        ctd->SetNumVoltAdd(model.maxVoltages + 1);
        EXPECT_EQ(ctd->GetNumChannel(), 2);
        ctd->SetNumVoltAdd(model.maxVoltages);
        EXPECT_EQ(ctd->GetNumChannel(), 2 + model.maxVoltages);
        ctd->SetNumVoltAdd(3);
        EXPECT_EQ(ctd->GetScanLen(), 8 + 9 + 1);
        EXPECT_EQ(ctd->SetRemoteTempType(2), 1);
        EXPECT_EQ(SensorIDs(*ctd), (IDs{55, 3, 56, 27, 27, 27}));
        EXPECT_EQ(ctd->GetScanLen(), 14 + 9 + 1);
        EXPECT_EQ(ctd->FindTempSensor(1), 2);
        for (int channel = -1; channel < 7; ++channel) {
            EXPECT_EQ(ctd->CanChangeSensor(channel) != 0, channel >= 3 && channel < 6) << channel;
        }
        EXPECT_EQ(ctd->GetChannelName(2), "Serial RS-232");
        EXPECT_EQ(ctd->GetChannelName(5), "A/D voltage");
        EXPECT_EQ(ctd->GetChannelName(6), "");

        // Voltages stay behind the remote channel as it comes and goes.
        ctd->SetNumVoltAdd(2);
        EXPECT_EQ(ctd->GetScanLen(), 14 + 6);
        EXPECT_EQ(ctd->SetRemoteTempType(1), 1);
        EXPECT_EQ(SensorIDs(*ctd), (IDs{55, 3, 55, 27, 27}));
        EXPECT_EQ(ctd->SetRemoteTempType(1), 1);
        EXPECT_EQ(ctd->SetRemoteTempType(3), 0);
        EXPECT_EQ(ctd->SetRemoteTempType(0), 1);
        EXPECT_EQ(SensorIDs(*ctd), (IDs{55, 3, 27, 27}));
        EXPECT_EQ(ctd->SetnSampleInterval(601), 0);
        EXPECT_EQ(ctd->SetnSampleInterval(600), 1);
        EXPECT_EQ(ctd->GetScanInterval(), 600.0);

        ctd->Optimize(1);
        ctd->SetRemoteTempType(2);
        EXPECT_EQ(ctd->GetScanLen(), 8 + 6);
        EXPECT_EQ(ctd->GetNumChannel(), 4);
    }
}

TEST(Vantrel71Thermosal, WritesElementsInOrderAndReadsBackEqual) {
    for (const SModel& model : kModels) {
        SCOPED_TRACE(model.name);
        auto plain = model.make();
        for (int remote = 0; remote <= 2; ++remote) {
            for (int voltages = 0; voltages <= model.maxVoltages; ++voltages) {
                auto ctd = model.make();
                ctd->SetRemoteTempType(remote);
                ctd->SetNumVoltAdd(voltages);
                if (voltages > 0) {
                    ctd->ReplaceSensor(ctd->AddExtVoltFrom() + voltages - 1, new CZapsSensor);
                }
                ctd->SetnSampleInterval(60 + voltages);
                ctd->SetbNMEA_Added(remote % 2);
                ctd->SetbDepthAdded(voltages % 2);
                ctd->SetbNMEA_TimeAdded(1);
                ctd->SetbNMEA_PC(remote / 2);
                ctd->SetScanTimeAdded(voltages % 2);
                auto back = model.make();
                const std::string text = tw_test::WriteObject("Instrument", *ctd);
                ASSERT_EQ(tw_test::ReadObject(text, "Instrument", *back), 0) << text;
                EXPECT_TRUE(CTD_ObjectsEqual(back.get(), ctd.get())) << text;
            }
        }
    }
}

TEST(Vantrel71Thermosal, InconsistentDocumentsAreRefusedAndChangeNothing) {
    // Six voltages fit the 71 V2 only.
    C71V2ThermosalCTD sixVoltages;
    sixVoltages.SetNumVoltAdd(6);
    const std::string sixVoltageDocument = tw_test::WriteObject("Instrument", sixVoltages);

    C71ThermosalCTD tdw2Remote;
    tdw2Remote.SetRemoteTempType(1);
    tdw2Remote.SetNumVoltAdd(2);
    auto edit = [&](const std::string& from, const std::string& to) {
        return tw_test::EditedDocument(tdw2Remote, from, to);
    };
    std::vector<std::string> refused = {
        edit("<RemoteTemperature>1<", "<RemoteTemperature>2<"),
        edit("<RemoteTemperature>1<", "<RemoteTemperature>3<"),
        edit("<ExternalVoltageChannels>2<", "<ExternalVoltageChannels>3<"),
        edit("<SensorArray", "<Sensors"),
    };
    for (const char* required :
         {"<RemoteTemperature>1</RemoteTemperature>",
          "<ExternalVoltageChannels>2</ExternalVoltageChannels>",
          "<SampleIntervalSeconds>3</SampleIntervalSeconds>",
          "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>", "<ScanTimeAdded>0</ScanTimeAdded>"}) {
        refused.push_back(edit(required, ""));
    }
    C71ThermosalCTD wrongFixed;
    wrongFixed.ReplaceSensor(0, CreateSensorObject(SID_TEMP_TDW83));
    refused.push_back(tw_test::WriteObject("Instrument", wrongFixed));

    for (const SModel& model : kModels) {
        SCOPED_TRACE(model.name);
        auto start = model.make();
        start->SetNumVoltAdd(1);
        start->SetSerialNum("keep");
        for (const std::string& doc : refused) {
            EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", *start), TDWXML::E_FAIL_XML) << doc;
        }
        auto unchanged = model.make();
        unchanged->SetNumVoltAdd(1);
        unchanged->SetSerialNum("keep");
        EXPECT_TRUE(CTD_ObjectsEqual(start.get(), unchanged.get()));
        EXPECT_EQ(tw_test::ReadObject(sixVoltageDocument, "Instrument", *start) == 0,
                  model.maxVoltages == 6);
    }

    // Optional elements may be missing; an interval out of range keeps 3.
    C71ThermosalCTD ctd;
    ctd.SetNumVoltAdd(3);
    std::string doc = edit("<SampleIntervalSeconds>3<", "<SampleIntervalSeconds>601<");
    for (const char* optional :
         {"<NmeaDepthDataAdded>0</NmeaDepthDataAdded>", "<NmeaTimeAdded>0</NmeaTimeAdded>",
          "<NmeaDeviceConnectedToPC>0</NmeaDeviceConnectedToPC>"}) {
        doc.replace(doc.find(optional), std::string(optional).size(), "");
    }
    EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_TRUE(ctd == tdw2Remote);
}

using Vantrel71ThermosalReport = tw_test::FixedDateTest;

TEST_F(Vantrel71ThermosalReport, EachModelShowsItsNmeaLines) {
    const std::string settings =
        "Remote temperature        : TDW 83\n"
        "External voltage channels : 1\n"
        "Sample interval           : 30 seconds\n";
    const std::string channels =
        "1) Frequency 0, Temperature\n"
        "2) Frequency 1, Conductivity\n"
        "3) Serial RS-232, Temperature, TDW 83\n"
        "4) A/D voltage 0, Zaps\n"
        "Scan length               : 46\n";
    const std::string expected[] = {
        tw_test::ReportHeading("TDW 71 Vantrel Thermosalinograph") + settings +
            "NMEA position data added  : Yes\n"
            "NMEA depth data added     : Yes\n"
            "NMEA time added           : No\n"
            "NMEA device connected to  : deck unit\n"
            "Scan time added           : Yes\n" +
            channels,
        tw_test::ReportHeading("TDW 71 V2 Vantrel Thermosalinograph") + settings +
            "NMEA position data added  : Yes\n"
            "Depth data added          : Yes\n" +
            channels,
    };
    for (std::size_t i = 0; i < std::size(kModels); ++i) {
        auto ctd = kModels[i].make();
        ctd->SetRemoteTempType(2);
        ctd->SetNumVoltAdd(1);
        ctd->ReplaceSensor(3, new CZapsSensor);
        ctd->SetnSampleInterval(30);
        ctd->SetbNMEA_Added(1);
        ctd->SetbDepthAdded(1);
        ctd->SetScanTimeAdded(1);
        std::ostringstream os;
        ctd->Report(os, "", 0);
        tw_test::ExpectSameLines(tw_test::ReportOutline(os.str()), expected[i]);
    }
}

}  // namespace
