// The TDW 47 LumoTSG: the remote temperature channel and the documents it
// refuses.

#include <gtest/gtest.h>

#include "ModelChecks.h"
#include "instruments/TDW47LumoTSG.h"

namespace {

using namespace tw_test;
using Configure = std::function<void(C47ThermosalCTD&)>;

TEST(TDW47LumoTSG, RemoteTemperatureChannel) {
    C47ThermosalCTD ctd;
    ctd.SetbTDW83_Added(1);
    ctd.GetSensor(2).SetSerialNum("intake");
    ctd.SetbTDW83_Added(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3, 56}));
    EXPECT_EQ(ctd.GetSensor(2).GetSerialNum(), "intake");
    EXPECT_EQ(ctd.FindTempSensor(1), 2);
    EXPECT_EQ(ctd.GetChannelName(1), "");
    EXPECT_EQ(ctd.CanChangeSensor(2), 0);
    ctd.SetbTDW83_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3}));
    EXPECT_EQ(ctd.SetnSampleInterval(0), 0);
    EXPECT_EQ(ctd.SetnSampleInterval(32768), 0);
}

TEST(TDW47LumoTSG, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C47ThermosalCTD&) {};
    const Configure remote = [](C47ThermosalCTD& ctd) { ctd.SetbTDW83_Added(1); };
    // A second conductivity sensor where the remote temperature belongs.
    std::string twoConductivities =
        Edited(none, "<TDW83TemperatureAdded>0<", "<TDW83TemperatureAdded>1<");
    const std::size_t from = twoConductivities.find("<Sensor index=\"1\"");
    const std::size_t to = twoConductivities.find("</SensorArray>");
    twoConductivities.insert(to, ReplaceAll(twoConductivities.substr(from, to - from),
                                            "<Sensor index=\"1\"", "<Sensor index=\"2\""));
    ExpectRefused(
        {
            ReplaceAll(twoConductivities, "Size=\"2\"", "Size=\"3\""),
            Edited(none, "<SampleIntervalSeconds>1<", "<SampleIntervalSeconds>0<"),
            Edited(remote, "<TDW83TemperatureAdded>1<", "<TDW83TemperatureAdded>0<"),
            Edited(none, "<TDW83TemperatureAdded>0<", "<TDW83TemperatureAdded>1<"),
        },
        remote);
}

}  // namespace
