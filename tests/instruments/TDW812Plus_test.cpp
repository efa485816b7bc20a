// The TDW 812plus/814plus: suppressed channels, the binary scan layout and its
// decoding, XML and report.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ModelChecks.h"
#include "core/Catalogue.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/TDW812PlusCTD.h"
#include "sensors/AuxiliarySensors.h"

namespace {

using namespace tw_test;
using Configure = std::function<void(C812PlusCTD&)>;

// Exposes the depth offset, which the base keeps for the hosts.
struct C812PlusOffsets : C812PlusCTD {
    using C812PlusCTD::m_nNMEA_DepthOffset;
};

// Every option on: both frequency channels, all four voltage words, surface
// PAR, NMEA position with depth and time, scan time.
void EverythingAdded(C812PlusCTD& ctd) {
    ctd.SetNumFreqSuppress(0);
    ctd.SetNumVoltWordSuppress(0);
    ctd.SetbSPAR_Added(1);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetbNMEA_TimeAdded(1);
    ctd.SetbScanTimeAdded(1);
}

TEST(TDW812Plus, DefaultConfiguration) {
    C812PlusCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 45}));
    EXPECT_EQ(ctd.GetScanLen(), (0 + 3 + 1) * 3);
    EXPECT_EQ(ctd.GetScanInterval(), 1 / 24.0);
    EXPECT_EQ(ctd.GetNumFreqSuppress(), 2);
    EXPECT_EQ(ctd.GetNumVoltWordSuppress(), 4);
    EXPECT_EQ(ctd.GetComputerInterface().GetHigh(), 1);
    EXPECT_EQ(ctd.GetChannelName(2), "Frequency");
    EXPECT_EQ(ctd.GetChannelName(3), "");
    EXPECT_EQ(ctd.GetChannelName(-1), "");
    EXPECT_EQ(IsProfiler(&ctd), 1);

    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_812PLUS));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetCTD_Name(), "TDW 812plus/814plus CTD");
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));

    // DefaultConfig undoes every setting.
    C812PlusCTD changed;
    EverythingAdded(changed);
    changed.SetComputerInterface(1);
    changed.SetDeckUnitVersion(2);
    changed.SetnScansToAvg(7);
    changed.SetSerialNum("99");
    changed.DefaultConfig();
    EXPECT_TRUE(changed == ctd);
}

TEST(TDW812Plus, CopiesAndComparesEverySetting) {
    ExpectChangesCompared<C812PlusCTD>({
        [](C812PlusCTD& c) { c.SetNumFreqSuppress(1); },
        [](C812PlusCTD& c) { c.SetNumVoltWordSuppress(3); },
        [](C812PlusCTD& c) { c.SetComputerInterface(1); },
        [](C812PlusCTD& c) { c.SetDeckUnitVersion(3); },
        [](C812PlusCTD& c) { c.SetnScansToAvg(2); },
        [](C812PlusCTD& c) { c.SetbSPAR_Added(1); },
        [](C812PlusCTD& c) { c.SetbScanTimeAdded(1); },
        [](C812PlusCTD& c) { c.SetbNMEA_PC(1); },
        [](C812PlusCTD& c) { c.SetSerialNum("1"); },
        [](C812PlusCTD& c) {
            c.SetbNMEA_Added(1);
            c.Optimize(1);
        },
    });
}

TEST(TDW812Plus, ScanLayoutWithEverythingAdded) {
    C812PlusOffsets ctd;
    EverythingAdded(ctd);
    EXPECT_EQ(ctd.GetNumChannel(), 15);
    // Five frequency words, five voltage words, NMEA 14, final word, time 4.
    EXPECT_EQ(ctd.GetScanLen(), 33 + 14 + 4);
    EXPECT_EQ(ctd.GetiNMEA(), 30);
    EXPECT_EQ(ctd.GetiDigiquartzTemp(), 44);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.m_nNMEA_DepthOffset, 74);
    EXPECT_EQ(ctd.GetNMEA_TimeOffset(), 80);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 94);

    // Without position decoding the NMEA bytes are not counted.
    ctd.m_bPositionInScan = 0;
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.m_nNMEA_DepthOffset, 0);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 66);

    // The cached figures hold while optimized, whatever changes.
    ctd.Optimize(1);
    ctd.SetbScanTimeAdded(0);
    ctd.SetbNMEA_Added(0);
    EXPECT_EQ(ctd.GetScanLen(), 51);
    EXPECT_EQ(ctd.GetiNMEA(), 30);
    EXPECT_EQ(ctd.GetiDigiquartzTemp(), 44);
    ctd.Optimize(0);
    EXPECT_EQ(ctd.GetScanLen(), 33);
    EXPECT_EQ(ctd.GetiDigiquartzTemp(), 30);
}

