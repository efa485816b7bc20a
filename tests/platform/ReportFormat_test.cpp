#include "platform/ReportFormat.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

TEST(ReportFormat, SetFloatAndInsSpace) {
    std::ostringstream os;
    SetFloat(os, SF_SCIENTIFIC, 8);
    os << 0.000123456789 << ins_space(2);
    SetFloat(os, SF_FIXED, 3);
    os << 2.5 << ins_space(0) << ins_space(-2) << '|';
    SetFloat(os, 0, 4);
    os << 1234567.0 << '|';
    // A width set for the next value is not used up by the spaces.
    os << std::setw(3) << ins_space(1) << 7;
    EXPECT_EQ(os.str(), "1.23456789e-04  2.500|1.235e+06|   7");
}
