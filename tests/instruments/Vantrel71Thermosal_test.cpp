// The TDW 71 and 71 V2 thermosalinographs: the remote temperature channel,
// the voltages after it, scan length and the documents they refuse; each
// check runs on both models.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

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
        EXPECT_EQ(ctd->GetScanInterval(), 3.0);
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

TEST(Vantrel71Thermosal, EachRemoteSensorWithEachVoltageCountReadsBack) {
    for (const SModel& model : kModels) {
        SCOPED_TRACE(model.name);
        for (int remote = 0; remote <= 2; ++remote) {
            for (int voltages = 1; voltages <= model.maxVoltages; ++voltages) {
                auto ctd = model.make();
                ctd->SetRemoteTempType(remote);
                ctd->SetNumVoltAdd(voltages);
                ctd->ReplaceSensor(ctd->AddExtVoltFrom() + voltages - 1, new CZapsSensor);
                const std::string text = tw_test::WriteObject("Instrument", *ctd);
                auto back = model.make();
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
    const std::vector<std::string> refused = {
        edit("<RemoteTemperature>1<", "<RemoteTemperature>2<"),
        edit("<RemoteTemperature>1<", "<RemoteTemperature>3<"),
        edit("<ExternalVoltageChannels>2<", "<ExternalVoltageChannels>3<"),
    };
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

    // An interval out of range keeps 3.
    C71ThermosalCTD ctd;
    ctd.SetNumVoltAdd(3);
    const std::string doc = edit("<SampleIntervalSeconds>3<", "<SampleIntervalSeconds>601<");
    EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_TRUE(ctd == tdw2Remote);
}

}  // namespace
