// The TDW 62, 62plus, 64 and 64plus Vantrel CTDs: edited documents over one
// table, then each model's own rules.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "instruments/InstrumentQueries.h"
#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel62PlusCTD.h"
#include "instruments/Vantrel64CTD.h"
#include "instruments/Vantrel64PlusCTD.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/PressureSensors.h"
#include "tests/instruments/ModelChecks.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

using tw_test::SensorIDs;

// One edit of a model's default document and how a configured instrument
// of the model takes the result: refused and unchanged, or read.
struct SEdit {
    int ctdID;
    const char* pattern;
    const char* replacement;
    bool accepted;  // then the instrument is the model's default again
};

const SEdit kEdits[] = {
    {CTD_62_VANTREL, "<PressureSensorType>3<", "<PressureSensorType>2<", false},
    {CTD_62_VANTREL, "<MooredPressure>0.0+<", "<MooredPressure>20000<", true},
    {CTD_62_VANTREL, "<SampleIntervalSeconds>15<", "<SampleIntervalSeconds>5<", true},
    {CTD_62PLUS_VANTREL, "<ExternalVoltageChannels>0<", "<ExternalVoltageChannels>1<", false},
    {CTD_62PLUS_VANTREL, "<SampleIntervalSeconds>10<", "<SampleIntervalSeconds>5<", false},
    {CTD_64_VANTREL, "<PressureSensorType>1<", "<PressureSensorType>0<", false},
    {CTD_64_VANTREL, "<HalfSecondIntervals>1<", "<HalfSecondIntervals>481<", false},
    {CTD_64_VANTREL, "<SurfaceParVoltageAdded>0<", "<SurfaceParVoltageAdded>1<", false},
    {CTD_64_VANTREL, "SensorID=\"49\"", "SensorID=\"46\"", false},
    {CTD_64_VANTREL, "<FirmwareVersion>0<", "<FirmwareVersion>7<", true},
    {CTD_64PLUS_VANTREL, "<Mode>0<", "<Mode>2<", false},
    {CTD_64PLUS_VANTREL, "<SampleIntervalSeconds>10<", "<SampleIntervalSeconds>9<", false},
    {CTD_64PLUS_VANTREL, "<ScansToAverage>1<", "<ScansToAverage>0<", false},
    {CTD_64PLUS_VANTREL, "<ExternalVoltageChannels>0<", "<ExternalVoltageChannels>1<", false},
};

TEST(OlderVantrelDocuments, RefusedWholeOrReadWithDefaults) {
    for (const SEdit& edit : kEdits) {
        std::unique_ptr<CCTD> model(CreateCTDObject(edit.ctdID));
        const std::string written = tw_test::WriteObject("Instrument", *model);
        const std::regex pattern(edit.pattern);
        ASSERT_TRUE(std::regex_search(written, pattern)) << edit.pattern;
        const std::string doc = std::regex_replace(written, pattern, edit.replacement,
                                                   std::regex_constants::format_first_only);
        std::unique_ptr<CCTD> target(model->Clone());
        target->SetSerialNum("keep");
        static_cast<CVantrelCTD&>(*target).SetNumVoltAdd(1);
        const std::unique_ptr<CCTD> before(target->Clone());
        const long status = tw_test::ReadObject(doc, "Instrument", *target);
        EXPECT_EQ(status, edit.accepted ? 0 : TDWXML::E_FAIL_XML) << doc;
        EXPECT_TRUE(CTD_ObjectsEqual(target.get(), edit.accepted ? model.get() : before.get()))
            << doc;
    }
}

TEST(Vantrel64Plus, FourVoltagesAndTheMooredTime) {
    C64VantrelPlusCTD ctd;
    ctd.SetNumVoltAdd(5);
    ctd.SetNumVoltAdd(4);
    ctd.SetbSPAR_Added(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27, 27, 27, 27, 51}));
    EXPECT_EQ(ctd.GetChannelName(7), "SPAR voltage");
    ctd.SetbNMEA_Added(1);
    ctd.SetScanTimeAdded(1);
    EXPECT_EQ(ctd.GetScanLen(), 22 + 16 + 6 + 14 + 8);
    ctd.SetPressureSensorType(0);
    ctd.ReplaceSensor(4, new CAltimeterSensor);
    ctd.SetnScansToAvg(16);
    tw_test::ExpectRoundTrip(ctd);
    // The PAR pair read as two more voltages: six are more than it has.
    std::string doc = tw_test::WriteObject("Instrument", ctd);
    doc = std::regex_replace(doc, std::regex("ParVoltageAdded>1<"), "ParVoltageAdded>0<");
    doc = std::regex_replace(doc, std::regex("Channels>4<"), "Channels>6<");
    C64VantrelPlusCTD target;
    EXPECT_EQ(tw_test::ReadObject(doc, "Instrument", target), TDWXML::E_FAIL_XML) << doc;

    // Moored drops the PAR pair; the instrument's time follows the voltages.
    ctd.SetMode(1);
    ctd.SetnSampleInterval(3600);
    tw_test::ExpectRoundTrip(ctd);
    EXPECT_EQ(ctd.GetNumChannel(), 7);
    EXPECT_EQ(ctd.GetScanLen(), 22 + 16 + 8 + 14 + 8);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetVantrelPlusScanTimeOffset(), 38);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 46 + 14);
    EXPECT_EQ(IsProfiler(&ctd), 0);
}

