#include "xmlfiles/SensorImportExport.h"

#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorWriteOptions.h"
#include "platform/ChoiceDialog.h"
#include "platform/Diagnostics.h"
#include "platform/FileDialog.h"
#include "platform/FileNames.h"
#include "platform/IOResult.h"
#include "platform/IniSettings.h"
#include "platform/MessageBox.h"
#include "platform/xml/FileImage.h"
#include "xmlfiles/CTDImportExport.h"
#include "xmlfiles/InstrumentReader.h"

namespace Config2004 {

using TDWXML::S_OK_XML;

namespace {

constexpr const char* kIniFileName = "TW_ConfigCTD.ini";
constexpr const char* kPathKey = "Path";
constexpr const char* kPathNotFound = "<path_not_found>";
constexpr const char* kImportCaption = "Failed to import sensor";
constexpr const char* kSensorFileFilter = "XML files (*.XML)|*.XML||";
constexpr const char* kImportFilter =
    "XML files (*.XML)|*.XML|XML Instrument configuration (*.XMLCON) files|*.XMLCON|"
    "Instrument configuration (*.CON) files|*.CON||";
constexpr const char* kDefaultExtension = "XML";
// Message texts are cut to the length the message buffer holds.
constexpr int kMessageLength = 519;
constexpr int kReadDocKind = 1;
constexpr int kTagSize = 256;

const char* RootTagOf(const CSensor& sensor) {
    const SSensorData* row = GetSensorData(sensor.GetSensorID());
    return row ? row->xmlTag : "";
}

// The detail, when given, is the reason in full: what the reader found
// where, which the message itself does not say.
void ShowImportFailure(const CString& text, unsigned icon, const std::string& detail = {}) {
    TWMessageBox(text.Left(kMessageLength), kImportCaption, MB_OK | icon, MessageRoute::asHostAsks,
                 detail.empty() ? nullptr : detail.c_str());
}

// The message for a sensor file that could not be read; empty when none is
// shown.
CString ReadFailureText(const TDWXML::CReadDoc& doc, long status, const CString& path,
                        const char* rootTag) {
    CString text;
    if (status == TDWXML::E_WRONG_OBJECT) {
        text.Format("%s contains the wrong kind of '%s'.", path.GetString(), rootTag);
    } else if (status == TDWXML::E_WRONG_ROOT) {
        char actual[kTagSize] = {};
        if (doc.GetRootTag(actual, kTagSize)) {
            text.Format("%s has the wrong tag at the root: '%s'.\nExpected '%s'.", path.GetString(),
                        actual, rootTag);
        }
    } else {
        text.Format("Failed to read in %s from the XML file\n\n%s.", rootTag, path.GetString());
    }
    return text;
}

// One row of the choice among several sensors.
CString ChoiceRow(const CCTD& ctd, int channel) {
    const CSensor& sensor = ctd.GetSensor(channel);
    CString row;
    row.Format("Calibration date: %s, Serial number: %s, Name: %s", sensor.GetCalDate().GetString(),
               sensor.GetSerialNum().GetString(), ctd.SensorNameOrdinal(channel).GetString());
    return row;
}

// Copies the instrument's sensor of the target's sensor ID into the target;
// the user chooses when there are several.
int TakeMatchingSensor(CSensor* target, const CCTD& ctd, CWnd* parent) {
    std::vector<int> channels;
    for (int i = 0; i < ctd.GetSensorArray().GetSize(); ++i) {
        if (ctd.GetSensor(i).GetSensorID() == target->GetSensorID()) {
            channels.push_back(i);
        }
    }
    if (channels.empty()) {
        CString text;
        text.Format(
            "The configuration file selected is not compatible with the specified '%s' "
            "sensor.",
            target->GetSensorName().GetString());
        ShowImportFailure(text, MB_ICONINFORMATION);
        return 0;
    }
    int chosen = 0;
    if (channels.size() > 1) {
        SChoiceRequest request;
        request.title = "Select Sensor to Import";
        request.owner = parent;
        for (int channel : channels) {
            request.rows.push_back(ChoiceRow(ctd, channel));
        }
        chosen = TWChoiceDialog(request);
        if (chosen < 0) {
            return 0;
        }
    }
    return CopySensorObject(target, &ctd.GetSensor(channels[static_cast<std::size_t>(chosen)]));
}

}  // namespace

CString CSensorImportExport::GetIniFullPath() {
    return GetSettingsFolder() + kIniFileName;
}

CString CSensorImportExport::GetFolderFromConfigIni(const char* section) {
    const CString remembered = ReadIniText(GetIniFullPath(), section, kPathKey, kPathNotFound);
    if (!remembered.IsEmpty() && remembered.CompareNoCase(kPathNotFound) != 0) {
        return remembered;
    }
    CString profile;
    if (!GetUserProfileFolder(profile)) {
        CDiagnostics::LogError("WARNING: Failed to get USERPROFILE environment variable.", ENOENT,
                               1);
    }
    return profile;
}

void CSensorImportExport::SaveFolderToConfigIni(const char* section, const CString& filePath) {
    // A folder that cannot be remembered costs the user only a later detour.
    WriteIniText(GetIniFullPath(), section, kPathKey, ExtractDirectory(filePath));
}

int CSensorImportExport::ExportSensor(CSensor* sensor, CString path) {
    return ExportSensorResult(sensor, path) ? 1 : 0;
}

SIOResult CSensorImportExport::ExportSensorResult(CSensor* sensor, CString path) {
    if (!sensor) {
        return SIOResult::Failure("no sensor to write");
    }
    const char* rootTag = RootTagOf(*sensor);
    CSensorWriteOptions::SetWriteVersionInSensors(true);
    SIOResult result = TDWXML::WriteDocument(path, rootTag, sensor);
    if (result) {
        SaveFolderToConfigIni(rootTag, path);
    }
    return result;
}

int CSensorImportExport::ExportSensor(CSensor* sensor, CWnd* parent) {
    if (!sensor) {
        return 0;
    }
    SFileDialogRequest request;
    request.save = true;
    request.filters = FileFiltersFrom(kSensorFileFilter);
    request.customFilter = SFileFilter{"XML Files (*.XML)", "*.XML"};
    request.defaultExtension = kDefaultExtension;
    request.initialFolder = GetFolderFromConfigIni(RootTagOf(*sensor));
    request.promptOverwrite = true;
    request.owner = parent;
    const std::optional<CString> path = TWFileDialog(request);
    return path ? ExportSensor(sensor, *path) : 0;
}

int CSensorImportExport::ImportSensor(CSensor* sensor, CString path) {
    if (!sensor) {
        return 0;
    }
    const char* rootTag = RootTagOf(*sensor);
    const std::unique_ptr<TDWXML::CReadDoc> doc(TDWXML::CDocFactory::CreateReadDoc(kReadDocKind));
    // Read into a copy, so that the sensor changes only when all of it was read.
    std::unique_ptr<CSensor> copy(static_cast<CSensor*>(sensor->GetRuntimeClass()->CreateObject()));
    if (!doc || !copy || !CopySensorObject(copy.get(), sensor)) {
        return 0;
    }
    CString text;
    std::string detail;
    if (doc->Load(path) != S_OK_XML) {
        const TDWXML::SLoadError error = doc->GetLastError();
        if (error.line > 0) {
            // The message gives the place; the detail what the parser found.
            SIOResult why = SIOResult::Failure(error.reason.str());
            why.line = error.line;
            why.column = error.position;
            detail = ReasonLine(path.str(), why);
            text.Format("Error on line %d, position %d in %s.\n", error.line, error.position,
                        path.GetString());
        } else {
            text.Format("Error parsing XML file %s:\n\n%s.", path.GetString(),
                        error.reason.GetString());
        }
    } else if (const long status = doc->ReadRoot(rootTag, copy.get()); status != S_OK_XML) {
        text = ReadFailureText(*doc, status, path, rootTag);
    } else {
        CopySensorObject(sensor, copy.get());
        SaveFolderToConfigIni(rootTag, path);
        return 1;
    }
    if (!text.IsEmpty()) {
        ShowImportFailure(text, MB_ICONERROR, detail);
    }
    return 0;
}

int CSensorImportExport::ImportSensor(CSensor* sensor, CWnd* parent) {
    if (!sensor) {
        return 0;
    }
    SFileDialogRequest request;
    request.filters = FileFiltersFrom(kImportFilter);
    request.defaultExtension = kDefaultExtension;
    request.initialFolder = GetFolderFromConfigIni(RootTagOf(*sensor));
    request.mustExist = true;
    request.owner = parent;
    const std::optional<CString> path = TWFileDialog(request);
    return path ? ImportSensorFrom(sensor, *path, parent) : 0;
}

int CSensorImportExport::ImportSensorFrom(CSensor* sensor, CString path, CWnd* parent) {
    if (!sensor || path.GetLength() < 3) {
        return 0;
    }
    CString extension = ExtractExtension(path);
    extension.MakeLower();
    std::unique_ptr<CCTD> ctd;
    if (extension == ".con" || extension == ".xmlcon") {
        ctd = ReadInstrument(path);
    } else if (extension == ".xml") {
        CCTDImportExport reader;
        ctd.reset(reader.ReadConFileXML(path));
        if (!ctd) {
            return ImportSensor(sensor, path);
        }
    }
    // No folder is remembered for a sensor taken from a configuration.
    return ctd ? TakeMatchingSensor(sensor, *ctd, parent) : 0;
}

}  // namespace Config2004
