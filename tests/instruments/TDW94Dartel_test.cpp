// The TDW 94 Dartel: fixed channels, surface PAR, scan length, XML and report.

#include <gtest/gtest.h>

#include <memory>

#include "ModelChecks.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/TDW94DartelCTD.h"

namespace {

using namespace tw_test;
using Configure = std::function<void(C94DartelCTD&)>;

void EverythingAdded(C94DartelCTD& ctd) {
    ctd.SetbSPAR_Added(1);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetbNMEA_TimeAdded(1);
    ctd.SetScanTimeAdded(1);
}

TEST(TDW94Dartel, FixedChannelsAndScanLength) {
    C94DartelCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{57, 3, 46}));
    EXPECT_EQ(ctd.GetScanLen(), 22);
    EXPECT_EQ(ctd.GetScanInterval(), 0.0625);
    EXPECT_EQ(IsProfiler(&ctd), 1);
    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_94_DARTEL));
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));

    EverythingAdded(ctd);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{57, 3, 46, 27, 51}));
    EXPECT_EQ(ctd.GetScanLen(), 22 + 28 + 8 + 6);
    EXPECT_EQ(ctd.GetSensor(3).GetOutputType(), OT_SPAR_VOLTAGE);
    for (int i = 0; i < 6; ++i) {
        const char* names[] = {"Count", "Frequency", "Count", "SPAR voltage", "SPAR voltage", ""};
        EXPECT_EQ(ctd.GetChannelName(i), names[i]) << i;
        EXPECT_EQ(ctd.CanChangeSensor(i), 0) << i;
    }
    // The NMEA and time fields follow the surface PAR data.
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetScanTimeOffset(), 28 + 28);
    EXPECT_EQ(ctd.SetnScansToAvg(256), 0);
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{57, 3, 46}));
}

TEST(TDW94Dartel, SettingsAreComparedWrittenInOrderAndReadBack) {
    ExpectSettingsComparedAndRead<C94DartelCTD>({
        [](C94DartelCTD& c, bool on) { c.SetnScansToAvg(on ? 255 : 1); },
        [](C94DartelCTD& c, bool on) { c.SetbSPAR_Added(on); },
        [](C94DartelCTD& c, bool on) { c.SetScanTimeAdded(on); },
        [](C94DartelCTD& c, bool on) { c.SetbNMEA_Added(on); },
        [](C94DartelCTD& c, bool on) { c.SetbDepthAdded(on); },
        [](C94DartelCTD& c, bool on) { c.SetbNMEA_TimeAdded(on); },
        [](C94DartelCTD& c, bool on) { c.SetbNMEA_PC(on); },
    });
}

TEST(TDW94Dartel, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C94DartelCTD&) {};
    const Configure withPAR = EverythingAdded;
    const std::vector<std::string> refused = {
        Document(none, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<"),
        // Without the whole group surface PAR stays off: five sensors are
        // too many.
        Document(withPAR, "<NmeaTimeAdded>1</NmeaTimeAdded>", ""),
        Document(withPAR, "<ScansToAverage>1</ScansToAverage>", ""),
        Document(withPAR, "<SurfaceParVoltageAdded>1<", "<SurfaceParVoltageAdded>0<"),
        SwapChannels(Document(withPAR), 3, 4),
        Document(none, "SensorID=\"57\"", "SensorID=\"58\""),
        Document(none, "SensorArray", "SensorList"),
    };
    ExpectWellFormed(refused);
    ExpectRefused(refused, withPAR);

    // Out of range keeps the default; scan time is optional.
    C94DartelCTD ctd;
    EXPECT_EQ(Read(Document(withPAR, "<ScansToAverage>1<", "<ScansToAverage>300<"), ctd), 0);
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 1);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 1);
    EXPECT_EQ(Read(Document(withPAR, "<ScanTimeAdded>1</ScanTimeAdded>"), ctd), 0);
    EXPECT_EQ(ctd.GetScanTimeAdded(), 0);
}

TEST(TDW94Dartel, Report) {
    C94DartelCTD ctd;
    EverythingAdded(ctd);
    ctd.SetnScansToAvg(16);
    const std::string report = ReportOf(ctd);
    ExpectInOrder(report,
                  {"Date: 12/04/2026\n\n"
                   "Configuration report for TDW 94 Dartel CTD\n"
                   "------------------------------------------\n\n"
                   "Scans to average         : 16\n"
                   "NMEA position data added : Yes\n"
                   "NMEA depth data added    : Yes\n"
                   "NMEA time added          : Yes\n"
                   "NMEA device connected to : deck unit\n"
                   "Surface PAR voltage added: Yes\n"
                   "Scan time added          : Yes\n\n"
                   "1) Count, Temperature\n",
                   "\n2) Frequency 0, Conductivity\n", "\n3) Count, Pressure, Strain Gauge\n",
                   "\n4) SPAR voltage, Unavailable\n\n"
                   "5) SPAR voltage, SPAR/Surface Irradiance\n"});
    EXPECT_TRUE(report.ends_with("\n\nScan length              : 64\n"));
}

}  // namespace