TEST(TDW812Plus, SuppressionKeepsTheChannelsInStep) {
    C812PlusCTD ctd;
    ctd.SetbSPAR_Added(1);
    ctd.SetNumVoltWordSuppress(5);
    ctd.SetNumVoltWordSuppress(-1);
    EXPECT_EQ(ctd.GetNumVoltAdd(), 0);
    ctd.SetNumVoltWordSuppress(3);
    ctd.ReplaceSensor(3, new CAltimeterSensor);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 45, 0, 27, 27, 51}));
    // Frequency channels go before the voltage block, which moves along.
    ctd.SetNumFreqSuppress(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 45, 27, 0, 27, 27, 51}));
    EXPECT_EQ(ctd.AddExtVoltFrom(), 4);
    ctd.SetNumFreqSuppress(3);
    EXPECT_EQ(ctd.GetNumFreqAdd(), 1);
    ctd.SetNumVoltWordSuppress(1);
    EXPECT_EQ(ctd.GetNumVoltAdd(), 6);
    EXPECT_EQ(ctd.GetNumChannel(), 3 + 1 + 6 + 2);

    const std::vector<std::string> names = {
        "Frequency",   "Frequency",   "Frequency",   "Frequency",   "A/D voltage",  "A/D voltage",
        "A/D voltage", "A/D voltage", "A/D voltage", "A/D voltage", "SPAR voltage", "SPAR voltage"};
    for (int i = 0; i < ctd.GetNumChannel(); ++i) {
        EXPECT_EQ(ctd.GetChannelName(i), names[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(ctd.CanChangeSensor(i) != 0, i >= 3 && i < 10) << i;
    }
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(ctd.GetNumChannel(), 10);
    EXPECT_EQ(ctd.GetSensor(9).GetSensorID(), 27);

    EXPECT_EQ(ctd.SetComputerInterface(2), 0);
    EXPECT_EQ(ctd.SetComputerInterface(1), 1);
    EXPECT_EQ(ctd.SetnScansToAvg(51), 0);
    EXPECT_EQ(ctd.SetnScansToAvg(50), 1);
    EXPECT_EQ(ctd.GetScanInterval(), 50 / 24.0);
    EXPECT_EQ(C812PlusCTD::GetDeckUnitDescription(2), "TDW 14plus STORAX");
    EXPECT_EQ(C812PlusCTD::GetDeckUnitDescription(4), "");
}

TEST(TDW812Plus, DecodesPositionAndTimeFromTheBinaryScan) {
    C812PlusCTD ctd;
    ctd.SetbNMEA_Added(1);
    ctd.SetbScanTimeAdded(1);
    // Three frequency words, the position at byte 9, the final word at 16,
    // the time at 19.
    const unsigned char scan[23] = {0,    0,    0,    0,    0, 0, 0, 0,    0,    0x22, 0xB6, 0xB8,
                                    0x5B, 0xBE, 0x54, 0x41, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(ctd.GetScanLen(), static_cast<int>(sizeof scan));
    ctd.m_pScanData = scan;
    EXPECT_EQ(ctd.ReadLatitude(), 45.5);
    EXPECT_EQ(ctd.ReadLongitude(), -120.25);
    EXPECT_EQ(ctd.ReadNewPosition(), 1);
    EXPECT_EQ(ctd.ReadScanTime(), -2.0);

    ctd.m_bPositionInScan = 0;
    ctd.m_dLatitude = 10.0;
    ctd.m_dLongitude = 20.0;
    EXPECT_EQ(ctd.ReadLatitude(), 10.0);
    EXPECT_EQ(ctd.ReadLongitude(), 20.0);
    EXPECT_EQ(ctd.ReadNewPosition(), 0);
    ctd.SetbScanTimeAdded(0);
    EXPECT_EQ(ctd.ReadScanTime(), 0.0);
}

TEST(TDW812Plus, WritesElementsInOrderAndReadsBackEqual) {
    C812PlusCTD plain;
    std::string text;
    const C812PlusCTD back = RoundTrip(plain, &text);
    EXPECT_TRUE(back == plain);
    ExpectInOrder(text, {"<FrequencyChannelsSuppressed>2<", "<VoltageWordsSuppressed>4<",
                         "<ComputerInterface>0<", "<!--0 == TDW12plus Firmware Version >= 5.0-->",
                         "<!--1 == TDW12plus Firmware Version < 5.0-->",
                         "<!--2 == TDW 14plus STORAX-->", "<!--3 == None-->", "<DeckUnitVersion>0<",
                         "<ScansToAverage>1<", "<SurfaceParVoltageAdded>0<", "<ScanTimeAdded>0<",
                         "<NmeaPositionDataAdded>0<", "<NmeaDepthDataAdded>0<", "<NmeaTimeAdded>0<",
                         "<NmeaDeviceConnectedToPC>0<", "<SensorArray Size=\"3\">"});

    for (int freq = 0; freq <= 2; ++freq) {
        for (int words = 0; words <= 4; ++words) {
            C812PlusCTD ctd;
            ctd.SetNumFreqSuppress(freq);
            ctd.SetNumVoltWordSuppress(words);
            if (ctd.GetNumVoltAdd() > 0) {
                auto* zaps = new CZapsSensor;
                zaps->SetM(0.5 * freq + words);
                ctd.ReplaceSensor(ctd.AddExtVoltFrom(), zaps);
            }
            ctd.SetbSPAR_Added((freq + words) % 2);
            ctd.SetbNMEA_Added(words % 2);
            ctd.SetbNMEA_PC(freq % 2);
            ctd.SetbScanTimeAdded(freq == 1);
            ctd.SetComputerInterface(words % 2);
            ctd.SetDeckUnitVersion(words % 4);
            ctd.SetnScansToAvg(10 * words + freq + 1);
            const C812PlusCTD copy = RoundTrip(ctd);
            EXPECT_TRUE(copy == ctd) << "freq " << freq << " words " << words;
        }
    }
}

TEST(TDW812Plus, InconsistentDocumentsAreRefusedAndChangeNothing) {
    const Configure none = [](C812PlusCTD&) {};
    const Configure full = EverythingAdded;
    const Configure oneWord = [](C812PlusCTD& ctd) { ctd.SetNumVoltWordSuppress(3); };
    std::vector<std::string> refused;
    for (const char* required :
         {"<FrequencyChannelsSuppressed>2</FrequencyChannelsSuppressed>",
          "<VoltageWordsSuppressed>4</VoltageWordsSuppressed>",
          "<ComputerInterface>0</ComputerInterface>", "<ScansToAverage>1</ScansToAverage>",
          "<SurfaceParVoltageAdded>0</SurfaceParVoltageAdded>", "<ScanTimeAdded>0</ScanTimeAdded>",
          "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>"}) {
        refused.push_back(Edited(none, required, ""));
    }
    refused.push_back(Edited(none, "<ComputerInterface>0<", "<ComputerInterface>2<"));
    refused.push_back(Edited(none, "<ScansToAverage>1<", "<ScansToAverage>51<"));
    refused.push_back(Edited(none, "<ScansToAverage>1<", "<ScansToAverage>0<"));
    refused.push_back(Edited(none, "<SensorArray", "<SensorList"));
    // A Digiquartz without temperature compensation in the pressure channel.
    refused.push_back(ReplaceAll(Edited(none, "", ""), "SensorID=\"45\"", "SensorID=\"44\""));
    // The suppressed counts disagree with the channels.
    refused.push_back(
        Edited(none, "<FrequencyChannelsSuppressed>2<", "<FrequencyChannelsSuppressed>1<"));
    refused.push_back(Edited(oneWord, "<VoltageWordsSuppressed>3<", "<VoltageWordsSuppressed>4<"));
    // Seven voltage channels cannot fill whole words.
    const Configure allVoltages = [](C812PlusCTD& ctd) { ctd.SetNumVoltWordSuppress(0); };
    refused.push_back(
        Edited(allVoltages, "<SensorArray Size=\"11\">", "<SensorArray Size=\"10\">"));
    // The surface PAR setting disagrees with the channels.
    refused.push_back(Edited(full, "<SurfaceParVoltageAdded>1<", "<SurfaceParVoltageAdded>0<"));
    refused.push_back(Edited(none, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<"));
    ExpectRefused(refused, oneWord);

    // The deck unit is optional, and an unknown one is taken as the first.
    C812PlusCTD ctd =
        ReadAccepted<C812PlusCTD>(Edited(none, "<DeckUnitVersion>0<", "<DeckUnitVersion>7<"));
    EXPECT_EQ(ctd.GetDeckUnitVersion(), 0);
    ctd = ReadAccepted<C812PlusCTD>(Edited(none, "<DeckUnitVersion>0</DeckUnitVersion>", ""));
    EXPECT_EQ(ctd.GetDeckUnitVersion(), 0);
    const Configure storax = [](C812PlusCTD& c) { c.SetDeckUnitVersion(2); };
    ctd = ReadAccepted<C812PlusCTD>(Edited(storax, "<NmeaTimeAdded>0</NmeaTimeAdded>", ""));
    EXPECT_EQ(ctd.GetDeckUnitVersion(), 2);
}

TEST(TDW812Plus, ReportFollowsTheSettings) {
    C812PlusCTD ctd;
    ctd.SetNumFreqSuppress(1);
    ctd.SetNumVoltWordSuppress(3);
    ctd.ReplaceSensor(4, new CAltimeterSensor);
    ctd.SetbSPAR_Added(1);
    ctd.SetComputerInterface(1);
    ctd.SetDeckUnitVersion(2);
    ctd.SetnScansToAvg(4);
    ctd.SetbNMEA_Added(1);
    ctd.SetbNMEA_PC(1);
    const std::string report = ReportOf(ctd, "cast.xmlcon", 1);
    ExpectInOrder(report, {"Date: 12/04/2026\n\n"
                           "Instrument configuration file: cast.xmlcon *\n\n"
                           "Configuration report for TDW 812plus/814plus CTD\n"
                           "------------------------------------------------\n\n"
                           "Frequency channels suppressed : 1\n"
                           "Voltage words suppressed      : 3\n"
                           "Computer interface            : IEEE-488 (GPIB)\n"
                           "Deck unit                     : TDW 14plus STORAX\n"
                           "Scans to average              : 4\n"
                           "NMEA position data added      : Yes\n"
                           "NMEA depth data added         : No\n"
                           "NMEA time added               : No\n"
                           "NMEA device connected to      : PC\n"
                           "Surface PAR voltage added     : Yes\n"
                           "Scan time added               : No\n\n"
                           "1) Frequency 0, Temperature\n",
                           "\n2) Frequency 1, Conductivity\n",
                           "\n3) Frequency 2, Pressure, Digiquartz with TC\n",
                           "\n4) Frequency 3, Free\n\n"
                           "5) A/D voltage 0, Altimeter\n",
                           "\n6) A/D voltage 1, Free\n\n"
                           "7) SPAR voltage, Unavailable\n\n"
                           "8) SPAR voltage, SPAR/Surface Irradiance\n",
                           "\n* - The configuration was changed after the file was opened.\n"
                           "Scan length                   : 28\n"});
    EXPECT_TRUE(report.ends_with("opened.\nScan length                   : 28\n"));
}

}  // namespace
