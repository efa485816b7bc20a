// The conductivity sensor: the cell constant and series resistance count only
// for wide-range cells.

#include <gtest/gtest.h>

#include "sensors/ConductivitySensor.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

TEST(ConductivitySensor, CellValuesCountOnlyForWideRangeCells) {
    CCondSensor a;
    CCondSensor b;
    b.SetCellConst(1999.0);
    b.SetSeriesR(0.5);
    EXPECT_FALSE(a.IsWideRange());
    EXPECT_EQ(SensorObjectsEqual(&a, &b), 1);

    a.SetSerialNum("1234w");
    b.SetSerialNum("1234w");
    EXPECT_TRUE(a.IsWideRange());
    EXPECT_FALSE(a == b);
    b.SetCellConst(2000.0);
    EXPECT_FALSE(a == b);  // still SeriesR
    b.SetSeriesR(0.0);
    EXPECT_TRUE(a == b);
    b.SetWBOTC(1e-9);  // never reported, still compared
    EXPECT_FALSE(a == b);
}

}  // namespace
}  // namespace tw_test
