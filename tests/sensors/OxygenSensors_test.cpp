// The TDW 68 optical oxygen sensor and the Aanderaa Optode.

#include <sstream>

#include <gtest/gtest.h>

#include "sensors/OxygenSensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

TEST(OxygenSensors, Tdw68ElementsAndTextListEveryCoefficientInOrder) {
    COxTDW_68_Sensor sensor;
    sensor.SetA0(1.5);
    sensor.SetC1(-2.25e-4);
    sensor.Setpcor(0.0115);
    EXPECT_EQ(OwnElements(sensor),
              "<A0>1.500000e+00</A0><A1>0.000000e+00</A1><A2>0.000000e+00</A2>"
              "<B0>0.000000e+00</B0><B1>0.000000e+00</B1><C0>0.000000e+00</C0>"
              "<C1>-2.250000e-04</C1><C2>0.000000e+00</C2><TA0>0.000000e+00</TA0>"
              "<TA1>0.000000e+00</TA1><TA2>0.000000e+00</TA2><TA3>0.000000e+00</TA3>"
              "<pcor>1.150000e-02</pcor>");

    sensor.SetSerialNum("68-7");
    sensor.SetCalDate("2026-02-01");
    EXPECT_EQ(sensor.ToString(),
              "Cal date: 2026-02-01\nSerial number: 68-7\n"
              "A0 = 1.500000e+00\nA1 = 0.000000e+00\nA2 = 0.000000e+00\n"
              "B0 = 0.000000e+00\nB1 = 0.000000e+00\nC0 = 0.000000e+00\n"
              "C1 = -2.250000e-04\nC2 = 0.000000e+00\nTA0 = 0.000000e+00\n"
              "TA1 = 0.000000e+00\nTA2 = 0.000000e+00\nTA3 = 0.000000e+00\n"
              "pcor = 1.150000e-02");
}

TEST(OxygenSensors, OptodeElementsAreOptional) {
    COxOptodeSensor sensor;
    sensor.SetDoDepthCorrection(1);
    sensor.SetInternalSalinity(35.125);
    EXPECT_EQ(
        OwnElements(sensor),
        "<DoSalinityCorrection>0</DoSalinityCorrection>"
        "<DoDepthCorrection>1</DoDepthCorrection><InternalSalinity>35.125</InternalSalinity>");

    // Each element present counts; a missing or unreadable one takes the
    // default, whatever the sensor held before.
    EXPECT_EQ(ReadObject(SensorDocument("OptodeOxygenAanderaa", 64,
                                        "<DoSalinityCorrection>1</DoSalinityCorrection>"
                                        "<InternalSalinity>salty</InternalSalinity>"),
                         "OptodeOxygenAanderaa", sensor),
              0);
    EXPECT_EQ(sensor.GetDoSalinityCorrection(), 1);
    EXPECT_EQ(sensor.GetDoDepthCorrection(), 0);
    EXPECT_EQ(sensor.GetInternalSalinity(), 0.0);
}

TEST(OxygenSensors, OptodeReportsSalinityInTheStreamsFormat) {
    COxOptodeSensor sensor;
    sensor.SetSerialNum("OPT-1");
    sensor.SetCalDate("01-Jun-25");
    sensor.SetInternalSalinity(34.5);
    sensor.SetDoDepthCorrection(1);
    EXPECT_EQ(ReportOf(sensor, 4),
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
}  // namespace tw_test
