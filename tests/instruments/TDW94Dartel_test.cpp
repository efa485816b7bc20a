// The TDW 94 Dartel: fixed channels, surface PAR, scan length, XML and report.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ModelChecks.h"
#include "core/Catalogue.h"
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
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));

    EverythingAdded(ctd);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{57, 3, 46, 27, 51}));
    EXPECT_EQ(ctd.GetNumChannel(), 5);
    EXPECT_EQ(ctd.GetScanLen(), 22 + 28 + 8 + 6);
    const std::vector<std::string> names = {"Count",        "Frequency",    "Count",
                                            "SPAR voltage", "SPAR voltage", ""};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(ctd.GetChannelName(i), names[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(ctd.CanChangeSensor(i), 0) << i;
    }
    // The NMEA and time fields follow the surface PAR data.
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetNMEA_TimeOffset(), 28 + 14 + 6);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 28 + 28);

    ctd.SetnScansToAvg(255);
    EXPECT_EQ(ctd.GetScanInterval(), 255 * 0.0625);
    EXPECT_EQ(ctd.SetnScansToAvg(256), 0);
    EXPECT_EQ(ctd.SetnScansToAvg(0), 0);
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{57, 3, 46}));
    ctd.DefaultConfig();
    C94DartelCTD fresh;
    fresh.InitializeForCalculations();
    ctd.InitializeForCalculations();
    EXPECT_TRUE(ctd == fresh);
}

TEST(TDW94Dartel, CopiesAndComparesEverySetting) {
    ExpectChangesCompared<C94DartelCTD>({
        [](C94DartelCTD& c) { c.SetnScansToAvg(16); },
        [](C94DartelCTD& c) { c.SetbSPAR_Added(1); },
        [](C94DartelCTD& c) { c.SetScanTimeAdded(1); },
        [](C94DartelCTD& c) { c.SetbDepthAdded(1); },
    });
}

TEST(TDW94Dartel, WritesElementsInOrderAndReadsBackEqual) {
    C94DartelCTD plain;
    std::string text;
    EXPECT_TRUE(RoundTrip(plain, &text) == plain);
    ExpectInOrder(text,
                  {"<ScanTimeAdded>0<", "<ScansToAverage>1<", "<NmeaPositionDataAdded>0<",
                   "<NmeaDepthDataAdded>0<", "<NmeaTimeAdded>0<", "<NmeaDeviceConnectedToPC>0<",
                   "<SurfaceParVoltageAdded>0<", "<SensorArray Size=\"3\">"});
    for (int options = 0; options < 32; ++options) {
        C94DartelCTD ctd;
        ctd.SetbSPAR_Added(options & 1);
        ctd.SetbNMEA_Added(options & 2);
        ctd.SetbDepthAdded(options & 4);
        ctd.SetbNMEA_TimeAdded(options & 8);
        ctd.SetbNMEA_PC(options & 16);
        ctd.SetScanTimeAdded(options % 3 == 0);
        ctd.SetnScansToAvg(options * 8 + 1);
        EXPECT_TRUE(RoundTrip(ctd) == ctd) << "options " << options;
    }
}

TEST(TDW94Dartel, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C94DartelCTD&) {};
    const Configure withPAR = EverythingAdded;
    const std::string parDocument = Edited(withPAR, "", "");
    const std::string swappedPair =
        ReplaceAll(ReplaceAll(ReplaceAll(parDocument, "<Sensor index=\"3\"", "<Sensor index=\"X\""),
                              "<Sensor index=\"4\"", "<Sensor index=\"3\""),
                   "<Sensor index=\"X\"", "<Sensor index=\"4\"");
    ExpectRefused<C94DartelCTD>(
        {
            Edited(none, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<"),
            // Without the whole group surface PAR stays off, so five sensors
            // are too many.
            Edited(withPAR, "<NmeaTimeAdded>1</NmeaTimeAdded>", ""),
            Edited(withPAR, "<ScansToAverage>1</ScansToAverage>", ""),
            Edited(withPAR, "<SurfaceParVoltageAdded>1<", "<SurfaceParVoltageAdded>0<"),
            swappedPair,
            ReplaceAll(Edited(none, "", ""), "SensorID=\"57\"", "SensorID=\"58\""),
            Edited(none, "<SensorArray", "<SensorList"),
        },
        withPAR);

    // Out of range keeps the default; missing optional elements are fine.
    C94DartelCTD ctd =
        ReadAccepted<C94DartelCTD>(Edited(withPAR, "<ScansToAverage>1<", "<ScansToAverage>300<"));
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 1);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 1);
    ctd = ReadAccepted<C94DartelCTD>(Edited(withPAR, "<ScanTimeAdded>1</ScanTimeAdded>", ""));
    EXPECT_EQ(ctd.GetScanTimeAdded(), 0);
    ctd =
        ReadAccepted<C94DartelCTD>(Edited(none, "<NmeaDepthDataAdded>0</NmeaDepthDataAdded>", ""));
    EXPECT_TRUE(ctd == C94DartelCTD());
}

TEST(TDW94Dartel, Report) {
    // The sensors' own lines come from the sensors; this instrument gives the
    // header, its settings, the channel labels and the scan length.
    const std::string report = ReportOf(C94DartelCTD());
    ExpectInOrder(report,
                  {"Date: 12/04/2026\n"
                   "\n"
                   "Configuration report for TDW 94 Dartel CTD\n"
                   "------------------------------------------\n"
                   "\n"
                   "Scans to average         : 1\n"
                   "NMEA position data added : No\n"
                   "NMEA depth data added    : No\n"
                   "NMEA time added          : No\n"
                   "Surface PAR voltage added: No\n"
                   "Scan time added          : No\n"
                   "\n"
                   "1) Count, Temperature\n\n   Serial number : \n",
                   "\n2) Frequency 0, Conductivity\n\n", "\n3) Count, Pressure, Strain Gauge\n\n",
                   "   Offset        : 0.000000\n"
                   "\n"
                   "Scan length              : 22\n"});
    EXPECT_TRUE(report.ends_with("\n\nScan length              : 22\n"));

    C94DartelCTD ctd;
    EverythingAdded(ctd);
    ctd.SetnScansToAvg(16);
    ExpectInOrder(ReportOf(ctd), {"Scans to average         : 16\n"
                                  "NMEA position data added : Yes\n"
                                  "NMEA depth data added    : Yes\n"
                                  "NMEA time added          : Yes\n"
                                  "NMEA device connected to : deck unit\n"
                                  "Surface PAR voltage added: Yes\n"
                                  "Scan time added          : Yes\n",
                                  "\n4) SPAR voltage, Unavailable\n\n"
                                  "5) SPAR voltage, SPAR/Surface Irradiance\n",
                                  "\nScan length              : 64\n"});
}

}  // namespace
