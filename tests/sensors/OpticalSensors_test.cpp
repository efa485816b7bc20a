// Fluorometers, turbidity sensors and transmissometers: the linear sensors,
// the Dr. Haardt family, gain and unit selections, and the element and report
// layouts that set the kinds apart.

#include <memory>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "sensors/OpticalSensors.h"
#include "sensors/SensorChecks.h"
#include "support/XmlFixture.h"

namespace {

using tw_test::OwnElements;
using tw_test::ReadObject;
using tw_test::ReportFrom;
using tw_test::ReportOf;
using tw_test::SensorDocument;
using tw_test::WriteObject;

std::unique_ptr<CLinearSensor> NewLinear(int id) {
    return std::unique_ptr<CLinearSensor>(dynamic_cast<CLinearSensor*>(CreateSensorObject(id)));
}

TEST(LinearSensors, EachKindWritesItsDefaultsWithItsTagsAndFormats) {
    struct SCase {
        int id;
        const char* className;
        const char* body;
    };
    const SCase cases[] = {
        {67, "CTurbidityWET_LabsECO_NTU_Sensor",
         "  <ScaleFactor>1.000000</ScaleFactor>\n"
         "  <!--Dark output-->\n"
         "  <DarkVoltage>0.000000</DarkVoltage>\n"},
        {69, "CFluoroSeapointUltravioletSensor",
         "  <Range>1500.0</Range>\n"
         "  <Offset>0.0000</Offset>\n"},
        {70, "CTurbidityWET_LabsECO_BB_Sensor",
         "  <ScaleFactor>1.000e+00</ScaleFactor>\n"
         "  <!--Dark output-->\n"
         "  <DarkVoltage>0.000e+00</DarkVoltage>\n"},
        {73, "CFluoroWET_LabsSeaOWL_CHL_Sensor",
         "  <ScaleFactor>1.000e+00</ScaleFactor>\n"
         "  <!--Dark output-->\n"
         "  <DarkVoltage>0.000e+00</DarkVoltage>\n"},
        {74, "CFluoroWET_LabsSeaOWL_FDOM_Sensor",
         "  <ScaleFactor>1.000e+00</ScaleFactor>\n"
         "  <!--Dark output-->\n"
         "  <DarkVoltage>0.000e+00</DarkVoltage>\n"},
        {75, "CTurbidityWET_LabsSeaOWL_BB_Sensor",
         "  <ScaleFactor>1.000e+00</ScaleFactor>\n"
         "  <!--Dark output-->\n"
         "  <DarkVoltage>0.000e+00</DarkVoltage>\n"},
    };
    for (const SCase& c : cases) {
        std::unique_ptr<CLinearSensor> sensor = NewLinear(c.id);
        ASSERT_NE(sensor, nullptr) << c.id;
        EXPECT_STREQ(sensor->GetRuntimeClass()->m_lpszClassName, c.className);
        EXPECT_EQ(sensor->GetSensorID(), c.id);
        const char* tag = GetSensorData(c.id)->xmlTag;
        EXPECT_EQ(WriteObject(tag, *sensor),
                  std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<") + tag +
                      " SensorID=\"" + std::to_string(c.id) +
                      "\">\n  <SerialNumber />\n  <CalibrationDate />\n" + c.body + "</" + tag +
                      ">\n")
            << c.className;
    }
}

TEST(LinearSensors, ReadTakesBothValuesOrNothing) {
    CTurbidityWET_LabsECO_NTU_Sensor sensor;
    const std::string good = SensorDocument("TurbidityMeter", 67,
                                            "<SerialNumber>NTU-5</SerialNumber>"
                                            "<ScaleFactor>2.5</ScaleFactor>"
                                            "<DarkVoltage>0.062</DarkVoltage>");
    EXPECT_EQ(ReadObject(good, "TurbidityMeter", sensor), 0);
    EXPECT_EQ(sensor.GetSerialNum(), "NTU-5");
    EXPECT_EQ(sensor.GetFirstCoefficient(), 2.5);
    EXPECT_EQ(sensor.GetSecondCoefficient(), 0.062);

    // The dark output is stored under its tag, not under its report label.
    const std::string byLabel = SensorDocument("TurbidityMeter", 67,
                                               "<SerialNumber>other</SerialNumber>"
                                               "<ScaleFactor>9</ScaleFactor>"
                                               "<Dark_output>1</Dark_output>");
    EXPECT_EQ(ReadObject(byLabel, "TurbidityMeter", sensor), TDWXML::E_FAIL_XML);
    EXPECT_EQ(sensor.GetSerialNum(), "NTU-5");
    EXPECT_EQ(sensor.GetFirstCoefficient(), 2.5);

    // The ECO-BB shares the element tag but is another kind of sensor.
    const std::string ecoBB = SensorDocument(
        "TurbidityMeter", 70, "<ScaleFactor>9</ScaleFactor><DarkVoltage>1</DarkVoltage>");
    EXPECT_EQ(ReadObject(ecoBB, "TurbidityMeter", sensor), TDWXML::E_WRONG_OBJECT);
    EXPECT_EQ(sensor.GetFirstCoefficient(), 2.5);

    // Round trip through the written form.
    CFluoroSeapointUltravioletSensor uv;
    uv.SetFirstCoefficient(500.0);
    uv.SetSecondCoefficient(-0.0125);
    CFluoroSeapointUltravioletSensor back;
    EXPECT_EQ(ReadObject(WriteObject("Fluorometer", uv), "Fluorometer", back), 0);
    EXPECT_TRUE(SensorObjectsEqual(&back, &uv));
}

TEST(LinearSensors, EqualOnlyWithTheSameIDAndValues) {
    CTurbidityWET_LabsECO_BB_Sensor ecoBB;
    CTurbidityWET_LabsSeaOWL_BB_Sensor seaOwlBB;
    CFluoroWET_LabsSeaOWL_CHL_Sensor chl;
    CFluoroWET_LabsSeaOWL_FDOM_Sensor fdom;
    EXPECT_FALSE(SensorObjectsEqual(&ecoBB, &seaOwlBB));
    EXPECT_FALSE(SensorObjectsEqual(&chl, &fdom));
    EXPECT_EQ(CopySensorObject(&chl, &fdom), 0);

    CTurbidityWET_LabsECO_BB_Sensor other;
    EXPECT_TRUE(SensorObjectsEqual(&ecoBB, &other));
    other.SetSecondCoefficient(0.001);
    EXPECT_FALSE(SensorObjectsEqual(&ecoBB, &other));
    other.SetSecondCoefficient(0.0);
    other.SetFirstCoefficient(2.0);
    EXPECT_FALSE(SensorObjectsEqual(&ecoBB, &other));
    other.SetCalDate("today");
    EXPECT_EQ(CopySensorObject(&ecoBB, &other), 1);
    EXPECT_TRUE(SensorObjectsEqual(&ecoBB, &other));
    EXPECT_EQ(ecoBB.GetCalDate(), "today");
    EXPECT_EQ(ecoBB.GetFirstCoefficient(), 2.0);
}

TEST(LinearSensors, ReportShowsTheLabelsWithSixDecimals) {
    CFluoroSeapointUltravioletSensor uv;
    uv.SetSerialNum("UV-3");
    uv.SetCalDate("03/03/2026");
    uv.SetSecondCoefficient(0.0125);
    EXPECT_EQ(ReportOf(uv, 3),
              "   Serial number : UV-3\n"
              "   Calibrated on : 03/03/2026\n"
              "   Range         : 1500.000000\n"
              "   Offset        : 0.012500\n");

    CTurbidityWET_LabsSeaOWL_BB_Sensor bb;
    bb.SetFirstCoefficient(3.2e-6);
    EXPECT_EQ(ReportOf(bb, 4),
              "    Serial number : \n"
              "    Calibrated on : \n"
              "    ScaleFactor   : 0.000003\n"
              "    Dark output   : 0.000000\n");
}

TEST(OpticalSensors, FactoryCreatesTheClassOfEachIDAndEachReadsBackItsDefaults) {
    const std::pair<int, const char*> classes[] = {
        {4, "CFluoroBiosphericalSensor"},     {5, "CFluoroChelseaAqua3Sensor"},
        {6, "CFluoroChelseaMiniSensor"},      {7, "CFluoroChelseaUV_AquaSensor"},
        {8, "CFluoroDrHaardtChloroSensor"},   {9, "CFluoroDrHaardtPhycoSensor"},
        {10, "CFluoroDrHaardtYellowSensor"},  {11, "CFluoroSeapointSensor"},
        {12, "CFluoroSeapointRhodaSensor"},   {13, "CFluoroSeatechSensor"},
        {14, "CFluoroTurner10005Sensor"},     {15, "CFluoroTurnerRangeSensor"},
        {16, "CFluoroTurner10Au005Sensor"},   {17, "CFluoroTurnerSCUFA_Sensor"},
        {18, "CFluoroWetlabAC3Sensor"},       {19, "CFluoroWetlabCDOM_Sensor"},
        {20, "CFluoroWetlabECO_AFL_Sensor"},  {21, "CFluoroWetlabWetstarSensor"},
        {28, "COBS_BackscatteranceSensor"},   {29, "COBS_ChelseaNepheloSensor"},
        {30, "COBS_DrHaardtTurbiditySensor"}, {31, "COBS_IFREMER_DirectSensor"},
        {32, "COBS_IFREMER_MeasuredSensor"},  {33, "COBS_SeapointTurbiditySensor"},
        {34, "COBS_SeatechLS6000Sensor"},     {35, "COBS_TurnerSCUFA_Sensor"},
        {59, "CTransChelseaSensor"},          {60, "CTransWetlabAC3Sensor"},
        {63, "COBS_DA_3plusSensor"},          {68, "CFluoroTurnerCyclopsSensor"},
        {71, "CTransWET_LabsCStarSensor"},
    };
    for (const auto& [id, name] : classes) {
        tw_test::ExpectFactoryMakes(id, name);
    }
}

TEST(OpticalSensors, GainSelectionMustLieInItsRange) {
    CFluoroSeapointSensor seapoint;
    EXPECT_EQ(OwnElements(seapoint),
              "  <!--The following is an array index, not the actual gain setting.-->\n"
              "  <GainSetting>0</GainSetting>\n"
              "  <Offset>0.000</Offset>\n");
    const auto withGain = [](const std::string& gain) {
        return SensorDocument("FluoroSeapointSensor", 11,
                              "<GainSetting>" + gain + "</GainSetting><Offset>0.25</Offset>");
    };
    for (const char* refused : {"4", "-1", "one"}) {
        EXPECT_EQ(ReadObject(withGain(refused), "FluoroSeapointSensor", seapoint),
                  TDWXML::E_FAIL_XML)
            << refused;
        EXPECT_EQ(seapoint.GetOffset(), 0.0);
    }
    EXPECT_EQ(ReadObject(withGain("3"), "FluoroSeapointSensor", seapoint), 0);
    EXPECT_EQ(seapoint.GetGainSetting().Get(), 3);
    EXPECT_EQ(seapoint.GetOffset(), 0.25);
    EXPECT_EQ(ReportFrom(seapoint, "Gain"),
              "Gain setting  : 1 x, 0-150 \xB5g/l\n"
              "Offset        : 0.250\n");

    // The setter refuses what the file may not hold, and the limits go with
    // the value.
    EXPECT_EQ(seapoint.SetGainSetting(4), 0);
    EXPECT_EQ(seapoint.GetGainSetting().Get(), 3);
    EXPECT_EQ(seapoint.SetGainSetting(0), 1);
    EXPECT_EQ(seapoint.GetGainSetting().GetHigh(), 3);

    COBS_SeatechLS6000Sensor ls6000;
    EXPECT_EQ(ls6000.GetGainSetting().GetHigh(), 8);
    EXPECT_EQ(ls6000.SetGainSetting(8), 1);
    EXPECT_EQ(ls6000.SetGainSetting(9), 0);
    EXPECT_EQ(ls6000.GetGainSetting().GetInitialValue(), 7);

    // Same values of different kinds are different sensors.
    CFluoroSeapointRhodaSensor rhodamine;
    seapoint.SetGainSetting(0);
    seapoint.SetOffset(0.0);
    EXPECT_FALSE(SensorObjectsEqual(&seapoint, &rhodamine));
    EXPECT_EQ(OwnElements(rhodamine), OwnElements(seapoint));
}

TEST(OpticalSensors, SelectionsReportTheirTexts) {
    COBS_SeatechLS6000Sensor ls6000;
    EXPECT_EQ(ReportOf(ls6000, 3),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   Gain setting  : Full Scale Range = 33 mg/l\n"
              "   Slope         : 1.000\n"
              "   Offset        : 0.000\n");

    CFluoroTurnerSCUFA_Sensor scufa;
    EXPECT_EQ(OwnElements(scufa),
              "  <B>0.00000000e+00</B>\n"
              "  <MX>1.00000000e+00</MX>\n"
              "  <MY>0.00000000e+00</MY>\n"
              "  <Units>6</Units>\n"
              "  <ScaleFactor>1.00000000e+00</ScaleFactor>\n"
              "  <Offset>0.00000000e+00</Offset>\n");
    EXPECT_EQ(ReportFrom(scufa, "Scale"),
              "Scale factor  : 1.00000000e+00\n"
              "Offset        : 0.00000000e+00\n"
              "Units         : mg/m^3\n"
              "MX            : 1.00000000e+00\n"
              "MY            : 0.00000000e+00\n"
              "B             : 0.00000000e+00\n");
    scufa.SetUnits(0);
    EXPECT_NE(ReportOf(scufa, 0).find("Units         : RFU\n"), std::string::npos);

    COBS_SeapointTurbiditySensor turbidity;
    EXPECT_EQ(turbidity.SetGainSetting(3), 1);
    EXPECT_NE(ReportOf(turbidity, 0).find("Gain setting  : 100 x\n"), std::string::npos);
}

TEST(OpticalSensors, DrHaardtGainRangeForm) {
    CFluoroDrHaardtChloroSensor chloro;
    EXPECT_EQ(OwnElements(chloro),
              "  <A0>0.00000000</A0>\n"
              "  <A1>1.00000000</A1>\n"
              "  <B0>0.00000000</B0>\n"
              "  <B1>1.00000000</B1>\n"
              "  <!--Gain range:-->\n"
              "  <!--   0 = Output Voltage Level-->\n"
              "  <!--   1 = Modulo Bit-->\n"
              "  <!--   2 = None-->\n"
              "  <GainRange>2</GainRange>\n"
              "  <!--Modulo bit to use:-->\n"
              "  <!--    0 means 8-->\n"
              "  <!--    1 means 9-->\n"
              "  <!--    2 means 10-->\n"
              "  <!--    3 means 11-->\n"
              "  <!--    4 means None-->\n"
              "  <ModuloBit>4</ModuloBit>\n");
    EXPECT_EQ(ReportOf(chloro, 3),
              "   Serial number     : \n"
              "   Calibrated on     : \n"
              "   Gain range switch : None\n"
              "   A0                : 0.00000000\n"
              "   A1                : 1.00000000\n"
              "   B0                : 0.00000000\n"
              "   B1                : 1.00000000\n");

    const auto element = [](int id, const char* gainRange, const char* moduloBit) {
        return SensorDocument("Sensor", id,
                              std::string("<A0>0.5</A0><A1>2</A1><B0>0</B0><B1>1</B1>") +
                                  "<GainRange>" + gainRange + "</GainRange><ModuloBit>" +
                                  moduloBit + "</ModuloBit>");
    };
    EXPECT_EQ(ReadObject(element(8, "1", "2"), "Sensor", chloro), 0);
    EXPECT_EQ(chloro.GetA0(), 0.5);
    EXPECT_NE(ReportOf(chloro, 3).find("   Gain range switch : Modulo Bit\n"
                                       "   Modulo bit to use : 10\n"
                                       "   A0                : 0.50000000\n"),
              std::string::npos)
        << ReportOf(chloro, 3);

    // Either selection out of range, or any element missing, refuses it all.
    const CFluoroDrHaardtChloroSensor before = chloro;
    EXPECT_EQ(ReadObject(element(8, "3", "0"), "Sensor", chloro), TDWXML::E_FAIL_XML);
    EXPECT_EQ(ReadObject(element(8, "0", "5"), "Sensor", chloro), TDWXML::E_FAIL_XML);
    EXPECT_EQ(ReadObject(SensorDocument("Sensor", 8, "<A0>1</A0><A1>1</A1><B0>1</B0><B1>1</B1>"),
                         "Sensor", chloro),
              TDWXML::E_FAIL_XML);
    EXPECT_EQ(ReadObject(element(9, "1", "2"), "Sensor", chloro), TDWXML::E_WRONG_OBJECT);
    EXPECT_TRUE(SensorObjectsEqual(&chloro, &before));

    // Compared on the selections' values and the coefficients, within one kind.
    CFluoroDrHaardtChloroSensor other;
    EXPECT_FALSE(SensorObjectsEqual(&chloro, &other));
    EXPECT_EQ(CopySensorObject(&other, &chloro), 1);
    EXPECT_TRUE(SensorObjectsEqual(&chloro, &other));
    other.SetModuloBit(3);
    EXPECT_FALSE(SensorObjectsEqual(&chloro, &other));
    CFluoroDrHaardtYellowSensor yellow;
    COBS_DrHaardtTurbiditySensor turbidity;
    EXPECT_FALSE(SensorObjectsEqual(&yellow, &turbidity));
    EXPECT_EQ(CopySensorObject(&yellow, &turbidity), 0);
}

TEST(OpticalSensors, ElementNamesAreTakenAsWritten) {
    // The zero-point element is spelled without the second "o".
    CFluoroTurner10Au005Sensor turner;
    const std::string misspelt =
        "<FullScaleConcentration>100</FullScaleConcentration><FullScaleVoltage>5</"
        "FullScaleVoltage><ZeroPointConcentratin>0.5</ZeroPointConcentratin>";
    EXPECT_EQ(ReadObject(SensorDocument("FluoroTurner10Au005Sensor", 16, misspelt),
                         "FluoroTurner10Au005Sensor", turner),
              0);
    EXPECT_EQ(turner.GetZeroPointConc(), 0.5);
    EXPECT_EQ(turner.GetFullScaleConc(), 100.0);
    std::string spelled = misspelt;
    for (std::size_t at = spelled.find("Concentratin>"); at != std::string::npos;
         at = spelled.find("Concentratin>", at + 1)) {
        spelled.replace(at, 13, "Concentration>");
    }
    EXPECT_EQ(ReadObject(SensorDocument("FluoroTurner10Au005Sensor", 16, spelled),
                         "FluoroTurner10Au005Sensor", turner),
              TDWXML::E_FAIL_XML);
    EXPECT_EQ(ReportFrom(turner, "Full"),
              "Full scale voltage       : 5.000000\n"
              "Zero point concentration : 0.500000\n"
              "Full scale concentration : 100.000000\n");
}

TEST(OpticalSensors, CommentsAndMixedFormats) {
    CFluoroWetlabECO_AFL_Sensor afl;
    afl.SetVblank(0.0512);
    afl.SetScaleFactor(12.5);
    EXPECT_EQ(OwnElements(afl),
              "  <ScaleFactor>1.25000000e+01</ScaleFactor>\n"
              "  <!--Dark output-->\n"
              "  <Vblank>0.0512</Vblank>\n");
    EXPECT_EQ(ReportFrom(afl, "Dark"),
              "Dark output   : 0.0512\n"
              "Scale factor  : 1.25000000e+01\n");
    CFluoroWetlabWetstarSensor wetstar;
    EXPECT_NE(OwnElements(wetstar).find("<!--Blank output-->\n  <Vblank>0.000</Vblank>"),
              std::string::npos);

    CFluoroTurnerCyclopsSensor cyclops;
    EXPECT_EQ(OwnElements(cyclops),
              "  <ScaleFactor>1.00000000e+00</ScaleFactor>\n"
              "  <Offset>0.00000000e+00</Offset>\n"
              "  <!--1 = C, Chlorophyll-->\n"
              "  <!--2 = R, Rhodamine-->\n"
              "  <!--3 = F, Fluorescein-->\n"
              "  <!--4 = P, Phycocyanin-->\n"
              "  <!--5 = E, Phycoerythrin-->\n"
              "  <!--6 = U, CDOM-->\n"
              "  <!--7 = O, CrudeOil-->\n"
              "  <!--8 = B, OpticalBrightness-->\n"
              "  <!--9 = T, Turbidity-->\n"
              "  <!--10 = G, Refined Fuels-->\n"
              "  <MeasuredParameter>1</MeasuredParameter>\n");
    EXPECT_EQ(ReadObject(SensorDocument("Fluorometer", 68,
                                        "<ScaleFactor>2</ScaleFactor><Offset>-0.00125</"
                                        "Offset><MeasuredParameter>6</MeasuredParameter>"),
                         "Fluorometer", cyclops),
              0);
    EXPECT_EQ(ReportOf(cyclops, 3),
              "   Serial number : \n"
              "   Calibrated on : \n"
              "   ScaleFactor   : 2.0000\n"
              "   Offset        : -1.250000e-03\n"
              "   MeasuredParameter: 6\n");
    CFluoroTurnerCyclopsSensor fresh;
    EXPECT_FALSE(SensorObjectsEqual(&cyclops, &fresh));
    EXPECT_EQ(CopySensorObject(&fresh, &cyclops), 1);
    EXPECT_TRUE(SensorObjectsEqual(&cyclops, &fresh));

    CFluoroChelseaMiniSensor mini;
    mini.SetVacetone100(1.5);
    EXPECT_EQ(ReportFrom(mini, "Vacetone"),
              "Vacetone       : 0.000\n"
              "Vacetone - 100 : 1.500\n"
              "Offset         : 0.000\n");
}

}  // namespace
