// What every instrument model owes the catalogue and the configuration
// files: the factory makes it from its CTD ID as the catalogue row says, its
// default channels lie within the row's limits and start with the row's fixed
// sensors, it reads back what it writes, and its document needs exactly the
// setting elements its rows call required: without one of them (or without
// its sensor array) a read is refused and leaves the instrument unchanged,
// without any other it reads the same instrument. Every setting a document
// changes is held and written again, another sensor on a fixed channel is
// refused, and each model reaches its row's most channels and reads that
// configuration back.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <regex>
#include <string>

#include "ModelChecks.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/NimbrelCTD.h"
#include "instruments/PayloadCTD.h"
#include "instruments/TDW47LumoTSG.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/TDW94DartelCTD.h"
#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel62PlusCTD.h"
#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64CTD.h"
#include "instruments/Vantrel64PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "sensors/ConductivitySensor.h"

namespace tw_test {
namespace {

// Where the element at path starts and ends in the document (the line with
// its leading line end): a tag below the root, or "Group/Tag" below the
// root's element Group. npos when there is none.
std::pair<std::size_t, std::size_t> ElementLine(const std::string& text, const std::string& path) {
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
    return {at, at == std::string::npos ? at : text.find('\n', at + 1)};
}

std::string WithoutElement(const std::string& text, const std::string& path) {
    const auto [begin, end] = ElementLine(text, path);
    return begin == std::string::npos ? std::string() : text.substr(0, begin) + text.substr(end);
}

// The document with the leaf element at path holding another value than it
// does: one of its limits when it has limits, else 1 for 0, 0 for another
// number, a text of letters for a text.
std::string WithOtherValue(const std::string& text, const SSettingElement& element) {
    const auto [begin, end] = ElementLine(text, element.tag);
    if (begin == std::string::npos) {
        return {};
    }
    const std::string line = text.substr(begin, end - begin);
    const std::size_t open = line.find('<');
    const std::string tag = element.tag.substr(element.tag.find('/') + 1);
    const std::size_t valueAt = line.find('>') + 1;
    const std::string value =
        line.ends_with(" />") ? "" : line.substr(valueAt, line.find('<', valueAt) - valueAt);
    const bool number =
        !value.empty() && value.find_first_not_of("-.0123456789") == std::string::npos;
    std::string other = value == "0" ? "1" : number ? "0" : "changed";
    if (element.bounded) {
        const double limit = value == std::to_string(static_cast<long long>(element.high))
                                 ? element.low
                                 : element.high;
        other = std::to_string(static_cast<long long>(limit));
    }
    return text.substr(0, begin) + line.substr(0, open) + "<" + tag + ">" + other + "</" + tag +
           ">" + text.substr(end);
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
    int cellsChanged = 0;
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

        // A copy holds every stored value, also those equality leaves out: a
        // narrow-range cell's series R.
        for (int channel = 0; channel < ctd->GetNumChannel(); ++channel) {
            if (auto* cell = dynamic_cast<CCondSensor*>(&ctd->GetSensor(channel))) {
                cell->SetSeriesR(1.0);
                ++cellsChanged;
            }
        }
        const std::unique_ptr<CCTD> copy(CreateCTDObject(id));
        ASSERT_EQ(CopyCTDObject(copy.get(), ctd.get()), 1);
        EXPECT_EQ(WriteObject("Instrument", *copy), WriteObject("Instrument", *ctd));
    }
    EXPECT_GT(cellsChanged, 0);
}

// A setting that a document changes and a read takes is held: written again,
// the document differs from the default one and reads back the same. A value
// that disagrees with the channels may be refused, but each model takes some.
TEST(AllModels, EverySettingADocumentChangesIsHeld) {
    // What a default document cannot change alone, as "ID:tag": a serial
    // setting without its serial channels, and the 56plus's surface PAR
    // without a deck unit.
    const std::string dependent =
        " 1:SerialRS232C_Sensor 10:SerialRS232C_Sensor 15:RealTimeOptions/SurfaceParVoltageAdded ";
    // Notes about the device, which do not make two configurations differ.
    const std::string notes = " 14:DeviceType 14:FirmwareVersion ";
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        SCOPED_TRACE(GetCTD_Data(id)->name);
        const std::unique_ptr<CCTD> plain(CreateCTDObject(id));
        const std::string text = WriteObject("Instrument", *plain);
        int taken = 0;
        for (const SSettingElement& element : plain->SettingElements()) {
            const std::string edited = WithOtherValue(text, element);
            ASSERT_FALSE(edited.empty()) << element.tag;
            const std::unique_ptr<CCTD> read(CreateCTDObject(id));
            if (ReadObject(edited, "Instrument", *read) != 0) {
                EXPECT_TRUE(CTD_ObjectsEqual(read.get(), plain.get())) << element.tag;
                continue;
            }
            ++taken;
            const std::string written = WriteObject("Instrument", *read);
            const std::string key = " " + std::to_string(id) + ":" + element.tag + " ";
            const bool held = dependent.find(key) == std::string::npos;
            EXPECT_EQ(written != text, held) << element.tag;
            EXPECT_EQ(CTD_ObjectsEqual(read.get(), plain.get()) == 0,
                      held && notes.find(key) == std::string::npos)
                << element.tag;
            const std::unique_ptr<CCTD> copy(read->Clone());
            EXPECT_TRUE(CTD_ObjectsEqual(copy.get(), read.get())) << element.tag;
            EXPECT_EQ(WriteObject("Instrument", *copy), written) << element.tag;
            const std::unique_ptr<CCTD> again(CreateCTDObject(id));
            EXPECT_EQ(ReadObject(written, "Instrument", *again), 0) << written;
            EXPECT_TRUE(CTD_ObjectsEqual(again.get(), read.get())) << element.tag;
        }
        EXPECT_TRUE(plain->SettingElements().empty() || taken > 0);
    }
}

