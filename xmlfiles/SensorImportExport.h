#pragma once
// CSensorImportExport: one sensor's calibration in a file of its own, saved
// and loaded back; or loaded from a whole instrument configuration by taking
// the matching sensor out of it. For each kind of sensor (its registry XML
// element) the settings file remembers the folder of the last sensor file
// saved or loaded.
//
// Sensor file: the root is the sensor's registry element with the attributes
// "SensorID" and "TW_ConfigCTD_FileVersion", holding "SerialNumber",
// "CalibrationDate" and the sensor's coefficient elements.
//
// A failed import is shown to the user (TWMessageBox) and leaves the sensor
// as it was; a failed export returns 0 without a message.

#include "core/Sensor.h"
#include "platform/CString.h"
#include "platform/IOResult.h"

class CWnd;

namespace Config2004 {

class CSensorImportExport {
  public:
    CSensorImportExport() = default;
    CSensorImportExport(const CSensorImportExport&) = default;
    CSensorImportExport& operator=(const CSensorImportExport&) = default;
    virtual ~CSensorImportExport() = default;

    // Writes the sensor file (replacing an existing file in one step); 1 on
    // success.
    int ExportSensor(CSensor* sensor, CString path);
    // The same, with why the file could not be written.
    SIOResult ExportSensorResult(CSensor* sensor, CString path);
    // Asks for the file with a save dialog first; 0 when it is cancelled.
    int ExportSensor(CSensor* sensor, CWnd* parent);

    // Reads a sensor file into the sensor; 1 on success.
    int ImportSensor(CSensor* sensor, CString path);
    // Asks for a sensor file or a configuration file with an open dialog,
    // then imports it as ImportSensorFrom does; 1 when the sensor was
    // replaced.
    int ImportSensor(CSensor* sensor, CWnd* parent);

    // Imports from a chosen file, by its extension: a .con or .xmlcon
    // configuration, or a .xml that is either a configuration or a sensor
    // file. From a configuration the sensor of the same sensor ID is taken;
    // when there are several the user chooses one (TWChoiceDialog, one row
    // per sensor). 1 when the sensor was replaced.
    int ImportSensorFrom(CSensor* sensor, CString path, CWnd* parent = nullptr);

    // The settings file "TW_ConfigCTD.ini" in the per-user settings folder.
    static CString GetIniFullPath();
    // The remembered folder of the section; else the user's own folder; else
    // empty (logged).
    static CString GetFolderFromConfigIni(const char* section);
    // Remembers the folder of the file under the section.
    static void SaveFolderToConfigIni(const char* section, const CString& filePath);
};

}  // namespace Config2004
