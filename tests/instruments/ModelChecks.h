#pragma once
// Helpers the instrument model tests share: the sensor IDs of a channel list,
// documents written by a model and edited, and reports compared line by line.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "core/CTD.h"
#include "support/XmlFixture.h"

namespace tw_test {

inline std::vector<int> SensorIDs(const CCTD& ctd) {
    std::vector<int> ids;
    for (int i = 0; i < ctd.GetSensorArray().GetSize(); ++i) {
        ids.push_back(ctd.GetSensor(i).GetSensorID());
    }
    return ids;
}

// The instrument's document with the first occurrence of from replaced.
inline std::string EditedDocument(CCTD& ctd, const std::string& from, const std::string& to) {
    std::string text = WriteObject("Instrument", ctd);
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << "\n" << text;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// True when every item occurs in the text, each after the one before.
inline void ExpectInOrder(const std::string& text, const std::vector<std::string>& items) {
    std::size_t at = 0;
    for (const std::string& item : items) {
        const std::size_t found = text.find(item, at);
        ASSERT_NE(found, std::string::npos) << item << "\n" << text;
        at = found + item.size();
    }
}

// Every document is refused and leaves the instrument as it was.
template <class Model>
void ExpectRefused(const Model& start, const std::vector<std::string>& documents) {
    for (const std::string& doc : documents) {
        Model ctd(start);
        EXPECT_EQ(ReadObject(doc, "Instrument", ctd), TDWXML::E_FAIL_XML) << doc;
        EXPECT_TRUE(ctd == start) << doc;
    }
}

// The document read into a fresh instrument of the same model.
template <class Model>
Model ReadBack(Model& ctd) {
    const std::string text = WriteObject("Instrument", ctd);
    Model back;
    EXPECT_EQ(ReadObject(text, "Instrument", back), 0) << text;
    return back;
}

// Compared line by line, so that a difference names its line.
inline void ExpectSameLines(const std::string& actual, const std::string& expected) {
    std::istringstream actualLines(actual);
    std::istringstream expectedLines(expected);
    std::string got;
    std::string wanted;
    int number = 1;
    while (std::getline(expectedLines, wanted)) {
        ASSERT_TRUE(std::getline(actualLines, got)) << "report ends before line " << number;
        EXPECT_EQ(got, wanted) << "line " << number;
        ++number;
    }
    EXPECT_FALSE(std::getline(actualLines, got)) << "extra line: " << got;
}

// The report's lines without the empty ones and without the sensors' own
// indented lines, which the sensor and report tests check: what remains is
// the instrument's part and the channel labels.
inline std::string ReportOutline(const std::string& report) {
    std::istringstream lines(report);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.rfind("   ", 0) != 0) {
            kept += line + '\n';
        }
    }
    return kept;
}

// The report's opening lines as dated by FixedDateTest and outlined, for a
// file that was changed when a file name is given.
inline std::string ReportHeading(const std::string& model, const std::string& changedFile = "") {
    std::string heading = "Date: 12/04/2026\n";
    if (!changedFile.empty()) {
        heading += "Instrument configuration file: " + changedFile + " *\n";
    }
    const std::string title = "Configuration report for " + model;
    return heading + title + "\n" + std::string(title.size(), '-') + "\n";
}

// Reports dated 12/04/2026 whatever the day.
class FixedDateTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1796385600", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

}  // namespace tw_test
