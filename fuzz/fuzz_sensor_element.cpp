// Fuzzes the element readers of the sensor classes: after the first byte,
// which picks the sensor, the input is a document whose root is read as
// that sensor's element, as a sensor array reads it. The invariants are
// those of tw_fuzz::CheckSensorReader.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/SensorWriteOptions.h"
#include "platform/xml/TDWXML.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    CSensorWriteOptions::SetWriteVersionInSensors(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto tag = [](const CSensor& sensor) { return GetSensorData(sensor.GetSensorID())->xmlTag; };
    tw_fuzz::CheckSensorReader(
        data, size,
        [&](CSensor& sensor, std::string_view text) {
            TDWXML::CReadDoc doc;
            return doc.LoadText(text.data(), text.size()) == TDWXML::S_OK_XML &&
                   doc.ReadRoot(tag(sensor), &sensor) == TDWXML::S_OK_XML;
        },
        [&](CSensor& sensor) {
            TDWXML::CWriteDoc doc;
            if (doc.CreateText() != TDWXML::S_OK_XML ||
                doc.WriteRoot(tag(sensor), &sensor) != TDWXML::S_OK_XML) {
                tw_fuzz::Fail("a sensor that was read cannot be written");
            }
            return doc.GetText().str();
        });
    return 0;
}
