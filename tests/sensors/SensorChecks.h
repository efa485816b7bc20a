#pragma once
// Checks shared by the sensor family tests.

#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "support/XmlFixture.h"

namespace tw_test {

inline std::string ReportOf(const CSensor& sensor, int indent) {
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

// The sensor's elements after the common items, as written.
inline std::string OwnElements(CSensor& sensor) {
    const std::string text = WriteObject("Sensor", sensor);
    const std::string afterDate = "<CalibrationDate />\n";
    const std::size_t first = text.find(afterDate);
    const std::size_t last = text.rfind("</Sensor>");
    if (first == std::string::npos || last == std::string::npos) {
        return text;
    }
    return text.substr(first + afterDate.size(), last - first - afterDate.size());
}

// The factory makes the class for the ID, and a sensor of it reads back what
// it writes under its registry element.
inline void ExpectFactoryMakes(int id, const char* className) {
    SCOPED_TRACE(className);
    std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
    ASSERT_NE(sensor, nullptr);
    EXPECT_STREQ(sensor->GetRuntimeClass()->m_lpszClassName, className);
    EXPECT_EQ(sensor->GetSensorID(), id);
    sensor->SetSerialNum(className);
    std::unique_ptr<CSensor> back(CreateSensorObject(id));
    const char* tag = GetSensorData(id)->xmlTag;
    EXPECT_EQ(ReadObject(WriteObject(tag, *sensor), tag, *back), 0);
    EXPECT_TRUE(SensorObjectsEqual(back.get(), sensor.get()));
}

}  // namespace tw_test
