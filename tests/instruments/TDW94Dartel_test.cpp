// The TDW 94 Dartel: fixed channels, surface PAR, scan length, and the
// documents it refuses.

#include <gtest/gtest.h>

#include "ModelChecks.h"
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
    EXPECT_EQ(ctd.GetScanInterval(), 0.0625);
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
    EXPECT_EQ(ctd.SetnScansToAvg(255), 1);
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{57, 3, 46}));
}

TEST(TDW94Dartel, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C94DartelCTD&) {};
    const Configure withPAR = EverythingAdded;
    const std::vector<std::string> refused = {
        Edited(none, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<"),
        // Without the whole group surface PAR stays off: five sensors are
        // too many.
        Edited(withPAR, "<NmeaTimeAdded>1</NmeaTimeAdded>", ""),
        Edited(withPAR, "<ScansToAverage>1</ScansToAverage>", ""),
        Edited(withPAR, "<SurfaceParVoltageAdded>1<", "<SurfaceParVoltageAdded>0<"),
        SwapChannels(Edited(withPAR), 3, 4),
    };
    ExpectRefused(refused, withPAR);

    // Out of range keeps the default; scan time is optional.
    C94DartelCTD ctd;
    EXPECT_EQ(Read(Edited(withPAR, "<ScansToAverage>1<", "<ScansToAverage>300<"), ctd), 0);
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 1);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 1);
    EXPECT_EQ(Read(Edited(withPAR, "<ScanTimeAdded>1</ScanTimeAdded>"), ctd), 0);
    EXPECT_EQ(ctd.GetScanTimeAdded(), 0);
}

}  // namespace
