// The Vantrel family base, exercised through the TDW 64plus V2.

#include <gtest/gtest.h>

#include <string>

#include "instruments/Vantrel64V2CTD.h"

namespace {

// Exposes the family's protected helpers.
class CVantrelProbe : public C64V2VantrelCTD {
  public:
    using CVantrelCTD::GetSerialSensorComment;
    using CVantrelCTD::RoundFreq;
};

TEST(VantrelCTD, SerialChannelCounts) {
    C64V2VantrelCTD ctd;
    EXPECT_EQ(ctd.GetnSerial(0), 0);
    EXPECT_EQ(ctd.GetnSerial(14), 0);
    EXPECT_EQ(ctd.GetnSerial(13), 2);
    EXPECT_EQ(ctd.GetnSerial(10), 3);
    ctd.SetSerialSensor(CVantrelCTD::OPTODE_OXYGEN);
    ctd.Optimize(1);
    EXPECT_EQ(ctd.GetnSerial(13), 1);
    ctd.Optimize(0);
    EXPECT_EQ(CVantrelProbe::GetSerialSensorComment(99), "");
}

TEST(VantrelCTD, GasTensionKindsFollowTheSerialSetting) {
    C64V2VantrelCTD ctd;
    ctd.SetMode(1);
    ctd.SetSerialSensor(CVantrelCTD::GTD_N2_DO);
    EXPECT_EQ(ctd.GetGTD_Type(0), 2);
    EXPECT_EQ(ctd.GetGTD_Type(1), 1);
    ctd.SetSerialSensor(CVantrelCTD::GTD_DO_ONLY);
    EXPECT_EQ(ctd.GetGTD_Type(0), 1);
    EXPECT_EQ(ctd.GetGTD_Type(1), 0);
    ctd.SetSerialSensor(CVantrelCTD::OPTODE_OXYGEN);
    EXPECT_EQ(ctd.GetGTD_Type(0), 0);
}

TEST(VantrelCTD, NmeaLengthRoundFreqAndVoltageLimits) {
    C64V2VantrelCTD ctd;
    ctd.SetbDepthAdded(1);
    ctd.SetbNMEA_TimeAdded(1);
    EXPECT_EQ(ctd.NmeaHexLength(), 0);
    ctd.SetbNMEA_Added(1);
    EXPECT_EQ(ctd.NmeaHexLength(), 28);

    EXPECT_EQ(CVantrelProbe::RoundFreq(1.001953125), 1.0);
    EXPECT_EQ(CVantrelProbe::RoundFreq(65536.5), 0.5);
    EXPECT_EQ(CVantrelProbe::RoundFreq(2.0 + 3.0 / 512), 2.0 + 1.0 / 256);
    EXPECT_EQ(CVantrelProbe::RoundFreq(2.0 + 3.1 / 512), 2.0 + 2.0 / 256);

    ctd.SetNumVoltAdd(-1);
    ctd.SetNumVoltAdd(7);
    EXPECT_EQ(ctd.GetNumChannel(), 3);
    ctd.SetNumVoltAdd(6);
    EXPECT_EQ(ctd.GetNumChannel(), 9);
}

TEST(VantrelCTD, DecodesPositionAndTimeFromTheScan) {
    C64V2VantrelCTD ctd;
    ctd.SetbNMEA_Added(1);
    ctd.SetScanTimeAdded(1);
    ctd.InitializeForCalculations();
    // 22 characters of instrument data, 14 of position, 8 of scan time.
    // Latitude 0x0F4240 / 50000 = 20, south; longitude 0x1E8480 / 50000 = 40,
    // west; new position; time 0x01020304 little-endian.
    const std::string scan = std::string(22, '0') + "0F42401E8480C1" + "04030201";
    ctd.m_pScanData = reinterpret_cast<const unsigned char*>(scan.c_str());
    EXPECT_EQ(ctd.ReadNewPosition(), 1);
    EXPECT_EQ(ctd.ReadLatitude(), -20.0);
    EXPECT_EQ(ctd.ReadLongitude(), -40.0);
    EXPECT_EQ(ctd.ReadScanTime(), 16909060.0);

    ctd.m_bPositionInScan = 0;
    ctd.m_dLatitude = 12.5;
    EXPECT_EQ(ctd.ReadLatitude(), 12.5);
    EXPECT_EQ(ctd.ReadNewPosition(), 0);
}

TEST(VantrelCTD, WetLabsTripletChannels) {
    C64V2VantrelCTD ctd;
    ctd.SetNumVoltAdd(2);
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(4));
    EXPECT_TRUE(ctd.IsIndex_WET_Labs_Serial(5));
    EXPECT_TRUE(ctd.IsIndex_WET_Labs_Serial(7));
    EXPECT_FALSE(ctd.IsIndex_WET_Labs_Serial(8));
    EXPECT_EQ(ctd.GetChannelName(6), "Serial RS-232");
    EXPECT_TRUE(ctd.CanChangeSensor(7));
    EXPECT_FALSE(ctd.CanChangeSensor(2));
}

}  // namespace
