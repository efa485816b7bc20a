// The TDW 64plus V2: settings that keep the channels in step, scan layout,
// XML and report.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/Vantrel64V2CTD.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"
#include "tests/instruments/ModelChecks.h"

namespace {

using tw_test::SensorIDs;

// Every fixed sensor with calibration values of its own.
void Calibrate(C64V2VantrelCTD& ctd) {
    auto& temperature = dynamic_cast<CTempVantrelPlusSensor&>(ctd.GetSensor(0));
    temperature.SetSerialNum("4711");
    temperature.SetCalDate("15-Jan-26");
    temperature.SetA0(1.2345e-3);
    temperature.SetA1(2.5e-4);
    auto& conductivity = dynamic_cast<CCondSensor&>(ctd.GetSensor(1));
    conductivity.SetSerialNum("2222");
    conductivity.SetCalDate("16-Jan-26");
    conductivity.SetG(-10.0);
    conductivity.SetH(1.5);
    if (auto* druck = dynamic_cast<CPressureDruckSensor*>(&ctd.GetSensor(2))) {
        druck->SetSerialNum("3333");
        druck->SetCalDate("17-Jan-26");
        druck->SetPA0(0.5);
    } else {
        auto& digiquartz = dynamic_cast<CPressureDigiquartzTC_Sensor&>(ctd.GetSensor(2));
        digiquartz.SetSerialNum("4444");
        digiquartz.SetC1(-4.1e4);
        digiquartz.SetT5(1.25);
    }
}

C64V2VantrelCTD RoundTrip(C64V2VantrelCTD& ctd, std::string* text = nullptr) {
    const std::string written = tw_test::WriteObject("Instrument", ctd);
    if (text) {
        *text = written;
    }
    C64V2VantrelCTD back;
    EXPECT_EQ(tw_test::ReadObject(written, "Instrument", back), 0) << written;
    return back;
}

TEST(Vantrel64V2, DefaultConfiguration) {
    C64V2VantrelCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46}));
    EXPECT_EQ(ctd.GetScanLen(), 22);
    EXPECT_EQ(ctd.GetScanInterval(), 0.25);
    EXPECT_EQ(ctd.GetChannelName(0), "Count");
    EXPECT_EQ(ctd.GetChannelName(1), "Frequency");
    EXPECT_EQ(ctd.GetChannelName(3), "");
    EXPECT_EQ(IsProfiler(&ctd), 1);
    ctd.SetMode(1);
    EXPECT_EQ(IsProfiler(&ctd), 0);
    EXPECT_EQ(ctd.GetScanInterval(), 10.0);

    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_64V2_VANTREL));
    ASSERT_NE(created, nullptr);
    const C64V2VantrelCTD fresh;
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &fresh));
}

TEST(Vantrel64V2, ScanLengthsAndOffsets) {
    C64V2VantrelCTD ctd;
    ctd.SetNumVoltAdd(6);
    ctd.SetSerialSensor(CVantrelCTD::TDW_68_OPTICAL_OXYGEN);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetbNMEA_TimeAdded(1);
    ctd.SetScanTimeAdded(1);
    EXPECT_EQ(ctd.GetScanLen(), 22 + 24 + 12 + 28 + 8);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetNMEA_TimeOffset(), 58 + 14 + 6);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 58 + 28);
    EXPECT_EQ(ctd.GetVantrelPlusScanTimeOffset(), 0);

    C64V2VantrelCTD moored;
    moored.SetMode(1);
    moored.SetSerialSensor(CVantrelCTD::GTD_DO_N2);
    moored.InitializeForCalculations();
    EXPECT_EQ(moored.GetScanLen(), 22 + 28 + 8);
    EXPECT_EQ(moored.GetVantrelPlusScanTimeOffset(), 50);

    // The cache holds while optimized, whatever changes.
    moored.Optimize(1);
    moored.SetNumVoltAdd(2);
    EXPECT_EQ(moored.GetScanLen(), 58);
    EXPECT_EQ(moored.GetNumChannel(), 5);
}

