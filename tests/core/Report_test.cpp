// The shared pieces of the configuration report that the stored example
// reports do not show: the mark of a changed configuration, a report without
// a file name, repeated sensors and sensors without calibration.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>

#include "sensors/AuxiliarySensors.h"
#include "sensors/TemperatureSensors.h"
#include "support/FakeCTD.h"

namespace {

class ReportTest : public ::testing::Test {
  protected:
    // 2026-12-04 12:00:00 UTC: the same date in every time zone within +-11 h.
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1796385600", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(ReportTest, ChangedMarkFileNameOrdinalsAndSensorsWithoutCalibration) {
    CFakeCTD ctd;
    ctd.ReplaceSensor(0, new CTempTDW83Sensor);
    ctd.ReplaceSensor(1, new CTempTDW83Sensor);
    ctd.ChangeNumVolt(8);
    ctd.ReplaceSensor(2, new CBottomContactSensor);
    ctd.ReplaceSensor(9, new CGTD_N2_Sensor);
    ctd.SetbNMEA_Added(1);
    ctd.SetbNMEA_PC(1);
    const std::string footer = "\n* - The configuration was changed after the file was opened.\n";
    for (const auto& [fileName, changed, head] :
         {std::tuple{"cast1.xmlcon", 1, "\nInstrument configuration file: cast1.xmlcon *\n\n"},
          std::tuple{"cast1.xmlcon", 0, "\nInstrument configuration file: cast1.xmlcon\n\n"},
          std::tuple{"", 1, "\n"}}) {
        std::ostringstream os;
        ctd.Report(os, fileName, changed);
        const std::string report = os.str();
        EXPECT_EQ(report.rfind("Date: 12/04/2026\n" + std::string(head) +
                                   "Configuration report for TDW 64plus V2 Vantrel CTD\n",
                               0),
                  0u)
            << report;
        EXPECT_EQ(report.ends_with(footer), changed == 1) << report;
        for (const char* part :
             {"NMEA device connected to  : PC\n", "2) Frequency 1, Temperature, TDW 83, 2\n",
              "3) A/D voltage 0, Bottom Contact\n\n   Calibration is not needed.\n",
              "4) A/D voltage 1, Free\n",
              "10) A/D voltage 7, Gas Tension, Nitrogen\n\n    Serial number : \n"}) {
            EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
        }
    }
}

}  // namespace
