// The legacy ASCII configuration file: reading hand-written files, writing
// and reading back, and refusing what the format cannot hold.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <thread>

#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/TDW47LumoTSG.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "instruments/VantrelMooredCTD.h"
#include "instruments/VantrelSurfaceParCTD.h"
#include "legacy/ConFile.h"
#include "legacy/LegacyConFile.h"
#include "legacy/SensorLines.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/OpticalSensors.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

// A file of count lines, empty but for the lines given.
std::string ConText(const std::map<int, std::string>& lines, int count = 281) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        const auto line = lines.find(n);
        text += (line == lines.end() ? "" : line->second) + "\n";
    }
    return text;
}

// Every value of the sensor's lines set to a number that each line format
// prints exactly, its serial number and date to texts of its own.
void Calibrate(CSensor& sensor, int instance) {
    const SLegacySensorLines* row = FindLegacySensorLines(sensor.GetSensorID(), instance);
    ASSERT_NE(row, nullptr) << sensor.GetSensorID();
    int k = 0;
    for (const SLegacyValue& value : row->values) {
        value.set(sensor, 0.5 * (++k % 5) + sensor.GetSensorID());
    }
    sensor.SetSerialNum(("SN " + std::to_string(sensor.GetSensorID())).c_str());
    sensor.SetCalDate(("0" + std::to_string(instance + 1) + "-Mar-24").c_str());
}

class LegacyConFileTest : public tw_test::CConfigFileTest {
  protected:
    // Writes the instrument as .con and reads it back into a default one.
    std::unique_ptr<CCTD> RoundTrip(CCTD& ctd, const std::string& name = "trip.con") {
        const long messages = TWMessageCount();
        WriteConFile(Path(name), &ctd);
        EXPECT_EQ(TWMessageCount(), messages) << Stderr();
        EXPECT_EQ(ReadCTDID(Path(name)), ctd.GetCTD_ID());
        std::unique_ptr<CCTD> back(CreateCTDObject(ctd.GetCTD_ID()));
        EXPECT_EQ(ReadConFile(Path(name), back.get()), 1)
            << Stderr() << (shown.empty() ? "" : shown.back());
        return back;
    }
};

}  // namespace

// The voltage sensor kinds that have lines.
const std::vector<int> kVoltageKinds = {36, 37, 38, 39, 40, 0,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 17, 18, 19, 20, 21, 24, 25, 28, 29, 30, 32, 33,
                                        34, 35, 41, 42, 43, 47, 52, 59, 60, 61, 62, 63, 76};

// Puts the voltage kinds from first on onto the instrument's voltage
// channels, then calibrates every sensor that has lines.
void FillVoltages(CCTD& ctd, std::size_t first) {
    const int from = ctd.AddExtVoltFrom();
    for (int i = 0; i < ctd.GetNumVoltAdd() && first + i < kVoltageKinds.size(); ++i) {
        ctd.ReplaceSensor(from + i, CreateSensorObject(kVoltageKinds[first + i]));
    }
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        CSensor& sensor = ctd.GetSensor(channel);
        if (FindLegacySensorLines(sensor.GetSensorID(), 0)) {
            Calibrate(sensor, ctd.DuplicateSensorOrdinal(channel));
        }
    }
}

