// Fuzzes the element readers of the sensor classes. The first byte picks the
// sensor ID (modulo the number of IDs); the rest is a document whose root is
// read as that sensor's element, as a sensor array reads it.
//
// Invariants: a read that fails leaves the sensor as it was; a sensor that
// reads is copied to an equal sensor that writes the same element; that
// element reads back, and the sensor read back writes it unchanged.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "platform/xml/TDWXML.h"

namespace {

using tw_fuzz::Fail;

long ReadElement(const char* text, std::size_t length, const char* tag, CSensor* sensor) {
    TDWXML::CReadDoc doc;
    const long status = doc.LoadText(text, length);
    return status != TDWXML::S_OK_XML ? status : doc.ReadRoot(tag, sensor);
}

std::string WriteElement(const char* tag, CSensor* sensor) {
    TDWXML::CWriteDoc doc;
    if (doc.CreateText() != TDWXML::S_OK_XML || doc.WriteRoot(tag, sensor) != TDWXML::S_OK_XML) {
        Fail("a sensor that was read cannot be written");
    }
    return doc.GetText().str();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    CSensorWriteOptions::SetWriteVersionInSensors(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const int sensorID = data[0] % NUM_SENSOR_IDS;
    const std::unique_ptr<CSensor> sensor(CreateSensorObject(sensorID));
    if (!sensor) {
        return 0;
    }
    const char* tag = GetSensorData(sensorID)->xmlTag;
    const std::unique_ptr<CSensor> before(CreateSensorObject(sensorID));
    if (!CopySensorObject(before.get(), sensor.get())) {
        Fail("a sensor cannot be copied into one of its own class");
    }
    const char* text = reinterpret_cast<const char*>(data + 1);
    if (ReadElement(text, size - 1, tag, sensor.get()) != TDWXML::S_OK_XML) {
        if (!SensorObjectsEqual(sensor.get(), before.get())) {
            Fail("a failed read changed the sensor");
        }
        return 0;
    }

    // A copy compares equal and writes the same element.
    const std::string written = WriteElement(tag, sensor.get());
    const std::unique_ptr<CSensor> copy(CreateSensorObject(sensorID));
    if (!CopySensorObject(copy.get(), sensor.get())) {
        Fail("a sensor that was read cannot be copied");
    }
    // A coefficient that is not a number (NaN) never equals itself.
    if (SensorObjectsEqual(sensor.get(), sensor.get()) &&
        !SensorObjectsEqual(copy.get(), sensor.get())) {
        Fail("a copy of a sensor differs from it");
    }
    if (WriteElement(tag, copy.get()) != written) {
        Fail("a copy of a sensor writes another element");
    }
    // The element written reads back and is written again unchanged. (The
    // sensor read first may hold more digits than the element's number
    // formats keep, so it is not compared with the sensor read back.)
    const std::unique_ptr<CSensor> back(CreateSensorObject(sensorID));
    if (ReadElement(written.data(), written.size(), tag, back.get()) != TDWXML::S_OK_XML) {
        Fail("a written sensor element does not read back");
    }
    if (WriteElement(tag, back.get()) != written) {
        Fail("a sensor element read back is written differently");
    }
    return 0;
}
