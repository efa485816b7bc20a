// The Corvane CTDs: the TDW 56 with its channels in the sensor array, and the
// TDW 56plus that builds its channel list from its collections for a usage.

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/ModelChecks.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/TemperatureSensors.h"

namespace {

using tw_test::SensorIDs;

// --- TDW 56 Corvane ---

TEST(Corvane56, ChannelsScanLengthAndInterval) {
    C56CorvaneCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 49}));
    EXPECT_EQ(ctd.GetScanLen(), 16);
    EXPECT_EQ(ctd.GetScanInterval(), 1.0);
    EXPECT_EQ(IsProfiler(&ctd), 1);

    ctd.SetNumVoltAdd(7);
    ctd.SetbSPAR_Added(1);
    EXPECT_EQ(ctd.SetRealTimeDataOutputRate(4), 0);
    ctd.SetRealTimeDataOutputRate(3);
    EXPECT_EQ(ctd.GetNumChannel(), 12);
    EXPECT_EQ(ctd.GetScanLen(), 16 + 21 + 1 + 6);
    EXPECT_EQ(ctd.GetScanInterval(), 0.125);
    EXPECT_EQ(ctd.GetChannelName(9), "A/D voltage");
    EXPECT_EQ(ctd.GetChannelName(10), "SPAR voltage");
    EXPECT_EQ(ctd.GetChannelName(12), "");
    EXPECT_TRUE(ctd.CanChangeSensor(9));
    EXPECT_FALSE(ctd.CanChangeSensor(10));
    EXPECT_FALSE(ctd.CanChangeSensor(2));

    // Voltages come and go before the surface PAR pair.
    ctd.SetNumVoltAdd(2);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 49, 27, 27, 27, 51}));
    EXPECT_EQ(ctd.GetScanLen(), 16 + 6 + 6);
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 49, 27, 27}));
    ctd.SetbNMEA_Added(1);
    ctd.SetScanTimeAdded(1);
    EXPECT_EQ(ctd.GetScanLen(), 22 + 14 + 8);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetScanTimeOffset(), 22 + 14);
}

TEST(Corvane56, WritesInOrderAndReadsBackEqual) {
    C56CorvaneCTD ctd;
    ctd.SetNumVoltAdd(3);
    ctd.ReplaceSensor(4, new CAltimeterSensor);
    ctd.SetbSPAR_Added(1);
    ctd.SetFirmwareVersion(1);
    ctd.SetRealTimeDataOutputRate(2);
    ctd.SetbNMEA_Added(1);
    ctd.SetbNMEA_PC(1);
    const std::string text = tw_test::WriteObject("Instrument", ctd);
    tw_test::ExpectInOrder(
        text, {"<!--Firmware version: 0 = version 2.0 or later, 1 = older than version 2.0-->",
               "<FirmwareVersion>1</FirmwareVersion>", "<!--Data output rate:-->",
               "<!--    0 = 1 scan/sec-->", "<!--    3 = 8 scan/sec-->",
               "<ExternalVoltageChannels>3</ExternalVoltageChannels>",
               "<RealTimeDataOutputRate>2</RealTimeDataOutputRate>", "<NmeaPositionDataAdded>1<",
               "<NmeaDepthDataAdded>0<", "<NmeaTimeAdded>0<", "<NmeaDeviceConnectedToPC>1<",
               "<SurfaceParVoltageAdded>1<", "<ScanTimeAdded>0<", "<SensorArray Size=\"8\">"});
    tw_test::ExpectRoundTrip(ctd, "configured");
    C56CorvaneCTD plain;
    tw_test::ExpectRoundTrip(plain, "default");
}

