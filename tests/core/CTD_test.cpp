// The instrument base: channel blocks, finds, caching and the sensor array XML.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/TemperatureSensors.h"
#include "support/FakeCTD.h"
#include "support/XmlFixture.h"
#include "xmlfiles/ConfigFileTestSupport.h"

namespace {

TEST(CTD, ChangeNumVoltInsertsAndRemovesAtTheBlockEnd) {
    CFakeCTD ctd;
    ctd.ChangeNumVolt(2);
    ctd.ReplaceSensor(2, new CTempTDW83Sensor);
    ctd.ReplaceSensor(3, new CAltimeterSensor);
    ctd.ChangeNumVolt(4);
    ASSERT_EQ(ctd.GetNumChannel(), 6);
    for (int channel : {4, 5}) {
        const auto& placeholder = dynamic_cast<const CNullSensor&>(ctd.GetSensor(channel));
        EXPECT_EQ(placeholder.GetbFree(), 1);
        EXPECT_EQ(placeholder.GetOutputType(), OT_VOLTAGE);
    }
    EXPECT_EQ(ctd.GetSensor(3).GetSensorID(), 0);

    ctd.ChangeNumVolt(1);
    EXPECT_EQ(ctd.GetNumChannel(), 3);
    EXPECT_EQ(ctd.GetNumVoltAdd(), 1);
    EXPECT_EQ(ctd.GetSensor(2).GetSensorID(), SID_TEMP_TDW83);
}

TEST(CTD, FindsOrdinalsAndReplace) {
    CFakeCTD ctd;
    ctd.ChangeNumVolt(4);
    ctd.ReplaceSensor(5, CreateSensorObject(SID_CONDUCTIVITY));
    ctd.ReplaceSensor(2, new CAltimeterSensor);
    ctd.ReplaceSensor(3, new CAltimeterSensor);
    ctd.ReplaceSensor(4, new CAltimeterSensor);
    EXPECT_EQ(ctd.FindSensor(SID_CONDUCTIVITY, 1), 5);
    EXPECT_EQ(ctd.FindSensor(SID_CONDUCTIVITY, 2), -1);
    EXPECT_EQ(ctd.DuplicateSensorOrdinal(3), 1);
    EXPECT_EQ(ctd.DuplicateSensorOrdinal(99), 0);
    EXPECT_EQ(ctd.DuplicateSensorCnt(0), 3);
    EXPECT_EQ(ctd.SensorNameOrdinal(4), "Altimeter, 3");
    EXPECT_EQ(ctd.SensorNameOrdinal(2), "Altimeter");
    EXPECT_EQ(ctd.FindTempSensor(0), 0);
    EXPECT_EQ(ctd.FindTempSensor(1), -1);

    // Outside the channels the sensor stays with the caller.
    auto spare = std::make_unique<CAltimeterSensor>();
    ctd.ReplaceSensor(ctd.GetNumChannel(), spare.get());
    ctd.ReplaceSensor(-1, spare.get());
    EXPECT_EQ(ctd.GetNumChannel(), 6);
    EXPECT_THROW(ctd.GetSensor(6), CInvalidArgException);
}

TEST(CTD, ThermosalinographCountsRemoteTemperatureAsSecond) {
    CFakeCTD ctd;
    ctd.ChangeNumVolt(1);
    ctd.ReplaceSensor(2, new CTempTDW83Sensor);
    ctd.CTD_ID = CTD_71_THERMOSAL;
    EXPECT_EQ(ctd.FindTempSensor(1), 2);
    ctd.CTD_ID = CTD_64V2_VANTREL;
    EXPECT_EQ(ctd.FindTempSensor(1), -1);
}

TEST(CTD, OptimizeCachesAndScanIntervalFallsBack) {
    CFakeCTD ctd;
    ctd.Optimize(1);
    EXPECT_EQ(ctd.GetNMEA_TimeOffset(), 7);
    ctd.ChangeNumVolt(1);  // the cache does not follow
    EXPECT_EQ(ctd.GetNumChannel(), 2);
    EXPECT_EQ(ctd.GetScanLen(), 12);
    ctd.Optimize(0);
    EXPECT_EQ(ctd.GetNumChannel(), 3);

    EXPECT_EQ(ctd.GetScanIntervalCalc(), 0.25);
    ctd.SetScanIntervalCalc(2.0);
    EXPECT_EQ(ctd.GetScanIntervalCalc(), 2.0);
    ctd.SetScanIntervalCalc(-1.0);
    EXPECT_EQ(ctd.GetScanIntervalCalc(), 0.25);
}

TEST(CTD, CopyIsDeepAndEqualityCoversTheArray) {
    CFakeCTD ctd;
    ctd.ChangeNumVolt(1);
    ctd.SetSerialNum("0711");
    ctd.m_pScanData = reinterpret_cast<const unsigned char*>("ABCD");
    CFakeCTD copy(ctd);
    EXPECT_EQ(copy.m_pScanData, nullptr);
    EXPECT_TRUE(CTD_ObjectsEqual(&copy, &ctd));
    EXPECT_NE(&copy.GetSensor(0), &ctd.GetSensor(0));
    copy.GetSensor(0).SetSerialNum("T2");
    EXPECT_FALSE(CTD_ObjectsEqual(&copy, &ctd));
    EXPECT_EQ(CopyCTDObject(&copy, &ctd), 1);
    EXPECT_TRUE(copy == ctd);
    copy.m_dLatitude = 1e-9;
    EXPECT_FALSE(copy == ctd);
}

TEST(CTD, HexConversion) {
    const unsigned char bytes[] = {0x0A, 0xFF};
    unsigned char hex[4] = {};
    CCTD::BinToHex(bytes, hex, 2);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(hex), 4), "0AFF");
    unsigned char back[2] = {};
    CCTD::HexToBin(hex, back, 4);
    EXPECT_EQ(back[0], 0x0A);
    EXPECT_EQ(back[1], 0xFF);
    unsigned char untouched[1] = {0x55};
    CCTD::HexToBin(hex, untouched, 1);
    EXPECT_EQ(untouched[0], 0x55);
}

