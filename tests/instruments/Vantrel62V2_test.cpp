// The TDW 62plus V2: pressure choices, serial sensors at the end of the
// channel list, scan layout with the instrument's own time, and the documents
// it refuses.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/Vantrel62V2CTD.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/PressureSensors.h"
#include "tests/instruments/ModelChecks.h"

namespace {

using tw_test::SensorIDs;
using IDs = std::vector<int>;

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

TEST(Vantrel62V2, EachSerialSensorWithEachPressureReadsBack) {
    for (int serial = 0; serial <= CVantrelCTD::SATLANTIC_SEAFET; ++serial) {
        for (int pressure = 0; pressure <= 3; ++pressure) {
            C62V2VantrelCTD ctd;
            ctd.SetPressureSensorType(pressure);
            ctd.SetNumVoltAdd(serial % 7);
            if (serial % 7 > 0) {
                ctd.ReplaceSensor(ctd.AddExtVoltFrom(), new CZapsSensor);
            }
            ctd.SetSerialSensor(serial);
            ctd.SetTempType(pressure % 2);
            tw_test::ExpectRoundTrip(ctd, "serial " + std::to_string(serial));
        }
    }
}

TEST(Vantrel62V2, InconsistentDocumentsAreRefusedAndChangeNothing) {
    C62V2VantrelCTD plain;
    C62V2VantrelCTD tdw58;
    tdw58.SetPressureSensorType(2);
    tdw58.SetNumVoltAdd(2);
    tdw58.SetSerialSensor(CVantrelCTD::PRESSURE_TDW_58);
    // Three serial channels cannot follow temperature and conductivity
    // when one of them is taken as pressure.
    C62V2VantrelCTD triplet;
    triplet.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    triplet.ReplaceSensor(2, new CPressureDruckSensor);
    using tw_test::EditedDocument;
    C62V2VantrelCTD start(tdw58);
    start.SetSerialNum("keep");
    start.SetdMooredPressure(42.0);
    tw_test::ExpectRefused(
        start,
        {
            EditedDocument(plain, "<SampleIntervalSeconds>10<", "<SampleIntervalSeconds>5.0<"),
            // The pressure sensor in the document and the type disagree.
            EditedDocument(tdw58, "<PressureSensorType>2<", "<PressureSensorType>1<"),
            EditedDocument(plain, "<PressureSensorType>3<", "<PressureSensorType>2<"),
            // The voltage count disagrees with the channels.
            EditedDocument(tdw58, "<ExternalVoltageChannels>2<", "<ExternalVoltageChannels>3<"),
            // The trailing sensors are not the serial sensor's.
            EditedDocument(tdw58, "<SerialRS232C_Sensor>8<", "<SerialRS232C_Sensor>1<"),
            EditedDocument(tdw58, "<SerialRS232C_Sensor>8<", "<SerialRS232C_Sensor>12<"),
            EditedDocument(triplet, "<ExternalVoltageChannels>0<", "<ExternalVoltageChannels>-1<"),
        });

    // Out-of-range values keep their defaults, and the serial setting of a
    // document without serial channels is not taken.
    std::string doc = EditedDocument(plain, "<MooredPressure>0<", "<MooredPressure>20000<");
    doc = tw_test::ReplaceAll(doc, "<TemperatureType>0<", "<TemperatureType>7<");
    doc = tw_test::ReplaceAll(doc, "<SerialRS232C_Sensor>0<", "<SerialRS232C_Sensor>1<");
    C62V2VantrelCTD ctd(start);
    EXPECT_EQ(tw_test::Read(doc, ctd), 0) << doc;
    EXPECT_TRUE(ctd == plain);
}

TEST(Vantrel62V2, MooredPressureIsReportedWithoutAPressureSensorOnly) {
    C62V2VantrelCTD ctd;
    ctd.SetdMooredPressure(250.5);
    ctd.SetTempType(1);
    ctd.SetdUserSuppliedTemp(4.25);
    std::ostringstream without;
    ctd.Report(without, "", 0);
    EXPECT_NE(
        without.str().find("Moored pressure           : 250.5 dbars\n"
                           "Adjust pressure with      : User Supplied Temperature of 4.25 C\n"),
        std::string::npos)
        << without.str();
    ctd.SetPressureSensorType(0);
    std::ostringstream with;
    ctd.Report(with, "", 0);
    EXPECT_EQ(with.str().find("Moored pressure"), std::string::npos);
}

}  // namespace
