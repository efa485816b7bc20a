// The "Sensors" header document: the notes of the values the host overrode
// go to the sensors they concern, and only for their model. (The layout of a
// whole document is checked against the stored example by the tool's test.)

#include "xmlfiles/SensorHeaderInsert.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "support/FakeCTD.h"
#include "xmlfiles/ConfigFileTestSupport.h"

using Config2004::CCommandLineIniOptions;
using Config2004::CSensorHeaderInsert;

namespace {

// The notes, each as it follows the sensor's calibration date.
const std::string kT0 = "t0pcor =  -2.0000e-08 specified on Pivora command line";
const std::string kT1 = "t1pcor =   1.5000e-08 specified on Pivora command line";
const std::string kWrap62 =
    "TDW 62 wrap conductivity freq=yes specified in Halcyra.ini [Data Conversion]";
const std::string kWrap71 = "wrap71cond = 3.500000 specified on Pivora command line";

class SensorHeaderInsertTest : public tw_test::CConfigFileTest {
  protected:
    // Temperature and conductivity, then a second temperature and a free
    // channel in the voltage block.
    SensorHeaderInsertTest() {
        ctd.ReplaceSensor(0, CreateSensorObject(SID_TEMP_VANTREL_PLUS));
        ctd.ChangeNumVolt(2);
        ctd.ReplaceSensor(2, CreateSensorObject(SID_TEMP_TDW94));
        options.SetdT0pcor(-2e-8);
        options.SetdT1pcor(1.5e-8);
        options.SetdWrap71Cond(3.5);
        options.SetnWrap62CondFreq(1);
    }
    // The notes of each channel, in channel order, as "channel: note" lines.
    std::string Notes() {
        EXPECT_EQ(CSensorHeaderInsert().WriteSensorsXML(&ctd, Path("header.xml").c_str(), options),
                  1);
        const std::string header = tw_test::ReadFile(Path("header.xml"));
        EXPECT_EQ(header.find("FileVersion"), std::string::npos) << header;
        const std::string afterDate = "<CalibrationDate />\n      <!--";
        std::string notes;
        int channel = 0;
        for (std::size_t at = header.find('<'); at != std::string::npos;
             at = header.find('<', at + 1)) {
            if (header.compare(at, 17, "<sensor Channel=\"") == 0) {
                ++channel;
            } else if (header.compare(at, afterDate.size(), afterDate) == 0) {
                const std::size_t note = at + afterDate.size();
                notes += std::to_string(channel) + ": " +
                         header.substr(note, header.find("-->", note) - note) + "\n";
            }
        }
        return notes;
    }
    CFakeCTD ctd;
    CCommandLineIniOptions options;
};

}  // namespace

TEST_F(SensorHeaderInsertTest, NotesGoToTheSensorsTheyConcernAndOnlyForTheirModel) {
    CSensorWriteOptions::SetWriteVersionInSensors(true);  // never in a header
    const std::string temperatures = "1: " + kT0 + "\n3: " + kT1 + "\n";
    const std::pair<int, std::string> models[] = {
        {CTD_62_VANTREL, "1: " + kT0 + "\n2: " + kWrap62 + "\n3: " + kT1 + "\n"},
        {CTD_71_THERMOSAL, "1: " + kT0 + "\n2: " + kWrap71 + "\n3: " + kT1 + "\n"},
        {CTD_64V2_VANTREL, temperatures},
    };
    for (const auto& [ctdID, notes] : models) {
        ctd.CTD_ID = ctdID;
        EXPECT_EQ(Notes(), notes) << ctdID;
    }
    EXPECT_EQ(CSensorWriteOptions::GetWriteVersionInSensors(), false);
    EXPECT_EQ(CSensorHeaderInsert::GetCurrentSensorComment(), "");
    EXPECT_EQ(CSensorHeaderInsert::GetWriteSensorCommentFlag(), 0);

    // With the conductivity elsewhere no wrap note; every temperature after the
    // first takes the second note.
    ctd.CTD_ID = CTD_62_VANTREL;
    ctd.ReplaceSensor(3, CreateSensorObject(SID_CONDUCTIVITY));
    ctd.ReplaceSensor(1, CreateSensorObject(SID_TEMP_TDW2));
    EXPECT_EQ(Notes(), "1: " + kT0 + "\n2: " + kT1 + "\n3: " + kT1 + "\n");
    // Without an instrument nothing is written. (A failed write keeps the
    // file: the documents' own tests.)
    EXPECT_EQ(CSensorHeaderInsert().WriteSensorsXML(nullptr, Path("none.xml").c_str(), options), 0);
    EXPECT_FALSE(std::filesystem::exists(Path("none.xml")));
}
