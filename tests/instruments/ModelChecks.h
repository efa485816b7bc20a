#pragma once
// Checks that every instrument model's tests make: its channel list, a round
// trip through XML, documents it must refuse, and its report text.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/CTD.h"
#include "core/Catalogue.h"
#include "support/XmlFixture.h"

namespace model_checks {

inline std::vector<int> SensorIDs(const CCTD& ctd) {
    std::vector<int> ids;
    for (int i = 0; i < ctd.GetSensorArray().GetSize(); ++i) {
        ids.push_back(ctd.GetSensor(i).GetSensorID());
    }
    return ids;
}

// Writes the instrument, reads the text into a default one and returns it.
template <class Model>
Model RoundTrip(Model& ctd, std::string* text = nullptr) {
    const std::string written = tw_test::WriteObject("Instrument", ctd);
    if (text) {
        *text = written;
    }
    Model back;
    EXPECT_EQ(tw_test::ReadObject(written, "Instrument", back), 0) << written;
    return back;
}

// One setting of a model: on sets it away from its default, off leaves it
// at the default.
template <class Model>
using Toggle = std::function<void(Model&, bool on)>;

// Each setting alone makes the instrument differ from a default one, and
// copy construction, assignment and the catalogue's copy carry it over.
template <class Model>
void ExpectEverySettingCompared(const std::vector<Toggle<Model>>& settings) {
    const Model plain;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        Model changed;
        settings[i](changed, true);
        EXPECT_FALSE(changed == plain) << "setting " << i;
        EXPECT_FALSE(CTD_ObjectsEqual(&changed, &plain)) << "setting " << i;
        const Model copied(changed);
        EXPECT_TRUE(copied == changed) << "setting " << i;
        Model assigned;
        assigned = changed;
        EXPECT_TRUE(assigned == changed) << "setting " << i;
        Model viaCatalogue;
        EXPECT_EQ(CopyCTDObject(&viaCatalogue, &changed), 1);
        EXPECT_TRUE(CTD_ObjectsEqual(&viaCatalogue, &changed)) << "setting " << i;
    }
}

// Every combination of the settings reads back equal from its document.
template <class Model>
void ExpectEveryCombinationRoundTrips(const std::vector<Toggle<Model>>& settings) {
    for (unsigned mask = 0; mask < (1u << settings.size()); ++mask) {
        Model ctd;
        for (std::size_t i = 0; i < settings.size(); ++i) {
            settings[i](ctd, ((mask >> i) & 1u) != 0);
        }
        EXPECT_TRUE(RoundTrip(ctd) == ctd) << "combination " << mask;
    }
}

// The items appear in the text in this order.
inline void ExpectInOrder(const std::string& text, const std::vector<std::string>& items) {
    std::size_t at = 0;
    for (const std::string& item : items) {
        const std::size_t found = text.find(item, at);
        ASSERT_NE(found, std::string::npos) << item << "\n" << text;
        at = found + item.size();
    }
}

// The document of a configured instrument with the first occurrence of from
// replaced by to.
template <class Model>
std::string Edited(const std::function<void(Model&)>& configure, const std::string& from,
                   const std::string& to) {
    Model ctd;
    configure(ctd);
    std::string text = tw_test::WriteObject("Instrument", ctd);
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The text with every occurrence of from replaced by to.
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Each document is refused and leaves a configured instrument as it was.
template <class Model>
void ExpectRefused(const std::vector<std::string>& documents,
                   const std::function<void(Model&)>& configure) {
    for (const std::string& document : documents) {
        Model ctd;
        configure(ctd);
        ctd.SetSerialNum("keep");
        const Model before(ctd);
        EXPECT_EQ(tw_test::ReadObject(document, "Instrument", ctd), TDWXML::E_FAIL_XML) << document;
        EXPECT_TRUE(ctd == before) << document;
    }
}

// Reads the document into a default instrument and expects success.
template <class Model>
Model ReadAccepted(const std::string& document) {
    Model ctd;
    EXPECT_EQ(tw_test::ReadObject(document, "Instrument", ctd), 0) << document;
    return ctd;
}

// Line by line, so that a difference names its line.
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

// The report of the instrument, dated by a fixed clock (12/04/2026).
inline std::string ReportOf(const CCTD& ctd, const CString& fileName = "", int changed = 0) {
    setenv("SOURCE_DATE_EPOCH", "1796385600", 1);
    std::ostringstream os;
    ctd.Report(os, fileName, changed);
    unsetenv("SOURCE_DATE_EPOCH");
    return os.str();
}

}  // namespace model_checks
