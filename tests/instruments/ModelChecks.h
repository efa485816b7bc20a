#pragma once
// Checks that the instrument models' tests share: the channel list, XML round
// trips, documents a model must refuse, comparison and the report.

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

// The text with every occurrence of from replaced by to.
inline std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The document with the sensor elements of channels a and b exchanged.
inline std::string SwapChannels(const std::string& document, int a, int b) {
    auto tag = [](const std::string& index) { return "<Sensor index=\"" + index + "\""; };
    return ReplaceAll(ReplaceAll(ReplaceAll(document, tag(std::to_string(a)), tag("x")),
                                 tag(std::to_string(b)), tag(std::to_string(a))),
                      tag("x"), tag(std::to_string(b)));
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

// The document of a configured instrument, with from replaced by to.
template <class Model>
std::string Document(const std::function<void(Model&)>& configure, const std::string& from = "",
                     const std::string& to = "") {
    Model ctd;
    configure(ctd);
    const std::string text = tw_test::WriteObject("Instrument", ctd);
    EXPECT_NE(text.find(from), std::string::npos) << from;
    return from.empty() ? text : ReplaceAll(text, from, to);
}

// The status of reading the document into ctd.
inline long Read(const std::string& document, CCTD& ctd) {
    return tw_test::ReadObject(document, "Instrument", ctd);
}

// Each document is refused and leaves a configured instrument as it was.
template <class Model>
void ExpectRefused(const std::vector<std::string>& documents,
                   const std::function<void(Model&)>& configure) {
    for (const std::string& document : documents) {
        Model ctd;
        configure(ctd);
        const Model before(ctd);
        EXPECT_EQ(Read(document, ctd), TDWXML::E_FAIL_XML) << document;
        EXPECT_TRUE(ctd == before) << document;
    }
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
        EXPECT_EQ(Read(tw_test::WriteObject("Instrument", ctd), back), 0) << mask;
        EXPECT_TRUE(back == ctd) << "combination " << mask;
    }
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
