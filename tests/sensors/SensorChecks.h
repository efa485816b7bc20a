#pragma once
// Sensors as the family tests look at them: the report, and the written
// element on one line or with a line taken out.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "support/XmlFixture.h"

namespace tw_test {

inline std::string ReportOf(const CSensor& sensor, int indent = 3) {
    std::ostringstream os;
    sensor.Report(os, indent);
    return os.str();
}

// The sensor's elements after the (empty) calibration date, on one line.
inline std::string OwnElements(CSensor& sensor) {
    const std::string text = WriteObject("S", sensor);
    std::string own;
    std::istringstream lines(text.substr(text.find("<CalibrationDate />") + 19));
    for (std::string line; std::getline(lines, line);) {
        own += line.erase(0, line.find_first_not_of(' '));
    }
    return own.substr(0, own.rfind("</S>"));
}

// The text without the line of the first element of that tag.
inline std::string Without(std::string text, const std::string& tag) {
    const std::size_t first = text.rfind('\n', text.find("<" + tag + ">")) + 1;
    return text.erase(first, text.find('\n', first) + 1 - first);
}

}  // namespace tw_test
