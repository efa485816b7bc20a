// The "Sensors" header document: one element per channel with the report's
// channel comment, the sensor's element, and the notes of the values the
// host overrode.

#include "xmlfiles/SensorHeaderInsert.h"

#include <gtest/gtest.h>

#include <string>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "support/FakeCTD.h"
#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CCommandLineIniOptions;
using Config2004::CSensorHeaderInsert;

namespace {

class SensorHeaderInsertTest : public tw_test::CConfigFileTest {
  protected:
    // Temperature and conductivity, then a second temperature and a free
    // channel in the voltage block.
    SensorHeaderInsertTest() {
        ctd.ReplaceSensor(0, CreateSensorObject(SID_TEMP_VANTREL_PLUS));
        ctd.GetSensor(0).SetSerialNum("T-1");
        ctd.ChangeNumVolt(2);
        ctd.ReplaceSensor(2, CreateSensorObject(SID_TEMP_TDW94));
    }
    std::string Header(const CCommandLineIniOptions& options) {
        EXPECT_EQ(CSensorHeaderInsert().WriteSensorsXML(&ctd, Path("header.xml").c_str(), options),
                  1);
        return tw_test::ReadFile(Path("header.xml"));
    }
    CFakeCTD ctd;
};

}  // namespace

TEST_F(SensorHeaderInsertTest, ChannelsCarryTheirCommentSensorAndNotes) {
    ctd.CTD_ID = CTD_62_VANTREL;
    CCommandLineIniOptions options;
    options.SetdT0pcor(-2e-8);
    options.SetdT1pcor(1.5e-8);
    options.SetdWrap71Cond(3.5);  // only for a TDW 71
    options.SetnWrap62CondFreq(1);
    CSensorWriteOptions::SetWriteVersionInSensors(true);
    EXPECT_EQ(Header(options),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Sensors count=\"4\">\n"
              "  <sensor Channel=\"1\">\n"
              "    <!--Frequency 0, Temperature-->\n"
              "    <TemperatureSensor SensorID=\"58\">\n"
              "      <SerialNumber>T-1</SerialNumber>\n"
              "      <CalibrationDate />\n"
              "      <!--t0pcor =  -2.0000e-08 specified on Pivora command line-->\n"
              "      <A0>0.00000000e+00</A0>\n"
              "      <A1>0.00000000e+00</A1>\n"
              "      <A2>0.00000000e+00</A2>\n"
              "      <A3>0.00000000e+00</A3>\n"
              "      <Slope>1.00000000</Slope>\n"
              "      <Offset>0.0000</Offset>\n"
              "    </TemperatureSensor>\n"
              "  </sensor>\n"
              "  <sensor Channel=\"2\">\n"
              "    <!--Frequency 1, Conductivity-->\n"
              "    <ConductivitySensor SensorID=\"3\">\n"
              "      <SerialNumber />\n"
              "      <CalibrationDate />\n"
              "      <!--TDW 62 wrap conductivity freq=yes specified in Halcyra.ini [Data "
              "Conversion]-->\n"
              "      <UseG_J>1</UseG_J>\n"
              "      <!--Cell const and series R are applicable only for wide range sensors.-->\n"
              "      <SeriesR>0.0000</SeriesR>\n"
              "      <CellConst>2000.0000</CellConst>\n"
              "      <ConductivityType>0</ConductivityType>\n"
              "      <Coefficients equation=\"0\">\n"
              "        <A>0.00000000e+00</A>\n"
              "        <B>0.00000000e+00</B>\n"
              "        <C>0.00000000e+00</C>\n"
              "        <D>0.00000000e+00</D>\n"
              "        <M>0.0</M>\n"
              "        <CPcor>-9.57000000e-08</CPcor>\n"
              "      </Coefficients>\n"
              "      <Coefficients equation=\"1\">\n"
              "        <G>0.00000000e+00</G>\n"
              "        <H>0.00000000e+00</H>\n"
              "        <I>0.00000000e+00</I>\n"
              "        <J>0.00000000e+00</J>\n"
              "        <CPcor>-9.57000000e-08</CPcor>\n"
              "        <CTcor>3.2500e-06</CTcor>\n"
              "        <!--WBOTC not applicable unless ConductivityType = 1.-->\n"
              "        <WBOTC>0.00000000e+00</WBOTC>\n"
              "      </Coefficients>\n"
              "      <Slope>1.00000000</Slope>\n"
              "      <Offset>0.00000</Offset>\n"
              "    </ConductivitySensor>\n"
              "  </sensor>\n"
              "  <sensor Channel=\"3\">\n"
              "    <!--A/D voltage 0, Temperature-->\n"
              "    <TemperatureSensor SensorID=\"57\">\n"
              "      <SerialNumber />\n"
              "      <CalibrationDate />\n"
              "      <!--t1pcor =   1.5000e-08 specified on Pivora command line-->\n"
              "      <A0>0.00000000e+00</A0>\n"
              "      <A1>0.00000000e+00</A1>\n"
              "      <A2>0.00000000e+00</A2>\n"
              "      <A3>0.00000000e+00</A3>\n"
              "      <Offset>0.0000</Offset>\n"
              "      <Slope>1.00000000</Slope>\n"
              "    </TemperatureSensor>\n"
              "  </sensor>\n"
              "  <sensor Channel=\"4\">\n"
              "    <!--A/D voltage 1, Free-->\n"
              "  </sensor>\n"
              "</Sensors>\n");
    EXPECT_EQ(CSensorWriteOptions::GetWriteVersionInSensors(), false);
    EXPECT_EQ(CSensorHeaderInsert::GetCurrentSensorComment(), "");
    EXPECT_EQ(CSensorHeaderInsert::GetWriteSensorCommentFlag(), 0);
}

