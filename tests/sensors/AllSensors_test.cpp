// What every sensor class owes the configuration files: the factory makes it
// from its ID, it reads back what it writes, and it refuses an element that
// lacks one of its items or belongs to another sensor ID.

#include <memory>
#include <regex>
#include <set>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

TEST(AllSensors, EachIDReadsBackItsElementAndNeedsEveryRequiredItem) {
    // The items a sensor may lack, as "ID:tag".
    const std::string optional =
        " 3:ConductivityType 3:WBOTC 45:AD590M 45:AD590B 64:DoSalinityCorrection"
        " 64:DoDepthCorrection 64:InternalSalinity"
        " 38:Use2007Equation 38:D0 38:H1 38:H2 38:H3 65:Use2007Equation 65:D0 65:H1 65:H2 65:H3"
        " 66:Use2007Equation 66:D0 66:H1 66:H2 66:H3 ";
    // Only the channel without coefficients has no class of its own.
    const std::set<int> unmade = {SID_NO_COEFFICIENT};
    const std::regex leaf("\n *<(\\w+)(?: />|>[^<]*</\\w+>)(?=\n)");
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        SCOPED_TRACE(id);
        const std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        ASSERT_EQ(sensor == nullptr, unmade.count(id) > 0);
        if (!sensor) {
            continue;
        }
        EXPECT_EQ(sensor->GetSensorID(), id);
        sensor->SetSerialNum("kept");
        const char* tag = GetSensorData(id)->xmlTag;
        const std::string text = WriteObject(tag, *sensor);
        const std::unique_ptr<CSensor> back(CreateSensorObject(id));
        EXPECT_EQ(ReadObject(text, tag, *back), 0);
        EXPECT_TRUE(SensorObjectsEqual(back.get(), sensor.get()));

        const std::string otherID = "SensorID=\"" + std::to_string(id == 3 ? 4 : 3) + "\"";
        EXPECT_EQ(ReadObject(std::regex_replace(text, std::regex("SensorID=\"\\d+\""), otherID),
                             tag, *back),
                  TDWXML::E_WRONG_OBJECT);
        EXPECT_TRUE(SensorObjectsEqual(back.get(), sensor.get()));

        // Each element after the common items taken out in turn.
        const std::size_t own = text.find("<CalibrationDate />") + 19;
        for (auto it = std::sregex_iterator(text.begin() + own, text.end(), leaf);
             it != std::sregex_iterator(); ++it) {
            const std::string item = (*it)[1];
            const std::string damaged = std::string(text).erase(own + it->position(), it->length());
            CopySensorObject(back.get(), sensor.get());
            const bool isOptional =
                optional.find(" " + std::to_string(id) + ":" + item + " ") != std::string::npos;
            EXPECT_EQ(ReadObject(damaged, tag, *back), isOptional ? 0 : TDWXML::E_FAIL_XML) << item;
            EXPECT_TRUE(isOptional || SensorObjectsEqual(back.get(), sensor.get())) << item;
        }
    }
}

}  // namespace
}  // namespace tw_test
