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

TEST(OxygenSensors, Tdw41WritesBothSetsAndReadsWhatItNeeds) {
    COxTDW_F_Sensor sensor = ConfiguredTDW41F();
    const std::string text = WriteObject("OxygenSensor", sensor);
    EXPECT_EQ(Compact(text),
              "<OxygenSensor SensorID=\"65\"><SerialNumber>41F-2</SerialNumber>"
              "<CalibrationDate /><Use2007Equation>0</Use2007Equation>"
              "<CalibrationCoefficients equation=\"0\">"
              "<!--Coefficients for Owens-Millard equation.-->"
              "<Boc>0.0000</Boc><Soc>4.5670e-01</Soc><offset>-0.5000</offset>"
              "<Pcor>1.35e-04</Pcor><Tcor>0.0012</Tcor><Tau>2.0</Tau></CalibrationCoefficients>"
              "<CalibrationCoefficients equation=\"1\">"
              "<!--Coefficients for Tidewren equation - TDW calibration in 2007 and later.-->"
              "<Soc>5.1230e-01</Soc><offset>-0.4875</offset><A>-3.5000e-03</A>"
              "<B> 0.0000e+00</B><C> 0.0000e+00</C><D0> 2.5826e+00</D0>"
              "<D1> 1.92634e-04</D1><D2>-4.64803e-02</D2><E> 3.6000e-02</E>"
              "<Tau20> 2.0000</Tau20><H1>-3.3000e-02</H1><H2> 5.0000e+03</H2>"
              "<H3> 1.4500e+03</H3></CalibrationCoefficients></OxygenSensor>");

    // D0 is never read; without the flag a sensor uses the Tidewren set, and
    // without H1 to H3 it has their defaults, whatever it held before.
    COxTDW_F_Sensor back;
    back.SetH2(1.0);
    std::string older = Without(Without(Without(text, "H1"), "H2"), "H3");
    older = Without(older, "Use2007Equation");
    older.replace(older.find("2.5826e+00"), 10, "9.9999e+00");
    ASSERT_EQ(ReadObject(older, "OxygenSensor", back), 0);
    COxTDW_F_Sensor expected = sensor;
    expected.SetUse2007Equations(1);
    EXPECT_TRUE(back == expected);

    // Either group missing refuses the element and leaves the sensor as it was.
    for (const char* group :
         {"<CalibrationCoefficients equation=\"0\">", "<CalibrationCoefficients equation=\"1\">"}) {
        EXPECT_EQ(
            ReadObject(Without(text, group, "</CalibrationCoefficients>"), "OxygenSensor", back),
            TDWXML::E_FAIL_XML)
            << group;
        EXPECT_TRUE(back == expected) << group;
    }
}

TEST(OxygenSensors, Tdw41ReportShowsOnlyTheSetInUse) {
    COxTDW_F_Sensor sensor = ConfiguredTDW41F();
    EXPECT_EQ(ReportFrom(sensor, "Equation"),
              "Equation      : Owens-Millard\n"
              "Soc           : 4.5670e-01\n"
              "Boc           : 0.0000\n"
              "Offset        : -0.5000\n"
              "Tcor          : 0.0012\n"
              "Pcor          : 1.35e-04\n"
              "Tau           : 2.0\n");
    sensor.SetUse2007Equations(1);
    EXPECT_EQ(ReportFrom(sensor, "Equation"),
              "Equation      : Tidewren\n"
              "Soc           : 5.12300e-01\n"
              "Offset        : -4.87500e-01\n"
              "A             : -3.50000e-03\n"
              "B             : 0.00000e+00\n"
              "C             : 0.00000e+00\n"
              "E             : 3.60000e-02\n"
              "Tau20         : 2.00000e+00\n"
              "D1            : 1.92634e-04\n"
              "D2            : -4.64803e-02\n"
              "H1            : -3.30000e-02\n"
              "H2            : 5.00000e+03\n"
              "H3            : 1.45000e+03\n");
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

TEST(OxygenSensors, CurrentAndTemperatureChannelsWriteAndReportEachCoefficientInItsFormat) {
    struct SCase {
        int id;
        const char* elements;
        const char* report;
    };
    const SCase cases[] = {
        {36,
         "<M>0.0000e+00</M><B>0.0000e+00</B><Soc>0.0000</Soc><Boc>0.0000</Boc>"
         "<Tcor>0.0000</Tcor><Pcor>0.00e+00</Pcor><Tau>0.0</Tau><Wt>0.00</Wt>",
         "M             : 0.0000e+00\nB             : 0.0000e+00\nSoc           : 0.0000\n"
         "Boc           : 0.0000\nTcor          : 0.0000\nPcor          : 0.00e+00\n"
         "Tau           : 0.0\nWt            : 0.00\n"},
        {39, "<K>0.0000</K><C>0.0000</C>", "K             : 0.0000\nC             : 0.0000\n"},
        {37, "<B0>0.00000000</B0><B1>0.00000000</B1>",
         "B0            : 0.00000000\nB1            : 0.00000000\n"},
        {40, "<A0>0.00000000</A0><A1>0.00000000</A1><A2>0.00000000</A2><A3>0.00000000</A3>",
         "A0            : 0.00000000\nA1            : 0.00000000\n"
         "A2            : 0.00000000\nA3            : 0.00000000\n"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(DefaultElements(c.id), c.elements);
        const std::unique_ptr<CSensor> sensor(CreateSensorObject(c.id));
        const std::string report = ReportOf(*sensor, 0);
        EXPECT_EQ(report.substr(report.find('\n', report.find("Calibrated on")) + 1), c.report);
    }
}

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