// Every voltage sensor kind with lines on each instrument the format holds,
// with its voltage channels full; the TDW 64plus V2 also in both modes, with
// each serial sensor the format holds, surface PAR and NMEA.
TEST_F(LegacyConFileTest, WriteThenReadGivesTheSameInstrument) {
    int trip = 0;
    for (std::size_t first = 0; first < kVoltageKinds.size(); first += 6, ++trip) {
        C64V2VantrelCTD ctd;
        ctd.SetMode(trip % 2);
        ctd.SetPressureSensorType(trip % 2);
        ctd.SetSerialSensor(std::vector<int>{1, 9, 4, 7, 0, 6, 2}[trip % 7]);
        ctd.SetNumVoltAdd(6);
        ctd.SetbSPAR_Added(trip % 2 == 0);
        ctd.SetbNMEA_Added(1);
        ctd.SetbDepthAdded(trip % 2);
        ctd.SetbNMEA_TimeAdded(1);
        ctd.SetScanTimeAdded(trip % 2 == 0);
        FillVoltages(ctd, first);
        const std::unique_ptr<CCTD> back = RoundTrip(ctd);
        EXPECT_EQ(CTD_ObjectsEqual(back.get(), &ctd), 1) << "trip " << trip;
    }
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        const std::unique_ptr<CCTD> model(CreateCTDObject(ctdID));
        std::string text;
        if (!model || !FormatLegacyConFile(*model, &text)) {
            continue;
        }
        for (std::size_t first = 0; first < kVoltageKinds.size(); first += 4) {
            const std::unique_ptr<CCTD> ctd(model->Clone());
            const int variant = static_cast<int>(first / 4);
            if (auto* moored = dynamic_cast<CVantrelMooredCTD*>(ctd.get())) {
                moored->SetPressureSensorType(variant % 4);
                moored->SetTempType(variant % 2);
            }
            if (auto* profiling = dynamic_cast<CVantrelSurfaceParCTD*>(ctd.get())) {
                profiling->SetPressureSensorType(variant % 2);
                profiling->SetbSPAR_Added(variant % 3 == 0);
            }
            if (auto* thermosal = dynamic_cast<CVantrelThermosalCTD*>(ctd.get())) {
                thermosal->SetRemoteTempType(variant % 3);
            }
            if (auto* lumo = dynamic_cast<C47ThermosalCTD*>(ctd.get())) {
                lumo->SetbTDW83_Added(variant % 2);
                lumo->SetbUseJunctionBox(1);
            }
            if (auto* vantrel = dynamic_cast<CVantrelCTD*>(ctd.get())) {
                vantrel->SetNumVoltAdd(ctd->GetNumVoltAddMax());
                // The TDW 62plus and 62plus V2 files do not hold the setting.
                const bool held = ctdID != CTD_62V2_VANTREL && ctdID != CTD_62PLUS_VANTREL;
                vantrel->SetScanTimeAdded(held && variant % 2);
            }
            FillVoltages(*ctd, first);
            const std::unique_ptr<CCTD> back = RoundTrip(*ctd);
            for (int channel = 0; channel < ctd->GetNumChannel(); ++channel) {
                EXPECT_EQ(SensorObjectsEqual(&back->GetSensor(channel), &ctd->GetSensor(channel)),
                          1)
                    << ctd->GetCTD_Name() << ", channel " << channel;
            }
            EXPECT_EQ(CTD_ObjectsEqual(back.get(), ctd.get()), 1) << ctd->GetCTD_Name();
        }
    }
}

namespace {

// A hand-written TDW 64plus V2 file with what the writer never writes:
// Digiquartz pressure, three voltage channels (Seapoint fluorometer, Seapoint
// turbidity meter, PAR) and the surface PAR pair; NMEA on line 45 given with
// 7 values.
std::map<int, std::string> HandWritten64V2() {
    return {{1, "C-1234"},
            {2, "0.5 1 2 3 4 5"},
            {3, "2000 0.1 1.5 0.25 1"},
            {14, "1 2 3 4 242 0.5 -10"},
            {39, "0 0 5 2505 147 24 10 0 0"},
            {40, "0 0 1 0 2 0 85 0 82 0 7 0 13 0 8 0"},
            {41, ""},
            {45, "0 0 0 0 1 1 0"},
            {52, "old date"},
            {110, "1.5 2.5 3.5 4.5 5.5 6.5"},
            {120, "15-Jan-24"},
            {150, "1 2.5"},
            {162, "1 0.25"},
            {21, "1.5 2 3 4 5 6 7"},
            {181, "SPAR-9"},
            {186, "0 4 0"},
            {257, "1 1 0"}};
}

}  // namespace

