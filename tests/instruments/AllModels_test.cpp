// What every instrument model owes the catalogue and the configuration
// files: the factory makes it from its CTD ID as the catalogue row says, its
// default channels lie within the row's limits and start with the row's fixed
// sensors, it reads back what it writes, and its document needs exactly the
// setting elements its rows call required: without one of them (or without
// its sensor array) a read is refused and leaves the instrument unchanged,
// without any other it reads the same instrument.

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "ModelChecks.h"

namespace tw_test {
namespace {

// The document without the element at path: a tag below the root, or
// "Group/Tag" below the root's element Group. Empty when there is none.
std::string WithoutElement(const std::string& text, const std::string& path) {
    const std::size_t slash = path.find('/');
    std::size_t from = 0;
    std::string start = "\n  <" + path;
    if (slash != std::string::npos) {
        from = text.find("\n  <" + path.substr(0, slash) + ">");
        start = "\n    <" + path.substr(slash + 1);
    }
    std::size_t at = from == std::string::npos ? from : text.find(start, from);
    while (at != std::string::npos && text[at + start.size()] != '>' &&
           text[at + start.size()] != ' ') {
        at = text.find(start, at + 1);
    }
    if (at == std::string::npos) {
        return {};
    }
    return text.substr(0, at) + text.substr(text.find('\n', at + 1));
}

TEST(AllModels, EachCTD_IDMakesItsRowsModelAndNeedsItsRequiredSettings) {
    EXPECT_EQ(CreateCTDObject(-1), nullptr);
    EXPECT_EQ(CreateCTDObject(NUM_CTD_IDS), nullptr);
    const std::regex leaf("\n  <\\w+(?: />|>[^<\n]*</\\w+>)");
    // The elements a document may lack, as "ID:tag": the NMEA depth, time and
    // connection to the PC on every model but the 56plus, and these.
    const std::string optional =
        " 3:ScanTimeAdded 7:ScanTimeAdded 7:ScansToAverage 7:NmeaPositionDataAdded"
        " 7:SurfaceParVoltageAdded 8:DeckUnitVersion 11:SerialRS232C_Sensor"
        " 13:SampleIntervalSeconds 15:RealTimeOptions/DeckUnit 15:RealTimeOptions/BaudConsole ";
    const std::string nmeaOptional = " NmeaDepthDataAdded NmeaTimeAdded NmeaDeviceConnectedToPC ";
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

        // Every value the instrument's element holds itself is a setting.
        std::vector<SSettingElement> elements = ctd->SettingElements();
        const auto leaves = std::distance(std::sregex_iterator(text.begin(), text.end(), leaf),
                                          std::sregex_iterator());
        EXPECT_EQ(leaves,
                  std::count_if(elements.begin(), elements.end(),
                                [](const auto& e) { return e.tag.find('/') == std::string::npos; }))
            << text;
        if (text.find("\n  <SensorArray ") != std::string::npos) {
            elements.push_back({"SensorArray", true, false, 0, 0});
        }
        for (const SSettingElement& element : elements) {
            const bool isOptional =
                optional.find(" " + std::to_string(id) + ":" + element.tag + " ") !=
                    std::string::npos ||
                (id != CTD_56PLUS_CORVANE &&
                 nmeaOptional.find(" " + element.tag + " ") != std::string::npos);
            EXPECT_EQ(element.required, !isOptional) << element.tag;
            const std::string damaged = WithoutElement(text, element.tag);
            ASSERT_FALSE(damaged.empty()) << element.tag << "\n" << text;
            // A refused read keeps what the instrument held, which the file
            // does not hold.
            const std::unique_ptr<CCTD> read(CreateCTDObject(id));
            read->GetSensor(0).SetSerialNum("before");
            const std::unique_ptr<CCTD> before(read->Clone());
            EXPECT_EQ(ReadObject(damaged, "Instrument", *read), isOptional ? 0 : TDWXML::E_FAIL_XML)
                << element.tag;
            EXPECT_TRUE(CTD_ObjectsEqual(read.get(), isOptional ? ctd.get() : before.get()))
                << element.tag;
        }
    }
}

}  // namespace
}  // namespace tw_test
