// The glider payload CTD and the TDW 70420S UCTD: the payload's frequency
// channel and sample interval, the 70420S scan length, and their documents.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/PayloadCTD.h"
#include "tests/instruments/ModelChecks.h"

namespace {

using tw_test::SensorIDs;
using IDs = std::vector<int>;

// Reaches the channel-block change that the public setter limits.
class CPayloadProbe : public CPayloadCTD {
  public:
    using CCTD::ChangeNumFreq;
};

// A document holding only a sensor array of these sensors.
std::string SensorArrayDocument(const IDs& ids) {
    CSensorArray array;
    for (int id : ids) {
        array.Add(CreateSensorObject(id));
    }
    std::string text = tw_test::WriteWith([&](TDWXML::COutputNode* node) {
        return CCTD::WriteAnySensorArrayXML("SensorArray", array, node);
    });
    Empty(array);
    return text;
}

TEST(PayloadCTD, FixedSensorsAndTheFrequencyChannel) {
    CPayloadCTD ctd;
    EXPECT_EQ(ctd.OxygenInstalled(), 0);

    ctd.SetNumFreqAdd(2);
    EXPECT_EQ(ctd.GetNumChannel(), 3);
    ctd.SetNumFreqAdd(1);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 46, 27}));
    EXPECT_EQ(ctd.GetChannelName(3), "Frequency");
    EXPECT_EQ(ctd.GetChannelName(4), "");
    ctd.ReplaceSensor(3, CreateSensorObject(SID_OXYGEN_TDW41F));
    EXPECT_EQ(ctd.OxygenInstalled(), 1);
    for (int channel = 0; channel < 4; ++channel) {
        EXPECT_EQ(ctd.CanChangeSensor(channel), 0);
    }

    EXPECT_EQ(ctd.SetSampleInterval(0), 0);
    EXPECT_EQ(ctd.SetSampleInterval(3601), 0);
    EXPECT_EQ(ctd.SetSampleInterval(3600), 1);
    EXPECT_EQ(ctd.GetScanInterval(), 3600.0);
    EXPECT_EQ(CPayloadCTD::GetMaxSampleInterval(), 3600);

    // Settings that are not the payload's survive its defaults.
    ctd.SetbNMEA_Added(1);
    ctd.SetSerialNum("gone");
    ctd.DefaultConfig();
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 46}));
    EXPECT_EQ(ctd.GetSampleInterval(), 1);
    EXPECT_EQ(ctd.GetSerialNum(), "");
    EXPECT_EQ(ctd.GetbNMEA_Added(), 1);
}

TEST(PayloadCTD, DocumentsReadBackOrAreRefused) {
    CPayloadCTD oxygen;
    oxygen.SetNumFreqAdd(1);
    oxygen.ReplaceSensor(3, CreateSensorObject(SID_TEMP_TDW2));
    oxygen.SetSampleInterval(120);
    tw_test::ExpectRoundTrip(oxygen);

    CPayloadCTD plain;
    CPayloadProbe twoFrequencies;
    twoFrequencies.ChangeNumFreq(2);
    CPayloadCTD start(oxygen);
    start.SetSerialNum("keep");
    tw_test::ExpectRefused(start, {tw_test::EditedDocument(plain, "<ExternalFrequencyChannels>0<",
                                                           "<ExternalFrequencyChannels>1<"),
                                   tw_test::EditedDocument(oxygen, "<ExternalFrequencyChannels>1<",
                                                           "<ExternalFrequencyChannels>0<"),
                                   tw_test::WriteObject("Instrument", twoFrequencies)});

    // The interval is optional and falls back to 1.
    for (const std::string& interval :
         {std::string(), std::string("<SampleIntervalSeconds>3601</SampleIntervalSeconds>")}) {
        CPayloadCTD ctd(start);
        const std::string doc = tw_test::EditedDocument(
            oxygen, "<SampleIntervalSeconds>120</SampleIntervalSeconds>", interval);
        EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
        EXPECT_EQ(ctd.GetSampleInterval(), 1);
        EXPECT_EQ(ctd.GetSensor(3).GetSensorID(), SID_TEMP_TDW2);
    }
}

TEST(UCTD70420S, ThreeFixedChannelsAndTheScanLength) {
    C70420S_CTD ctd;
    EXPECT_EQ(ctd.GetChannelName(3), "");
    EXPECT_EQ(ctd.AddExtFreqFrom(), -1);

    EXPECT_EQ(ctd.SetnScansToAvg(256), 0);
    EXPECT_EQ(ctd.SetnScansToAvg(255), 1);
    EXPECT_EQ(ctd.GetScanInterval(), 255 * 0.0625);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetScanTimeAdded(1);
    EXPECT_EQ(ctd.GetScanLen(), 22 + 20 + 8);
    EXPECT_EQ(ctd.ReadNMEA_Depth(), 0.0);
    ctd.Optimize(1);
    ctd.SetScanTimeAdded(0);
    EXPECT_EQ(ctd.GetScanLen(), 50);
}

TEST(UCTD70420S, TheDocumentHoldsOnlyTheSensors) {
    C70420S_CTD configured;
    configured.SetnScansToAvg(16);
    configured.SetbNMEA_Added(1);
    configured.SetScanTimeAdded(1);
    configured.GetSensor(1).SetSerialNum("4242");
    const std::string text = tw_test::WriteObject("Instrument", configured);

    // A read keeps the sensors and returns every setting to its default.
    C70420S_CTD ctd(configured);
    ASSERT_EQ(tw_test::ReadObject(text, "Instrument", ctd), 0);
    C70420S_CTD expected;
    expected.GetSensor(1).SetSerialNum("4242");
    EXPECT_TRUE(ctd == expected);

    for (const IDs& ids : {IDs{57, 3, 46, 65}, IDs{57, 3}}) {
        EXPECT_EQ(tw_test::ReadObject(SensorArrayDocument(ids), "Root", ctd), TDWXML::E_FAIL_XML);
        EXPECT_TRUE(ctd == expected);
    }
    EXPECT_EQ(tw_test::ReadObject(SensorArrayDocument({57, 3, 46}), "Root", ctd), 0);
}

}  // namespace
