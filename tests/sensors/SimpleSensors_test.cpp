// The sensor-class pattern on the classes with few or no coefficients.

#include <sstream>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/OpticalSensors.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"
#include "support/XmlFixture.h"

namespace {

using tw_test::ReadObject;
using tw_test::SensorDocument;
using tw_test::WriteObject;

std::string ReportOf(const CSensor& sensor, int indent = 3) {
    std::ostringstream os;
    sensor.Report(os, indent);
    return os.str();
}

TEST(SimpleSensors, CommonItemsAreOptionalAndCutAt127Characters) {
    CTempTDW83Sensor sensor;
    sensor.SetSerialNum("old");
    const std::string longDate(200, 'd');
    const std::string doc =
        "<Root SensorID=\"56\"><CalibrationDate>" + longDate + "</CalibrationDate></Root>";
    EXPECT_EQ(
        tw_test::ReadWith(doc, [&](TDWXML::CInputNode* node) { return sensor.ReadBaseXML(node); }),
        0);
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

TEST(SimpleSensors, BottlesClosedThresholds) {
    EXPECT_EQ(CBottlesClosedSensor::BottlesClosed(6335.999), 0);
    EXPECT_EQ(CBottlesClosedSensor::BottlesClosed(6336), 1);
    EXPECT_EQ(CBottlesClosedSensor::BottlesClosed(13155), 4);
    EXPECT_EQ(CBottlesClosedSensor::BottlesClosed(23999.9), 11);
    EXPECT_EQ(CBottlesClosedSensor::BottlesClosed(24000), -1);
}

TEST(SimpleSensors, TurnerRangeScaleFactor) {
    EXPECT_EQ(CFluoroTurnerRangeSensor::CalcScaleFactor(0.19), 1.0);
    EXPECT_EQ(CFluoroTurnerRangeSensor::CalcScaleFactor(0.2), 3.16);
    EXPECT_EQ(CFluoroTurnerRangeSensor::CalcScaleFactor(0.55), 3.16);
    EXPECT_EQ(CFluoroTurnerRangeSensor::CalcScaleFactor(0.5500001), 10.0);
    EXPECT_EQ(CFluoroTurnerRangeSensor::CalcScaleFactor(0.85), 31.0);
}

}  // namespace