TEST(Vantrel64V2, SettersKeepTheChannelsInStep) {
    C64V2VantrelCTD ctd;
    ctd.SetNumVoltAdd(2);
    ctd.SetbSPAR_Added(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27, 27, 51}));
    EXPECT_EQ(ctd.GetChannelName(5), "SPAR voltage");
    EXPECT_EQ(dynamic_cast<const CNullSensor&>(ctd.GetSensor(5)).GetbFree(), 0);

    // Serial channels go before the PAR pair and replace each other there.
    ctd.SetSerialSensor(CVantrelCTD::SATLANTIC_SEAFET);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27, 77, 78, 27, 51}));
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_SEAOWL);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27, 73, 75, 74, 27, 51}));
    EXPECT_EQ(ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_SEAOWL), 0);
    EXPECT_EQ(ctd.SetSerialSensor(14), 0);
    EXPECT_EQ(ctd.SetSerialSensor(CVantrelCTD::PRESSURE_TDW_58), 0);
    EXPECT_EQ(ctd.GetNumChannel(), 10);

    // Moored mode drops the PAR pair; any change of mode drops gas tension.
    ctd.SetMode(1);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 0);
    ctd.SetSerialSensor(CVantrelCTD::GTD_DO_N2);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27, 22, 23}));
    ctd.SetMode(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27}));
    EXPECT_EQ(ctd.GetSerialSensor(), 0);
    EXPECT_EQ(ctd.SetMode(2), 0);

    ctd.SetPressureSensorType(0);
    EXPECT_EQ(ctd.GetSensor(2).GetSensorID(), 45);
    EXPECT_EQ(dynamic_cast<const CPressureDigiquartzTC_Sensor&>(ctd.GetSensor(2)).GetbIncludeMB(),
              0);
    EXPECT_EQ(ctd.SetPressureSensorType(2), 0);
}

TEST(Vantrel64V2, ScansToAverageAreEvenWithDigiquartz) {
    C64V2VantrelCTD ctd;
    ctd.SetnScansToAvg(5);
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 5);
    ctd.SetPressureSensorType(0);
    ctd.SetnScansToAvg(5);
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 6);
    ctd.SetnScansToAvg(32767);
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 32766);
    EXPECT_EQ(ctd.SetnScansToAvg(0), 0);
    EXPECT_EQ(ctd.SetnSampleInterval(9), 0);
    EXPECT_EQ(ctd.SetnSampleInterval(14400), 1);
}

TEST(Vantrel64V2, WritesElementsInOrderAndReadsBackEqual) {
    C64V2VantrelCTD plain;
    Calibrate(plain);
    std::string text;
    C64V2VantrelCTD back = RoundTrip(plain, &text);
    EXPECT_TRUE(CTD_ObjectsEqual(&back, &plain));

    for (int serial = 0; serial <= CVantrelCTD::SATLANTIC_SEAFET; ++serial) {
        for (int mode : {0, 1}) {
            C64V2VantrelCTD ctd;
            ctd.SetPressureSensorType(serial % 2);
            Calibrate(ctd);
            ctd.SetNumVoltAdd(6);
            for (int channel = 3; channel < 9; channel += 2) {
                auto* zaps = new CZapsSensor;
                zaps->SetM(0.25 * channel);
                ctd.ReplaceSensor(channel, zaps);
            }
            ctd.SetMode(mode);
            ctd.SetSerialSensor(serial);
            ctd.SetbSPAR_Added(mode == 0);
            ctd.SetbNMEA_Added(1);
            ctd.SetbNMEA_PC(1);
            ctd.SetnScansToAvg(8);
            ctd.SetnSampleInterval(120);
            C64V2VantrelCTD copy = RoundTrip(ctd);
            EXPECT_TRUE(CTD_ObjectsEqual(&copy, &ctd)) << "serial " << serial << " mode " << mode;
        }
    }
}

// A written default document with one change applied.
std::string Edited(const std::function<void(C64V2VantrelCTD&)>& configure, const std::string& from,
                   const std::string& to) {
    C64V2VantrelCTD ctd;
    configure(ctd);
    return tw_test::EditedDocument(ctd, from, to);
}

