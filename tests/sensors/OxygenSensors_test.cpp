// The oxygen sensors: the TDW 41 family with its two coefficient sets and
// the Aanderaa Optode.

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

TEST(OxygenSensors, OptodeElementsMissingOrUnreadableTakeTheirDefaults) {
    // Each element present counts; a missing or unreadable one takes the
    // default, whatever the sensor held before.
    COxOptodeSensor sensor;
    sensor.SetDoDepthCorrection(1);
    sensor.SetInternalSalinity(35.125);
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
