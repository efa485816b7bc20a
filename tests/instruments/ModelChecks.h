#pragma once
// Checks that the instrument model tests share: the sensor IDs of the channel
// list, written documents with one edit, element order, refused reads and
// reports compared line by line.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
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

// The written document of a configured model with the first from replaced by
// to.
template <class Model>
std::string Edited(const std::function<void(Model&)>& configure, const std::string& from,
                   const std::string& to) {
    Model ctd;
    configure(ctd);
    std::string text = WriteObject("Instrument", ctd);
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << "\n" << text;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Each item appears in the text after the one before it.
inline void ExpectInOrder(const std::string& text, const std::vector<std::string>& items) {
    std::size_t at = 0;
    for (const std::string& item : items) {
        const std::size_t found = text.find(item, at);
        ASSERT_NE(found, std::string::npos) << item << "\n" << text;
        at = found + item.size();
    }
}

// Writes the model and reads it back into a default one, which must be equal.
template <class Model>
void ExpectRoundTrip(Model& ctd, const std::string& what) {
    const std::string text = WriteObject("Instrument", ctd);
    Model back;
    ASSERT_EQ(ReadObject(text, "Instrument", back), 0) << what << "\n" << text;
    EXPECT_TRUE(back == ctd) << what << "\n" << text;
    EXPECT_EQ(WriteObject("Instrument", back), text) << what;
}

// Every document is refused and leaves a configured instrument as it was.
template <class Model>
void ExpectRefused(const std::vector<std::string>& documents,
                   const std::function<void(Model&)>& configure) {
    for (const std::string& doc : documents) {
        // Each document is well-formed, so that the model itself refuses it.
        TDWXML::CReadDoc parsed;
        EXPECT_EQ(parsed.LoadText(doc.data(), doc.size()), 0) << doc;
        Model ctd;
        configure(ctd);
        const Model before(ctd);
        EXPECT_EQ(ReadObject(doc, "Instrument", ctd), TDWXML::E_FAIL_XML) << doc;
        EXPECT_TRUE(ctd == before) << doc;
    }
}

// Reports written on a fixed day, 12/04/2026.
class FixedDateReport : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1796385600", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

// The lines of the text, so that a difference names its line.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream is(text);
    for (std::string line; std::getline(is, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The report's lines without empty lines and sensor details, which the
// sensor tests check: every channel keeps its numbered line only.
inline std::vector<std::string> ModelLines(const CCTD& ctd) {
    std::ostringstream os;
    ctd.Report(os, "", 0);
    std::vector<std::string> lines;
    for (const std::string& line : Lines(os.str())) {
        if (!line.empty() && !line.starts_with("   ")) {
            lines.push_back(line);
        }
    }
    return lines;
}

}  // namespace tw_test