TEST(Corvane56, InconsistentDocumentsAreRefused) {
    using Configure = std::function<void(C56CorvaneCTD&)>;
    const Configure none = [](C56CorvaneCTD&) {};
    const Configure twoVolts = [](C56CorvaneCTD& ctd) { ctd.SetNumVoltAdd(2); };
    const Configure withPAR = [](C56CorvaneCTD& ctd) { ctd.SetbSPAR_Added(1); };
    auto edited = [](const Configure& configure, const std::string& from, const std::string& to) {
        return tw_test::Edited<C56CorvaneCTD>(configure, from, to);
    };
    const std::string plain = edited(none, "", "");
    tw_test::ExpectRefused<C56CorvaneCTD>(
        {
            edited(none, "<RealTimeDataOutputRate>0<", "<RealTimeDataOutputRate>4<"),
            edited(none, "<ExternalVoltageChannels>0</ExternalVoltageChannels>", ""),
            edited(none, "<FirmwareVersion>0</FirmwareVersion>", ""),
            edited(none, "<ScanTimeAdded>0</ScanTimeAdded>", ""),
            edited(none, "<SurfaceParVoltageAdded>0</SurfaceParVoltageAdded>", ""),
            edited(none, "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>", ""),
            edited(none, "<SensorArray", "<Sensors"),
            std::regex_replace(plain, std::regex("SensorID=\"49\""), "SensorID=\"46\""),
            edited(twoVolts, "<ExternalVoltageChannels>2<", "<ExternalVoltageChannels>1<"),
            // A surface PAR pair without the setting, and the setting without it.
            edited(withPAR, "<SurfaceParVoltageAdded>1<", "<SurfaceParVoltageAdded>0<"),
            edited(none, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<"),
        },
        twoVolts);

    // Optional elements may be missing; an unknown firmware keeps the default.
    std::string doc = edited(none, "<NmeaTimeAdded>0</NmeaTimeAdded>", "");
    doc = std::regex_replace(doc, std::regex("<FirmwareVersion>0<"), "<FirmwareVersion>7<");
    C56CorvaneCTD ctd;
    ctd.SetFirmwareVersion(1);
    EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_EQ(ctd.GetFirmwareVersion().Get(), 0);
}

class CorvaneReport : public tw_test::FixedDateReport {
  protected:
    // The report's lines without the sensor blocks, which the sensor tests
    // check: every channel keeps its numbered line only.
    static std::vector<std::string> ModelLines(const CCTD& ctd) {
        std::ostringstream os;
        ctd.Report(os, "", 0);
        std::vector<std::string> lines;
        for (const std::string& line : tw_test::Lines(os.str())) {
            if (line.empty() || line.starts_with("   ")) {
                continue;
            }
            lines.push_back(line);
        }
        return lines;
    }
};

TEST_F(CorvaneReport, TDW56) {
    C56CorvaneCTD ctd;
    ctd.SetNumVoltAdd(1);
    ctd.SetbSPAR_Added(1);
    ctd.SetRealTimeDataOutputRate(1);
    ctd.SetbNMEA_Added(1);
    EXPECT_EQ(ModelLines(ctd), (std::vector<std::string>{
                                   "Date: 12/04/2026",
                                   "Configuration report for TDW 56 Corvane CTD",
                                   "-------------------------------------------",
                                   "External voltage channels  : 1",
                                   "Firmware version           : Version >= 2.0",
                                   "Real-time data output rate : 2 scans/sec",
                                   "NMEA position data added   : Yes",
                                   "NMEA depth data added      : No",
                                   "NMEA time added            : No",
                                   "NMEA device connected to   : deck unit",
                                   "Surface PAR voltage added  : Yes",
                                   "Scan time added            : No",
                                   "1) Frequency 0, Temperature",
                                   "2) Frequency 1, Conductivity",
                                   "3) Pressure voltage, Pressure, Strain Gauge",
                                   "4) A/D voltage 0, Free",
                                   "5) SPAR voltage, Unavailable",
                                   "6) SPAR voltage, SPAR/Surface Irradiance",
                                   "Scan length                : 40",
                               }));
}

// --- TDW 56plus Corvane ---

TEST(Corvane56Plus, StoredFileCarriesEveryChannel) {
    C56PlusCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 46, 27, 27, 27, 27, 27, 27, 27, 27}));
    EXPECT_EQ(ctd.GetNumVoltAdd(), 8);
    EXPECT_EQ(ctd.GetScanLen(), 72);
    EXPECT_EQ(ctd.GetScanInterval(), 0.0625);
    EXPECT_EQ(ctd.GetScanIntervalCalc(), 0.0625);
    EXPECT_EQ(ctd.GetChannelName(10), "A/D voltage");
    EXPECT_EQ(IsProfiler(&ctd), 1);
    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_56PLUS_CORVANE));
    ASSERT_NE(created, nullptr);
    std::unique_ptr<CCTD> clone(ctd.Clone());
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));
    EXPECT_TRUE(CTD_ObjectsEqual(clone.get(), &ctd));

    // The serial channels follow the voltages in the stored file only.
    S56SerialChannel triplet;
    triplet.type = CVantrelCTD::WETLABS_SERIAL_TRIPLET;
    for (int i = 0; i < 3; ++i) {
        triplet.sensors.Add(new CNullSensor);
    }
    S56SerialChannel oxygen;
    oxygen.type = CVantrelCTD::TDW_68_OPTICAL_OXYGEN;
    oxygen.sensors.Add(CreateSensorObject(72));
    ctd.SetSerialChannel(0, oxygen);
    ctd.SetSerialChannel(1, triplet);
    ctd.SetExternalVoltageSensor(5, new CAltimeterSensor);
    EXPECT_EQ(SensorIDs(ctd),
              (std::vector<int>{55, 3, 46, 27, 27, 27, 27, 27, 0, 27, 27, 72, 27, 27, 27}));
    EXPECT_EQ(ctd.GetNumChannel(), 15);
    EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(11));
    EXPECT_TRUE(ctd.IsIndex_WET_Labs_Serial(12));
    EXPECT_TRUE(ctd.IsIndex_WET_Labs_Serial(14));
    EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(15));
    EXPECT_TRUE(ctd.CanChangeSensor(10));
    EXPECT_FALSE(ctd.CanChangeSensor(11));
    // Counted over the collections: seven free voltage slots and three free
    // serial places.
    EXPECT_EQ(ctd.DuplicateSensorCnt(SID_NULL), 10);
    EXPECT_EQ(ctd.GetScanLen(), 72);

    // Real time drops the serial channels and the voltages not exported.
    ctd.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 46}));
    EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(12));
    ctd.SetExternalVoltageExported(5, 1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 46, 0}));
    EXPECT_EQ(ctd.GetNumVoltAdd(), 1);
    EXPECT_EQ(ctd.GetExternalVoltageExported(8), 0);
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
    EXPECT_EQ(ctd.GetScanLen(), 42 + 14 + 8 + 8);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetScanTimeOffset(), 42 + 14 + 8);
    ctd.Optimize(1);
    ctd.SetExternalVoltageExported(1, 1);
    EXPECT_EQ(ctd.GetScanLen(), 72);
    ctd.Optimize(0);
    EXPECT_EQ(ctd.GetScanLen(), 76);

    // Seconds per scan by console baud, without and with exported voltages.
    struct SRate {
        int baud;
        int historic;
        double none;
        double some;
    };
    const SRate rates[] = {
        {C56PlusCTD::CONSOLE_BAUD_600, 0, 1.0, 2.0},
        {C56PlusCTD::CONSOLE_BAUD_1200, 0, 0.5, 1.0},
        {C56PlusCTD::CONSOLE_BAUD_2400, 1, 0.5, 1.0},
        {C56PlusCTD::CONSOLE_BAUD_4800, 0, 0.25, 0.5},
        {C56PlusCTD::CONSOLE_BAUD_4800, 1, 0.125, 0.25},
        {C56PlusCTD::CONSOLE_BAUD_9600_OR_HIGHER, 0, 0.125, 0.125},
    };
    for (const SRate& rate : rates) {
        C56PlusCTD wavecap;
        wavecap.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
        wavecap.SetConsoleBaud(rate.baud);
        wavecap.SetHistoricRate(rate.historic);
        EXPECT_EQ(wavecap.GetScanInterval(), rate.none) << rate.baud;
        wavecap.SetExternalVoltageExported(3, 1);
        EXPECT_EQ(wavecap.GetScanInterval(), rate.some) << rate.baud;
        EXPECT_EQ(wavecap.GetScanIntervalCalc(), rate.some) << rate.baud;
    }
    EXPECT_EQ(ctd.SetConsoleBaud(5), 0);
    EXPECT_EQ(ctd.SetHistoricRate(2), 0);
}

