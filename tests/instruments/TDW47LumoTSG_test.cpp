// The TDW 47 LumoTSG: the remote temperature channel, output flags, XML and
// report.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ModelChecks.h"
#include "core/Catalogue.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/TDW47LumoTSG.h"

namespace {

using namespace model_checks;
using Configure = std::function<void(C47ThermosalCTD&)>;

TEST(TDW47LumoTSG, RemoteTemperatureChannel) {
    C47ThermosalCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3}));
    EXPECT_EQ(ctd.GetScanInterval(), 1.0);
    EXPECT_EQ(ctd.GetScanLen(), 0);
    EXPECT_EQ(IsProfiler(&ctd), 0);
    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_47_THERMOSAL));
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));

    ctd.SetbTDW83_Added(1);
    ctd.GetSensor(2).SetSerialNum("intake");
    ctd.SetbTDW83_Added(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3, 56}));
    EXPECT_EQ(ctd.GetSensor(2).GetSerialNum(), "intake");
    EXPECT_EQ(ctd.GetNumChannel(), 3);
    EXPECT_EQ(ctd.FindTempSensor(1), 2);
    for (int i = -1; i < 4; ++i) {
        EXPECT_EQ(ctd.GetChannelName(i), "") << i;
        EXPECT_EQ(ctd.CanChangeSensor(i), 0) << i;
    }
    ctd.SetbTDW83_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3}));

    EXPECT_EQ(ctd.SetnSampleInterval(0), 0);
    EXPECT_EQ(ctd.SetnSampleInterval(32768), 0);
    EXPECT_EQ(ctd.SetnSampleInterval(32767), 1);
    EXPECT_EQ(ctd.GetScanInterval(), 32767.0);
}

const std::vector<Toggle<C47ThermosalCTD>> kSettings = {
    [](C47ThermosalCTD& c, bool on) { c.SetnSampleInterval(on ? 32767 : 1); },
    [](C47ThermosalCTD& c, bool on) { c.SetbOutputCond(!on); },
    [](C47ThermosalCTD& c, bool on) { c.SetbOutputSalinity(on); },
    [](C47ThermosalCTD& c, bool on) { c.SetbOutputSoundVelocity(on); },
    [](C47ThermosalCTD& c, bool on) { c.SetbUseJunctionBox(!on); },
    [](C47ThermosalCTD& c, bool on) { c.SetbTDW83_Added(on); },
    [](C47ThermosalCTD& c, bool on) { c.SetbNMEA_Added(on); },
};

TEST(TDW47LumoTSG, CopiesAndComparesEverySetting) {
    ExpectEverySettingCompared(kSettings);
    C47ThermosalCTD ctd;
    ctd.SetbOutputSalinity(1);
    ctd.SetbTDW83_Added(1);
    ctd.DefaultConfig();
    EXPECT_TRUE(ctd == C47ThermosalCTD());
}

TEST(TDW47LumoTSG, WritesElementsInOrderAndReadsBackEqual) {
    C47ThermosalCTD plain;
    std::string text;
    EXPECT_TRUE(RoundTrip(plain, &text) == plain);
    ExpectInOrder(text,
                  {"<SampleIntervalSeconds>1<", "<OutputConductivity>1<", "<OutputSalinity>0<",
                   "<OutputSoundVelocity>0<", "<UseJunctionBox>1<", "<TDW83TemperatureAdded>0<",
                   "<NmeaPositionDataAdded>0<", "<SensorArray Size=\"2\">"});
    ExpectEveryCombinationRoundTrips(kSettings);
}

TEST(TDW47LumoTSG, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C47ThermosalCTD&) {};
    const Configure remote = [](C47ThermosalCTD& ctd) { ctd.SetbTDW83_Added(1); };
    std::vector<std::string> refused;
    for (const char* required :
         {"<SampleIntervalSeconds>1</SampleIntervalSeconds>",
          "<OutputConductivity>1</OutputConductivity>", "<OutputSalinity>0</OutputSalinity>",
          "<OutputSoundVelocity>0</OutputSoundVelocity>", "<UseJunctionBox>1</UseJunctionBox>",
          "<TDW83TemperatureAdded>0</TDW83TemperatureAdded>",
          "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>"}) {
        refused.push_back(Edited(none, required, ""));
    }
    refused.push_back(Edited(none, "<SampleIntervalSeconds>1<", "<SampleIntervalSeconds>0<"));
    refused.push_back(Edited(none, "<SampleIntervalSeconds>1<", "<SampleIntervalSeconds>40000<"));
    refused.push_back(Edited(none, "<SensorArray", "<SensorList"));
    // The flag disagrees with the number of sensors.
    refused.push_back(Edited(remote, "<TDW83TemperatureAdded>1<", "<TDW83TemperatureAdded>0<"));
    refused.push_back(Edited(none, "<TDW83TemperatureAdded>0<", "<TDW83TemperatureAdded>1<"));
    // Conductivity before temperature.
    refused.push_back(ReplaceAll(
        ReplaceAll(ReplaceAll(Edited(none, "", ""), "<Sensor index=\"0\"", "<Sensor index=\"X\""),
                   "<Sensor index=\"1\"", "<Sensor index=\"0\""),
        "<Sensor index=\"X\"", "<Sensor index=\"1\""));
    // A second conductivity sensor where the remote temperature belongs.
    std::string twoConductivities =
        Edited(none, "<TDW83TemperatureAdded>0<", "<TDW83TemperatureAdded>1<");
    const std::size_t from = twoConductivities.find("<Sensor index=\"1\"");
    const std::size_t to = twoConductivities.find("</SensorArray>");
    std::string copy = twoConductivities.substr(from, to - from);
    copy.replace(0, 17, "<Sensor index=\"2\"");
    twoConductivities.insert(to, copy);
    refused.push_back(
        ReplaceAll(twoConductivities, "<SensorArray Size=\"2\">", "<SensorArray Size=\"3\">"));
    ExpectRefused(refused, remote);

    const C47ThermosalCTD ctd = ReadAccepted<C47ThermosalCTD>(Edited(remote, "", ""));
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{54, 3, 56}));
}

TEST(TDW47LumoTSG, ReportShowsTheSettingsOnly) {
    ExpectSameLines(ReportOf(C47ThermosalCTD(), "tsg.xmlcon", 1),
                    "Date: 12/04/2026\n"
                    "\n"
                    "Instrument configuration file: tsg.xmlcon *\n"
                    "\n"
                    "Configuration report for TDW 47 LumoTSG Thermosalinograph\n"
                    "---------------------------------------------------------\n"
                    "\n"
                    "Sample interval          : 1 seconds\n"
                    "Conductivity output      : Yes\n"
                    "Salinity output          : No\n"
                    "Sound velocity output    : No\n"
                    "Use junction box         : Yes\n"
                    "TDW83 data added         : No\n");
    C47ThermosalCTD ctd;
    ctd.SetnSampleInterval(600);
    ctd.SetbOutputSalinity(1);
    ctd.SetbTDW83_Added(1);
    ExpectInOrder(ReportOf(ctd),
                  {"Sample interval          : 600 seconds\n", "Salinity output          : Yes\n",
                   "TDW83 data added         : Yes\n"});
}

}  // namespace
