#pragma once
// Helpers the instrument model tests share: the sensor IDs of a channel list,
// documents written by a model and edited, element order, round trips, refused
// reads, and reports compared line by line.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/CTD.h"
#include "core/Catalogue.h"
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

// The written document of a configured model with the first from replaced by
// to.
template <class Model>
std::string Edited(const std::function<void(Model&)>& configure, const std::string& from,
                   const std::string& to) {
    Model ctd;
    configure(ctd);
    return EditedDocument(ctd, from, to);
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

// Writes the model and reads it back into a default one, which must be equal.
template <class Model>
void ExpectRoundTrip(Model& ctd, const std::string& what) {
    const std::string text = WriteObject("Instrument", ctd);
    Model back;
    ASSERT_EQ(ReadObject(text, "Instrument", back), 0) << what << "\n" << text;
    EXPECT_TRUE(back == ctd) << what << "\n" << text;
    EXPECT_EQ(WriteObject("Instrument", back), text) << what;
}

// Every document loads, so that a refusal comes from the model itself.
inline void ExpectWellFormed(const std::vector<std::string>& documents) {
    for (const std::string& doc : documents) {
        TDWXML::CReadDoc parsed;
        EXPECT_EQ(parsed.LoadText(doc.data(), doc.size()), 0) << doc;
    }
}

// Every document is refused and leaves a configured instrument as it was.
template <class Model>
void ExpectRefused(const std::vector<std::string>& documents,
                   const std::function<void(Model&)>& configure) {
    for (const std::string& doc : documents) {
        Model ctd;
        configure(ctd);
        const Model before(ctd);
        EXPECT_EQ(ReadObject(doc, "Instrument", ctd), TDWXML::E_FAIL_XML) << doc;
        EXPECT_TRUE(ctd == before) << doc;
    }
}

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

// Each change makes the instrument differ from a default one, and copy
// construction, assignment and the catalogue's copy carry it over.
template <class Model>
void ExpectChangesCompared(const std::vector<std::function<void(Model&)>>& changes) {
    const Model plain;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        Model changed;
        changes[i](changed);
        EXPECT_FALSE(changed == plain) << "change " << i;
        EXPECT_FALSE(CTD_ObjectsEqual(&changed, &plain)) << "change " << i;
        const Model copied(changed);
        EXPECT_TRUE(copied == changed) << "change " << i;
        Model assigned;
        assigned = changed;
        EXPECT_TRUE(assigned == changed) << "change " << i;
        Model viaCatalogue;
        EXPECT_EQ(CopyCTDObject(&viaCatalogue, &changed), 1);
        EXPECT_TRUE(CTD_ObjectsEqual(&viaCatalogue, &changed)) << "change " << i;
    }
}

// Writes the instrument, reads the text into a default one and returns it.
template <class Model>
Model RoundTrip(Model& ctd, std::string* text = nullptr) {
    const std::string written = WriteObject("Instrument", ctd);
    if (text) {
        *text = written;
    }
    Model back;
    EXPECT_EQ(ReadObject(written, "Instrument", back), 0) << written;
    return back;
}

// The text with every occurrence of from replaced by to.
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Reads the document into a default instrument and expects success.
template <class Model>
Model ReadAccepted(const std::string& document) {
    Model ctd;
    EXPECT_EQ(ReadObject(document, "Instrument", ctd), 0) << document;
    return ctd;
}

// The report of the instrument, dated by a fixed clock (12/04/2026).
inline std::string ReportOf(const CCTD& ctd, const CString& fileName = "", int changed = 0) {
    setenv("SOURCE_DATE_EPOCH", "1796385600", 1);
    std::ostringstream os;
    ctd.Report(os, fileName, changed);
    unsetenv("SOURCE_DATE_EPOCH");
    return os.str();
}

// The document with the sensor elements of channels a and b exchanged.
inline std::string SwapChannels(const std::string& document, int a, int b) {
    auto tag = [](const std::string& index) { return "<Sensor index=\"" + index + "\""; };
    return ReplaceAll(ReplaceAll(ReplaceAll(document, tag(std::to_string(a)), tag("x")),
                                 tag(std::to_string(b)), tag(std::to_string(a))),
                      tag("x"), tag(std::to_string(b)));
}

// The document of a configured instrument, with from replaced by to.
template <class Model>
std::string Document(const std::function<void(Model&)>& configure, const std::string& from = "",
                     const std::string& to = "") {
    Model ctd;
    configure(ctd);
    const std::string text = WriteObject("Instrument", ctd);
    EXPECT_NE(text.find(from), std::string::npos) << from;
    return from.empty() ? text : ReplaceAll(text, from, to);
}

// The status of reading the document into ctd.
inline long Read(const std::string& document, CCTD& ctd) {
    return ReadObject(document, "Instrument", ctd);
}

// One setting of a model: on sets it away from its default.
template <class Model>
using Toggle = std::function<void(Model&, bool on)>;

// Each setting alone makes the instrument differ from a default one, and
// copies carry it; every combination reads back equal from its document.
template <class Model>
void ExpectSettingsComparedAndRead(const std::vector<Toggle<Model>>& settings) {
    const Model plain;
    for (std::size_t i = 0; i < settings.size(); ++i) {
        Model changed;
        settings[i](changed, true);
        EXPECT_FALSE(CTD_ObjectsEqual(&changed, &plain)) << "setting " << i;
        const Model copied(changed);
        Model assigned;
        EXPECT_EQ(CopyCTDObject(&assigned, &changed), 1);
        EXPECT_TRUE(copied == changed && assigned == changed) << "setting " << i;
    }
    for (unsigned mask = 0; mask < (1u << settings.size()); ++mask) {
        Model ctd;
        for (std::size_t i = 0; i < settings.size(); ++i) {
            settings[i](ctd, ((mask >> i) & 1u) != 0);
        }
        Model back;
        EXPECT_EQ(Read(WriteObject("Instrument", ctd), back), 0) << mask;
        EXPECT_TRUE(back == ctd) << "combination " << mask;
    }
}

}  // namespace tw_test