TEST(Vantrel64V2, InconsistentDocumentsAreRefusedAndChangeNothing) {
    auto none = [](C64V2VantrelCTD&) {};
    auto twoVolts = [](C64V2VantrelCTD& ctd) { ctd.SetNumVoltAdd(2); };
    auto gtd = [](C64V2VantrelCTD& ctd) {
        ctd.SetMode(1);
        ctd.SetSerialSensor(CVantrelCTD::GTD_DO_N2);
    };
    const std::vector<std::string> refused = {
        Edited(none, "<PressureSensorType>1</PressureSensorType>", ""),
        Edited(none, "<PressureSensorType>1</PressureSensorType>",
               "<PressureSensorType>0</PressureSensorType>"),
        Edited(none, "<ExternalVoltageChannels>0</ExternalVoltageChannels>", ""),
        Edited(none, "<Mode>0</Mode>", ""),
        Edited(none, "<ScanTimeAdded>0</ScanTimeAdded>", ""),
        Edited(none, "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>", ""),
        tw_test::ReplaceAll(Edited(none, "", ""), "SensorArray", "SensorList"),
        // A wrong fixed sensor.
        std::regex_replace(Edited(none, "", ""), std::regex("SensorID=\"58\""), "SensorID=\"57\""),
        // The voltage count disagrees with the channels.
        Edited(twoVolts, "<ExternalVoltageChannels>2</ExternalVoltageChannels>",
               "<ExternalVoltageChannels>1</ExternalVoltageChannels>"),
        // The trailing sensors do not match the serial setting.
        Edited(gtd, "<SerialRS232C_Sensor>4</SerialRS232C_Sensor>",
               "<SerialRS232C_Sensor>5</SerialRS232C_Sensor>"),
        Edited(gtd, "<SerialRS232C_Sensor>4</SerialRS232C_Sensor>",
               "<SerialRS232C_Sensor>8</SerialRS232C_Sensor>"),
        Edited(twoVolts, "<SerialRS232C_Sensor>0</SerialRS232C_Sensor>",
               "<SerialRS232C_Sensor>1</SerialRS232C_Sensor>"),
    };
    C64V2VantrelCTD start;
    start.SetNumVoltAdd(1);
    start.SetSerialNum("keep");
    tw_test::ExpectWellFormed(refused);
    tw_test::ExpectRefused(start, refused);

    // Optional elements may be missing; out-of-range values keep defaults.
    C64V2VantrelCTD ctd;
    std::string doc = Edited(none, "<NmeaDepthDataAdded>0</NmeaDepthDataAdded>", "");
    doc = std::regex_replace(doc, std::regex("<SerialRS232C_Sensor>0</SerialRS232C_Sensor>"), "");
    doc = std::regex_replace(doc, std::regex("<ScansToAverage>1<"), "<ScansToAverage>99999<");
    EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 1);
}

// Exposes the channel-block change that the public setter limits.
class C64V2Probe : public C64V2VantrelCTD {
  public:
    using CCTD::ChangeNumVolt;
};

TEST(Vantrel64V2, ReadsWhatTheDocumentSaysBeyondTheSetterLimits) {
    // A voltage count above the catalogue maximum is read when the sensors
    // agree with it.
    C64V2Probe wide;
    wide.ChangeNumVolt(7);
    const std::string text = tw_test::WriteObject("Instrument", wide);
    C64V2VantrelCTD ctd;
    EXPECT_EQ(tw_test::ReadObject(text, "Instrument", ctd), 0) << text;
    EXPECT_EQ(ctd.GetNumVoltAdd(), 7);
    EXPECT_EQ(ctd.GetNumChannel(), 10);

    // A negative array size reads as an empty array.
    CSensorArray array;
    array.Add(new CCondSensor);
    EXPECT_EQ(tw_test::ReadWith("<Root><SensorArray Size=\"-1\"/></Root>",
                                [&](TDWXML::CInputNode* node) {
                                    return CCTD::ReadAnySensorArrayXML("SensorArray", array, node);
                                }),
              0);
    EXPECT_EQ(array.GetSize(), 0);
}

