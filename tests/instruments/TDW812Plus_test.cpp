// The TDW 812plus/814plus: suppressed channels, the binary scan and its
// decoding, and the documents it refuses.

#include <gtest/gtest.h>

#include <memory>

#include "ModelChecks.h"
#include "instruments/TDW812PlusCTD.h"
#include "sensors/AuxiliarySensors.h"

namespace {

using namespace tw_test;
using Configure = std::function<void(C812PlusCTD&)>;

// Exposes the depth offset, which the base keeps for the hosts.
struct C812PlusOffsets : C812PlusCTD {
    using C812PlusCTD::m_nNMEA_DepthOffset;
};

void EverythingAdded(C812PlusCTD& ctd) {
    ctd.SetNumFreqSuppress(0);
    ctd.SetNumVoltWordSuppress(0);
    ctd.SetbSPAR_Added(1);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetbNMEA_TimeAdded(1);
    ctd.SetbScanTimeAdded(1);
}

TEST(TDW812Plus, SuppressionKeepsTheChannelsInStep) {
    C812PlusCTD ctd;
    EXPECT_EQ(ctd.GetScanInterval(), 1 / 24.0);

    ctd.SetbSPAR_Added(1);
    ctd.SetNumVoltWordSuppress(5);
    ctd.SetNumVoltWordSuppress(3);
    ctd.ReplaceSensor(3, new CAltimeterSensor);
    // Frequency channels go before the voltage block, which moves along.
    ctd.SetNumFreqSuppress(1);
    ctd.SetNumFreqSuppress(3);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 45, 27, 0, 27, 27, 51}));
    EXPECT_EQ(ctd.GetNumFreqSuppress(), 1);
    ctd.SetNumVoltWordSuppress(1);
    EXPECT_EQ(ctd.GetNumVoltAdd(), 6);
    for (int i = -1; i <= ctd.GetNumChannel(); ++i) {
        const char* name = i < 0 || i > 11 ? ""
                           : i < 4         ? "Frequency"
                           : i < 10        ? "A/D voltage"
                                           : "SPAR voltage";
        EXPECT_EQ(ctd.GetChannelName(i), name) << i;
        EXPECT_EQ(ctd.CanChangeSensor(i) != 0, i >= 3 && i < 10) << i;
    }
    EXPECT_EQ(ctd.SetComputerInterface(2), 0);
    EXPECT_EQ(ctd.SetnScansToAvg(51), 0);
    EXPECT_EQ(C812PlusCTD::GetDeckUnitDescription(2), "TDW 14plus STORAX");
    EXPECT_EQ(C812PlusCTD::GetDeckUnitDescription(4), "");
}

TEST(TDW812Plus, ScanLayoutAndDecoding) {
    C812PlusOffsets ctd;
    EverythingAdded(ctd);
    // Five frequency words, five voltage words, NMEA 14, final word, time 4.
    EXPECT_EQ(ctd.GetScanLen(), 51);
    EXPECT_EQ(ctd.GetiNMEA(), 30);
    EXPECT_EQ(ctd.GetiDigiquartzTemp(), 44);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.m_nNMEA_DepthOffset, 74);
    EXPECT_EQ(ctd.GetNMEA_TimeOffset(), 80);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 94);
    // The cached figures hold while optimized, whatever changes.
    ctd.Optimize(1);
    ctd.SetbNMEA_Added(0);
    EXPECT_EQ(ctd.GetScanLen(), 51);
    EXPECT_EQ(ctd.GetiDigiquartzTemp(), 44);
    ctd.Optimize(0);
    EXPECT_EQ(ctd.GetiDigiquartzTemp(), 30);

    // Three frequency words, the position at byte 9, the final word, time.
    C812PlusCTD plain;
    plain.SetbNMEA_Added(1);
    plain.SetbScanTimeAdded(1);
    const unsigned char scan[23] = {0,    0,    0,    0,    0, 0, 0, 0,    0,    0x22, 0xB6, 0xB8,
                                    0x5B, 0xBE, 0x54, 0x41, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(plain.GetScanLen(), 23);
    plain.m_pScanData = scan;
    EXPECT_EQ(plain.ReadLatitude(), 45.5);
    EXPECT_EQ(plain.ReadLongitude(), -120.25);
    EXPECT_EQ(plain.ReadNewPosition(), 1);
    EXPECT_EQ(plain.ReadScanTime(), -2.0);
    plain.m_bPositionInScan = 0;
    plain.m_dLatitude = 10.0;
    EXPECT_EQ(plain.ReadLatitude(), 10.0);
    EXPECT_EQ(plain.ReadNewPosition(), 0);
}

TEST(TDW812Plus, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C812PlusCTD&) {};
    const Configure eightVolts = [](C812PlusCTD& c) { c.SetNumVoltWordSuppress(0); };
    ExpectRefused<C812PlusCTD>(
        {
            Edited(none, "<ComputerInterface>0<", "<ComputerInterface>2<"),
            Edited(none, "<ScansToAverage>1<", "<ScansToAverage>51<"),
            // The settings disagree with the channels.
            Edited(none, "<FrequencyChannelsSuppressed>2<", "<FrequencyChannelsSuppressed>1<"),
            Edited(eightVolts, "<VoltageWordsSuppressed>0<", "<VoltageWordsSuppressed>1<"),
            Edited(none, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<"),
            Edited<C812PlusCTD>(EverythingAdded, "<SurfaceParVoltageAdded>1<",
                                "<SurfaceParVoltageAdded>0<"),
            // Seven voltage channels cannot fill whole words.
            Edited(eightVolts, "<SensorArray Size=\"11\">", "<SensorArray Size=\"10\">"),
        },
        [](C812PlusCTD& c) { c.SetDeckUnitVersion(1); });

    // The deck unit is optional, and an unknown one is taken as the first.
    const Configure storax = [](C812PlusCTD& c) { c.SetDeckUnitVersion(2); };
    C812PlusCTD ctd;
    EXPECT_EQ(Read(Edited(storax, "<DeckUnitVersion>2<", "<DeckUnitVersion>7<"), ctd), 0);
    EXPECT_EQ(ctd.GetDeckUnitVersion(), 0);
    EXPECT_EQ(Read(Edited(storax, "<NmeaTimeAdded>0</NmeaTimeAdded>"), ctd), 0);
    EXPECT_EQ(ctd.GetDeckUnitVersion(), 2);
}

}  // namespace
