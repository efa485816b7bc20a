// The TDW 62plus V2: pressure choices, serial sensors at the end of the
// channel list, scan layout with the instrument's own time, XML and report.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/PressureSensors.h"
#include "tests/instruments/ModelChecks.h"

namespace {

using tw_test::SensorIDs;
using IDs = std::vector<int>;

TEST(Vantrel62V2, DefaultConfiguration) {
    C62V2VantrelCTD ctd;
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3}));
    EXPECT_EQ(ctd.GetScanLen(), 20);
    EXPECT_EQ(ctd.GetScanInterval(), 10.0);
    EXPECT_EQ(ctd.AddExtVoltFrom(), 2);
    EXPECT_EQ(IsProfiler(&ctd), 0);

    std::unique_ptr<CCTD> created(CreateCTDObject(CTD_62V2_VANTREL));
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(CTD_ObjectsEqual(created.get(), &ctd));
    C64V2VantrelCTD other;
    EXPECT_EQ(CopyCTDObject(created.get(), &other), 0);

    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetVantrelPlusScanTimeOffset(), 12);
}

TEST(Vantrel62V2, ChannelsAndScanLayoutFollowPressureAndSerialSensor) {
    struct SCase {
        int pressureType;
        IDs ids;  // with two voltages and a TDW 58
        int scanLen;
        int timeOffset;
    };
    const SCase cases[] = {
        {0, {58, 3, 44, 27, 27, 48}, 26 + 8 + 6, 18 + 8 + 6},
        {1, {58, 3, 45, 27, 27, 48}, 30 + 8 + 6, 22 + 8 + 6},
        {2, {58, 3, 46, 27, 27, 48}, 30 + 8 + 6, 22 + 8 + 6},
        {3, {58, 3, 27, 27, 48}, 20 + 8 + 6, 12 + 8 + 6},
    };
    for (const SCase& c : cases) {
        C62V2VantrelCTD ctd;
        ctd.SetNumVoltAdd(2);
        ctd.SetSerialSensor(CVantrelCTD::PRESSURE_TDW_58);
        EXPECT_EQ(ctd.SetPressureSensorType(c.pressureType), 1);
        EXPECT_EQ(SensorIDs(ctd), c.ids) << c.pressureType;
        EXPECT_EQ(ctd.GetNumChannel(), static_cast<int>(c.ids.size()));
        EXPECT_EQ(ctd.GetScanLen(), c.scanLen) << c.pressureType;
        ctd.InitializeForCalculations();
        EXPECT_EQ(ctd.GetVantrelPlusScanTimeOffset(), c.timeOffset) << c.pressureType;
    }

    // The counts hold while optimized.
    C62V2VantrelCTD ctd;
    ctd.SetSerialSensor(CVantrelCTD::GTD_DO_N2);
    ctd.Optimize(1);
    ctd.SetPressureSensorType(2);
    EXPECT_EQ(ctd.GetScanLen(), 20 + 28);
    EXPECT_EQ(ctd.GetNumChannel(), 4);
}

TEST(Vantrel62V2, SettersKeepTheChannelsInStep) {
    C62V2VantrelCTD ctd;
    ctd.SetNumVoltAdd(1);
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 27, 27, 27, 27}));
    for (int channel = 0; channel < 7; ++channel) {
        EXPECT_EQ(ctd.CanChangeSensor(channel) != 0, channel >= 2 && channel < 6) << channel;
    }
    EXPECT_EQ(ctd.GetChannelName(2), "A/D voltage");
    EXPECT_EQ(ctd.GetChannelName(3), "Serial RS-232");
    EXPECT_EQ(ctd.GetChannelName(6), "");

    // The old serial channels are taken from the end of the list.
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_SEAOWL);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 27, 73, 75, 74}));
    ctd.SetPressureSensorType(1);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 45, 27, 73, 75, 74}));
    EXPECT_EQ(dynamic_cast<const CPressureDigiquartzTC_Sensor&>(ctd.GetSensor(2)).GetbIncludeMB(),
              0);
    EXPECT_EQ(ctd.SetPressureSensorType(1), 1);
    ctd.SetNumVoltAdd(0);
    ctd.SetSerialSensor(CVantrelCTD::SATLANTIC_SEAFET);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 45, 77, 78}));
    ctd.SetPressureSensorType(3);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 77, 78}));

    EXPECT_EQ(ctd.SetPressureSensorType(4), 0);
    EXPECT_EQ(ctd.SetSerialSensor(CVantrelCTD::SATLANTIC_SEAFET), 0);
    EXPECT_EQ(ctd.SetSerialSensor(14), 0);
    EXPECT_EQ(ctd.SetTempType(2), 0);
    EXPECT_EQ(ctd.SetdUserSuppliedTemp(-1.5), 0);
    EXPECT_EQ(ctd.SetdUserSuppliedTemp(-1.0), 1);
    EXPECT_EQ(ctd.SetdMooredPressure(15000.5), 0);
    EXPECT_EQ(ctd.SetdSampleInterval(9.5), 0);
    EXPECT_EQ(ctd.SetdSampleInterval(14400.0), 1);
    EXPECT_EQ(ctd.GetScanInterval(), 14400.0);
    EXPECT_EQ(SensorIDs(ctd), (IDs{58, 3, 77, 78}));
}

