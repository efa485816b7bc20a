// The pressure sensors: the Digiquartz read through the factory, C4 outside
// XML, the optional AD590 pair, and each class's elements and report.

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "sensors/PressureSensors.h"
#include "support/XmlFixture.h"

#include "SensorChecks.h"
#include "SensorXmlText.h"

namespace tw_test {
namespace {

template <class Sensor>
Sensor ConfiguredDigiquartz() {
    Sensor sensor;
    sensor.SetSerialNum("DQ-9");
    sensor.SetC1(-4.1e4);
    sensor.SetC2(0.125);
    sensor.SetD2(3.6e-2);
    sensor.SetT1(30.0);
    sensor.SetT4(-3.3e-9);
    sensor.SetSlope(0.99995);
    sensor.SetOffset(-0.12);
    return sensor;
}

CPressureDigiquartzTC_Sensor ConfiguredTC() {
    CPressureDigiquartzTC_Sensor sensor = ConfiguredDigiquartz<CPressureDigiquartzTC_Sensor>();
    sensor.SetT5(1.5e-11);
    sensor.SetAD590M(0.0128);
    sensor.SetAD590B(-9.5);
    return sensor;
}

// A Digiquartz sensor whose ID the factory makes nothing for.
class CUnmadeDigiquartz : public CPressureDigiquartzSensor {
  public:
    int GetSensorID() const override { return SID_NO_COEFFICIENT; }
};

TEST(PressureSensors, DigiquartzTC_WritesItsItemsAfterTheDigiquartzOnes) {
    CPressureDigiquartzTC_Sensor sensor = ConfiguredTC();
    const std::string text = WriteObject("PressureSensor", sensor);
    EXPECT_EQ(Compact(text),
              "<PressureSensor SensorID=\"45\"><SerialNumber>DQ-9</SerialNumber>"
              "<CalibrationDate /><C1>-4.100000e+04</C1><C2>1.250000e-01</C2>"
              "<C3>0.000000e+00</C3><D1>0.000000e+00</D1><D2>3.600000e-02</D2>"
              "<T1>3.000000e+01</T1><T2>0.000000e+00</T2><T3>0.000000e+00</T3>"
              "<T4>-3.300000e-09</T4><Slope>0.99995000</Slope><Offset>-0.12000</Offset>"
              "<T5>1.500000e-11</T5><AD590M>1.280000e-02</AD590M>"
              "<AD590B>-9.500000e+00</AD590B></PressureSensor>");
    CPressureDigiquartzTC_Sensor back;
    ASSERT_EQ(ReadObject(text, "PressureSensor", back), 0);
    EXPECT_TRUE(back == sensor);
}

TEST(PressureSensors, DigiquartzC4IsCopiedAndComparedButNotStored) {
    CPressureDigiquartzSensor sensor = ConfiguredDigiquartz<CPressureDigiquartzSensor>();
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
    EXPECT_EQ(copy.GetT4(), -3.3e-9);
}

TEST(PressureSensors, DigiquartzReadRefusals) {
    CPressureDigiquartzSensor plain = ConfiguredDigiquartz<CPressureDigiquartzSensor>();
    const std::string digiquartz = WriteObject("PressureSensor", plain);
    CPressureDigiquartzTC_Sensor tc = ConfiguredTC();
    const std::string tcText = WriteObject("PressureSensor", tc);

    // Each class refuses the other's element as another kind of sensor.
    EXPECT_EQ(ReadObject(digiquartz, "PressureSensor", tc), TDWXML::E_WRONG_OBJECT);
    EXPECT_EQ(ReadObject(tcText, "PressureSensor", plain), TDWXML::E_WRONG_OBJECT);

    CUnmadeDigiquartz unmade;
    EXPECT_EQ(ReadObject(digiquartz, "PressureSensor", unmade), TDWXML::E_OUT_OF_MEMORY);

    // A missing Digiquartz item or T5 refuses the whole TC element.
    const CPressureDigiquartzTC_Sensor before = tc;
    for (const char* tag : {"C3", "Offset", "T5"}) {
        EXPECT_EQ(ReadObject(Without(tcText, tag), "PressureSensor", tc), TDWXML::E_FAIL_XML)
            << tag;
        EXPECT_TRUE(tc == before) << tag;
    }
}

TEST(PressureSensors, DigiquartzTC_AD590PairIsBothOrNeither) {
    CPressureDigiquartzTC_Sensor sensor = ConfiguredTC();
    const std::string text = WriteObject("PressureSensor", sensor);
    ASSERT_EQ(ReadObject(Without(text, "AD590B"), "PressureSensor", sensor), 0);
    EXPECT_EQ(sensor.GetbIncludeMB(), 0);
    EXPECT_EQ(sensor.GetAD590M(), 0.0125);
    EXPECT_EQ(sensor.GetAD590B(), -10.0);
    EXPECT_EQ(sensor.GetT5(), 1.5e-11);
    EXPECT_EQ(WriteObject("PressureSensor", sensor).find("AD590"), std::string::npos);
    EXPECT_EQ(ReportOf(sensor, 3).find("AD590"), std::string::npos);

    // Without the pair the AD590 values do not count, nor does the flag itself.
    CPressureDigiquartzTC_Sensor other = sensor;
    other.SetAD590M(0.5);
    other.SetbIncludeMB(1);
    EXPECT_TRUE(sensor == other);
    EXPECT_FALSE(other == sensor);
}

TEST(PressureSensors, DigiquartzReports) {
    const std::string firstHalf =
        "   Serial number : DQ-9\n"
        "   Calibrated on : \n"
        "   C1            : -4.100000e+04\n"
        "   C2            : 1.250000e-01\n"
        "   C3            : 0.000000e+00\n"
        "   D1            : 0.000000e+00\n"
        "   D2            : 3.600000e-02\n"
        "   T1            : 3.000000e+01\n"
        "   T2            : 0.000000e+00\n"
        "   T3            : 0.000000e+00\n"
        "   T4            : -3.300000e-09\n";
    const std::string secondHalf =
        "   Slope         : 0.99995000\n"
        "   Offset        : -0.12000\n";
    EXPECT_EQ(ReportOf(ConfiguredDigiquartz<CPressureDigiquartzSensor>(), 3),
              firstHalf + secondHalf);
    EXPECT_EQ(ReportOf(ConfiguredTC(), 3), firstHalf + "   T5            : 1.500000e-11\n" +
                                               secondHalf +
                                               "   AD590M        : 1.280000e-02\n"
                                               "   AD590B        : -9.500000e+00\n");
}

TEST(PressureSensors, DruckElementsAndReport) {
    CPressureDruckSensor sensor;
    sensor.SetPA0(-2.5);
    sensor.SetPTEMPA1(5.5e-2);
    sensor.SetPTCA2(-1.0e-7);
    sensor.SetPTCB0(24.75);
    sensor.SetOffset(0.125);
    const std::string text = WriteObject("PressureSensor", sensor);
    EXPECT_EQ(Compact(text),
              "<PressureSensor SensorID=\"46\"><SerialNumber /><CalibrationDate />"
              "<PA0>-2.50000000e+00</PA0><PA1>0.00000000e+00</PA1><PA2>0.00000000e+00</PA2>"
              "<PTEMPA0>0.00000000e+00</PTEMPA0><PTEMPA1>5.50000000e-02</PTEMPA1>"
              "<PTEMPA2>0.00000000e+00</PTEMPA2><PTCA0>0.00000000e+00</PTCA0>"
              "<PTCA1>0.00000000e+00</PTCA1><PTCA2>-1.00000000e-07</PTCA2>"
              "<PTCB0>2.47500000e+01</PTCB0><PTCB1>0.00000000e+00</PTCB1>"
              "<PTCB2>0.00000000e+00</PTCB2><Offset>0.125000</Offset></PressureSensor>");
    CPressureDruckSensor back;
    ASSERT_EQ(ReadObject(text, "PressureSensor", back), 0);
    EXPECT_TRUE(back == sensor);

    EXPECT_EQ(ReportOf(sensor, 3),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   PA0           : -2.50000000e+00\n"
              "   PA1           : 0.00000000e+00\n"
              "   PA2           : 0.00000000e+00\n"
              "   PTEMPA0       : 0.00000000e+00\n"
              "   PTEMPA1       : 5.50000000e-02\n"
              "   PTEMPA2       : 0.00000000e+00\n"
              "   PTCA0         : 0.00000000e+00\n"
              "   PTCA1         : 0.00000000e+00\n"
              "   PTCA2         : -1.00000000e-07\n"
              "   PTCB0         : 2.47500000e+01\n"
              "   PTCB1         : 0.00000000e+00\n"
              "   PTCB2         : 0.00000000e+00\n"
              "   Offset        : 0.125000\n");
}

TEST(PressureSensors, FGP_AndStrainGaugeElementsAndReports) {
    CPressureFGP_Sensor fgp;
    fgp.SetScaleFactor(50.0);
    fgp.SetOffset(-0.5);
    const std::string fgpText = WriteObject("PressureFGP_Sensor", fgp);
    EXPECT_EQ(Compact(fgpText),
              "<PressureFGP_Sensor SensorID=\"47\"><SerialNumber /><CalibrationDate />"
              "<ScaleFactor>50.000</ScaleFactor><Offset>-0.500</Offset></PressureFGP_Sensor>");
    CPressureFGP_Sensor fgpBack;
    ASSERT_EQ(ReadObject(fgpText, "PressureFGP_Sensor", fgpBack), 0);
    EXPECT_TRUE(fgpBack == fgp);
    EXPECT_EQ(ReportOf(fgp, 3),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   Scale factor  : 50.000\n"
              "   Offset        : -0.500\n");

    CPressureStrainGaugeSensor gauge;
    gauge.SetA0(-1.25);
    gauge.SetA2(1.0e-9);
    gauge.SetOffset(0.75);
    const std::string gaugeText = WriteObject("PressureSensor", gauge);
    EXPECT_EQ(Compact(gaugeText),
              "<PressureSensor SensorID=\"49\"><SerialNumber /><CalibrationDate />"
              "<A0>-1.250000e+00</A0><A1>0.000000e+00</A1><A2>1.000000e-09</A2>"
              "<Offset>0.75000</Offset></PressureSensor>");
    CPressureStrainGaugeSensor gaugeBack;
    ASSERT_EQ(ReadObject(gaugeText, "PressureSensor", gaugeBack), 0);
    EXPECT_TRUE(gaugeBack == gauge);
    EXPECT_EQ(ReportOf(gauge, 3),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   A0            : -1.250000e+00\n"
              "   A1            : 0.000000e+00\n"
              "   A2            : 1.000000e-09\n"
              "   Offset        : 0.75000\n");
}

TEST(PressureSensors, FactoryMakesEachClass) {
    ExpectFactoryMakes(44, "CPressureDigiquartzSensor");
    ExpectFactoryMakes(45, "CPressureDigiquartzTC_Sensor");
    ExpectFactoryMakes(46, "CPressureDruckSensor");
    ExpectFactoryMakes(47, "CPressureFGP_Sensor");
    ExpectFactoryMakes(48, "CPressureTDW58Sensor");
    ExpectFactoryMakes(49, "CPressureStrainGaugeSensor");
}

}  // namespace
}  // namespace tw_test