using Vantrel64V2Report = tw_test::FixedDateTest;

TEST_F(Vantrel64V2Report, MatchesTheHandWrittenReport) {
    C64V2VantrelCTD ctd;
    Calibrate(ctd);
    ctd.SetNumVoltAdd(1);
    ctd.ReplaceSensor(3, new CAltimeterSensor);
    ctd.SetSerialSensor(CVantrelCTD::TEMPERATURE_TDW_83);
    ctd.SetbSPAR_Added(1);
    ctd.SetnScansToAvg(4);
    std::ostringstream os;
    ctd.Report(os, "", 0);
    const std::string expected =
        "Date: 12/04/2026\n"
        "\n"
        "Configuration report for TDW 64plus V2 Vantrel CTD\n"
        "--------------------------------------------------\n"
        "\n"
        "Pressure sensor type      : Strain Gauge\n"
        "External voltage channels : 1\n"
        "Mode                      : Profile\n"
        "Serial RS-232 sensor      : Temperature, TDW 83\n"
        "Scans to average          : 4\n"
        "NMEA position data added  : No\n"
        "NMEA depth data added     : No\n"
        "NMEA time added           : No\n"
        "Surface PAR voltage added : Yes\n"
        "Scan time added           : No\n"
        "\n"
        "1) Count, Temperature\n"
        "\n"
        "   Serial number : 4711\n"
        "   Calibrated on : 15-Jan-26\n"
        "   A0            : 1.23450000e-03\n"
        "   A1            : 2.50000000e-04\n"
        "   A2            : 0.00000000e+00\n"
        "   A3            : 0.00000000e+00\n"
        "   Slope         : 1.00000000\n"
        "   Offset        : 0.0000\n"
        "\n"
        "2) Frequency 0, Conductivity\n"
        "\n"
        "   Serial number : 2222\n"
        "   Calibrated on : 16-Jan-26\n"
        "   G             : -1.00000000e+01\n"
        "   H             : 1.50000000e+00\n"
        "   I             : 0.00000000e+00\n"
        "   J             : 0.00000000e+00\n"
        "   CTcor         : 3.2500e-06\n"
        "   CPcor         : -9.57000000e-08\n"
        "   Slope         : 1.00000000\n"
        "   Offset        : 0.00000\n"
        "\n"
        "3) Count, Pressure, Strain Gauge\n"
        "\n"
        "   Serial number : 3333\n"
        "   Calibrated on : 17-Jan-26\n"
        "   PA0           : 5.00000000e-01\n"
        "   PA1           : 0.00000000e+00\n"
        "   PA2           : 0.00000000e+00\n"
        "   PTEMPA0       : 0.00000000e+00\n"
        "   PTEMPA1       : 0.00000000e+00\n"
        "   PTEMPA2       : 0.00000000e+00\n"
        "   PTCA0         : 0.00000000e+00\n"
        "   PTCA1         : 0.00000000e+00\n"
        "   PTCA2         : 0.00000000e+00\n"
        "   PTCB0         : 0.00000000e+00\n"
        "   PTCB1         : 0.00000000e+00\n"
        "   PTCB2         : 0.00000000e+00\n"
        "   Offset        : 0.000000\n"
        "\n"
        "4) A/D voltage 0, Altimeter\n"
        "\n"
        "   Serial number : \n"
        "   Calibrated on : \n"
        "   Scale factor  : 1.000\n"
        "   Offset        : 0.000\n"
        "\n"
        "5) Serial RS-232, Temperature, TDW 83\n"
        "\n"
        "   Serial number : \n"
        "   Calibrated on : \n"
        "\n"
        "6) SPAR voltage, Unavailable\n"
        "\n"
        "7) SPAR voltage, SPAR/Surface Irradiance\n"
        "\n"
        "   Serial number     : \n"
        "   Calibrated on     : \n"
        "   Conversion factor : 0.00000000\n"
        "   Ratio multiplier  : 0.00000000\n"
        "\n"
        "Scan length               : 38\n";
    tw_test::ExpectSameLines(os.str(), expected);
}

}  // namespace
