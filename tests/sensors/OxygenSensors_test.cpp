// The oxygen sensors: the TDW 41 family with its two coefficient sets, the
// TDW 68, the Aanderaa Optode and the Beckman/YSI and IOW channels.

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "sensors/OxygenSensors.h"
#include "sensors/OxygenTDW41Sensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

COxTDW_F_Sensor ConfiguredTDW41F() {
    COxTDW_F_Sensor sensor;
    sensor.SetSerialNum("41F-2");
    sensor.SetUse2007Equations(0);
    sensor.SetSoc(0.4567);
    sensor.SetOffset(-0.5);
    sensor.SetPcor(1.35e-4);
    sensor.SetTcor(0.0012);
    sensor.SetTau(2.0);
    sensor.SetSoc2007(0.5123);
    sensor.SetVoffset2007(-0.4875);
    sensor.SetA(-3.5e-3);
    sensor.SetE(0.036);
    return sensor;
}

TEST(OxygenSensors, Tdw41KindsNeverEqualEachOther) {
    COxTDW_F_Sensor frequency = ConfiguredTDW41F();
    COxTDW_I_Sensor other;
    static_cast<COxTDW_Base&>(other) = frequency;
    EXPECT_EQ(SensorObjectsEqual(&frequency, &other), 0);
    EXPECT_EQ(CopySensorObject(&other, &frequency), 0);

    COxTDW_F_Sensor same;
    EXPECT_EQ(CopySensorObject(&same, &frequency), 1);
    EXPECT_EQ(SensorObjectsEqual(&frequency, &same), 1);
    same.SetH3(1451.0);  // a member of the set not in use still counts
    EXPECT_EQ(SensorObjectsEqual(&frequency, &same), 0);
}

TEST(OxygenSensors, Tdw68TextListsEveryCoefficientInOrder) {
    COxTDW_68_Sensor sensor;
    sensor.SetA0(1.5);
    sensor.SetC1(-2.25e-4);
    sensor.Setpcor(0.0115);
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

}  // namespace
}  // namespace tw_test
