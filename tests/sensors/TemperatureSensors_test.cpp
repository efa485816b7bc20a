// The temperature sensors with coefficients: element order and formats, and
// the coefficient set that the report shows.

#include <gtest/gtest.h>

#include "sensors/SensorChecks.h"
#include "sensors/TemperatureSensors.h"

namespace tw_test {
namespace {

TEST(TemperatureSensors, TDW2WritesBothSetsAndReportsTheOneInUse) {
    CTempTDW2Sensor sensor;
    sensor.SetSerialNum("T-1");
    sensor.SetCalDate("12-Mar-26");
    sensor.SetbUseG_J(0);
    sensor.SetA(3.68e-3);
    sensor.SetD(-2.25e-6);
    sensor.SetF0_Old(2903.5);
    sensor.SetG(4.3e-3);
    sensor.SetJ(2.1e-6);
    sensor.SetOffset(-0.0012);
    const std::string text = WriteObject("TemperatureSensor", sensor);
    EXPECT_EQ(Compact(text),
              "<TemperatureSensor SensorID=\"55\"><SerialNumber>T-1</SerialNumber>"
              "<CalibrationDate>12-Mar-26</CalibrationDate><UseG_J>0</UseG_J>"
              "<A>3.68000000e-03</A><B>0.00000000e+00</B><C>0.00000000e+00</C>"
              "<D>-2.25000000e-06</D><F0_Old>2903.500</F0_Old><G>4.30000000e-03</G>"
              "<H>0.00000000e+00</H><I>0.00000000e+00</I><J>2.10000000e-06</J>"
              "<F0>1000.000</F0><Slope>1.00000000</Slope><Offset>-0.0012</Offset>"
              "</TemperatureSensor>");
    CTempTDW2Sensor back;
    ASSERT_EQ(ReadObject(text, "TemperatureSensor", back), 0);
    EXPECT_TRUE(back == sensor);

    EXPECT_EQ(ReportOf(sensor),
              "   Serial number : T-1\n"
              "   Calibrated on : 12-Mar-26\n"
              "   A             : 3.68000000e-03\n"
              "   B             : 0.00000000e+00\n"
              "   C             : 0.00000000e+00\n"
              "   D             : -2.25000000e-06\n"
              "   F0            : 2903.500\n"
              "   Slope         : 1.00000000\n"
              "   Offset        : -0.0012\n");
    sensor.SetbUseG_J(1);
    const std::string report = ReportOf(sensor);
    EXPECT_NE(report.find("   G             : 4.30000000e-03\n"), std::string::npos) << report;
    EXPECT_NE(report.find("   J             : 2.10000000e-06\n   F0            : 1000.000\n"),
              std::string::npos);

    // The set not in use still counts for equality.
    back.SetbUseG_J(1);
    back.SetD(1e-9);
    EXPECT_FALSE(back == sensor);
}

TEST(TemperatureSensors, CountSensorsDifferOnlyInTheOrderOfSlopeAndOffset) {
    CTempTDW94Sensor tdw94;
    CTempVantrelPlusSensor vantrel;
    const auto configure = [](auto& sensor) {
        sensor.SetA3(-7.0e-8);
        sensor.SetOffset(0.03);
    };
    configure(tdw94);
    configure(vantrel);
    const std::string coefficients =
        "<A0>0.00000000e+00</A0><A1>0.00000000e+00</A1><A2>0.00000000e+00</A2>"
        "<A3>-7.00000000e-08</A3>";
    EXPECT_EQ(OwnElements(tdw94),
              coefficients + "<Offset>0.0300</Offset><Slope>1.00000000</Slope>");
    EXPECT_EQ(OwnElements(vantrel),
              coefficients + "<Slope>1.00000000</Slope><Offset>0.0300</Offset>");
    EXPECT_EQ(ReportOf(tdw94), ReportOf(vantrel));
    EXPECT_NE(ReportOf(tdw94).find("Slope         : 1.00000000\n   Offset        : 0.0300\n"),
              std::string::npos);
    EXPECT_EQ(SensorObjectsEqual(&tdw94, &vantrel), 0);
}

}  // namespace
}  // namespace tw_test
