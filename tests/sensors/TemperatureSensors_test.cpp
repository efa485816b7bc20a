// The temperature sensors with coefficients: element order and formats,
// all-or-nothing reads, the coefficient set that the report shows.

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "sensors/TemperatureSensors.h"
#include "support/XmlFixture.h"

#include "SensorChecks.h"
#include "SensorXmlText.h"

namespace tw_test {
namespace {

CTempTDW2Sensor ConfiguredTDW2() {
    CTempTDW2Sensor sensor;
    sensor.SetSerialNum("T-1");
    sensor.SetCalDate("12-Mar-26");
    sensor.SetbUseG_J(0);
    sensor.SetA(3.68e-3);
    sensor.SetB(6.0e-4);
    sensor.SetC(1.5e-5);
    sensor.SetD(-2.25e-6);
    sensor.SetF0_Old(2903.5);
    sensor.SetG(4.3e-3);
    sensor.SetH(6.4e-4);
    sensor.SetI(2.2e-5);
    sensor.SetJ(2.1e-6);
    sensor.SetOffset(-0.0012);
    return sensor;
}

template <class Sensor>
Sensor ConfiguredCount() {
    Sensor sensor;
    sensor.SetSerialNum("C-7");
    sensor.SetA0(1.25e-3);
    sensor.SetA3(-7.0e-8);
    sensor.SetSlope(1.00001);
    sensor.SetOffset(0.03);
    return sensor;
}

TEST(TemperatureSensors, TDW2KeepsBothSetsThroughXML) {
    CTempTDW2Sensor sensor = ConfiguredTDW2();
    const std::string text = WriteObject("TemperatureSensor", sensor);
    EXPECT_EQ(Compact(text),
              "<TemperatureSensor SensorID=\"55\"><SerialNumber>T-1</SerialNumber>"
              "<CalibrationDate>12-Mar-26</CalibrationDate><UseG_J>0</UseG_J>"
              "<A>3.68000000e-03</A><B>6.00000000e-04</B><C>1.50000000e-05</C>"
              "<D>-2.25000000e-06</D><F0_Old>2903.500</F0_Old><G>4.30000000e-03</G>"
              "<H>6.40000000e-04</H><I>2.20000000e-05</I><J>2.10000000e-06</J>"
              "<F0>1000.000</F0><Slope>1.00000000</Slope><Offset>-0.0012</Offset>"
              "</TemperatureSensor>");

    CTempTDW2Sensor back;
    ASSERT_EQ(ReadObject(text, "TemperatureSensor", back), 0);
    EXPECT_TRUE(back == sensor);

    // A missing item refuses the whole element.
    const CTempTDW2Sensor before = back;
    for (const char* tag :
         {"UseG_J", "A", "B", "C", "D", "F0_Old", "G", "H", "I", "J", "F0", "Slope", "Offset"}) {
        EXPECT_EQ(ReadObject(Without(text, tag), "TemperatureSensor", back), TDWXML::E_FAIL_XML)
            << tag;
        EXPECT_TRUE(back == before) << tag;
    }

    // The set not in use still counts for equality.
    sensor.SetbUseG_J(1);
    back.SetbUseG_J(1);
    back.SetD(1e-9);
    EXPECT_FALSE(back == sensor);
    EXPECT_EQ(SensorObjectsEqual(&back, &sensor), 0);
}

TEST(TemperatureSensors, TDW2ReportShowsTheSetInUse) {
    CTempTDW2Sensor sensor = ConfiguredTDW2();
    EXPECT_EQ(ReportOf(sensor, 3),
              "   Serial number : T-1\n"
              "   Calibrated on : 12-Mar-26\n"
              "   A             : 3.68000000e-03\n"
              "   B             : 6.00000000e-04\n"
              "   C             : 1.50000000e-05\n"
              "   D             : -2.25000000e-06\n"
              "   F0            : 2903.500\n"
              "   Slope         : 1.00000000\n"
              "   Offset        : -0.0012\n");
    sensor.SetbUseG_J(1);
    EXPECT_EQ(ReportOf(sensor, 3),
              "   Serial number : T-1\n"
              "   Calibrated on : 12-Mar-26\n"
              "   G             : 4.30000000e-03\n"
              "   H             : 6.40000000e-04\n"
              "   I             : 2.20000000e-05\n"
              "   J             : 2.10000000e-06\n"
              "   F0            : 1000.000\n"
              "   Slope         : 1.00000000\n"
              "   Offset        : -0.0012\n");
}

TEST(TemperatureSensors, CountSensorsDifferOnlyInTheOrderOfSlopeAndOffset) {
    CTempTDW94Sensor tdw94 = ConfiguredCount<CTempTDW94Sensor>();
    CTempVantrelPlusSensor vantrel = ConfiguredCount<CTempVantrelPlusSensor>();
    const std::string text94 = WriteObject("TemperatureSensor", tdw94);
    const std::string textVantrel = WriteObject("TemperatureSensor", vantrel);
    const std::string coefficients =
        "<SerialNumber>C-7</SerialNumber><CalibrationDate /><A0>1.25000000e-03</A0>"
        "<A1>0.00000000e+00</A1><A2>0.00000000e+00</A2><A3>-7.00000000e-08</A3>";
    EXPECT_EQ(Compact(text94), "<TemperatureSensor SensorID=\"57\">" + coefficients +
                                   "<Offset>0.0300</Offset><Slope>1.00001000</Slope>"
                                   "</TemperatureSensor>");
    EXPECT_EQ(Compact(textVantrel), "<TemperatureSensor SensorID=\"58\">" + coefficients +
                                        "<Slope>1.00001000</Slope><Offset>0.0300</Offset>"
                                        "</TemperatureSensor>");

    CTempTDW94Sensor back94;
    CTempVantrelPlusSensor backVantrel;
    ASSERT_EQ(ReadObject(text94, "TemperatureSensor", back94), 0);
    ASSERT_EQ(ReadObject(textVantrel, "TemperatureSensor", backVantrel), 0);
    EXPECT_TRUE(back94 == tdw94);
    EXPECT_TRUE(backVantrel == vantrel);
    // The shared element tag does not decide: the sensor ID does.
    EXPECT_EQ(ReadObject(text94, "TemperatureSensor", backVantrel), TDWXML::E_WRONG_OBJECT);
    EXPECT_EQ(SensorObjectsEqual(&tdw94, &vantrel), 0);

    const std::string report = ReportOf(tdw94, 3);
    EXPECT_EQ(report,
              "   Serial number : C-7\n"
              "   Calibrated on : \n"
              "   A0            : 1.25000000e-03\n"
              "   A1            : 0.00000000e+00\n"
              "   A2            : 0.00000000e+00\n"
              "   A3            : -7.00000000e-08\n"
              "   Slope         : 1.00001000\n"
              "   Offset        : 0.0300\n");
    EXPECT_EQ(ReportOf(vantrel, 3), report);
}

TEST(TemperatureSensors, FactoryMakesEachClass) {
    ExpectFactoryMakes(55, "CTempTDW2Sensor");
    ExpectFactoryMakes(57, "CTempTDW94Sensor");
    ExpectFactoryMakes(58, "CTempVantrelPlusSensor");
}

}  // namespace
}  // namespace tw_test
