// A gain selection refuses, in a file and through its setter, a value
// without a text.

#include <gtest/gtest.h>

#include "sensors/OpticalSensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

TEST(OpticalSensors, GainSelectionMustLieInItsRange) {
    CFluoroSeapointSensor seapoint;
    const auto withGain = [](const std::string& gain) {
        return SensorDocument("FluoroSeapointSensor", 11,
                              "<GainSetting>" + gain + "</GainSetting><Offset>0.25</Offset>");
    };
    for (const char* refused : {"4", "-1", "one"}) {
        EXPECT_EQ(ReadObject(withGain(refused), "FluoroSeapointSensor", seapoint),
                  TDWXML::E_FAIL_XML)
            << refused;
        EXPECT_EQ(seapoint.GetOffset(), 0.0);
    }
    EXPECT_EQ(ReadObject(withGain("3"), "FluoroSeapointSensor", seapoint), 0);
    EXPECT_EQ(seapoint.GetOffset(), 0.25);
    // The setter refuses what the file may not hold.
    EXPECT_EQ(seapoint.SetGainSetting(4), 0);
    EXPECT_EQ(seapoint.SetGainSetting(0), 1);
}

}  // namespace
}  // namespace tw_test