// Sensors are found by their index, not by their order; the array written
// reads back equal.
TEST(SensorArrayXML, SensorsAreFoundByIndexAndTheArrayReadsBack) {
    const std::string doc =
        "<Instrument><SensorArray Size=\"2\">"
        "<Sensor index=\"1\" SensorID=\"0\"><AltimeterSensor SensorID=\"0\">"
        "<ScaleFactor>2</ScaleFactor><Offset>1</Offset></AltimeterSensor></Sensor>"
        "<Sensor index=\"0\" SensorID=\"56\"><TemperatureSensor SensorID=\"56\"/></Sensor>"
        "<Sensor index=\"7\" SensorID=\"99\"/>"
        "</SensorArray></Instrument>";
    CFakeCTD ctd;
    ASSERT_EQ(tw_test::ReadObject(doc, "Instrument", ctd), 0);
    EXPECT_EQ(ctd.GetSensor(0).GetSensorID(), SID_TEMP_TDW83);
    EXPECT_EQ(dynamic_cast<const CAltimeterSensor&>(ctd.GetSensor(1)).GetScaleFactor(), 2.0);

    ctd.ChangeNumVolt(2);
    CFakeCTD back;
    EXPECT_EQ(tw_test::ReadObject(tw_test::WriteObject("Instrument", ctd), "Instrument", back), 0);
    EXPECT_TRUE(back.GetSensorArray() == ctd.GetSensorArray());
}

TEST(SensorArrayXML, FailedReadsLeaveTheArrayAndSayWhy) {
    const std::string good =
        "<Sensor index=\"0\" SensorID=\"56\"><TemperatureSensor SensorID=\"56\"/></Sensor>";
    struct SCase {
        std::string body;
        std::string logged;
    };
    const std::vector<SCase> cases = {
        {"<SensorArray Size=\"3\">" + good +
             "<Sensor index=\"1\" SensorID=\"56\"><TemperatureSensor SensorID=\"56\"/></Sensor>"
             "</SensorArray>",
         "CCTD::ReadSensorArrayXML failed."},
        {"<SensorArray Size=\"2\">" + good + "<Sensor index=\"1\" SensorID=\"26\"/></SensorArray>",
         "CCTD::ReadSensorArrayXML failed. Bad pointer in the sensor array."},
        {"<SensorArray Size=\"2\">" + good + "<Sensor index=\"1\" SensorID=\"99\"/></SensorArray>",
         "CCTD::ReadSensorArrayXML failed. Bad pointer in the sensor array."},
        {"<SensorArray Size=\"2\">" + good + "<Sensor index=\"1\"/></SensorArray>",
         "CCTD::ReadSensorArrayXML failed - missing the SensorID attribute."},
        {"<SensorArray Size=\"2\">" + good +
             "<Sensor index=\"1\" SensorID=\"0\"><AltimeterSensor SensorID=\"0\">"
             "<Offset>1</Offset></AltimeterSensor></Sensor></SensorArray>",
         "CCTD::ReadSensorArrayXML failed. Sensor ID = 0, sensor name = Altimeter, XML tag = "
         "AltimeterSensor"},
        {"<SensorArray>" + good + "</SensorArray>", ""},
        {"", ""},
    };
    for (const SCase& c : cases) {
        CFakeCTD ctd;
        ctd.ChangeNumVolt(1);
        const CFakeCTD before(ctd);
        tw_test::CLogCapture log(3);
        EXPECT_EQ(tw_test::ReadObject("<Instrument>" + c.body + "</Instrument>", "Instrument", ctd),
                  TDWXML::E_FAIL_XML)
            << c.body;
        EXPECT_TRUE(ctd == before) << c.body;
        if (!c.logged.empty()) {
            EXPECT_NE(std::find(log.entries.begin(), log.entries.end(), "3: " + c.logged),
                      log.entries.end())
                << c.body;
        }
    }
}

}  // namespace
