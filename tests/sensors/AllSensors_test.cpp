// What every sensor class owes the configuration files: the factory makes it
// from its ID, it reads back what it writes, it refuses an element that lacks
// one of its items or belongs to another sensor ID, its fields are what it
// writes, and its elements and reports are those of the committed golden
// file (AllSensors.golden: every sensor with distinct values in its fields).

#include <cstdlib>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "core/SensorArray.h"
#include "platform/xml/TextCodec.h"
#include "sensors/OxygenSensors.h"
#include "sensors/SensorChecks.h"

namespace tw_test {
namespace {

using EKind = SSensorField::EKind;

// A distinct value in each field of the sensor, a multiple of step. Variant 0 takes the last
// text of each choice, variant 1 the second, the other state of each flag
// and a wide-range serial number.
void Fill(CSensor& sensor, int variant, double step) {
    sensor.SetSerialNum(variant == 0 ? "S" + std::to_string(sensor.GetSensorID()) : "W2");
    const std::vector<SSensorField> fields = sensor.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const double place = static_cast<double>(i) + 1.0 + variant;
        if (fields[i].kind == EKind::Choice) {
            sensor.SetFieldValue(
                i, variant == 0 ? static_cast<double>(fields[i].choices.size() - 1) : 1.0);
        } else if (fields[i].kind == EKind::Double) {
            sensor.SetFieldValue(i, place * step);
        } else if (fields[i].kind == EKind::Flag && variant == 1) {
            sensor.SetFieldValue(i, sensor.GetFieldValue(i) == 0.0 ? 1.0 : 0.0);
        } else if (fields[i].kind == EKind::Text) {
            sensor.SetFieldText(i, "name " + std::to_string(i));
        }
    }
}

TEST(AllSensors, EachIDReadsBackItsElementAndNeedsEveryRequiredItem) {
    // The items a sensor may lack, as "ID:tag".
    const std::string optional =
        " 3:ConductivityType 3:WBOTC 45:AD590M 45:AD590B 64:DoSalinityCorrection"
        " 64:DoDepthCorrection 64:InternalSalinity"
        " 38:Use2007Equation 38:D0 38:H1 38:H2 38:H3 65:Use2007Equation 65:D0 65:H1 65:H2 65:H3"
        " 66:Use2007Equation 66:D0 66:H1 66:H2 66:H3 ";
    // Only the channel without coefficients has no class of its own.
    const std::set<int> unmade = {SID_NO_COEFFICIENT};
    const std::regex leaf("\n *<(\\w+)(?: />|>[^<]*</\\w+>)(?=\n)");
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        SCOPED_TRACE(id);
        const std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        ASSERT_EQ(sensor == nullptr, unmade.count(id) > 0);
        if (!sensor) {
            continue;
        }
        EXPECT_EQ(sensor->GetSensorID(), id);
        // Halves survive every format.
        Fill(*sensor, id % 2, -0.5);
        const char* tag = GetSensorData(id)->xmlTag;
        const std::string text = WriteObject(tag, *sensor);
        const std::unique_ptr<CSensor> back(CreateSensorObject(id));
        EXPECT_EQ(ReadObject(text, tag, *back), 0);
        EXPECT_TRUE(SensorObjectsEqual(back.get(), sensor.get()));

        const std::string otherID = "SensorID=\"" + std::to_string(id == 3 ? 4 : 3) + "\"";
        EXPECT_EQ(ReadObject(std::regex_replace(text, std::regex("SensorID=\"\\d+\""), otherID),
                             tag, *back),
                  TDWXML::E_WRONG_OBJECT);
        EXPECT_TRUE(SensorObjectsEqual(back.get(), sensor.get()));

        // Each element after the common items taken out in turn.
        const std::size_t own = text.find("<CalibrationDate />") + 19;
        for (auto it = std::sregex_iterator(text.begin() + own, text.end(), leaf);
             it != std::sregex_iterator(); ++it) {
            const std::string item = (*it)[1];
            const std::string damaged = std::string(text).erase(own + it->position(), it->length());
            CopySensorObject(back.get(), sensor.get());
            const bool isOptional =
                optional.find(" " + std::to_string(id) + ":" + item + " ") != std::string::npos;
            EXPECT_EQ(ReadObject(damaged, tag, *back), isOptional ? 0 : TDWXML::E_FAIL_XML) << item;
            EXPECT_TRUE(isOptional || SensorObjectsEqual(back.get(), sensor.get())) << item;
        }
    }
}