TEST(Vantrel62V2, WritesElementsInOrderAndReadsBackEqual) {
    C62V2VantrelCTD plain;
    plain.SetdMooredPressure(1250.5);
    plain.SetdSampleInterval(30.25);
    const std::string text = tw_test::WriteObject("Instrument", plain);
    EXPECT_EQ(text.find("ScanTimeAdded"), std::string::npos);

    for (int serial = 0; serial <= CVantrelCTD::SATLANTIC_SEAFET; ++serial) {
        for (int pressure = 0; pressure <= 3; ++pressure) {
            C62V2VantrelCTD ctd;
            ctd.SetPressureSensorType(pressure);
            ctd.SetNumVoltAdd(serial % 7);
            if (serial % 7 > 0) {
                auto* zaps = new CZapsSensor;
                zaps->SetM(0.5 * serial);
                ctd.ReplaceSensor(ctd.AddExtVoltFrom(), zaps);
            }
            ctd.SetSerialSensor(serial);
            ctd.SetTempType(pressure % 2);
            ctd.SetdUserSuppliedTemp(-0.75);
            ctd.SetdMooredPressure(0.1 * serial);
            ctd.SetdSampleInterval(10.0 + 1.0 / 3.0);
            ctd.SetbNMEA_Added(serial % 2);
            ctd.SetbDepthAdded(1);
            ctd.SetbNMEA_TimeAdded(pressure % 2);
            ctd.SetbNMEA_PC(1);
            const C62V2VantrelCTD back = tw_test::ReadBack(ctd);
            EXPECT_TRUE(back == ctd) << "serial " << serial << " pressure " << pressure;
        }
    }
}

