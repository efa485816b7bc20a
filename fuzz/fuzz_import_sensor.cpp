// Fuzzes the import of sensor calibration files. The first byte picks the
// sensor ID (modulo the number of IDs); the rest is the file, imported into a
// sensor of that ID as the calibration dialogs import it.
//
// Invariants: a failed import leaves the sensor as it was; a sensor that
// imports exports a file that imports into an equal sensor, and that sensor
// exports the same file again.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "core/SensorArray.h"
#include "xmlfiles/SensorImportExport.h"

namespace {

using Config2004::CSensorImportExport;
using tw_fuzz::Fail;

std::string Export(CSensor* sensor, const std::string& path) {
    if (!CSensorImportExport().ExportSensor(sensor, CString(path.c_str()))) {
        Fail("a sensor that was imported cannot be exported");
    }
    return tw_fuzz::ReadFile(path);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tw_fuzz::CScratchFolder folder;
    // The remembered folders go to the scratch folder too.
    static const bool settingsInScratch =
        setenv("LOCALAPPDATA", folder.File("settings").c_str(), 1) == 0;
    static const std::string input = folder.File("input.xml");
    static const std::string output = folder.File("output.xml");
    if (size < 1 || !settingsInScratch) {
        return 0;
    }
    const int sensorID = data[0] % NUM_SENSOR_IDS;
    const std::unique_ptr<CSensor> sensor(CreateSensorObject(sensorID));
    if (!sensor) {
        return 0;
    }
    const std::unique_ptr<CSensor> before(CreateSensorObject(sensorID));
    if (!CopySensorObject(before.get(), sensor.get())) {
        Fail("a sensor cannot be copied into one of its own class");
    }
    tw_fuzz::WriteFile(input, data + 1, size - 1);
    CSensorImportExport importer;
    if (!importer.ImportSensor(sensor.get(), CString(input.c_str()))) {
        if (!SensorObjectsEqual(sensor.get(), before.get())) {
            Fail("a failed import changed the sensor");
        }
        return 0;
    }

    // The sensor imported may hold more digits than the file's number
    // formats keep, so the file it exports is what must come back.
    const std::string exported = Export(sensor.get(), output);
    const std::unique_ptr<CSensor> back(CreateSensorObject(sensorID));
    if (!importer.ImportSensor(back.get(), CString(output.c_str()))) {
        Fail("an exported sensor file does not import");
    }
    if (Export(back.get(), output) != exported) {
        Fail("a sensor imported from its own file exports another file");
    }
    // A coefficient that is not a number (NaN) never equals itself.
    if (SensorObjectsEqual(back.get(), back.get())) {
        const std::unique_ptr<CSensor> again(CreateSensorObject(sensorID));
        if (!importer.ImportSensor(again.get(), CString(output.c_str())) ||
            !SensorObjectsEqual(again.get(), back.get())) {
            Fail("a sensor file imports into unequal sensors");
        }
    }
    return 0;
}