TEST(Vantrel64, ChannelsScanLengthAndReferenceScans) {
    C64VantrelCTD ctd;
    ctd.SetNumVoltAdd(2);
    ctd.SetbSPAR_Added(1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 49, 27, 27, 27, 51}));
    // Strain gauge: 12, two packed voltages, the PAR.
    EXPECT_EQ(ctd.GetScanLen(), 12 + 6 + 6);
    EXPECT_EQ(ctd.GetRefBitIndex(), 8 + 6);
    ctd.SetnHalfSecIntervals(9);
    EXPECT_EQ(ctd.GetScanInterval(), 4.5);

    ctd.SetPressureSensorType(0);
    ctd.SetbNMEA_Added(1);
    ctd.SetScanTimeAdded(1);
    EXPECT_EQ(ctd.GetScanLen(), 18 + 6 + 6 + 14 + 8);

    // Digiquartz and two voltages: the reference mark is character 20.
    ctd.SetbSPAR_Added(0);
    EXPECT_EQ(ctd.GetRefBitIndex(), 20);
    std::string scan(40, '0');
    ctd.m_pScanData = reinterpret_cast<const unsigned char*>(scan.c_str());
    for (const auto& [mark, isRef] :
         std::vector<std::pair<char, int>>{{'7', 0}, {'8', 1}, {'F', 1}}) {
        scan[20] = mark;
        EXPECT_EQ(ctd.IsRefScan(), isRef) << mark;
    }
    ctd.InitRefData();
    EXPECT_EQ(ctd.GetRefIndex(), 20);

    ctd.SetFirmwareVersion(1);
    ctd.SetnHalfSecIntervals(480);
    tw_test::ExpectRoundTrip(ctd);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetFirmwareConstant(), 6552.0);
}

TEST(Vantrel64, ScalingCodesAndCorrectedFrequencies) {
    C64VantrelCTD ctd;
    tw_test::CLogCapture log;
    std::string scan = "05";
    ctd.m_pScanData = reinterpret_cast<const unsigned char*>(scan.c_str());
    ctd.SaveScalingCoeffs();
    EXPECT_EQ(ctd.GetbBipolar(), 1);
    const std::vector<double> bipolar = {1950.0, 17.0, 6250000.0, 2900.0};
    EXPECT_EQ(std::vector<double>(ctd.GetScalingCoeffs(), ctd.GetScalingCoeffs() + 4), bipolar);
    scan[1] = '2';
    ctd.SaveScalingCoeffs();
    EXPECT_EQ(ctd.GetbBipolar(), 0);
    EXPECT_EQ(ctd.GetScalingCoeffs()[2], 8702500.0);
    // An unknown code leaves the last coefficients.
    scan[1] = '9';
    ctd.SaveScalingCoeffs();
    EXPECT_EQ(ctd.GetScalingCoeffs()[3], 210.0);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{
                  "2: C64VantrelCTD::SaveScalingCoeffs() - case = '5', prange = BIPOLAR.",
                  "2: C64VantrelCTD::SaveScalingCoeffs() - case = '2', prange = UNIPOLAR.",
                  "0: C64VantrelCTD::SaveScalingCoeffs() failed: unexpected first byte = '9'."}));

    // References that follow f^2 = s / R + o for the two reference points
    // 1/A and 1/B give back sqrt(g - D) for a frequency at g, whatever s and
    // o are.
    const double K = 2.401866927049106e-11;
    const double A = 399.84 * K;
    const double B = 4975.1244 * K;
    const double D = 1.0 / (K * 1e6);
    const double s = 3.0e6;
    const double o = 2.5e7;
    ctd.SetRefFreqs(std::sqrt(s / A + o), std::sqrt(s / B + o));
    EXPECT_EQ(ctd.GetbFirstRefsRead(), 1);
    EXPECT_NEAR(ctd.CalcCorFreq(std::sqrt(s * (D + 400.0 * 400.0) + o)), 400.0, 1e-6);
    EXPECT_EQ(ctd.CalcCorFreq(std::sqrt(s * (D / 2) + o)), 0.0);
    // Equal references cannot scale: the frequency itself is used.
    ctd.SetRefFreqs(5000.0, 5000.0);
    EXPECT_NEAR(ctd.CalcCorFreq(300.0), std::sqrt(90000.0 - D), 1e-9);
}