TEST_F(LegacyConFileTest, HandWrittenFileReadsAsTheLayoutSays) {
    tw_test::WriteFile(Path("hand.con"), ConText(HandWritten64V2()));
    C64V2VantrelCTD ctd;
    ASSERT_EQ(ReadConFile(Path("hand.con"), &ctd), 1) << (shown.empty() ? "" : shown.back());
    EXPECT_EQ(ctd.GetnScansToAvg().Get(), 4);
    EXPECT_EQ(ctd.GetPressureSensorType().Get(), 0);
    EXPECT_TRUE(ctd.GetNumVoltAdd() == 3 && ctd.GetbSPAR_Added() && ctd.GetbNMEA_Added() &&
                ctd.GetbNMEA_TimeAdded() && ctd.GetScanTimeAdded());
    EXPECT_EQ(ctd.GetbDepthAdded(), 0);  // line 45 holds 7 values
    ASSERT_EQ(ctd.GetNumChannel(), 8);

    const auto& cond = dynamic_cast<const CCondSensor&>(ctd.GetSensor(1));
    EXPECT_EQ(cond.GetSerialNum(), "C-1234");
    EXPECT_EQ(cond.GetCalDate(), "15-Jan-24");  // the date of the G, H, I, J set
    EXPECT_TRUE(cond.GetM() == 0.5 && cond.GetPcor() == 5.0 && cond.GetSeriesR() == 0.1 &&
                cond.GetOffset() == 0.25 && cond.GetG() == 1.5 && cond.GetCPcor() == 6.5);
    const auto& pressure = dynamic_cast<const CPressureDigiquartzTC_Sensor&>(ctd.GetSensor(2));
    EXPECT_TRUE(pressure.GetD1() == 1.0 && pressure.GetOffset() == 4.0 &&
                pressure.GetAD590M() == 0.5 && pressure.GetbIncludeMB() == 0);
    // Seapoint gain code 1 is setting 3 for the fluorometer, 0 for turbidity.
    const auto& fluoro = dynamic_cast<const CFluoroSeapointSensor&>(ctd.GetSensor(3));
    EXPECT_TRUE(fluoro.GetGainSetting().Get() == 3 && fluoro.GetOffset() == 0.25);
    const auto& turbidity = dynamic_cast<const COBS_SeapointTurbiditySensor&>(ctd.GetSensor(4));
    EXPECT_TRUE(turbidity.GetGainSetting().Get() == 0 && turbidity.GetScaleFactor() == 2.5);
    // Line 21 is shared: PAR takes values 1 to 4 and 7, SPAR 5 and 6.
    const auto& par = dynamic_cast<const CPAR_BiosphericalSensor&>(ctd.GetSensor(5));
    EXPECT_TRUE(par.GetB() == 4.0 && par.GetOffset() == 7.0);
    const auto& spar = dynamic_cast<const CSPAR_Sensor&>(ctd.GetSensor(7));
    EXPECT_EQ(spar.GetSerialNum(), "SPAR-9");
    EXPECT_TRUE(spar.GetConversionFactor() == 5.0 && spar.GetRatioMultiplier() == 6.0);
}

// Each bad file is refused with a message and leaves the caller's instrument
// as it was; numbers that do not parse read as 0.
TEST_F(LegacyConFileTest, BadFilesAreRefusedAndLeaveTheInstrument) {
    const std::map<int, std::string> good = HandWritten64V2();
    auto with = [&](int line, const std::string& text) {
        std::map<int, std::string> lines = good;
        lines[line] = text;
        return ConText(lines);
    };
    const std::string binary("\x01\xff\x00\x7f\n", 5);
    struct SBad {
        std::string text;
        std::string message;
    };
    const std::vector<SBad> bad = {
        {ConText(good, 44), "bad.con is not an ASCII instrument configuration file."},
        {with(39, "0 0 5 9999 147 24 10 0 0"), "bad.con cannot be read by this program."},
        {with(39, "0 0 5 15 147 24 10 0 0"), "bad.con cannot be read by this program."},
        {with(40, "0 0 1 0 2 0 1 0 82 0 7 0"), "bad.con: channel 3 holds a sensor"},
        {with(40, "0 0 1 0 2 0 6 3 6 5 7 0"), "include both a\nFluorometer, Turner 10-005"},
        {with(40, "0 0 1 0 2 0 5 0 5 1 5 0"), "include more than 2 Transmissometer"},
        {std::string(10000, '7') + "\n" + binary + ConText(good, 50),
         "bad.con cannot be read by this program."},
    };
    C64V2VantrelCTD target;
    target.SetNumVoltAdd(2);
    const std::unique_ptr<CCTD> before(target.Clone());
    for (const SBad& file : bad) {
        tw_test::WriteFile(Path("bad.con"), file.text);
        shown.clear();
        EXPECT_EQ(ReadConFile(Path("bad.con"), &target), 0) << file.message;
        ASSERT_EQ(shown.size(), 1u) << file.message;
        EXPECT_NE(shown[0].find(file.message), std::string::npos) << shown[0];
        EXPECT_EQ(CTD_ObjectsEqual(&target, before.get()), 1) << file.message;
    }
    EXPECT_EQ(ReadCTDID(Path("bad.con")), -1);
    EXPECT_EQ(ReadConFile(Path("missing.con"), &target), 0);
    EXPECT_EQ(CTD_ObjectsEqual(&target, before.get()), 1);

    // Code 15 is known to ReadCTDID; unparsable numbers are 0.
    tw_test::WriteFile(Path("56plus.con"), with(39, "0 0 5 15 147 24 10 0 0"));
    EXPECT_EQ(ReadCTDID(Path("56plus.con")), 15);
    tw_test::WriteFile(Path("words.con"), with(2, "zero 1 2 3 4 5"));
    EXPECT_EQ(ReadConFile(Path("words.con"), &target), 1);
    EXPECT_EQ(dynamic_cast<const CCondSensor&>(target.GetSensor(1)).GetA(), 0.0);
}

