// Fuzzes the import of sensor calibration files: after the first byte, which
// picks the sensor, the input is the file, imported as the calibration
// dialogs import it; the text a sensor writes is the file it exports. The
// invariants are those of tw_fuzz::CheckSensorReader.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "xmlfiles/SensorImportExport.h"

using Config2004::CSensorImportExport;

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
    if (!settingsInScratch) {
        return 0;
    }
    tw_fuzz::CheckSensorReader(
        data, size,
        [](CSensor& sensor, std::string_view text) {
            tw_fuzz::WriteFile(input, reinterpret_cast<const unsigned char*>(text.data()),
                               text.size());
            return CSensorImportExport().ImportSensor(&sensor, CString(input.c_str())) != 0;
        },
        [](CSensor& sensor) {
            if (!CSensorImportExport().ExportSensor(&sensor, CString(output.c_str()))) {
                tw_fuzz::Fail("a sensor that was imported cannot be exported");
            }
            return tw_fuzz::ReadFile(output);
        });
    return 0;
}
