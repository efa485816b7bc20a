// The Corvane CTDs: the TDW 56 with its channels in the sensor array, and the
// TDW 56plus that builds its channel list from its collections for a usage.

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/ModelChecks.h"
#include "sensors/AuxiliarySensors.h"

namespace {

using tw_test::SensorIDs;

TEST(Corvane56, ChannelsScanLengthAndInterval) {
    C56CorvaneCTD ctd;
    ctd.SetNumVoltAdd(7);
    ctd.SetbSPAR_Added(1);
    EXPECT_EQ(ctd.SetRealTimeDataOutputRate(4), 0);
    ctd.SetRealTimeDataOutputRate(3);
    EXPECT_EQ(ctd.GetNumChannel(), 12);
    EXPECT_EQ(ctd.GetScanLen(), 16 + 21 + 1 + 6);
    EXPECT_EQ(ctd.GetScanInterval(), 0.125);
    EXPECT_EQ(ctd.GetChannelName(10), "SPAR voltage");
    EXPECT_TRUE(ctd.CanChangeSensor(9));
    EXPECT_FALSE(ctd.CanChangeSensor(10));

    // Voltages come and go before the surface PAR pair; an even count packs.
    ctd.SetNumVoltAdd(2);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 49, 27, 27, 27, 51}));
    EXPECT_EQ(ctd.GetScanLen(), 16 + 6 + 6);
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 49, 27, 27}));
}

TEST(Corvane56, WritesInOrderReadsBackAndRefusesWhatDisagrees) {
    using Configure = std::function<void(C56CorvaneCTD&)>;
    const Configure configured = [](C56CorvaneCTD& ctd) {
        ctd.SetNumVoltAdd(3);
        ctd.ReplaceSensor(4, new CAltimeterSensor);
        ctd.SetbSPAR_Added(1);
        ctd.SetFirmwareVersion(1);
        ctd.SetRealTimeDataOutputRate(2);
        ctd.SetbNMEA_Added(1);
    };
    C56CorvaneCTD ctd;
    configured(ctd);
    tw_test::ExpectRoundTrip(ctd, "configured");

    auto edited = [&configured](const std::string& from, const std::string& to) {
        return tw_test::Edited(configured, from, to);
    };
    tw_test::ExpectRefused<C56CorvaneCTD>(
        {
            edited("<RealTimeDataOutputRate>2<", "<RealTimeDataOutputRate>4<"),
            edited("<ExternalVoltageChannels>3<", "<ExternalVoltageChannels>2<"),
            // The surface PAR pair and its setting disagree.
            edited("<SurfaceParVoltageAdded>1<", "<SurfaceParVoltageAdded>0<"),
        },
        configured);

    // Optional elements may be missing; an unknown firmware keeps the default.
    std::string doc = edited("<NmeaTimeAdded>0</NmeaTimeAdded>", "");
    doc = std::regex_replace(doc, std::regex("<FirmwareVersion>1<"), "<FirmwareVersion>7<");
    ASSERT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_EQ(ctd.GetFirmwareVersion().Get(), 0);
}

TEST(Corvane56Plus, StoredFileCarriesEveryChannel) {
    C56PlusCTD ctd;
    const std::unique_ptr<CCTD> clone(ctd.Clone());
    EXPECT_TRUE(CTD_ObjectsEqual(clone.get(), &ctd));

    // The serial channels follow the voltages in the stored file only.
    S56SerialChannel oxygen;
    oxygen.type = CVantrelCTD::TDW_68_OPTICAL_OXYGEN;
    oxygen.sensors.Add(CreateSensorObject(72));
    S56SerialChannel triplet;
    triplet.type = CVantrelCTD::WETLABS_SERIAL_TRIPLET;
    for (int i = 0; i < 3; ++i) {
        triplet.sensors.Add(new CNullSensor);
    }
    ctd.SetSerialChannel(0, oxygen);
    ctd.SetSerialChannel(1, triplet);
    ctd.SetExternalVoltageSensor(5, new CAltimeterSensor);
    ctd.SetExternalVoltageSensor(6, nullptr);
    EXPECT_EQ(SensorIDs(ctd),
              (std::vector<int>{55, 3, 46, 27, 27, 27, 27, 27, 0, 27, 27, 72, 27, 27, 27}));
    EXPECT_EQ(ctd.GetNumChannel(), 15);
    for (int channel : {10, 11, 15}) {
        EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(channel)) << channel;
    }
    EXPECT_TRUE(ctd.IsIndex_WET_Labs_Serial(12));
    EXPECT_TRUE(ctd.IsIndex_WET_Labs_Serial(14));
    EXPECT_TRUE(ctd.CanChangeSensor(10));
    EXPECT_FALSE(ctd.CanChangeSensor(11));
    // Counted over the collections: seven free voltages, three serial places.
    EXPECT_EQ(ctd.DuplicateSensorCnt(SID_NULL), 10);

    // Real time drops the serial channels and the voltages not exported.
    ctd.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 46}));
    EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(12));
    ctd.SetExternalVoltageExported(5, 1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 46, 0}));
    EXPECT_EQ(ctd.GetNumVoltAdd(), 1);
}

