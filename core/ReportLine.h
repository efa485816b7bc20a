#pragma once
// One label line of the configuration report: indent, the label padded on the
// right to the width, ": ", the value, end of line. The stream is expected to
// be left-adjusted and keeps its number format.

#include <iomanip>
#include <ostream>

#include "platform/ReportFormat.h"

template <class Value>
void ReportLine(std::ostream& os, int indent, int width, const char* label, const Value& value) {
    os << ins_space(indent) << std::setw(width) << label << ": " << value << '\n';
}

inline const char* YesNo(int flag) {
    return flag ? "Yes" : "No";
}