// A real-time configuration with a little of everything.
void ConfigureWavecap(C56PlusCTD& ctd) {
    ctd.SetUsage(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("1187");
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

TEST(Corvane56Plus, WritesInOrderAndReadsBackEqual) {
    C56PlusCTD wavecap;
    ConfigureWavecap(wavecap);
    const std::string text = tw_test::WriteObject("Instrument", wavecap);
    tw_test::ExpectInOrder(
        text,
        {"<!--This XMLCON file is for real-time data acquisition with Wavecap or processing the "
         ".HEX file.-->",
         "<Usage>1</Usage>",
         "<TCP_Sensors Size=\"3\">",
         "<ExternalVoltageSensors Size=\"8\">",
         "<Sensor index=\"2\" SensorID=\"0\" ExportInRealTime=\"1\">",
         "<AltimeterSensor",
         "<Sensor index=\"7\" SensorID=\"27\" ExportInRealTime=\"0\">",
         "<RealTimeOptions>",
         "<!--    0 = Slower-->",
         "<!--    1 = Faster-->",
         "<HistoricRate>0<",
         "<DeckUnit>1<",
         "<BaudConsole>2<",
         "<NmeaPositionDataAdded>1<",
         "<NmeaDepthDataAdded>1<",
         "<NmeaTimeAdded>0<",
         "<NmeaDeviceConnectedToPC>0<",
         "<ScanTimeAdded>1<",
         "<SurfaceParVoltageAdded>1<",
         "<Sensor>",
         "<SPAR_Sensor",
         "1606",
         "</RealTimeOptions>",
         "<SerialChannel1>",
         "<Storage>0<",
         "<Type>0<",
         "<Sensors Size=\"0\"",
         "<SerialChannel2>"});
    tw_test::ExpectRoundTrip(wavecap, "wavecap");

    C56PlusCTD stored;
    stored.SetExternalVoltageSensor(0, new CAltimeterSensor);
    S56SerialChannel seafet;
    seafet.storage = 1;
    seafet.type = CVantrelCTD::SATLANTIC_SEAFET;
    seafet.sensors.Add(CreateSensorObject(77));
    seafet.sensors.Add(CreateSensorObject(78));
    stored.SetSerialChannel(1, seafet);
    tw_test::ExpectInOrder(tw_test::WriteObject("Instrument", stored),
                           {"<!--This XMLCON file is for processing .XML data files uploaded from "
                            "the TDW 56plus storage card.-->",
                            "<Usage>0</Usage>"});
    tw_test::ExpectRoundTrip(stored, "stored");
    C56PlusCTD plain;
    tw_test::ExpectRoundTrip(plain, "default");
}

TEST(Corvane56Plus, BadDocumentsAreRefusedAndChangeNothing) {
    using Configure = std::function<void(C56PlusCTD&)>;
    const Configure wavecap = ConfigureWavecap;
    const Configure none = [](C56PlusCTD&) {};
    auto edited = [](const Configure& configure, const std::string& from, const std::string& to) {
        return tw_test::Edited<C56PlusCTD>(configure, from, to);
    };
    const std::string plain = edited(none, "", "");
    tw_test::ExpectRefused<C56PlusCTD>(
        {
            edited(none, "<Usage>0</Usage>", ""),
            edited(none, "<TCP_Sensors", "<FixedSensors"),
            std::regex_replace(plain, std::regex("SensorID=\"46\""), "SensorID=\"45\""),
            edited(none, "<HistoricRate>0<", "<HistoricRate>2<"),
            edited(none, "<HistoricRate>0</HistoricRate>", ""),
            edited(none, "<NmeaTimeAdded>0</NmeaTimeAdded>", ""),
            edited(none, "<ScanTimeAdded>0</ScanTimeAdded>", ""),
            edited(none, "<RealTimeOptions>", "<Options>"),
            edited(none, "<ExternalVoltageSensors Size=\"8\">",
                   "<ExternalVoltageSensors Size=\"7\">"),
            edited(none, "<ExternalVoltageSensors", "<Voltages"),
            edited(none, " ExportInRealTime=\"0\"", ""),
            edited(none, "<Sensor index=\"3\" SensorID=\"27\"", "<Sensor index=\"3\""),
            edited(none, "<Sensor index=\"3\" SensorID=\"27\"",
                   "<Sensor index=\"3\" SensorID=\"26\""),
            edited(none, "<Sensor index=\"7\"", "<Sensor index=\"8\""),
            edited(none, "<Storage>0</Storage>", ""),
            edited(none, "<Type>0</Type>", ""),
            // Surface PAR on through a deck unit needs its calibration.
            std::regex_replace(edited(wavecap, "<Sensor>", "<Calibration>"),
                               std::regex("</Sensor>\\s*</RealTimeOptions>"),
                               "</Calibration></RealTimeOptions>"),
        },
        wavecap);
}

TEST(Corvane56Plus, WithoutDeckUnitNmeaComesThroughThePC) {
    C56PlusCTD ctd;
    std::string doc = tw_test::WriteObject("Instrument", ctd);
    doc = std::regex_replace(doc, std::regex("<NmeaPositionDataAdded>0<"),
                             "<NmeaPositionDataAdded>1<");
    doc = std::regex_replace(doc, std::regex("<SurfaceParVoltageAdded>0<"),
                             "<SurfaceParVoltageAdded>1<");
    doc = std::regex_replace(doc, std::regex("<SerialChannel1>[\\s\\S]*</SerialChannel2>"), "");
    doc = std::regex_replace(doc, std::regex("<BaudConsole>4</BaudConsole>"), "");
    ASSERT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_EQ(ctd.GetbNMEA_PC(), 1);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 0);
    EXPECT_EQ(ctd.GetConsoleBaud(), C56PlusCTD::CONSOLE_BAUD_9600_OR_HIGHER);
    EXPECT_EQ(ctd.GetSerialSensors(0).GetSize(), 0);
}

TEST_F(CorvaneReport, TDW56PlusInBothUsages) {
    C56PlusCTD wavecap;
    ConfigureWavecap(wavecap);
    EXPECT_EQ(ModelLines(wavecap),
              (std::vector<std::string>{
                  "Date: 12/04/2026",
                  "Configuration report for TDW 56plus Corvane CTD",
                  "-----------------------------------------------",
                  "Usage: Collect real-time data with Wavecap and/or process real-time .HEX file.",
                  "External voltage channels  : 2",
                  "Historic rate              : 0",
                  "NMEA position data added   : Yes",
                  "NMEA depth data added      : Yes",
                  "NMEA time added            : No",
                  "NMEA device connected to   : deck unit",
                  "Surface PAR voltage added  : Yes",
                  "Scan time added            : Yes",
                  "Using deck unit            : Yes",
                  "SetBaudConsole=            2400",
                  "1) Frequency 0, Temperature",
                  "2) Frequency 1, Conductivity",
                  "3) Count, Pressure, Strain Gauge",
                  "4) A/D voltage 0, Altimeter",
                  "5) A/D voltage 1, Free",
                  "6) SPAR voltage, Unavailable",
                  "7) SPAR voltage, SPAR/Surface Irradiance",
                  "Sample interval            : 1",
                  "Scan length                : 70",
              }));

    C56PlusCTD stored;
    const std::vector<std::string> lines = ModelLines(stored);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[3], "Usage: Process .XML file uploaded from CTD memory.");
    EXPECT_EQ(lines[4], "External voltage channels  : 8");
    EXPECT_EQ(lines[5], "1) Frequency 0, Temperature");
    EXPECT_EQ(lines[15], "11) A/D voltage 7, Free");
    EXPECT_EQ(lines[16], "Serial Sensor data not processed in this version of Wavesuite.");
    EXPECT_EQ(lines[17], "Sample interval            : 0.0625");
    EXPECT_EQ(lines[18], "Scan length                : 72");
}

}  // namespace