TEST(Vantrel62V2, InconsistentDocumentsAreRefusedAndChangeNothing) {
    C62V2VantrelCTD plain;
    C62V2VantrelCTD tdw58;
    tdw58.SetPressureSensorType(2);
    tdw58.SetNumVoltAdd(2);
    tdw58.SetSerialSensor(CVantrelCTD::PRESSURE_TDW_58);
    auto edit = [](C62V2VantrelCTD& ctd, const std::string& from, const std::string& to) {
        return tw_test::EditedDocument(ctd, from, to);
    };
    std::vector<std::string> refused;
    for (const char* element :
         {"<PressureSensorType>3</PressureSensorType>", "<MooredPressure>0</MooredPressure>",
          "<TemperatureType>0</TemperatureType>",
          "<UserSuppliedTemperature>15</UserSuppliedTemperature>",
          "<ExternalVoltageChannels>0</ExternalVoltageChannels>",
          "<SerialRS232C_Sensor>0</SerialRS232C_Sensor>",
          "<SampleIntervalSeconds>10</SampleIntervalSeconds>",
          "<NmeaPositionDataAdded>0</NmeaPositionDataAdded>"}) {
        refused.push_back(edit(plain, element, ""));
    }
    refused.push_back(edit(plain, "<SampleIntervalSeconds>10<", "<SampleIntervalSeconds>5.0<"));
    refused.push_back(tw_test::ReplaceAll(tw_test::WriteObject("Instrument", plain), "SensorArray",
                                          "SensorList"));
    C62V2VantrelCTD wrongFixed;
    wrongFixed.ReplaceSensor(1, CreateSensorObject(SID_TEMP_TDW2));
    refused.push_back(tw_test::WriteObject("Instrument", wrongFixed));
    // The pressure sensor in the document and the type disagree.
    refused.push_back(edit(tdw58, "<PressureSensorType>2<", "<PressureSensorType>1<"));
    refused.push_back(edit(plain, "<PressureSensorType>3<", "<PressureSensorType>2<"));
    // The voltage count disagrees with the channels.
    refused.push_back(edit(tdw58, "<ExternalVoltageChannels>2<", "<ExternalVoltageChannels>3<"));
    // The trailing sensors are not the serial sensor's.
    refused.push_back(edit(tdw58, "<SerialRS232C_Sensor>8<", "<SerialRS232C_Sensor>1<"));
    refused.push_back(edit(tdw58, "<SerialRS232C_Sensor>8<", "<SerialRS232C_Sensor>12<"));
    // Three serial channels cannot follow temperature and conductivity
    // when one of them is taken as pressure.
    C62V2VantrelCTD triplet;
    triplet.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    triplet.ReplaceSensor(2, new CPressureDruckSensor);
    refused.push_back(edit(triplet, "<ExternalVoltageChannels>0<", "<ExternalVoltageChannels>-1<"));

    C62V2VantrelCTD start(tdw58);
    start.SetSerialNum("keep");
    start.SetdMooredPressure(42.0);
    tw_test::ExpectWellFormed(refused);
    tw_test::ExpectRefused(start, refused);

    // Out-of-range values keep their defaults; optional elements may be
    // missing; the serial setting of a document without serial channels
    // is not taken.
    C62V2VantrelCTD ctd(start);
    std::string doc = edit(plain, "<MooredPressure>0<", "<MooredPressure>20000<");
    for (const char* optional :
         {"<NmeaDepthDataAdded>0</NmeaDepthDataAdded>", "<NmeaTimeAdded>0</NmeaTimeAdded>",
          "<NmeaDeviceConnectedToPC>0</NmeaDeviceConnectedToPC>"}) {
        doc.replace(doc.find(optional), std::string(optional).size(), "");
    }
    doc.replace(doc.find("<TemperatureType>0<"), 19, "<TemperatureType>7<");
    doc.replace(doc.find("<SerialRS232C_Sensor>0<"), 23, "<SerialRS232C_Sensor>1<");
    EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0) << doc;
    EXPECT_TRUE(ctd == plain);
}

using Vantrel62V2Report = tw_test::FixedDateTest;

TEST_F(Vantrel62V2Report, MatchesTheHandWrittenReport) {
    C62V2VantrelCTD ctd;
    ctd.SetNumVoltAdd(1);
    ctd.ReplaceSensor(2, new CAltimeterSensor);
    ctd.SetSerialSensor(CVantrelCTD::TEMPERATURE_TDW_83);
    ctd.SetdMooredPressure(250.5);
    ctd.SetTempType(1);
    ctd.SetdUserSuppliedTemp(4.25);
    ctd.SetdSampleInterval(15.5);
    ctd.SetbNMEA_Added(1);
    std::ostringstream os;
    ctd.Report(os, "moored.xmlcon", 1);
    tw_test::ExpectSameLines(tw_test::ReportOutline(os.str()),
                             tw_test::ReportHeading("TDW 62plus V2 Vantrel CTD", "moored.xmlcon") +
                                 "Pressure sensor type      : No Pressure Sensor\n"
                                 "Moored pressure           : 250.5 dbars\n"
                                 "Adjust pressure with      : User Supplied Temperature of 4.25 C\n"
                                 "External voltage channels : 1\n"
                                 "Serial RS-232 sensor      : Temperature, TDW 83\n"
                                 "Sample interval           : 15.5 seconds\n"
                                 "NMEA position data added  : Yes\n"
                                 "1) Count, Temperature\n"
                                 "2) Frequency 0, Conductivity\n"
                                 "3) A/D voltage 0, Altimeter\n"
                                 "4) Serial RS-232, Temperature, TDW 83\n"
                                 "* - The configuration was changed after the file was opened.\n"
                                 "Scan length               : 44\n");

    // With a pressure sensor neither the moored pressure nor its
    // temperature is reported.
    ctd.SetPressureSensorType(0);
    std::ostringstream withPressure;
    ctd.Report(withPressure, "", 0);
    EXPECT_NE(withPressure.str().find("Pressure sensor type      : Digiquartz without Temp Comp\n"
                                      "External voltage channels : 1\n"),
              std::string::npos);
    ctd.SetPressureSensorType(3);
    ctd.SetTempType(0);
    std::ostringstream water;
    ctd.Report(water, "", 0);
    EXPECT_NE(water.str().find("Adjust pressure with      : Water Temperature\n"),
              std::string::npos);
}

}  // namespace