// The items after the common ones, in document order, one per line: a
// comment, a group and its end, or a value element with its text. The
// writer puts each item on a line of its own.
std::string ListWritten(const std::string& text) {
    static const std::regex comment(" *<!--(.*)-->"), value(" *<(\\w+)>(.*)</\\w+>"),
        empty(" *<(\\w+) />"), group(" *<(\\w+) [^/]*>"), end(" *</\\w+>");
    std::string out;
    std::istringstream lines(text.substr(text.find("<CalibrationDate")));
    std::string line;
    std::getline(lines, line);
    std::smatch m;
    while (std::getline(lines, line)) {
        if (std::regex_match(line, m, comment)) {
            out += "comment " + m[1].str() + "\n";
        } else if (std::regex_match(line, m, value)) {
            out += m[1].str() + " = " + TDWXML::detail::DecodeText(m[2].str()) + "\n";
        } else if (std::regex_match(line, m, empty)) {
            out += m[1].str() + " = \n";
        } else if (std::regex_match(line, m, group)) {
            out += "group " + m[1].str() + "\n";
        } else if (std::regex_match(line, end)) {
            out += "end\n";
        }
    }
    // The sensor's own element closes last.
    return out.substr(0, out.rfind("end\n"));
}

std::string ListFields(const CSensor& sensor) {
    std::string out;
    const std::vector<SSensorField> fields = sensor.Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const SSensorField& field = fields[i];
        if (field.kind == EKind::Comment) {
            out += "comment " + std::string(field.tag) + "\n";
        } else if (field.kind == EKind::OpenGroup) {
            out += "group " + std::string(field.tag) + "\n";
        } else if (field.kind == EKind::CloseGroup) {
            out += "end\n";
        } else {
            out += std::string(field.tag) + " = " + sensor.GetFieldText(i).str() + "\n";
        }
    }
    return out;
}

TEST(AllSensors, FieldsAreWhatEachSensorWritesInItsOrder) {
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        SCOPED_TRACE(id);
        const std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (!sensor) {
            continue;
        }
        const std::string written = ListWritten(WriteObject(GetSensorData(id)->xmlTag, *sensor));
        EXPECT_EQ(ListFields(*sensor), written);

        // A field takes back its own text and leaves the sensor as it was;
        // a choice refuses a number without a text.
        const std::vector<SSensorField> fields = sensor->Fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!fields[i].IsValue()) {
                continue;
            }
            const std::unique_ptr<CSensor> copy(CreateSensorObject(id));
            EXPECT_TRUE(copy->SetFieldText(i, sensor->GetFieldText(i))) << fields[i].key;
            EXPECT_TRUE(SensorObjectsEqual(copy.get(), sensor.get())) << fields[i].key;
            EXPECT_EQ(sensor->FindField(fields[i].key), static_cast<int>(i));
            if (fields[i].kind == EKind::Choice) {
                EXPECT_FALSE(copy->SetFieldValue(i, static_cast<double>(fields[i].choices.size())));
                EXPECT_TRUE(SensorObjectsEqual(copy.get(), sensor.get()));
            }
        }
    }
}

// Every sensor in both variants: its element and its report (and the text
// of the TDW 68, the one sensor that has one).
std::string AllSensorsText() {
    std::string text;
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        const std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (!sensor) {
            continue;
        }
        for (const int variant : {0, 1}) {
            Fill(*sensor, variant, -1.234567891234);
            text += WriteObject(GetSensorData(id)->xmlTag, *sensor) + ReportOf(*sensor) + "\n";
            if (const auto* tdw68 = dynamic_cast<const COxTDW_68_Sensor*>(sensor.get())) {
                text += tdw68->ToString().str() + "\n";
            }
        }
    }
    return text;
}

TEST(AllSensors, ElementsAndReportsAreTheGoldenOnes) {
    const std::string path = TW_SENSORS_TEST_DIR "/AllSensors.golden";
    const std::string text = AllSensorsText();
    if (std::getenv("TW_WRITE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::ifstream golden(path, std::ios::binary);
    std::ostringstream expected;
    expected << golden.rdbuf();
    EXPECT_EQ(text, expected.str());
}

}  // namespace
}  // namespace tw_test
