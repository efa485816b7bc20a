// What every instrument model owes the catalogue and the configuration
// files: the factory makes it from its CTD ID as the catalogue row says, its
// default channels lie within the row's limits and start with the row's fixed
// sensors, it reads back what it writes, and a document lacking any one of
// its elements is either read or refused with the instrument unchanged.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ModelChecks.h"

namespace tw_test {
namespace {

// The document without the index-th element below its root, or empty when
// there is none; name is that element's opening line.
std::string WithoutElement(const std::string& text, int index, std::string& name) {
    const std::vector<std::string> lines = Lines(text);
    const std::string indent = lines.size() > 2 ? lines[2].substr(0, lines[2].find('<')) : "";
    int seen = -1;
    for (std::size_t first = 2; first + 1 < lines.size(); ++first) {
        const std::string& line = lines[first];
        if (!line.starts_with(indent + "<") || line.starts_with(indent + "<!--") ||
            line.starts_with(indent + "</") || ++seen != index) {
            continue;
        }
        std::size_t last = first;
        while (line.find("</") == std::string::npos && line.find("/>") == std::string::npos &&
               !lines[last].starts_with(indent + "</")) {
            ++last;
        }
        name = line;
        std::string kept;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i < first || i > last) {
                kept += lines[i] + "\n";
            }
        }
        return kept;
    }
    return {};
}

TEST(AllModels, EachCTD_IDMakesItsRowsModelAndReadsBackWhatItWrites) {
    EXPECT_EQ(CreateCTDObject(-1), nullptr);
    EXPECT_EQ(CreateCTDObject(NUM_CTD_IDS), nullptr);
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        const SCTD_Data& row = *GetCTD_Data(id);
        SCOPED_TRACE(row.name);
        const std::unique_ptr<CCTD> ctd(CreateCTDObject(id));
        ASSERT_NE(ctd, nullptr);
        EXPECT_EQ(ctd->GetCTD_ID(), id);
        EXPECT_STREQ(ctd->GetRuntimeClass()->m_lpszClassName, row.className);
        EXPECT_EQ(ctd->GetCTD_Name(), row.name);
        EXPECT_GE(ctd->GetNumChannel(), row.numChannelMin);
        EXPECT_LE(ctd->GetNumChannel(), row.numChannelMax);
        EXPECT_EQ(ctd->GetSensorArray().GetSize(), ctd->GetNumChannel());
        ASSERT_LE(row.numChannelLock, row.numFixedSensors);
        for (int channel = 0; channel < row.numChannelLock; ++channel) {
            EXPECT_EQ(ctd->GetSensor(channel).GetSensorID(), row.fixedSensors[channel]) << channel;
        }

        const std::unique_ptr<CCTD> other(CreateCTDObject((id + 1) % NUM_CTD_IDS));
        EXPECT_EQ(CopyCTDObject(other.get(), ctd.get()), 0);
        EXPECT_EQ(CTD_ObjectsEqual(other.get(), ctd.get()), 0);

        const std::string text = WriteObject("Instrument", *ctd);
        const std::unique_ptr<CCTD> back(CreateCTDObject(id));
        back->GetSensor(0).SetSerialNum("replaced");
        ASSERT_EQ(ReadObject(text, "Instrument", *back), 0) << text;
        EXPECT_TRUE(CTD_ObjectsEqual(back.get(), ctd.get()));
        EXPECT_EQ(WriteObject("Instrument", *back), text);

        std::string name;
        for (int index = 0;; ++index) {
            const std::string damaged = WithoutElement(text, index, name);
            if (damaged.empty()) {
                break;
            }
            // A refused read keeps what the instrument held, which the file
            // does not hold.
            const std::unique_ptr<CCTD> read(CreateCTDObject(id));
            read->GetSensor(0).SetSerialNum("before");
            const std::unique_ptr<CCTD> before(read->Clone());
            if (ReadObject(damaged, "Instrument", *read) != 0) {
                EXPECT_TRUE(CTD_ObjectsEqual(read.get(), before.get())) << name;
            }
        }
    }
}

}  // namespace
}  // namespace tw_test
