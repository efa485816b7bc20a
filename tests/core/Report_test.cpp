// The shared pieces of the configuration report.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "sensors/AuxiliarySensors.h"
#include "sensors/TemperatureSensors.h"
#include "support/FakeCTD.h"

namespace {

class ReportTest : public ::testing::Test {
  protected:
    // 2026-12-04 12:00:00 UTC: the same date in every time zone within +-11 h.
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1796385600", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }

    static std::string ReportOf(const CCTD& ctd, const char* fileName, int changed) {
        std::ostringstream os;
        ctd.Report(os, fileName, changed);
        return os.str();
    }
};

TEST_F(ReportTest, HeaderNmeaAndChannelBlocks) {
    CFakeCTD ctd;
    // The fake's fixed sensors print coefficients; keep to classes without.
    ctd.ReplaceSensor(0, new CTempTDW83Sensor);
    ctd.ReplaceSensor(1, new CTempNoCoeffSensor);
    ctd.ChangeNumVolt(3);
    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("A-1");
    altimeter->SetCalDate("2026-11-30");
    ctd.ReplaceSensor(2, altimeter);
    ctd.ReplaceSensor(3, new CBottomContactSensor);
    ctd.SetbNMEA_Added(1);
    ctd.SetbNMEA_PC(1);

    EXPECT_EQ(ReportOf(ctd, "cast1.xmlcon", 1),
              "Date: 12/04/2026\n"
              "\n"
              "Instrument configuration file: cast1.xmlcon *\n"
              "\n"
              "Configuration report for TDW 64plus V2 Vantrel CTD\n"
              "--------------------------------------------------\n"
              "\n"
              "NMEA position data added  : Yes\n"
              "NMEA depth data added     : No\n"
              "NMEA time added           : No\n"
              "NMEA device connected to  : PC\n"
              "\n"
              "1) Frequency 0, Temperature, TDW 83\n"
              "\n"
              "   Serial number : \n"
              "   Calibrated on : \n"
              "\n"
              "2) Frequency 1, Temperature\n"
              "\n"
              "   Serial number : \n"
              "   Calibrated on : \n"
              "\n"
              "3) A/D voltage 0, Altimeter\n"
              "\n"
              "   Serial number : A-1\n"
              "   Calibrated on : 2026-11-30\n"
              "   Scale factor  : 1.000\n"
              "   Offset        : 0.000\n"
              "\n"
              "4) A/D voltage 1, Bottom Contact\n"
              "\n"
              "   Calibration is not needed.\n"
              "\n"
              "5) A/D voltage 2, Free\n"
              "\n"
              "* - The configuration was changed after the file was opened.\n");
}

TEST_F(ReportTest, NoFileNameAndTwoDigitChannelIndent) {
    CFakeCTD ctd;
    ctd.ReplaceSensor(0, new CTempTDW83Sensor);
    ctd.ReplaceSensor(1, new CTempTDW83Sensor);
    ctd.ChangeNumVolt(8);
    ctd.ReplaceSensor(8, new CGTD_N2_Sensor);
    ctd.ReplaceSensor(9, new CGTD_N2_Sensor);
    const std::string report = ReportOf(ctd, "", 1);
    EXPECT_EQ(report.rfind("Date: 12/04/2026\n\nConfiguration report for", 0), 0u) << report;
    EXPECT_EQ(report.find(" *\n"), std::string::npos);
    EXPECT_NE(report.find("2) Frequency 1, Temperature, TDW 83, 2\n"), std::string::npos);
    EXPECT_NE(report.find("9) A/D voltage 6, Gas Tension, Nitrogen\n\n   Serial number"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("10) A/D voltage 7, Gas Tension, Nitrogen, 2\n\n    Serial number"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("* - The configuration was changed"), std::string::npos);
}

}  // namespace
