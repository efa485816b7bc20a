#pragma once
// Sensors as the family tests look at them: the report, and the written
// element on one line or with a part taken out.

#include <memory>
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

// The report from the first line that starts with the label on.
inline std::string ReportFrom(const CSensor& sensor, const std::string& label) {
    const std::string report = ReportOf(sensor, 0);
    const std::size_t at = report.find("\n" + label);
    return at == std::string::npos ? report : report.substr(at + 1);
}

// The document without its declaration, line ends and indentation.
inline std::string Compact(const std::string& text) {
    std::string compact;
    std::istringstream lines(text.substr(text.find("?>\n") + 3));
    for (std::string line; std::getline(lines, line);) {
        compact += line.substr(line.find_first_not_of(' '));
    }
    return compact;
}

// The sensor's elements after the (empty) calibration date, on one line.
inline std::string OwnElements(CSensor& sensor) {
    const std::string text = Compact(WriteObject("S", sensor));
    const std::size_t first = text.find("<CalibrationDate />") + 19;
    return text.substr(first, text.rfind("</S>") - first);
}

// The text without the part from begin to the end of the line that holds the
// next end after it; unchanged when begin is absent.
inline std::string Without(std::string text, const std::string& begin, const std::string& end) {
    const std::size_t first = text.find(begin);
    if (first == std::string::npos) {
        return text;
    }
    const std::size_t last = text.find('\n', text.find(end, first));
    return text.erase(first, last + 1 - first);
}

// The text without the first element of that tag.
inline std::string Without(const std::string& text, const std::string& tag) {
    return Without(text, "<" + tag + ">", "</" + tag + ">");
}

}  // namespace tw_test