TEST(Vantrel62, PressureChoicesChannelsAndScanLength) {
    C62VantrelCTD ctd;
    ctd.SetNumVoltAdd(3);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 27, 27, 27}));
    EXPECT_EQ(ctd.CanChangeSensor(2), 1);
    // A pressure sensor goes before the voltages, which keep their sensors.
    ctd.ReplaceSensor(2, new CAltimeterSensor);
    for (const auto& [type, id] : std::vector<std::pair<int, int>>{{0, 44}, {1, 45}, {2, 49}}) {
        EXPECT_EQ(ctd.SetPressureSensorType(type), 1);
        EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, id, 0, 27, 27})) << type;
    }
    EXPECT_EQ(ctd.CanChangeSensor(2), 0);
    // Strain gauge, 3 voltages, NMEA position: 12 + 9 + 1 + 4, then 14.
    ctd.SetbNMEA_Added(1);
    ctd.InitializeForCalculations();
    EXPECT_EQ(ctd.GetScanLen(), 40);
    EXPECT_EQ(ctd.GetScanTimeOffset(), 40);
    ctd.SetNumVoltAdd(2);
    ctd.SetbNMEA_Added(0);
    ctd.SetScanTimeAdded(1);
    EXPECT_EQ(ctd.GetScanLen(), 12 + 6 + 4 + 8);
    EXPECT_EQ(ctd.SetPressureSensorType(3), 1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{55, 3, 0, 27}));
    EXPECT_EQ(ctd.SetPressureSensorType(4), 0);

    C62VantrelCTD configured;
    configured.SetNumVoltAdd(1);
    configured.SetdMooredPressure(1234.5);
    configured.SetTempType(1);
    configured.SetdUserSuppliedTemp(-0.75);
    configured.SetFirmwareVersion(1);
    configured.SetnSampleInterval(900);
    configured.SetScanTimeAdded(1);
    configured.SetPressureSensorType(0);
    tw_test::ExpectRoundTrip(configured);
}

TEST(Vantrel62Plus, SerialSensorsUpToTheTdw58) {
    C62VantrelPlusCTD ctd;
    ctd.SetPressureSensorType(2);
    ctd.SetNumVoltAdd(2);
    EXPECT_EQ(ctd.SetSerialSensor(CVantrelCTD::PRESSURE_TDW_58), 1);
    EXPECT_EQ(SensorIDs(ctd), (std::vector<int>{58, 3, 46, 27, 27, 48}));
    EXPECT_EQ(ctd.GetScanLen(), 30 + 8 + 6);
    EXPECT_EQ(ctd.SetSerialSensor(CVantrelCTD::OPTODE_OXYGEN), 0);
    ctd.SetNumVoltAdd(4);
    ctd.SetSerialSensor(CVantrelCTD::GTD_DO_N2);
    EXPECT_EQ(ctd.GetScanLen(), 30 + 16 + 28);

    // Read back, the instrument keeps its own limits.
    tw_test::ExpectRoundTrip(ctd);
    C62VantrelPlusCTD back;
    ASSERT_EQ(tw_test::Read(tw_test::WriteObject("Instrument", ctd), back), 0);
    EXPECT_EQ(back.SetSerialSensor(CVantrelCTD::OPTODE_OXYGEN), 0);

    // The successor's documents with more than this instrument carries are
    // refused: five voltages, or an optode.
    for (int serial : {CVantrelCTD::NO_SERIAL_SENSOR, CVantrelCTD::OPTODE_OXYGEN}) {
        C62V2VantrelCTD successor;
        successor.SetNumVoltAdd(serial == 0 ? 5 : 1);
        successor.SetSerialSensor(serial);
        C62VantrelPlusCTD target;
        EXPECT_EQ(tw_test::ReadObject(tw_test::WriteObject("Instrument", successor), "Instrument",
                                      target),
                  TDWXML::E_FAIL_XML)
            << serial;
        EXPECT_TRUE(target == C62VantrelPlusCTD());
    }
}

}  // namespace
