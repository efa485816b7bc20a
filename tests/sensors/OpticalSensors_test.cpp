// Fluorometers, turbidity sensors and transmissometers: the linear sensors,
// the Dr. Haardt family, gain and unit selections, and the element and report
// layouts that set the kinds apart.

#include <gtest/gtest.h>

#include "sensors/OpticalSensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

TEST(LinearSensors, EachKindWritesItsDefaultsWithItsTagsAndFormats) {
    const char* const sci =
        "<ScaleFactor>1.000e+00</ScaleFactor><!--Dark output-->"
        "<DarkVoltage>0.000e+00</DarkVoltage>";
    const std::pair<int, const char*> cases[] = {
        {67,
         "<ScaleFactor>1.000000</ScaleFactor><!--Dark output-->"
         "<DarkVoltage>0.000000</DarkVoltage>"},
        {69, "<Range>1500.0</Range><Offset>0.0000</Offset>"},
        {70, sci},
        {73, sci},
        {74, sci},
        {75, sci},
    };
    for (const auto& [id, body] : cases) {
        EXPECT_EQ(DefaultElements(id), body) << id;
    }
}

TEST(LinearSensors, ReadCompareAndReportBothValues) {
    CTurbidityWET_LabsECO_NTU_Sensor ntu;
    ASSERT_EQ(ReadObject(SensorDocument("TurbidityMeter", 67,
                                        "<ScaleFactor>2.5</ScaleFactor>"
                                        "<DarkVoltage>0.062</DarkVoltage>"),
                         "TurbidityMeter", ntu),
              0);
    EXPECT_EQ(ntu.GetFirstCoefficient(), 2.5);
    EXPECT_EQ(ntu.GetSecondCoefficient(), 0.062);

    CTurbidityWET_LabsECO_BB_Sensor ecoBB;
    CTurbidityWET_LabsSeaOWL_BB_Sensor seaOwlBB;
    EXPECT_FALSE(SensorObjectsEqual(&ecoBB, &seaOwlBB));
    EXPECT_EQ(CopySensorObject(&ecoBB, &seaOwlBB), 0);
    CTurbidityWET_LabsECO_BB_Sensor other;
    other.SetSecondCoefficient(0.001);
    EXPECT_FALSE(SensorObjectsEqual(&ecoBB, &other));
    other.SetSecondCoefficient(0.0);
    other.SetFirstCoefficient(2.0);
    EXPECT_FALSE(SensorObjectsEqual(&ecoBB, &other));
    other.SetCalDate("today");
    EXPECT_EQ(CopySensorObject(&ecoBB, &other), 1);
    EXPECT_TRUE(SensorObjectsEqual(&ecoBB, &other));
    EXPECT_EQ(ecoBB.GetFirstCoefficient(), 2.0);

    // The report shows the labels with six decimals.
    CFluoroSeapointUltravioletSensor uv;
    uv.SetSerialNum("UV-3");
    uv.SetCalDate("03/03/2026");
    uv.SetSecondCoefficient(0.0125);
    EXPECT_EQ(ReportOf(uv),
              "   Serial number : UV-3\n"
              "   Calibrated on : 03/03/2026\n"
              "   Range         : 1500.000000\n"
              "   Offset        : 0.012500\n");
}

TEST(OpticalSensors, ElementsOfOtherClasses) {
    const char* const beam = "<M>0.0000</M><B>0.0000</B><PathLength>0.000</PathLength>";
    const std::pair<int, const char*> cases[] = {
        {4, "<A1>0.00000000</A1><A2>0.00000000</A2><B>0.00000000</B><Cfn>0.00000000</Cfn>"},
        {59, beam},
        {71, beam}};
    for (const auto& [id, elements] : cases) {
        EXPECT_EQ(DefaultElements(id), elements) << id;
    }
}

TEST(OpticalSensors, GainSelectionMustLieInItsRange) {
    CFluoroSeapointSensor seapoint;
    EXPECT_EQ(OwnElements(seapoint),
              "<!--The following is an array index, not the actual gain setting.-->"
              "<GainSetting>0</GainSetting><Offset>0.000</Offset>");
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
    EXPECT_EQ(ReportFrom(seapoint, "Gain"),
              "Gain setting  : 1 x, 0-150 \xB5g/l\n"
              "Offset        : 0.250\n");
    // The setter refuses what the file may not hold.
    EXPECT_EQ(seapoint.SetGainSetting(4), 0);
    EXPECT_EQ(seapoint.SetGainSetting(0), 1);
}

TEST(OpticalSensors, SelectionsReportTheirTexts) {
    COBS_SeatechLS6000Sensor ls6000;
    EXPECT_EQ(ReportFrom(ls6000, "Gain"),
              "Gain setting  : Full Scale Range = 33 mg/l\n"
              "Slope         : 1.000\n"
              "Offset        : 0.000\n");

    CFluoroTurnerSCUFA_Sensor scufa;
    EXPECT_EQ(OwnElements(scufa),
              "<B>0.00000000e+00</B><MX>1.00000000e+00</MX><MY>0.00000000e+00</MY>"
              "<Units>6</Units><ScaleFactor>1.00000000e+00</ScaleFactor>"
              "<Offset>0.00000000e+00</Offset>");
    EXPECT_EQ(ReportFrom(scufa, "Scale"),
              "Scale factor  : 1.00000000e+00\n"
              "Offset        : 0.00000000e+00\n"
              "Units         : mg/m^3\n"
              "MX            : 1.00000000e+00\n"
              "MY            : 0.00000000e+00\n"
              "B             : 0.00000000e+00\n");
    scufa.SetUnits(0);
    EXPECT_NE(ReportOf(scufa).find("Units         : RFU\n"), std::string::npos);
}

