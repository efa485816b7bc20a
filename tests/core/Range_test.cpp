#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "core/RangeXML.h"
#include "support/XmlFixture.h"

namespace {

TEST(Range, SetKeepsInclusiveLimitsAndRefusesOthers) {
    CRange<int> range(2, 0, 7);
    EXPECT_EQ(range.Set(7), 1);
    EXPECT_EQ(range.Set(0), 1);
    EXPECT_EQ(range.Set(8), 0);
    EXPECT_EQ(range.Get(), 0);

    CRange<double> real(1.0, 0.0, 2.0);
    EXPECT_EQ(real.Set(std::nan("")), 0);
    EXPECT_EQ(real.Get(), 1.0);
}

TEST(Range, ArchiveHoldsValueLowHighInitialAndLoadsWithoutClipping) {
    CRange<int> stored(2, 0, 7);
    stored.Set(5);
    std::stringstream bytes;
    {
        CArchive ar(bytes, CArchive::store);
        stored.Serialize(ar);
    }
    const std::string raw = bytes.str();
    ASSERT_EQ(raw.size(), 16u);
    EXPECT_EQ(raw[0], 5);   // value
    EXPECT_EQ(raw[4], 0);   // low
    EXPECT_EQ(raw[8], 7);   // high
    EXPECT_EQ(raw[12], 2);  // initial value

    std::string outOfRange = raw;
    outOfRange[0] = 9;
    std::stringstream input(outOfRange);
    CArchive ar(input, CArchive::load);
    CRange<int> loaded(0, 0, 0);
    loaded.Serialize(ar);
    EXPECT_EQ(loaded.Get(), 9);
    EXPECT_EQ(loaded.GetHigh(), 7);
}

TEST(RangeXML, WritesAttributesInOrderAndReadsBack) {
    CRange<double> range(0.5, -1.0, 1.0);
    range.Set(0.25);
    const std::string text = tw_test::WriteWith(
        [&](TDWXML::COutputNode* node) { return WriteDoubleRangeXML(node, "Gain", range); });
    EXPECT_NE(text.find("<Gain value=\"0.25\" high=\"1\" low=\"-1\" initialValue=\"0.5\""),
              std::string::npos)
        << text;

    CRange<double> back(0.0, 0.0, 0.0);
    EXPECT_EQ(
        tw_test::ReadWith(
            text, [&](TDWXML::CInputNode* node) { return ReadDoubleRangeXML(node, "Gain", back); }),
        0);
    EXPECT_EQ(back, range);
}

// A stored value outside its stored limits gives the initial value; a
// missing or bad attribute leaves the range as it was.
TEST(RangeXML, StoredLimitsHoldAndBadAttributesChangeNothing) {
    const std::pair<const char*, bool> documents[] = {
        {"<Root><R value=\"9\" high=\"7\" low=\"0\" initialValue=\"2\"/></Root>", true},
        {"<Root><R value=\"1\" high=\"7\" low=\"0\"/></Root>", false},
        {"<Root><R value=\"x\" high=\"7\" low=\"0\" initialValue=\"2\"/></Root>", false},
        {"<Root/>", false}};
    for (const auto& [doc, reads] : documents) {
        CRange<int> range(3, 1, 4);
        const long status = tw_test::ReadWith(
            doc, [&](TDWXML::CInputNode* node) { return ReadIntRangeXML(node, "R", range); });
        EXPECT_EQ(status == 0, reads) << doc;
        EXPECT_EQ(range, reads ? CRange<int>(2, 0, 7) : CRange<int>(3, 1, 4)) << doc;
    }
}

}  // namespace