// What the format cannot hold is refused, and the file is not touched.
TEST_F(LegacyConFileTest, ConfigurationsTheFormatCannotHoldAreRefused) {
    auto withSensors = [](std::vector<int> ids, int serialSensor = 0) {
        auto ctd = std::make_unique<C64V2VantrelCTD>();
        ctd->SetMode(1);
        ctd->SetNumVoltAdd(static_cast<int>(ids.size()));
        ctd->SetSerialSensor(serialSensor);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            ctd->ReplaceSensor(3 + static_cast<int>(i), CreateSensorObject(ids[i]));
        }
        return ctd;
    };
    tw_test::WriteFile(Path("kept.con"), "kept\n");
    for (auto& ctd : {withSensors({}, 10), withSensors({}, 11), withSensors({7, 7}),
                      withSensors({21, 21, 21}), withSensors({11, 11, 11})}) {
        shown.clear();
        WriteConFile(Path("kept.con"), ctd.get());
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0], "Error | " + std::to_string(MB_OK | MB_ICONINFORMATION) +
                                " | This configuration is not compatible with the .con file "
                                "format.  Please save as .XMLCON file.");
    }
    EXPECT_EQ(tw_test::ReadFile(Path("kept.con")), "kept\n");
    const auto two = withSensors({21, 21});
    EXPECT_EQ(CTD_ObjectsEqual(RoundTrip(*two).get(), two.get()), 1);
}

// The TDW 56 Corvane: the output rate from header field 7, the firmware from
// line 44, and selector pair n landing on channel n + 1 past the pressure.
TEST_F(LegacyConFileTest, CorvaneQuirks) {
    for (const auto& [rateText, rate] : {std::pair{"0.25", 2}, std::pair{"0.3", 0}}) {
        tw_test::WriteFile(Path("56.con"),
                           ConText({{39, std::string("0 0 2 139 147 8 ") + rateText + " 0 0"},
                                    {40, "0 0 1 0 85 0 82 0"},
                                    {44, "280"},
                                    {150, "20 2.5"}}));
        C56CorvaneCTD ctd;
        ASSERT_EQ(ReadConFile(Path("56.con"), &ctd), 1) << (shown.empty() ? "" : shown.back());
        EXPECT_EQ(ctd.GetRealTimeDataOutputRate().Get(), rate);
        EXPECT_EQ(ctd.GetFirmwareVersion().Get(), 1);
        EXPECT_EQ(ctd.GetSensor(2).GetSensorID(), SID_PRESSURE_STRAIN_GAUGE);
        EXPECT_EQ(ctd.GetSensor(3).GetSensorID(), 11);
        const auto& turbidity = dynamic_cast<const COBS_SeapointTurbiditySensor&>(ctd.GetSensor(4));
        EXPECT_EQ(turbidity.GetGainSetting().Get(), 2);
    }
}