// A document whose fixed channel holds another sensor is refused.
TEST(AllModels, AnotherSensorOnAFixedChannelIsRefused) {
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        const SCTD_Data& row = *GetCTD_Data(id);
        SCOPED_TRACE(row.name);
        const std::unique_ptr<CCTD> plain(CreateCTDObject(id));
        for (int channel = 0; channel < row.numChannelLock; ++channel) {
            const std::string sensor =
                "<Sensor index=\"" + std::to_string(channel) + "\" SensorID=\"";
            const std::string other = EditedDocument(
                *plain, sensor + std::to_string(row.fixedSensors[channel]) + "\"",
                sensor + std::to_string(channel == 1 ? SID_TEMP_TDW83 : SID_CONDUCTIVITY) + "\"");
            const std::unique_ptr<CCTD> read(CreateCTDObject(id));
            read->SetSerialNum("kept");
            const std::unique_ptr<CCTD> before(read->Clone());
            EXPECT_EQ(ReadObject(other, "Instrument", *read), TDWXML::E_FAIL_XML) << channel;
            EXPECT_TRUE(CTD_ObjectsEqual(read.get(), before.get())) << channel;
        }
    }
}

template <class Model, class Configure>
std::function<void(CCTD&)> As(Configure configure) {
    return [configure](CCTD& ctd) { configure(dynamic_cast<Model&>(ctd)); };
}