TEST(Corvane56Plus, RealTimeIntervalsAndScanLengths) {
    C56PlusCTD ctd;
    ctd.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
    ctd.SetExternalVoltageExported(0, 1);
    ctd.SetExternalVoltageExported(5, 1);
    ctd.SetConsoleBaud(C56PlusCTD::CONSOLE_BAUD_4800);
    ctd.SetHistoricRate(C56PlusCTD::HISTORIC_RATE__FASTER);
    EXPECT_EQ(ctd.GetNumChannel(), 5);
    EXPECT_EQ(ctd.GetScanInterval(), 0.25);
    EXPECT_EQ(ctd.GetScanLen(), 36);
    ctd.SetbSPAR_Added(1);
    EXPECT_EQ(ctd.GetScanLen(), 42);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 46, 27, 27, 27, 51}));
    EXPECT_EQ(ctd.GetChannelName(5), "SPAR voltage");
    ctd.SetbNMEA_Added(1);
    ctd.SetbNMEA_TimeAdded(1);
    ctd.SetScanTimeAdded(1);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetScanTimeOffset(), 42 + 14 + 8);
    ctd.Optimize(1);
    ctd.SetExternalVoltageExported(1, 1);
    EXPECT_EQ(ctd.GetScanLen(), 72);
    ctd.Optimize(0);
    EXPECT_EQ(ctd.GetScanLen(), 76);
    EXPECT_EQ(ctd.SetConsoleBaud(5), 0);
    EXPECT_EQ(ctd.SetHistoricRate(2), 0);

    // Seconds a scan by console baud, without and with exported voltages.
    struct SRate {
        int baud, historic;
        double none, some;
    };
    for (const SRate& rate : std::vector<SRate>{{0, 0, 1.0, 2.0},
                                                {1, 0, 0.5, 1.0},
                                                {2, 1, 0.5, 1.0},
                                                {3, 0, 0.25, 0.5},
                                                {3, 1, 0.125, 0.25},
                                                {4, 0, 0.125, 0.125}}) {
        C56PlusCTD wavecap;
        wavecap.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
        wavecap.SetConsoleBaud(rate.baud);
        wavecap.SetHistoricRate(rate.historic);
        EXPECT_EQ(wavecap.GetScanInterval(), rate.none) << rate.baud;
        wavecap.SetExternalVoltageExported(3, 1);
        EXPECT_EQ(wavecap.GetScanIntervalCalc(), rate.some) << rate.baud;
    }
}

// A real-time configuration with a little of everything.
void ConfigureWavecap(C56PlusCTD& ctd) {
    ctd.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
    auto* altimeter = new CAltimeterSensor;
    altimeter->SetScaleFactor(15.0);
    ctd.SetExternalVoltageSensor(2, altimeter);
    ctd.SetExternalVoltageExported(2, 1);
    ctd.SetExternalVoltageExported(6, 1);
    ctd.SetUsingDeckUnitFlag(1);
    ctd.SetbSPAR_Added(1);
    auto* spar = new CSPAR_Sensor;
    spar->SetConversionFactor(1606.0);
    ctd.SetSparSensor(spar);
    ctd.SetConsoleBaud(C56PlusCTD::CONSOLE_BAUD_2400);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetScanTimeAdded(1);
}

TEST(Corvane56Plus, BadDocumentsAreRefusedAndChangeNothing) {
    const std::function<void(C56PlusCTD&)> wavecap = ConfigureWavecap;
    auto edited = [&wavecap](const std::string& from, const std::string& to) {
        return tw_test::Edited(wavecap, from, to);
    };
    const std::vector<std::string> refused = {
        std::regex_replace(edited("", ""), std::regex("TCP_Sensors"), "FixedSensors"),
        edited("<HistoricRate>0<", "<HistoricRate>2<"),
        std::regex_replace(edited("", ""), std::regex("RealTimeOptions"), "Options"),
        edited("<ExternalVoltageSensors Size=\"8\">", "<ExternalVoltageSensors Size=\"7\">"),
        edited(" ExportInRealTime=\"0\"", ""),
        edited("<Sensor index=\"3\" SensorID=\"27\"", "<Sensor index=\"3\""),
        edited("<Sensor index=\"3\" SensorID=\"27\"", "<Sensor index=\"3\" SensorID=\"26\""),
        edited("<Sensor index=\"7\"", "<Sensor index=\"8\""),
        // Surface PAR through a deck unit needs its calibration.
        edited("<SPAR_Sensor SensorID=\"51\"", "<SPAR_Sensor SensorID=\"52\""),
    };
    tw_test::ExpectRefused<C56PlusCTD>(refused, wavecap);
}

TEST(Corvane56Plus, WithoutDeckUnitNmeaComesThroughThePC) {
    C56PlusCTD ctd;
    std::string doc = tw_test::WriteObject("Instrument", ctd);
    for (const char* tag : {"NmeaPositionDataAdded", "SurfaceParVoltageAdded"}) {
        doc = std::regex_replace(doc, std::regex(std::string("<") + tag + ">0<"),
                                 std::string("<") + tag + ">1<");
    }
    doc = std::regex_replace(doc, std::regex("<SerialChannel1>[\\s\\S]*</SerialChannel2>"), "");
    doc = std::regex_replace(doc, std::regex("<BaudConsole>4</BaudConsole>"), "");
    ASSERT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_EQ(ctd.GetbNMEA_PC(), 1);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 0);
    EXPECT_EQ(ctd.GetConsoleBaud(), C56PlusCTD::CONSOLE_BAUD_9600_OR_HIGHER);
}

}  // namespace