// The TDW 812plus's deck unit settings on line 39 and suppressed words on
// line 45; the TDW 62plus V2's moored settings on line 43 and its pressure
// choice by code.
TEST_F(LegacyConFileTest, InstrumentSettingLines) {
    tw_test::WriteFile(Path("812.con"), ConText({{39, "0 0 4 8 120 24 4 1 2"},
                                                 {40, "0 0 1 0 2 0 0 0 7 0 13 0 13 0 13 0"},
                                                 {45, "0 1 2 0 1 1 0 1"},
                                                 {9, "T-2"},
                                                 {10, "1 2 3 4 5 6 7 1"},
                                                 {208, "PAR-1"},
                                                 {20, "PAR-0"}}));
    C812PlusCTD tdw812;
    ASSERT_EQ(ReadConFile(Path("812.con"), &tdw812), 1) << (shown.empty() ? "" : shown.back());
    EXPECT_EQ(tdw812.GetComputerInterface().Get(), 1);
    EXPECT_EQ(tdw812.GetnScansToAvg().Get(), 4);
    EXPECT_EQ(tdw812.GetbScanTimeAdded(), 1);
    EXPECT_EQ(tdw812.GetDeckUnitVersion(), 2);
    EXPECT_EQ(tdw812.GetNumFreqSuppress(), 1);
    EXPECT_EQ(tdw812.GetNumVoltWordSuppress(), 2);
    EXPECT_EQ(tdw812.GetbDepthAdded(), 1);
    // The added frequency channel's temperature is read from the second lines.
    const auto& second = dynamic_cast<const CTempTDW2Sensor&>(tdw812.GetSensor(3));
    EXPECT_EQ(second.GetSerialNum(), "T-2");
    EXPECT_EQ(second.GetSlope(), 6.0);
    EXPECT_EQ(tdw812.GetSensor(4).GetSerialNum(), "PAR-0");

    tw_test::WriteFile(Path("62.con"), ConText({{39, "0 0 1 2504 147 0 30.5 0 0"},
                                                {14, "0 0 0 0 267"},
                                                {43, "0 100.5 12.5"},
                                                {40, "0 0 1 0 44 0"}}));
    C62V2VantrelCTD tdw62;
    ASSERT_EQ(ReadConFile(Path("62.con"), &tdw62), 1) << (shown.empty() ? "" : shown.back());
    EXPECT_EQ(tdw62.GetPressureSensorType().Get(), 3);
    EXPECT_EQ(tdw62.GetTempType().Get(), 1);
    EXPECT_EQ(tdw62.GetdMooredPressure().Get(), 100.5);
    EXPECT_EQ(tdw62.GetdUserSuppliedTemp().Get(), 12.5);
    EXPECT_EQ(tdw62.GetdSampleInterval().Get(), 30.5);
    EXPECT_EQ(tdw62.GetSensor(2).GetSensorID(), 62);  // the voltage follows conductivity

    // The TDW 64: half-second intervals from field 6; a strain gauge is left
    // out of the selector lines, so the first pair after conductivity is the
    // first voltage.
    tw_test::WriteFile(Path("64.con"), ConText({{39, "0 0 1 137 147 0.5 0 0 0"},
                                                {14, "0 0 0 0 141"},
                                                {40, "0 0 1 0 44 0"},
                                                {44, "755"}}));
    C64VantrelCTD tdw64old;
    ASSERT_EQ(ReadConFile(Path("64.con"), &tdw64old), 1) << (shown.empty() ? "" : shown.back());
    EXPECT_EQ(tdw64old.GetnHalfSecIntervals().Get(), 4);
    EXPECT_EQ(tdw64old.GetFirmwareVersion().Get(), 1);
    EXPECT_EQ(tdw64old.GetSensor(2).GetSensorID(), SID_PRESSURE_STRAIN_GAUGE);
    EXPECT_EQ(tdw64old.GetSensor(3).GetSensorID(), 62);

    // A TDW 71 file with remote type 0 but one added frequency: a TDW 2.
    tw_test::WriteFile(
        Path("71.con"),
        ConText({{39, "1 0 0 140 147 0 10 0 0"}, {236, "0"}, {9, "REMOTE"}, {40, "0 0 1 0 0 0"}}));
    C71ThermosalCTD tdw71;
    ASSERT_EQ(ReadConFile(Path("71.con"), &tdw71), 1) << (shown.empty() ? "" : shown.back());
    EXPECT_EQ(tdw71.GetRemoteTempType().Get(), 1);
    EXPECT_EQ(tdw71.GetSensor(2).GetSerialNum(), "REMOTE");
}

// Each read has its own working state: two threads reading two files at once
// get what one thread gets.
TEST_F(LegacyConFileTest, TwoThreadsReadTwoFilesAtOnce) {
    C64V2VantrelCTD tdw64;
    tdw64.SetNumVoltAdd(6);
    FillVoltages(tdw64, 0);
    C56CorvaneCTD tdw56;
    tdw56.SetNumVoltAdd(7);
    FillVoltages(tdw56, 6);
    const std::unique_ptr<CCTD> read64 = RoundTrip(tdw64, "64.con");
    const std::unique_ptr<CCTD> read56 = RoundTrip(tdw56, "56.con");
    auto reader = [this](const std::string& name, const CCTD* expected, int* same) {
        for (int i = 0; i < 20; ++i) {
            const std::unique_ptr<CCTD> ctd(CreateCTDObject(expected->GetCTD_ID()));
            *same += ReadConFile(Path(name), ctd.get()) && CTD_ObjectsEqual(ctd.get(), expected);
        }
    };
    int same64 = 0;
    int same56 = 0;
    std::thread first(reader, "64.con", read64.get(), &same64);
    std::thread second(reader, "56.con", read56.get(), &same56);
    first.join();
    second.join();
    EXPECT_EQ(same64, 20);
    EXPECT_EQ(same56, 20);
}
