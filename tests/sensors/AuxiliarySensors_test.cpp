// pH, oxidation-reduction potential, methane, PAR, LISST-25A scattering, the
// user polynomial and the channel without coefficients.

#include <gtest/gtest.h>

#include "sensors/AuxiliarySensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

TEST(AuxiliarySensors, UserPolynomialNameIsCutOnReading) {
    CUserPolySensor sensor;
    const std::string longName(300, 'n');
    sensor.SetActualName(longName.c_str());
    sensor.SetA1(0.5);
    CUserPolySensor back;
    EXPECT_EQ(ReadObject(WriteObject("UserPolynomialSensor", sensor), "UserPolynomialSensor", back),
              0);
    EXPECT_EQ(back.GetActualName(), longName.substr(0, 259).c_str());
    EXPECT_EQ(back.GetA1(), 0.5);
    EXPECT_NE(ReportOf(back).find("   Sensor name   : " + longName.substr(0, 259) + "\n"),
              std::string::npos);
}

TEST(AuxiliarySensors, NoCoefficientSensorKeepsItsActualID) {
    CNoCoeffSensor a;
    EXPECT_EQ(a.GetActualID(), 26);
    a.SetActualID(22);
    CNoCoeffSensor b;
    b.SetSerialNum("GTD-1");
    b.SetActualID(23);
    a = b;
    EXPECT_EQ(a.GetActualID(), 22);
    EXPECT_EQ(a.GetSerialNum(), "GTD-1");
    EXPECT_TRUE(a == b);

    EXPECT_EQ(
        ReadObject(SensorDocument("NoCoefficientsSensor", 26, "<SerialNumber>GTD-7</SerialNumber>"),
                   "NoCoefficientsSensor", a),
        0);
    EXPECT_EQ(a.GetSerialNum(), "GTD-7");
    EXPECT_EQ(a.GetActualID(), 22);
    EXPECT_EQ(OwnElements(a), "");
    EXPECT_EQ(ReportOf(a), "");
}

}  // namespace
}  // namespace tw_test
