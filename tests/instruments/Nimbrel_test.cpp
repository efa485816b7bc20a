// The TDW 73 Nimbrel: optional oxygen and pressure sensors that the settings
// follow, scan layout, and the documents it refuses.

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "instruments/ModelChecks.h"
#include "instruments/NimbrelCTD.h"

namespace {

using tw_test::SensorIDs;

TEST(Nimbrel, OptionalSensorsKeepTheSettingsInStep) {
    CNimbrel ctd;
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetVantrelPlusScanTimeOffset(), 12);

    EXPECT_EQ(ctd.SetOxygenSensorPresent(CNimbrel::OXYGEN_TDW68), 1);
    ctd.SetPressureSensorPresent(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 72, 46}));
    EXPECT_EQ(ctd.GetNumFreqAdd(), 2);
    EXPECT_EQ(ctd.GetScanLen(), 42);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetVantrelPlusScanTimeOffset(), 34);
    EXPECT_EQ(ctd.AddExtVoltFrom(), 4);
    EXPECT_FALSE(ctd.CanChangeSensor(2));

    // The TDW 41I takes the TDW 68's place.
    ctd.SetOxygenSensorPresent(CNimbrel::OXYGEN_TDW41);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 66, 46}));
    EXPECT_EQ(ctd.GetScanLen(), 36);
    EXPECT_EQ(ctd.SetOxygenSensorPresent(3), 0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 66, 46}));

    ctd.SetOxygenSensorPresent(CNimbrel::OXYGEN_NONE);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46}));
    EXPECT_EQ(ctd.GetNumFreqAdd(), 1);
    EXPECT_EQ(ctd.GetScanLen(), 30);
    ctd.SetPressureSensorPresent(0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3}));
    EXPECT_EQ(ctd.GetNumFreqAdd(), 0);

    // Settings follow sensors put on the channels some other way.
    ctd.ReplaceSensor(1, CreateSensorObject(72));
    EXPECT_EQ(ctd.OxygenInstalled(), CNimbrel::OXYGEN_TDW68);
    EXPECT_EQ(ctd.PressureInstalled(), 0);
}

TEST(Nimbrel, SampleIntervalLimits) {
    CNimbrel ctd;
    EXPECT_EQ(ctd.GetScanInterval(), 6.0);
    EXPECT_EQ(ctd.SetSampleInterval(0.5), 0);
    EXPECT_EQ(ctd.SetSampleInterval(21600.5), 0);
    EXPECT_EQ(ctd.SetSampleInterval(0.9), 1);
    EXPECT_EQ(ctd.SetSampleInterval(21600.0), 1);
    EXPECT_EQ(ctd.GetScanInterval(), 21600.0);
}

void ConfigureMooring(CNimbrel& ctd) {
    ctd.SetOxygenSensorPresent(CNimbrel::OXYGEN_TDW41);
    ctd.SetPressureSensorPresent(1);
    ctd.SetSampleInterval(900.5);
    ctd.SetMooredPressure(1250.25);
    ctd.SetUseMooredLatitudeFlag(1);
    ctd.SetMooredLatitude(-54.125);
    ctd.SetDeviceType("TDW 73 <moored> & \"deep\"");
    ctd.SetFirmwareVersion("2.1.4");
}

TEST(Nimbrel, BadDocumentsAreRefusedAndChangeNothing) {
    using Configure = std::function<void(CNimbrel&)>;
    const Configure mooring = ConfigureMooring;
    const Configure none = [](CNimbrel&) {};
    const std::vector<std::string> refused = {
        tw_test::Edited(mooring, "<FrequencyChannelsAdded>2<", "<FrequencyChannelsAdded>1<"),
        tw_test::Edited(none, "<FrequencyChannelsAdded>0<", "<FrequencyChannelsAdded>3<"),
        tw_test::Edited(none, "<FrequencyChannelsAdded>0<", "<FrequencyChannelsAdded>-1<"),
        tw_test::Edited(none, "<SampleIntervalSeconds>6<", "<SampleIntervalSeconds>six<"),
    };
    tw_test::ExpectRefused<CNimbrel>(refused, mooring);

    // An interval out of range keeps the default.
    CNimbrel ctd;
    ConfigureMooring(ctd);
    const std::string fast =
        tw_test::Edited(none, "<SampleIntervalSeconds>6<", "<SampleIntervalSeconds>0.5<");
    ASSERT_EQ(tw_test::ReadObject(fast, "Instrument", ctd), 0);
    EXPECT_EQ(ctd.GetScanInterval(), 6.0);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3}));
    EXPECT_EQ(ctd.GetOxygenType(), CNimbrel::OXYGEN_NONE);
}

}  // namespace
