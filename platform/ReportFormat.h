#pragma once
// Stream helpers for the configuration report.

#include <ostream>

// Number formats that SetFloat takes.
constexpr long SF_SCIENTIFIC = 0x1000;
constexpr long SF_FIXED = 0x2000;

// Sets the stream's floating notation (scientific, fixed, or the default
// when flags holds neither) and its precision.
void SetFloat(std::ostream& os, long flags, int precision);

// Manipulator: os << ins_space(n) writes n spaces.
struct ins_space {
    explicit ins_space(int count) : n(count) {}
    int n;
};
std::ostream& operator<<(std::ostream& os, const ins_space& spaces);
