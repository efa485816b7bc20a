// pH, oxidation-reduction potential, methane, PAR, LISST-25A scattering, the
// user polynomial and the channel without coefficients.

#include <memory>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/SensorChecks.h"
#include "support/XmlFixture.h"

namespace {

using tw_test::OwnElements;
using tw_test::ReadObject;
using tw_test::ReportFrom;
using tw_test::ReportOf;
using tw_test::SensorDocument;
using tw_test::WriteObject;

TEST(AuxiliarySensors, FactoryCreatesTheClassOfEachID) {
    const std::pair<int, const char*> classes[] = {
        {24, "CMethaneConcCAPSUM_Sensor"},
        {25, "CMethaneTempCAPSUM_Sensor"},
        {41, "COxidationRedPotSensor"},
        {42, "CPAR_BiosphericalSensor"},
        {43, "CpH_Sensor"},
        {52, "CSuspSedScatterSensor"},
        {61, "CUserPolySensor"},
        {76, "CPARLog_SatlanticSensor"},
        {77, "CpHInt_Sensor"},
        {78, "CpHExt_Sensor"},
    };
    for (const auto& [id, name] : classes) {
        tw_test::ExpectFactoryMakes(id, name);
    }
    // The channel without coefficients is never made from its ID.
    EXPECT_EQ(CreateSensorObject(26), nullptr);
}

TEST(AuxiliarySensors, PhSensorsWriteWithTheirOwnFormatAndReportFourDecimals) {
    CpH_Sensor generic;
    generic.SetSlope(4.5);
    EXPECT_STREQ(generic.GetLpszFormat(), "%1.4f");
    EXPECT_EQ(OwnElements(generic), "  <Slope>4.5000</Slope>\n  <Offset>0.0000</Offset>\n");

    CpHInt_Sensor internal;
    EXPECT_STREQ(internal.GetLpszFormat(), "%1.6f");
    EXPECT_EQ(OwnElements(internal), "  <Slope>1.000000</Slope>\n  <Offset>0.000000</Offset>\n");
    internal.SetSerialNum("SF-1");
    internal.SetOffset(-0.1234567);
    EXPECT_EQ(ReportOf(internal, 3),
              "   Serial number : SF-1\n"
              "   Calibrated on : \n"
              "   pH slope      : 1.0000\n"
              "   pH offset     : -0.1235\n");

    CpHExt_Sensor external;
    EXPECT_EQ(external.GetSlope(), 1.0);
    EXPECT_TRUE(external.IsKindOf(RUNTIME_CLASS(CpH_Sensor)));
    EXPECT_EQ(ReadObject(SensorDocument("ExternalpHSeaFETSensor", 78,
                                        "<Slope>0.98</Slope><Offset>-3.5</Offset>"),
                         "ExternalpHSeaFETSensor", external),
              0);
    EXPECT_EQ(external.GetSlope(), 0.98);
    EXPECT_EQ(external.GetOffset(), -3.5);
    EXPECT_STREQ(external.GetLpszFormat(), "%1.6f");
    // The internal electrode's element is not the external one's.
    EXPECT_EQ(ReadObject(SensorDocument("ExternalpHSeaFETSensor", 77,
                                        "<Slope>2</Slope><Offset>2</Offset>"),
                         "ExternalpHSeaFETSensor", external),
              TDWXML::E_WRONG_OBJECT);
    EXPECT_EQ(ReadObject(SensorDocument("ExternalpHSeaFETSensor", 78, "<Slope>2</Slope>"),
                         "ExternalpHSeaFETSensor", external),
              TDWXML::E_FAIL_XML);
    EXPECT_EQ(external.GetSlope(), 0.98);

    CpHExt_Sensor same;
    same.SetSlope(0.98);
    same.SetOffset(-3.5);
    EXPECT_TRUE(SensorObjectsEqual(&same, &external));
    same.SetOffset(-3.25);
    EXPECT_FALSE(SensorObjectsEqual(&same, &external));
    EXPECT_FALSE(SensorObjectsEqual(&internal, &external));
}

TEST(AuxiliarySensors, UserPolynomialNameIsRequiredAndCutOnReading) {
    CUserPolySensor sensor;
    const std::string longName(300, 'n');
    sensor.SetActualName(longName.c_str());
    sensor.SetA1(0.5);
    const std::string text = WriteObject("UserPolynomialSensor", sensor);
    EXPECT_NE(text.find("  <SensorName>" + longName + "</SensorName>\n  <A0>0.00000000</A0>\n"),
              std::string::npos);
    CUserPolySensor back;
    EXPECT_EQ(ReadObject(text, "UserPolynomialSensor", back), 0);
    EXPECT_EQ(back.GetActualName(), longName.substr(0, 259).c_str());
    EXPECT_EQ(back.GetA1(), 0.5);

    // Without a name the element is refused.
    EXPECT_EQ(ReadObject(SensorDocument("UserPolynomialSensor", 61,
                                        "<A0>1</A0><A1>1</A1><A2>1</A2><A3>1</A3>"),
                         "UserPolynomialSensor", back),
              TDWXML::E_FAIL_XML);
    EXPECT_EQ(back.GetA0(), 0.0);

    back.SetActualName("CDOM");
    back.SetSerialNum("UP-2");
    back.SetA3(-1.0e-3);
    EXPECT_EQ(ReportOf(back, 3),
              "   Serial number : UP-2\n"
              "   Calibrated on : \n"
              "   Sensor name   : CDOM\n"
              "   A0            : 0.00000000\n"
              "   A1            : 0.50000000\n"
              "   A2            : 0.00000000\n"
              "   A3            : -0.00100000\n");
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
    EXPECT_EQ(ReportOf(a, 3), "");
}

TEST(AuxiliarySensors, ElementOrderDiffersFromReportOrder) {
    COxidationRedPotSensor orp;
    orp.SetM(1.25);
    orp.SetB(-0.5);
    orp.SetOffset(12.34);
    EXPECT_EQ(OwnElements(orp), "  <B>-0.500000</B>\n  <M>1.250000</M>\n  <Offset>12.3</Offset>\n");
    EXPECT_EQ(ReportOf(orp, 3),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   M             : 1.250000\n"
              "   B             : -0.500000\n"
              "   Offset (mV)   : 12.3\n");

    CMethaneConcCAPSUM_Sensor methane;
    methane.SetD(4.0);
    methane.SetB2(2.0);
    EXPECT_EQ(OwnElements(methane),
              "  <A0>0.00000000</A0>\n  <A1>0.00000000</A1>\n  <B0>0.00000000</B0>\n"
              "  <B1>0.00000000</B1>\n  <B2>2.00000000</B2>\n  <D>4.00000000</D>\n");
    EXPECT_EQ(ReportFrom(methane, "D "),
              "D             : 4.00000000\n"
              "A0            : 0.00000000\n"
              "A1            : 0.00000000\n"
              "B0            : 0.00000000\n"
              "B1            : 0.00000000\n"
              "B2            : 2.00000000\n");
}

TEST(AuxiliarySensors, ElementNamesDifferFromAccessorNames) {
    CSuspSedScatterSensor lisst;
    lisst.SetTotalVolConcConst(1.0);
    lisst.SetSauterMeanDiameter(2.0);
    lisst.SetCleanScatterOutput(3.0);
    lisst.SetCleanTransOutput(4.0);
    EXPECT_EQ(OwnElements(lisst),
              "  <TotalVolumeConcConst>1.000</TotalVolumeConcConst>\n"
              "  <SauterMeanDiameter>2.000</SauterMeanDiameter>\n"
              "  <CleanWaterScatteringOutput>3.000</CleanWaterScatteringOutput>\n"
              "  <CleanWaterTransmissionOutput>4.000</CleanWaterTransmissionOutput>\n");
    EXPECT_EQ(ReportOf(lisst, 3),
              "   Serial number                 : \n"
              "   Calibrated on                 : \n"
              "   Total volume conc. constant   : 1.000\n"
              "   Sauter mean diameter          : 2.000\n"
              "   Clean h2o scattering output   : 3.000\n"
              "   Clean h2o transmission output : 4.000\n");

    CPARLog_SatlanticSensor parLog;
    EXPECT_EQ(ReadObject(SensorDocument("PARLog_SatlanticSensor", 76,
                                        "<a0>1.5</a0><a1>2.5</a1><Im>1.3589</Im>"),
                         "PARLog_SatlanticSensor", parLog),
              0);
    EXPECT_EQ(ReportOf(parLog, 3),
              "   Serial number        : \n"
              "   Calibrated on        : \n"
              "   a0                   : 1.50000000\n"
              "   a1                   : 2.50000000\n"
              "   Im                   : 1.35890000\n");
    // The element names are lower case.
    EXPECT_EQ(
        ReadObject(SensorDocument("PARLog_SatlanticSensor", 76, "<A0>1</A0><A1>2</A1><Im>1</Im>"),
                   "PARLog_SatlanticSensor", parLog),
        TDWXML::E_FAIL_XML);
    EXPECT_EQ(parLog.GetA0(), 1.5);

    CPAR_BiosphericalSensor par;
    EXPECT_EQ(par.GetMultiplier(), 1.0);
    par.SetCalibrationConstant(1.6e10);
    EXPECT_EQ(ReportFrom(par, "M "),
              "M                    : 0.00000000\n"
              "B                    : 0.00000000\n"
              "Calibration constant : 16000000000.00000000\n"
              "Multiplier           : 1.00000000\n"
              "Offset               : 0.00000000\n");
}

}  // namespace
