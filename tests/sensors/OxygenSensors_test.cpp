// The TDW 68 optical oxygen sensor and the Aanderaa Optode.

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "sensors/OxygenSensors.h"
#include "sensors/SensorChecks.h"
#include "support/XmlFixture.h"

namespace {

using tw_test::ReadObject;
using tw_test::SensorDocument;
using tw_test::WriteObject;

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The thirteen coefficients of a TDW 68 element, each with its own value,
// optionally without one of them.
std::string Tdw68Body(const std::string& without = "") {
    static const char* const names[] = {"A0", "A1",  "A2",  "B0",  "B1",  "C0",  "C1",
                                        "C2", "TA0", "TA1", "TA2", "TA3", "pcor"};
    std::string body = "<SerialNumber>68-0042</SerialNumber>";
    int value = 1;
    for (const char* name : names) {
        value += 1;
        if (without != name) {
            body += "<" + std::string(name) + ">" + std::to_string(value) + "</" + name + ">";
        }
    }
    return body;
}

TEST(OxygenSensors, FactoryCreatesTheClassOfEachID) {
    tw_test::ExpectFactoryMakes(64, "COxOptodeSensor");
    tw_test::ExpectFactoryMakes(72, "COxTDW_68_Sensor");
}

TEST(OxygenSensors, Tdw68WritesEveryCoefficientInOrderAndReadsBack) {
    COxTDW_68_Sensor sensor;
    sensor.SetSerialNum("68-1");
    sensor.SetCalDate("05-Jan-26");
    sensor.SetA0(1.5);
    sensor.SetC1(-2.25e-4);
    sensor.Setpcor(0.0115);
    const std::string text = WriteObject("OxygenSensor", sensor);
    EXPECT_EQ(text, std::string(kDeclaration) +
                        "<OxygenSensor SensorID=\"72\">\n"
                        "  <SerialNumber>68-1</SerialNumber>\n"
                        "  <CalibrationDate>05-Jan-26</CalibrationDate>\n"
                        "  <A0>1.500000e+00</A0>\n"
                        "  <A1>0.000000e+00</A1>\n"
                        "  <A2>0.000000e+00</A2>\n"
                        "  <B0>0.000000e+00</B0>\n"
                        "  <B1>0.000000e+00</B1>\n"
                        "  <C0>0.000000e+00</C0>\n"
                        "  <C1>-2.250000e-04</C1>\n"
                        "  <C2>0.000000e+00</C2>\n"
                        "  <TA0>0.000000e+00</TA0>\n"
                        "  <TA1>0.000000e+00</TA1>\n"
                        "  <TA2>0.000000e+00</TA2>\n"
                        "  <TA3>0.000000e+00</TA3>\n"
                        "  <pcor>1.150000e-02</pcor>\n"
                        "</OxygenSensor>\n");

    COxTDW_68_Sensor back;
    EXPECT_EQ(ReadObject(text, "OxygenSensor", back), 0);
    EXPECT_TRUE(SensorObjectsEqual(&back, &sensor));

    // Each value lands in its own member.
    EXPECT_EQ(ReadObject(SensorDocument("OxygenSensor", 72, Tdw68Body()), "OxygenSensor", back), 0);
    EXPECT_EQ(back.GetA0(), 2.0);
    EXPECT_EQ(back.GetB1(), 6.0);
    EXPECT_EQ(back.GetTA0(), 10.0);
    EXPECT_EQ(back.Getpcor(), 14.0);
    EXPECT_EQ(back.GetSerialNum(), "68-0042");
}

TEST(OxygenSensors, Tdw68RejectsAnElementWithAnyCoefficientMissing) {
    COxTDW_68_Sensor sensor;
    sensor.SetSerialNum("kept");
    sensor.SetA0(7.0);
    const COxTDW_68_Sensor before = sensor;
    for (const char* missing : {"pcor", "C0", "A0"}) {
        EXPECT_EQ(ReadObject(SensorDocument("OxygenSensor", 72, Tdw68Body(missing)), "OxygenSensor",
                             sensor),
                  TDWXML::E_FAIL_XML)
            << missing;
        EXPECT_TRUE(sensor == before) << missing;
    }
    // A TDW 41 element under the same tag is another kind of sensor.
    EXPECT_EQ(ReadObject(SensorDocument("OxygenSensor", 38, Tdw68Body()), "OxygenSensor", sensor),
              TDWXML::E_WRONG_OBJECT);
    EXPECT_TRUE(sensor == before);
}

TEST(OxygenSensors, Tdw68TextAndReport) {
    EXPECT_EQ(COxTDW_68_Sensor().ToString(),
              "Cal date: \nSerial number: \n"
              "A0 = 0.000000e+00\nA1 = 0.000000e+00\nA2 = 0.000000e+00\n"
              "B0 = 0.000000e+00\nB1 = 0.000000e+00\nC0 = 0.000000e+00\n"
              "C1 = 0.000000e+00\nC2 = 0.000000e+00\nTA0 = 0.000000e+00\n"
              "TA1 = 0.000000e+00\nTA2 = 0.000000e+00\nTA3 = 0.000000e+00\n"
              "pcor = 0.000000e+00");

    COxTDW_68_Sensor sensor;
    sensor.SetSerialNum("68-7");
    sensor.SetCalDate("2026-02-01");
    sensor.SetB0(-1234.5);
    sensor.SetTA3(6.5e-9);
    EXPECT_EQ(sensor.ToString().Find("Cal date: 2026-02-01\nSerial number: 68-7\nA0 = "), 0);
    EXPECT_NE(sensor.ToString().Find("\nB0 = -1.234500e+03\n"), -1);

    std::ostringstream os;
    sensor.Report(os, 3);
    EXPECT_EQ(os.str(),
              "   Serial number       : 68-7\n"
              "   Calibrated on       : 2026-02-01\n"
              "   A0                  : 0.000000e+00\n"
              "   A1                  : 0.000000e+00\n"
              "   A2                  : 0.000000e+00\n"
              "   B0                  : -1.234500e+03\n"
              "   B1                  : 0.000000e+00\n"
              "   C0                  : 0.000000e+00\n"
              "   C1                  : 0.000000e+00\n"
              "   C2                  : 0.000000e+00\n"
              "   TA0                 : 0.000000e+00\n"
              "   TA1                 : 0.000000e+00\n"
              "   TA2                 : 0.000000e+00\n"
              "   TA3                 : 6.500000e-09\n"
              "   pcor                : 0.000000e+00\n");
}

TEST(OxygenSensors, OptodeElementsAreOptional) {
    COxOptodeSensor sensor;
    sensor.SetDoSalinityCorrection(1);
    sensor.SetDoDepthCorrection(1);
    sensor.SetInternalSalinity(35.125);
    const std::string text = WriteObject("OptodeOxygenAanderaa", sensor);
    EXPECT_EQ(text, std::string(kDeclaration) +
                        "<OptodeOxygenAanderaa SensorID=\"64\">\n"
                        "  <SerialNumber />\n"
                        "  <CalibrationDate />\n"
                        "  <DoSalinityCorrection>1</DoSalinityCorrection>\n"
                        "  <DoDepthCorrection>1</DoDepthCorrection>\n"
                        "  <InternalSalinity>35.125</InternalSalinity>\n"
                        "</OptodeOxygenAanderaa>\n");
    COxOptodeSensor back;
    EXPECT_EQ(ReadObject(text, "OptodeOxygenAanderaa", back), 0);
    EXPECT_TRUE(SensorObjectsEqual(&back, &sensor));

    // Only the common items: both corrections off and no salinity, whatever
    // the sensor held before.
    EXPECT_EQ(
        ReadObject(SensorDocument("OptodeOxygenAanderaa", 64, "<SerialNumber>OPT-9</SerialNumber>"),
                   "OptodeOxygenAanderaa", back),
        0);
    EXPECT_EQ(back.GetSerialNum(), "OPT-9");
    EXPECT_EQ(back.GetDoSalinityCorrection(), 0);
    EXPECT_EQ(back.GetDoDepthCorrection(), 0);
    EXPECT_EQ(back.GetInternalSalinity(), 0.0);

    // Each element present counts; an unreadable one keeps the default.
    EXPECT_EQ(ReadObject(SensorDocument("OptodeOxygenAanderaa", 64,
                                        "<DoDepthCorrection>1</DoDepthCorrection>"
                                        "<InternalSalinity>salty</InternalSalinity>"),
                         "OptodeOxygenAanderaa", back),
              0);
    EXPECT_EQ(back.GetDoSalinityCorrection(), 0);
    EXPECT_EQ(back.GetDoDepthCorrection(), 1);
    EXPECT_EQ(back.GetInternalSalinity(), 0.0);

    // Only a failed common read refuses the element.
    EXPECT_EQ(
        ReadObject(SensorDocument("OptodeOxygenAanderaa", 72, ""), "OptodeOxygenAanderaa", back),
        TDWXML::E_WRONG_OBJECT);
    EXPECT_EQ(back.GetDoDepthCorrection(), 1);
}

TEST(OxygenSensors, OptodeComparesEveryMember) {
    COxOptodeSensor a;
    COxOptodeSensor b;
    EXPECT_TRUE(SensorObjectsEqual(&a, &b));
    b.SetDoSalinityCorrection(1);
    EXPECT_FALSE(SensorObjectsEqual(&a, &b));
    b = a;
    b.SetDoDepthCorrection(1);
    EXPECT_FALSE(SensorObjectsEqual(&a, &b));
    b = a;
    b.SetInternalSalinity(1e-12);
    EXPECT_FALSE(SensorObjectsEqual(&a, &b));
    b = a;
    b.SetSerialNum("x");
    EXPECT_FALSE(SensorObjectsEqual(&a, &b));
    EXPECT_EQ(CopySensorObject(&a, &b), 1);
    EXPECT_TRUE(SensorObjectsEqual(&a, &b));
}

TEST(OxygenSensors, OptodeReportsSalinityInTheStreamsFormat) {
    COxOptodeSensor sensor;
    sensor.SetSerialNum("OPT-1");
    sensor.SetCalDate("01-Jun-25");
    sensor.SetInternalSalinity(34.5);
    sensor.SetDoDepthCorrection(1);
    std::ostringstream os;
    sensor.Report(os, 4);
    EXPECT_EQ(os.str(),
              "    Serial number       : OPT-1\n"
              "    Calibrated on       : 01-Jun-25\n"
              "    Internal salinity   : 34.5\n"
              "    Salinity correction : 0\n"
              "    Depth correction    : 1\n");

    // The format a preceding sensor left on the stream stays in force.
    std::ostringstream scientific;
    scientific << std::scientific;
    scientific.precision(2);
    sensor.Report(scientific, 0);
    EXPECT_NE(scientific.str().find("Internal salinity   : 3.45e+01\n"), std::string::npos)
        << scientific.str();
}

}  // namespace