// Each model with as many channels as its settings give, by CTD ID.
// clang-format off
const std::function<void(CCTD&)> kFullest[NUM_CTD_IDS] = {
    As<C62VantrelCTD>([](auto& c) { c.SetPressureSensorType(0); c.SetNumVoltAdd(4); }),
    As<C62VantrelPlusCTD>([](auto& c) { c.SetPressureSensorType(0); c.SetNumVoltAdd(4); c.SetSerialSensor(CVantrelCTD::GTD_DO_N2); }),
    As<C64VantrelCTD>([](auto& c) { c.SetNumVoltAdd(4); c.SetbSPAR_Added(1); }),
    As<C64VantrelPlusCTD>([](auto& c) { c.SetNumVoltAdd(4); c.SetbSPAR_Added(1); }),
    As<C71ThermosalCTD>([](auto& c) { c.SetRemoteTempType(2); c.SetNumVoltAdd(4); }),
    As<C56CorvaneCTD>([](auto& c) { c.SetNumVoltAdd(7); c.SetbSPAR_Added(1); }),
    As<C47ThermosalCTD>([](auto& c) { c.SetbTDW83_Added(1); }),
    As<C94DartelCTD>([](auto& c) { c.SetbSPAR_Added(1); }),
    As<C812PlusCTD>([](auto& c) { c.SetNumFreqSuppress(0); c.SetNumVoltWordSuppress(0); c.SetbSPAR_Added(1); }),
    [](CCTD&) {},
    As<C62V2VantrelCTD>([](auto& c) { c.SetPressureSensorType(0); c.SetNumVoltAdd(6); c.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET); }),
    As<C64V2VantrelCTD>([](auto& c) { c.SetNumVoltAdd(6); c.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET); c.SetbSPAR_Added(1); }),
    As<C71V2ThermosalCTD>([](auto& c) { c.SetRemoteTempType(2); c.SetNumVoltAdd(6); }),
    As<CPayloadCTD>([](auto& c) { c.SetNumFreqAdd(1); }),
    As<CNimbrel>([](auto& c) { c.SetOxygenSensorPresent(CNimbrel::OXYGEN_TDW68); c.SetPressureSensorPresent(1); }),
    As<C56PlusCTD>([](auto& c) {  // the stored file with one serial sensor
        S56SerialChannel oxygen;
        oxygen.type = CVantrelCTD::TDW_68_OPTICAL_OXYGEN;
        oxygen.sensors.Add(CreateSensorObject(72));
        c.SetSerialChannel(0, oxygen);
    }),
};
// clang-format on

// At its row's most channels every model reads back what it writes and stays
// as it is when asked for the same again; one more voltage is refused, and so
// is a document with one more sensor.
TEST(AllModels, TheMostChannelsReadBackAndOneMoreIsRefused) {
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        SCOPED_TRACE(GetCTD_Data(id)->name);
        const std::unique_ptr<CCTD> ctd(CreateCTDObject(id));
        kFullest[id](*ctd);
        EXPECT_EQ(ctd->GetNumChannel(), ctd->GetNumChannelMax());
        // Asking for what the instrument already has changes nothing.
        const std::unique_ptr<CCTD> again(ctd->Clone());
        kFullest[id](*again);
        EXPECT_TRUE(CTD_ObjectsEqual(again.get(), ctd.get()));
        const std::string text = WriteObject("Instrument", *ctd);
        const std::unique_ptr<CCTD> back(CreateCTDObject(id));
        ASSERT_EQ(ReadObject(text, "Instrument", *back), 0) << text;
        EXPECT_TRUE(CTD_ObjectsEqual(back.get(), ctd.get())) << text;

        if (auto* vantrel = dynamic_cast<CVantrelCTD*>(back.get())) {
            vantrel->SetNumVoltAdd(vantrel->GetNumVoltAddMax() + 1);
            EXPECT_TRUE(CTD_ObjectsEqual(back.get(), ctd.get()));
        }
        // The last sensor once more at the end of the array.
        const int n = ctd->GetNumChannel();
        auto index = [](int i) { return "<Sensor index=\"" + std::to_string(i) + "\""; };
        const std::size_t last = text.rfind("\n    " + index(n - 1));
        const std::size_t end = text.find("\n  </SensorArray>");
        if (last == std::string::npos || end == std::string::npos) {
            continue;  // the 56plus keeps its channels in collections of its own
        }
        std::string longer = std::string(text).insert(
            end, ReplaceAll(text.substr(last, end - last), index(n - 1), index(n)));
        longer = ReplaceAll(longer, "Size=\"" + std::to_string(n) + "\">",
                            "Size=\"" + std::to_string(n + 1) + "\">");
        EXPECT_EQ(ReadObject(longer, "Instrument", *back), TDWXML::E_FAIL_XML) << longer;
        EXPECT_TRUE(CTD_ObjectsEqual(back.get(), ctd.get()));
    }
}

}  // namespace
}  // namespace tw_test
