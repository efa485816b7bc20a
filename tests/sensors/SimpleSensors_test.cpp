// The sensor-class pattern on the classes with few or no coefficients.

#include <utility>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/OpticalSensors.h"
#include "sensors/PressureSensors.h"
#include "sensors/SensorChecks.h"
#include "sensors/TemperatureSensors.h"

namespace tw_test {
namespace {

TEST(SimpleSensors, CommonItemsAreOptionalAndCutAt127Characters) {
    CTempTDW83Sensor sensor;
    sensor.SetSerialNum("old");
    const std::string longDate(200, 'd');
    const std::string doc =
        "<Root SensorID=\"56\"><CalibrationDate>" + longDate + "</CalibrationDate></Root>";
    EXPECT_EQ(ReadWith(doc, [&](TDWXML::CInputNode* node) { return sensor.ReadBaseXML(node); }), 0);
    EXPECT_EQ(sensor.GetSerialNum(), "old");
    EXPECT_EQ(sensor.GetCalDate().GetLength(), 127);

    // Through ReadXML the common items go into a fresh sensor.
    EXPECT_EQ(ReadObject(SensorDocument("TemperatureSensor", 56, ""), "TemperatureSensor", sensor),
              0);
    EXPECT_EQ(sensor.GetSerialNum(), "");
}

TEST(SimpleSensors, VersionAttributeFollowsSensorID) {
    CPressureTDW58Sensor sensor;
    CSensorWriteOptions::SetWriteVersionInSensors(true);
    const std::string text = WriteObject("PressureSensor", sensor);
    CSensorWriteOptions::SetWriteVersionInSensors(false);
    EXPECT_NE(text.find("<PressureSensor SensorID=\"48\" TW_ConfigCTD_FileVersion=\"7.26.2.0\">"),
              std::string::npos)
        << text;
    EXPECT_EQ(WriteObject("PressureSensor", sensor).find("TW_ConfigCTD_FileVersion"),
              std::string::npos);
}

TEST(SimpleSensors, TimeModeDateReportsAsMonthDayYear) {
    CTempNoCoeffSensor sensor;
    sensor.SetbUseStrDate(0);
    EXPECT_NE(ReportOf(sensor).find("Calibrated on : 01/01/1990"), std::string::npos);
    EXPECT_NE(sensor.SetCalDate("not a date"), 0);
    EXPECT_EQ(sensor.SetCalDate("2026-03-04"), 0);
    EXPECT_EQ(sensor.GetCalDate(), "03/04/2026");
}

TEST(SimpleSensors, BottlesClosedAndTurnerScaleFactorThresholds) {
    for (const auto& [frequency, bottles] :
         {std::pair{6335.999, 0}, {6336.0, 1}, {13155.0, 4}, {23999.9, 11}, {24000.0, -1}}) {
        EXPECT_EQ(CBottlesClosedSensor::BottlesClosed(frequency), bottles) << frequency;
    }
    for (const auto& [volts, factor] :
         {std::pair{0.19, 1.0}, {0.2, 3.16}, {0.55, 3.16}, {0.5500001, 10.0}, {0.85, 31.0}}) {
        EXPECT_EQ(CFluoroTurnerRangeSensor::CalcScaleFactor(volts), factor) << volts;
    }
}

}  // namespace
}  // namespace tw_test