TEST_F(SensorHeaderInsertTest, WrapNotesNeedTheirModelAndTheConductivityChannel) {
    CCommandLineIniOptions options;
    options.SetdWrap71Cond(3.5);
    options.SetnWrap62CondFreq(1);  // only for a TDW 62
    ctd.CTD_ID = CTD_71_THERMOSAL;
    const std::string tdw71 = Header(options);
    EXPECT_NE(tdw71.find("<CalibrationDate />\n"
                         "      <!--wrap71cond = 3.500000 specified on Pivora command line-->\n"
                         "      <UseG_J>"),
              std::string::npos)
        << tdw71;
    EXPECT_EQ(tdw71.find("<!--", tdw71.find("Pivora") + 1), tdw71.find("<!--Cell const"));

    // No note when the conductivity sits elsewhere, or for another model.
    ctd.CTD_ID = CTD_62_VANTREL;
    options.SetdWrap71Cond(0.0);
    options.SetdT1pcor(1.0);
    ctd.ReplaceSensor(3, CreateSensorObject(SID_CONDUCTIVITY));
    ctd.ReplaceSensor(1, CreateSensorObject(SID_TEMP_TDW2));
    const std::string moved = Header(options);
    EXPECT_EQ(moved.find("wrap"), std::string::npos) << moved;
    EXPECT_NE(moved.find("<TemperatureSensor SensorID=\"55\">\n      <SerialNumber />\n"
                         "      <CalibrationDate />\n      <!--t1pcor"),
              std::string::npos)
        << moved;
}

TEST_F(SensorHeaderInsertTest, TheDocumentIsWriteOnlyAndAFailedWriteKeepsTheFile) {
    CSensorHeaderInsert header;
    EXPECT_EQ(tw_test::ReadWith("<Root/>",
                                [&](TDWXML::CInputNode* node) { return header.ReadXML(node); }),
              TDWXML::E_FAIL_XML);
    tw_test::WriteFile(Path("header.xml"), "kept");
    const CCommandLineIniOptions options;
    EXPECT_EQ(header.WriteSensorsXML(&ctd, Path("header.xml/").c_str(), options), 0);
    EXPECT_EQ(header.WriteSensorsXML(nullptr, Path("header.xml").c_str(), options), 0);
    EXPECT_EQ(tw_test::ReadFile(Path("header.xml")), "kept");
}
