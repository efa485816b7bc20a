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

TEST(PressureSensors, DigiquartzTC_WritesItsItemsAfterTheDigiquartzOnesAndReportsThemBetween) {
    CPressureDigiquartzTC_Sensor sensor = ConfiguredTC();
    EXPECT_EQ(Compact(WriteObject("PressureSensor", sensor)),
              "<PressureSensor SensorID=\"45\"><SerialNumber>DQ-9</SerialNumber>"
              "<CalibrationDate /><C1>-4.100000e+04</C1><C2>0.000000e+00</C2>"
              "<C3>0.000000e+00</C3><D1>0.000000e+00</D1><D2>3.600000e-02</D2>"
              "<T1>0.000000e+00</T1><T2>0.000000e+00</T2><T3>0.000000e+00</T3>"
              "<T4>-3.300000e-09</T4><Slope>0.99995000</Slope><Offset>-0.12000</Offset>"
              "<T5>1.500000e-11</T5><AD590M>1.280000e-02</AD590M>"
              "<AD590B>-1.000000e+01</AD590B></PressureSensor>");

    const std::string firstHalf =
        "   Serial number : DQ-9\n"
        "   Calibrated on : \n"
        "   C1            : -4.100000e+04\n"
        "   C2            : 0.000000e+00\n"
        "   C3            : 0.000000e+00\n"
        "   D1            : 0.000000e+00\n"
        "   D2            : 3.600000e-02\n"
        "   T1            : 0.000000e+00\n"
        "   T2            : 0.000000e+00\n"
        "   T3            : 0.000000e+00\n"
        "   T4            : -3.300000e-09\n";
    const std::string secondHalf =
        "   Slope         : 0.99995000\n"
        "   Offset        : -0.12000\n";
    EXPECT_EQ(ReportOf(ConfiguredDigiquartz<CPressureDigiquartzSensor>()), firstHalf + secondHalf);
    EXPECT_EQ(ReportOf(sensor), firstHalf + "   T5            : 1.500000e-11\n" + secondHalf +
                                    "   AD590M        : 1.280000e-02\n"
                                    "   AD590B        : -1.000000e+01\n");
}

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
    const std::string digiquartz = WriteObject("PressureSensor", plain);
    CPressureDigiquartzTC_Sensor tc = ConfiguredTC();
    EXPECT_EQ(ReadObject(digiquartz, "PressureSensor", tc), TDWXML::E_WRONG_OBJECT);
    EXPECT_EQ(ReadObject(WriteObject("PressureSensor", tc), "PressureSensor", plain),
              TDWXML::E_WRONG_OBJECT);
    CUnmadeDigiquartz unmade;
    EXPECT_EQ(ReadObject(digiquartz, "PressureSensor", unmade), TDWXML::E_OUT_OF_MEMORY);
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

TEST(PressureSensors, OtherClassesElementsAndFormats) {
    EXPECT_EQ(DefaultElements(46),
              "<PA0>0.00000000e+00</PA0><PA1>0.00000000e+00</PA1><PA2>0.00000000e+00</PA2>"
              "<PTEMPA0>0.00000000e+00</PTEMPA0><PTEMPA1>0.00000000e+00</PTEMPA1>"
              "<PTEMPA2>0.00000000e+00</PTEMPA2><PTCA0>0.00000000e+00</PTCA0>"
              "<PTCA1>0.00000000e+00</PTCA1><PTCA2>0.00000000e+00</PTCA2>"
              "<PTCB0>0.00000000e+00</PTCB0><PTCB1>0.00000000e+00</PTCB1>"
              "<PTCB2>0.00000000e+00</PTCB2><Offset>0.000000</Offset>");
    EXPECT_EQ(DefaultElements(47), "<ScaleFactor>1.000</ScaleFactor><Offset>0.000</Offset>");
    EXPECT_EQ(DefaultElements(49),
              "<A0>0.000000e+00</A0><A1>0.000000e+00</A1><A2>0.000000e+00</A2>"
              "<Offset>0.00000</Offset>");
}

}  // namespace
}  // namespace tw_test
