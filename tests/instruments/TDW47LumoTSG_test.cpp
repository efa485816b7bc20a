// The TDW 47 LumoTSG: the remote temperature channel, output flags, XML and
// report.

#include <gtest/gtest.h>

#include <memory>

#include "ModelChecks.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/TDW47LumoTSG.h"

namespace {

using namespace tw_test;
using Configure = std::function<void(C47ThermosalCTD&)>;

TEST(TDW47LumoTSG, RemoteTemperatureChannel) {
    C47ThermosalCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3}));
    EXPECT_EQ(ctd.GetScanInterval(), 1.0);
    EXPECT_EQ(ctd.GetScanLen(), 0);
    EXPECT_EQ(IsProfiler(&ctd), 0);
    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_47_THERMOSAL));
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));

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

TEST(TDW47LumoTSG, SettingsAreComparedWrittenInOrderAndReadBack) {
    ExpectSettingsComparedAndRead<C47ThermosalCTD>({
        [](C47ThermosalCTD& c, bool on) { c.SetnSampleInterval(on ? 32767 : 1); },
        [](C47ThermosalCTD& c, bool on) { c.SetbOutputCond(!on); },
        [](C47ThermosalCTD& c, bool on) { c.SetbOutputSalinity(on); },
        [](C47ThermosalCTD& c, bool on) { c.SetbOutputSoundVelocity(on); },
        [](C47ThermosalCTD& c, bool on) { c.SetbUseJunctionBox(!on); },
        [](C47ThermosalCTD& c, bool on) { c.SetbTDW83_Added(on); },
        [](C47ThermosalCTD& c, bool on) { c.SetbNMEA_Added(on); },
    });
}

TEST(TDW47LumoTSG, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C47ThermosalCTD&) {};
    const Configure remote = [](C47ThermosalCTD& ctd) { ctd.SetbTDW83_Added(1); };
    // A second conductivity sensor where the remote temperature belongs.
    std::string twoConductivities =
        Document(none, "<TDW83TemperatureAdded>0<", "<TDW83TemperatureAdded>1<");
    const std::size_t from = twoConductivities.find("<Sensor index=\"1\"");
    const std::size_t to = twoConductivities.find("</SensorArray>");
    twoConductivities.insert(to, ReplaceAll(twoConductivities.substr(from, to - from),
                                            "<Sensor index=\"1\"", "<Sensor index=\"2\""));
    std::vector<std::string> refused = {
        ReplaceAll(twoConductivities, "Size=\"2\"", "Size=\"3\""),
        Document(none, "<SampleIntervalSeconds>1<", "<SampleIntervalSeconds>0<"),
        Document(none, "SensorArray", "SensorList"),
        Document(remote, "<TDW83TemperatureAdded>1<", "<TDW83TemperatureAdded>0<"),
        Document(none, "<TDW83TemperatureAdded>0<", "<TDW83TemperatureAdded>1<"),
        SwapChannels(Document(none), 0, 1),
    };
    for (const char* required :
         {"<SampleIntervalSeconds>1</SampleIntervalSeconds>",
          "<OutputConductivity>1</OutputConductivity>", "<OutputSalinity>0</OutputSalinity>",
          "<OutputSoundVelocity>0</OutputSoundVelocity>", "<UseJunctionBox>1</UseJunctionBox>",
          "<TDW83TemperatureAdded>0</TDW83TemperatureAdded>",
          "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>"}) {
        refused.push_back(Document(none, required, ""));
    }
    ExpectWellFormed(refused);
    ExpectRefused(refused, remote);
}

TEST(TDW47LumoTSG, ReportShowsTheSettingsOnly) {
    C47ThermosalCTD ctd;
    ctd.SetnSampleInterval(600);
    ctd.SetbOutputSalinity(1);
    ctd.SetbTDW83_Added(1);
    EXPECT_EQ(ReportOf(ctd, "tsg.xmlcon", 1),
              "Date: 12/04/2026\n"
              "\n"
              "Instrument configuration file: tsg.xmlcon *\n"
              "\n"
              "Configuration report for TDW 47 LumoTSG Thermosalinograph\n"
              "---------------------------------------------------------\n"
              "\n"
              "Sample interval          : 600 seconds\n"
              "Conductivity output      : Yes\n"
              "Salinity output          : Yes\n"
              "Sound velocity output    : No\n"
              "Use junction box         : Yes\n"
              "TDW83 data added         : Yes\n");
}

}  // namespace
