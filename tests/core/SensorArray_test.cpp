// The sensor factory, copying and comparison, and sensor arrays.

#include <gtest/gtest.h>

#include <memory>

#include "core/NullSensor.h"
#include "core/SensorArray.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/TemperatureSensors.h"
#include "support/XmlFixture.h"

namespace {

// Each ID's class: the sensors' own tests. The factory's placeholder is a
// free channel of no kind yet.
TEST(SensorFactory, MakesAFreePlaceholderAndNothingOutsideTheIDs) {
    const std::unique_ptr<CSensor> placeholder(CreateSensorObject(SID_NULL));
    EXPECT_TRUE(placeholder->GetSensorName() == "Free" &&
                placeholder->GetOutputType() == OT_UNKNOWN);
    for (const int id : {NUM_SENSOR_IDS, -1}) {
        EXPECT_EQ(std::unique_ptr<CSensor>(CreateSensorObject(id)), nullptr) << id;
        EXPECT_TRUE(!GetSensorData(id) && MaxSensorTypeAllowed(id) == 1) << id;
    }
}

TEST(SensorFactory, CopyAndCompareRefuseOtherClasses) {
    CAltimeterSensor altimeter;
    altimeter.SetOffset(2.0);
    CZapsSensor zaps;
    EXPECT_EQ(CopySensorObject(&zaps, &altimeter), 0);
    EXPECT_EQ(zaps.GetM(), 0.0);
    EXPECT_EQ(SensorObjectsEqual(&zaps, &altimeter), 0);
    EXPECT_EQ(SensorObjectsEqual(nullptr, nullptr), 1);
    EXPECT_EQ(SensorObjectsEqual(&zaps, nullptr), 0);

    CAltimeterSensor copy;
    EXPECT_EQ(CopySensorObject(&copy, &altimeter), 1);
    EXPECT_EQ(copy.GetOffset(), 2.0);
    EXPECT_EQ(SensorObjectsEqual(&copy, &altimeter), 1);

    // Placeholders differ by whether they are free.
    CNullSensor free(1);
    CNullSensor unavailable(0);
    EXPECT_EQ(unavailable.GetSensorName(), "Unavailable");
    EXPECT_EQ(SensorObjectsEqual(&free, &unavailable), 0);
}

TEST(SensorArray, AssignIsDeepAndComparisonIsByPosition) {
    CSensorArray source;
    source.Add(new CTempTDW83Sensor);
    source.Add(NewFreeChannel(OT_VOLTAGE));
    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("A7");
    source.Add(altimeter);

    CSensorArray copy;
    Assign(copy, source);
    ASSERT_EQ(copy.GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NE(copy[i], source[i]);
        EXPECT_TRUE(SensorObjectsEqual(copy[i], source[i]));
    }
    EXPECT_TRUE(copy == source);

    Assign(copy, copy);
    EXPECT_EQ(copy.GetSize(), 3);

    static_cast<CAltimeterSensor*>(copy[2])->SetSerialNum("A8");
    EXPECT_FALSE(copy == source);

    CSensorArray prefix;
    prefix.Add(new CTempTDW83Sensor);
    EXPECT_FALSE(prefix == source);
    EXPECT_TRUE(CSensorArray() == CSensorArray());

    Empty(prefix);
    Empty(copy);
    Empty(source);
    EXPECT_EQ(source.GetSize(), 0);
}

TEST(NullSensor, XmlRoundTripAndRefusals) {
    CNullSensor unavailable(0);
    unavailable.SetNullOutputType(OT_VOLTAGE);
    CNullSensor back;
    EXPECT_EQ(tw_test::ReadObject(tw_test::WriteObject("NotInUse", unavailable), "NotInUse", back),
              0);
    EXPECT_TRUE(back == unavailable);

    for (const char* body :
         {"<OutputType>7</OutputType><Free>1</Free>", "<OutputType>1</OutputType>"}) {
        CNullSensor target;
        EXPECT_EQ(
            tw_test::ReadObject(tw_test::SensorDocument("NotInUse", 27, body), "NotInUse", target),
            TDWXML::E_FAIL_XML)
            << body;
        EXPECT_TRUE(target == CNullSensor());
    }
}

}  // namespace
