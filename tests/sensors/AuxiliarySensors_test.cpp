// pH, oxidation-reduction potential, methane, PAR, LISST-25A scattering, the
// user polynomial and the channel without coefficients.

#include <gtest/gtest.h>

#include "sensors/AuxiliarySensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

// Element names and formats as written; several differ from the report
// labels, their order or the accessors' names.
TEST(AuxiliarySensors, ElementsOfEachClass) {
    const std::pair<int, const char*> cases[] = {
        {24,
         "<A0>0.00000000</A0><A1>0.00000000</A1><B0>0.00000000</B0><B1>0.00000000</B1>"
         "<B2>0.00000000</B2><D>0.00000000</D>"},
        {41, "<B>0.000000</B><M>0.000000</M><Offset>0.0</Offset>"},
        {43, "<Slope>0.0000</Slope><Offset>0.0000</Offset>"},
        {52,
         "<TotalVolumeConcConst>0.000</TotalVolumeConcConst>"
         "<SauterMeanDiameter>0.000</SauterMeanDiameter>"
         "<CleanWaterScatteringOutput>0.000</CleanWaterScatteringOutput>"
         "<CleanWaterTransmissionOutput>0.000</CleanWaterTransmissionOutput>"},
        {61,
         "<SensorName /><A0>0.00000000</A0><A1>0.00000000</A1><A2>0.00000000</A2>"
         "<A3>0.00000000</A3>"},
        {76, "<a0>0.00000000</a0><a1>0.00000000</a1><Im>0.00000000</Im>"},
        {77, "<Slope>1.000000</Slope><Offset>0.000000</Offset>"},
    };
    for (const auto& [id, elements] : cases) {
        EXPECT_EQ(DefaultElements(id), elements) << id;
    }
}

TEST(AuxiliarySensors, ReportsFollowTheirOwnOrderAndFormats) {
    COxidationRedPotSensor orp;
    orp.SetM(1.25);
    orp.SetOffset(12.34);
    EXPECT_EQ(ReportOf(orp),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   M             : 1.250000\n"
              "   B             : 0.000000\n"
              "   Offset (mV)   : 12.3\n");

    CpHInt_Sensor internal;
    internal.SetOffset(-0.1234567);
    EXPECT_EQ(ReportFrom(internal, "pH"),
              "pH slope      : 1.0000\n"
              "pH offset     : -0.1235\n");
}

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
