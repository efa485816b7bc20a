// The pressure sensors: the Digiquartz read through the factory, C4 outside
// XML, the optional AD590 pair, and each class's elements and report.

#include <gtest/gtest.h>

#include "sensors/PressureSensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

template <class Sensor>
Sensor ConfiguredDigiquartz() {
    Sensor sensor;
    sensor.SetSerialNum("DQ-9");
    sensor.SetC1(-4.1e4);
    sensor.SetD2(3.6e-2);
    sensor.SetT4(-3.3e-9);
    sensor.SetSlope(0.99995);
    sensor.SetOffset(-0.12);
    return sensor;
}

CPressureDigiquartzTC_Sensor ConfiguredTC() {
    auto sensor = ConfiguredDigiquartz<CPressureDigiquartzTC_Sensor>();
    sensor.SetT5(1.5e-11);
    sensor.SetAD590M(0.0128);
    return sensor;
}

// A Digiquartz sensor whose ID the factory makes nothing for.
class CUnmadeDigiquartz : public CPressureDigiquartzSensor {
  public:
    int GetSensorID() const override { return SID_NO_COEFFICIENT; }
};

TEST(PressureSensors, DigiquartzC4IsCopiedAndComparedButNotStored) {
    auto sensor = ConfiguredDigiquartz<CPressureDigiquartzSensor>();
    sensor.SetC4(5.0);
    CPressureDigiquartzSensor copy;
    ASSERT_EQ(CopySensorObject(&copy, &sensor), 1);
    EXPECT_EQ(SensorObjectsEqual(&copy, &sensor), 1);
    copy.SetC4(5.5);
    EXPECT_EQ(SensorObjectsEqual(&copy, &sensor), 0);

    const std::string text = WriteObject("PressureSensor", sensor);
    EXPECT_EQ(text.find("C4"), std::string::npos) << text;
    ASSERT_EQ(ReadObject(text, "PressureSensor", copy), 0);
    EXPECT_EQ(copy.GetC4(), 0.0);
}

TEST(PressureSensors, DigiquartzReadsThroughAFreshSensorOfItsOwnKind) {
    auto plain = ConfiguredDigiquartz<CPressureDigiquartzSensor>();
    CUnmadeDigiquartz unmade;
    EXPECT_EQ(ReadObject(WriteObject("PressureSensor", plain), "PressureSensor", unmade),
              TDWXML::E_OUT_OF_MEMORY);
}

TEST(PressureSensors, DigiquartzTC_AD590PairIsBothOrNeither) {
    CPressureDigiquartzTC_Sensor sensor = ConfiguredTC();
    const std::string text = WriteObject("PressureSensor", sensor);
    ASSERT_EQ(ReadObject(Without(text, "AD590B"), "PressureSensor", sensor), 0);
    EXPECT_EQ(sensor.GetbIncludeMB(), 0);
    EXPECT_EQ(sensor.GetAD590M(), 0.0125);
    EXPECT_EQ(sensor.GetT5(), 1.5e-11);
    EXPECT_EQ(WriteObject("PressureSensor", sensor).find("AD590"), std::string::npos);
    EXPECT_EQ(ReportOf(sensor).find("AD590"), std::string::npos);

    // Without the pair the AD590 values do not count, nor does the flag itself.
    CPressureDigiquartzTC_Sensor other = sensor;
    other.SetAD590M(0.5);
    other.SetbIncludeMB(1);
    EXPECT_TRUE(sensor == other);
    EXPECT_FALSE(other == sensor);
}

}  // namespace
}  // namespace tw_test
