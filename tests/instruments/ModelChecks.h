#pragma once
// Helpers the instrument model tests share: the sensor IDs of a channel list,
// documents written by a model and edited, round trips and refused reads.

#include <gtest/gtest.h>

#include <functional>
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

// The text with every occurrence of from replaced by to.
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
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

// The document of a configured model with the first from replaced by to.
template <class Model>
std::string Edited(const std::function<void(Model&)>& configure, const std::string& from = "",
                   const std::string& to = "") {
    Model ctd;
    configure(ctd);
    return EditedDocument(ctd, from, to);
}

// The document with the sensor elements of channels a and b exchanged.
inline std::string SwapChannels(const std::string& document, int a, int b) {
    auto tag = [](const std::string& index) { return "<Sensor index=\"" + index + "\""; };
    return ReplaceAll(ReplaceAll(ReplaceAll(document, tag(std::to_string(a)), tag("x")),
                                 tag(std::to_string(b)), tag(std::to_string(a))),
                      tag("x"), tag(std::to_string(b)));
}

// The status of reading the document into ctd.
inline long Read(const std::string& document, CCTD& ctd) {
    return ReadObject(document, "Instrument", ctd);
}

// Writes the model and reads it back into a default one, which must be equal
// and write the same document.
template <class Model>
void ExpectRoundTrip(Model& ctd, const std::string& what = "") {
    const std::string text = WriteObject("Instrument", ctd);
    Model back;
    ASSERT_EQ(Read(text, back), 0) << what << "\n" << text;
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

// Every document is well formed, refused, and leaves the instrument as it was.
template <class Model>
void ExpectRefused(const Model& start, const std::vector<std::string>& documents) {
    ExpectWellFormed(documents);
    for (const std::string& doc : documents) {
        Model ctd(start);
        EXPECT_EQ(Read(doc, ctd), TDWXML::E_FAIL_XML) << doc;
        EXPECT_TRUE(ctd == start) << doc;
    }
}

// The same for a configured instrument.
template <class Model>
void ExpectRefused(const std::vector<std::string>& documents,
                   const std::function<void(Model&)>& configure) {
    Model start;
    configure(start);
    ExpectRefused(start, documents);
}

}  // namespace tw_test