TEST(OpticalSensors, DrHaardtGainRangeAndModuloBit) {
    CFluoroDrHaardtChloroSensor chloro;
    EXPECT_EQ(OwnElements(chloro),
              "<A0>0.00000000</A0><A1>1.00000000</A1><B0>0.00000000</B0><B1>1.00000000</B1>"
              "<!--Gain range:--><!--   0 = Output Voltage Level--><!--   1 = Modulo Bit-->"
              "<!--   2 = None--><GainRange>2</GainRange><!--Modulo bit to use:-->"
              "<!--    0 means 8--><!--    1 means 9--><!--    2 means 10-->"
              "<!--    3 means 11--><!--    4 means None--><ModuloBit>4</ModuloBit>");
    EXPECT_EQ(ReportOf(chloro),
              "   Serial number     : \n"
              "   Calibrated on     : \n"
              "   Gain range switch : None\n"
              "   A0                : 0.00000000\n"
              "   A1                : 1.00000000\n"
              "   B0                : 0.00000000\n"
              "   B1                : 1.00000000\n");

    const auto element = [](const char* gainRange, const char* moduloBit) {
        return SensorDocument("Sensor", 8,
                              std::string("<A0>0.5</A0><A1>2</A1><B0>0</B0><B1>1</B1>") +
                                  "<GainRange>" + gainRange + "</GainRange><ModuloBit>" +
                                  moduloBit + "</ModuloBit>");
    };
    EXPECT_EQ(ReadObject(element("1", "2"), "Sensor", chloro), 0);
    EXPECT_NE(ReportOf(chloro).find("   Gain range switch : Modulo Bit\n"
                                    "   Modulo bit to use : 10\n"
                                    "   A0                : 0.50000000\n"),
              std::string::npos)
        << ReportOf(chloro);

    // Either selection out of range refuses it all.
    const CFluoroDrHaardtChloroSensor before = chloro;
    EXPECT_EQ(ReadObject(element("3", "0"), "Sensor", chloro), TDWXML::E_FAIL_XML);
    EXPECT_EQ(ReadObject(element("0", "5"), "Sensor", chloro), TDWXML::E_FAIL_XML);
    EXPECT_TRUE(SensorObjectsEqual(&chloro, &before));

    // Compared on the selections' values and the coefficients.
    CFluoroDrHaardtChloroSensor other;
    EXPECT_EQ(CopySensorObject(&other, &chloro), 1);
    EXPECT_TRUE(SensorObjectsEqual(&chloro, &other));
    other.SetModuloBit(3);
    EXPECT_FALSE(SensorObjectsEqual(&chloro, &other));
}

TEST(OpticalSensors, ElementNamesAreTakenAsWritten) {
    // The zero-point element is spelled without the second "o".
    CFluoroTurner10Au005Sensor turner;
    const std::string body =
        "<FullScaleConcentration>100</FullScaleConcentration><FullScaleVoltage>5</"
        "FullScaleVoltage><ZeroPointConcentratin>0.5</ZeroPointConcentratin>";
    EXPECT_EQ(ReadObject(SensorDocument("FluoroTurner10Au005Sensor", 16, body),
                         "FluoroTurner10Au005Sensor", turner),
              0);
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
              "<ScaleFactor>1.25000000e+01</ScaleFactor><!--Dark output--><Vblank>0.0512</Vblank>");
    EXPECT_EQ(DefaultElements(21),
              "<ScaleFactor>1.000</ScaleFactor><!--Blank output-->"
              "<Vblank>0.000</Vblank>");

    CFluoroTurnerCyclopsSensor cyclops;
    EXPECT_EQ(OwnElements(cyclops),
              "<ScaleFactor>1.00000000e+00</ScaleFactor><Offset>0.00000000e+00</Offset>"
              "<!--1 = C, Chlorophyll--><!--2 = R, Rhodamine--><!--3 = F, Fluorescein-->"
              "<!--4 = P, Phycocyanin--><!--5 = E, Phycoerythrin--><!--6 = U, CDOM-->"
              "<!--7 = O, CrudeOil--><!--8 = B, OpticalBrightness--><!--9 = T, Turbidity-->"
              "<!--10 = G, Refined Fuels--><MeasuredParameter>1</MeasuredParameter>");
    cyclops.SetScaleFactor(2.0);
    cyclops.SetOffset(-0.00125);
    cyclops.SetMeasuredParameter(6);
    EXPECT_EQ(ReportFrom(cyclops, "Scale"),
              "ScaleFactor   : 2.0000\n"
              "Offset        : -1.250000e-03\n"
              "MeasuredParameter: 6\n");
}

}  // namespace
}  // namespace tw_test
