// The conductivity sensor: its two coefficient groups, the optional items,
// and the cell constant and series resistance of wide-range cells.

#include <gtest/gtest.h>

#include "sensors/ConductivitySensor.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

CCondSensor Configured() {
    CCondSensor sensor;
    sensor.SetSerialNum("2207W");
    sensor.SetCalDate("03-Feb-26");
    sensor.SetA(1.25e-5);
    sensor.SetM(4.5);
    sensor.SetPcor(-9.5e-8);
    sensor.SetG(-4.1);
    sensor.SetWBOTC(2.5e-7);
    sensor.SetSlope(1.001);
    sensor.SetOffset(-0.00015);
    sensor.SetCellConst(1998.5);
    sensor.SetSeriesR(0.25);
    sensor.SetConductivityType(1);
    return sensor;
}

TEST(ConductivitySensor, WritesBothGroupsAndReadsEachCPcorIntoItsOwnMember) {
    CCondSensor sensor = Configured();
    sensor.SetbUseG_J(0);
    const std::string text = WriteObject("ConductivitySensor", sensor);
    EXPECT_EQ(Compact(text),
              "<ConductivitySensor SensorID=\"3\"><SerialNumber>2207W</SerialNumber>"
              "<CalibrationDate>03-Feb-26</CalibrationDate><UseG_J>0</UseG_J>"
              "<!--Cell const and series R are applicable only for wide range sensors.-->"
              "<SeriesR>0.2500</SeriesR><CellConst>1998.5000</CellConst>"
              "<ConductivityType>1</ConductivityType>"
              "<Coefficients equation=\"0\"><A>1.25000000e-05</A><B>0.00000000e+00</B>"
              "<C>0.00000000e+00</C><D>0.00000000e+00</D><M>4.5</M>"
              "<CPcor>-9.50000000e-08</CPcor></Coefficients>"
              "<Coefficients equation=\"1\"><G>-4.10000000e+00</G><H>0.00000000e+00</H>"
              "<I>0.00000000e+00</I><J>0.00000000e+00</J><CPcor>-9.57000000e-08</CPcor>"
              "<CTcor>3.2500e-06</CTcor>"
              "<!--WBOTC not applicable unless ConductivityType = 1.-->"
              "<WBOTC>2.50000000e-07</WBOTC></Coefficients>"
              "<Slope>1.00100000</Slope><Offset>-0.00015</Offset></ConductivitySensor>");
    CCondSensor back;
    ASSERT_EQ(ReadObject(text, "ConductivitySensor", back), 0);
    EXPECT_TRUE(back == sensor);

    // The optional items fall back to their defaults; either group missing
    // refuses the element.
    ASSERT_EQ(
        ReadObject(Without(Without(text, "ConductivityType"), "WBOTC"), "ConductivitySensor", back),
        0);
    EXPECT_EQ(back.GetConductivityType(), 0);
    EXPECT_EQ(back.GetWBOTC(), 0.0);
    for (const char* group : {"<Coefficients equation=\"0\">", "<Coefficients equation=\"1\">"}) {
        EXPECT_EQ(ReadObject(Without(text, group, "</Coefficients>"), "ConductivitySensor", back),
                  TDWXML::E_FAIL_XML);
    }
}

TEST(ConductivitySensor, CellValuesCountOnlyForWideRangeCells) {
    CCondSensor a;
    CCondSensor b;
    b.SetCellConst(1999.0);
    b.SetSeriesR(0.5);
    EXPECT_FALSE(a.IsWideRange());
    EXPECT_EQ(SensorObjectsEqual(&a, &b), 1);

    a.SetSerialNum("1234w");
    b.SetSerialNum("1234w");
    EXPECT_TRUE(a.IsWideRange());
    EXPECT_FALSE(a == b);
    b.SetCellConst(2000.0);
    EXPECT_FALSE(a == b);  // still SeriesR
    b.SetSeriesR(0.0);
    EXPECT_TRUE(a == b);
    b.SetWBOTC(1e-9);  // never reported, still compared
    EXPECT_FALSE(a == b);
}

TEST(ConductivitySensor, ReportShowsTheSetInUseAndTheWideRangeLines) {
    CCondSensor sensor = Configured();
    EXPECT_EQ(ReportOf(sensor),
              "   Serial number : 2207W\n"
              "   Calibrated on : 03-Feb-26\n"
              "   G             : -4.10000000e+00\n"
              "   H             : 0.00000000e+00\n"
              "   I             : 0.00000000e+00\n"
              "   J             : 0.00000000e+00\n"
              "   CTcor         : 3.2500e-06\n"
              "   CPcor         : -9.57000000e-08\n"
              "   Slope         : 1.00100000\n"
              "   Offset        : -0.00015\n"
              "   Cell Const    : 1998.5000\n"
              "   Series R      : 0.2500\n");
    sensor.SetbUseG_J(0);
    sensor.SetSerialNum("2207");
    const std::string report = ReportOf(sensor);
    EXPECT_NE(report.find("   A             : 1.25000000e-05\n"), std::string::npos) << report;
    EXPECT_NE(report.find("   M             : 4.5\n   CPcor         : -9.50000000e-08\n"),
              std::string::npos);
    EXPECT_EQ(report.find("Cell Const"), std::string::npos);
}

}  // namespace
}  // namespace tw_test
