// The TDW 64plus V2: settings that keep the channels in step, scan layout and
// the documents it refuses.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/Vantrel64V2CTD.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/PressureSensors.h"
#include "tests/instruments/ModelChecks.h"

namespace {

using tw_test::SensorIDs;

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
    EXPECT_EQ(IsProfiler(&moored), 1);
    moored.SetMode(1);
    EXPECT_EQ(IsProfiler(&moored), 0);
    EXPECT_EQ(moored.GetScanInterval(), 10.0);
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

TEST(Vantrel64V2, EachSerialSensorInEachModeReadsBack) {
    for (int serial = 0; serial <= CVantrelCTD::SATLANTIC_SEAFET; ++serial) {
        for (int mode : {0, 1}) {
            C64V2VantrelCTD ctd;
            ctd.SetPressureSensorType(serial % 2);
            ctd.SetNumVoltAdd(6);
            ctd.ReplaceSensor(5, new CZapsSensor);
            ctd.SetMode(mode);
            ctd.SetSerialSensor(serial);
            ctd.SetbSPAR_Added(mode == 0);
            tw_test::ExpectRoundTrip(ctd, "serial " + std::to_string(serial));
        }
    }
}

TEST(Vantrel64V2, InconsistentDocumentsAreRefusedAndChangeNothing) {
    using Configure = std::function<void(C64V2VantrelCTD&)>;
    const Configure none = [](C64V2VantrelCTD&) {};
    const Configure twoVolts = [](C64V2VantrelCTD& ctd) { ctd.SetNumVoltAdd(2); };
    const Configure gtd = [](C64V2VantrelCTD& ctd) {
        ctd.SetMode(1);
        ctd.SetSerialSensor(CVantrelCTD::GTD_DO_N2);
    };
    C64V2VantrelCTD start;
    start.SetNumVoltAdd(1);
    start.SetSerialNum("keep");
    tw_test::ExpectRefused(
        start,
        {
            // The pressure sensor and its type disagree.
            tw_test::Edited(none, "<PressureSensorType>1<", "<PressureSensorType>0<"),
            // The voltage count disagrees with the channels.
            tw_test::Edited(twoVolts, "<ExternalVoltageChannels>2<", "<ExternalVoltageChannels>1<"),
            // The trailing sensors do not match the serial setting.
            tw_test::Edited(gtd, "<SerialRS232C_Sensor>4<", "<SerialRS232C_Sensor>5<"),
            tw_test::Edited(gtd, "<SerialRS232C_Sensor>4<", "<SerialRS232C_Sensor>8<"),
            tw_test::Edited(twoVolts, "<SerialRS232C_Sensor>0<", "<SerialRS232C_Sensor>1<"),
        });

    // A value out of range keeps the default.
    C64V2VantrelCTD ctd;
    ctd.SetnScansToAvg(4);
    EXPECT_EQ(
        tw_test::Read(tw_test::Edited(none, "<ScansToAverage>1<", "<ScansToAverage>99999<"), ctd),
        0);
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
    C64V2VantrelCTD ctd;
    EXPECT_EQ(tw_test::Read(tw_test::WriteObject("Instrument", wide), ctd), 0);
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

}  // namespace
