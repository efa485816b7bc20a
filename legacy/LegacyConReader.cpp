// ReadCTDID and ReadConFile on legacy ASCII configuration files.

#include <memory>

#include "core/Catalogue.h"
#include "legacy/ConMessages.h"
#include "legacy/ConReader.h"
#include "legacy/InstrumentLines.h"
#include "legacy/LegacyConFile.h"
#include "platform/FileNames.h"

using namespace ConMessages;

namespace {

constexpr int kTurner10005 = 14;
constexpr int kTurner10Au005 = 16;
constexpr int kCodeTDW62 = 136;

CString OpenFailure(const CString& path, const char* function) {
    CString text;
    text.Format("Could not open %s\nin ::%s().", path.GetString(), function);
    return text;
}

// The file's lines when it holds at least 45; otherwise the user is told.
bool LoadLines(const CString& path, const char* function, Route openRoute, CConLines* lines) {
    if (!CConLines::Load(path, lines)) {
        Show(OpenFailure(path, function), "", kPlain, openRoute);
        return false;
    }
    if (lines->GetCount() < kConMinLines) {
        Show(ExtractFileName(path) + " is not an ASCII instrument configuration file.", kWrongFile,
             kWarning, Route::ConsoleWhenAsked);
        return false;
    }
    return true;
}

void ShowCannotBeRead(const CString& path, Route route) {
    Show(ExtractFileName(path) + " cannot be read by this program.", kUnsupported, kWarning, route);
}

// Step 14: no more sensors of one kind than a configuration may hold.
bool WithinSensorLimits(const CCTD& ctd) {
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        const int sensorID = ctd.GetSensor(channel).GetSensorID();
        if (sensorID == SID_NULL) {
            continue;
        }
        const int limit = MaxSensorTypeAllowed(sensorID);
        if (ctd.DuplicateSensorCnt(sensorID) <= limit) {
            continue;
        }
        const char* name = GetSensorData(sensorID)->name;
        CString text;
        if (limit == 1) {
            text.Format(
                "This program will not work with ASCII instrument configuration files that\n"
                "include more than one %s sensor.",
                name);
        } else {
            text.Format(
                "This program will not work with ASCII instrument configuration files that\n"
                "include more than %d %s sensors.",
                limit, name);
        }
        Show(text, kUnsupported, kWarning, Route::AlwaysBox);
        return false;
    }
    return true;
}

}  // namespace

int ReadLegacyCTDID(const CString& path) {
    CConLines lines("");
    if (!LoadLines(path, "SelectConFile", Route::ConsoleWhenAsked, &lines)) {
        return -1;
    }
    double fields[4];
    ScanLine(lines.Line(39), "%d %d %d %d", fields, 4);
    const SLegacyInstrument* instrument = FindLegacyInstrumentByCode(ClampToInt(fields[3]));
    if (!instrument) {
        ShowCannotBeRead(path, Route::AlwaysBox);
        return -1;
    }
    return instrument->ctdID;
}

int ReadLegacyConFile(const CString& path, CCTD* ctd) {
    CConLines lines("");
    if (!LoadLines(path, "ReadConFile", Route::AlwaysBox, &lines)) {
        return 0;
    }
    CConReader reader(lines);
    reader.ReadHeader();
    const SConHeader& header = reader.Header();
    const SLegacyInstrument* instrument = FindLegacyInstrumentByCode(header.code);
    if (instrument && instrument->read && instrument->ctdID != ctd->GetCTD_ID()) {
        Show(ExtractFileName(path) + " is an instrument configuration file for a " +
                 GetCTD_Data(instrument->ctdID)->name + ".",
             kWrongInstrument, kWarning, Route::ConsoleWhenAsked);
        return 0;
    }
    if (!instrument || !instrument->read) {
        ShowCannotBeRead(path, Route::ConsoleWhenAsked);
        return 0;
    }
    if (header.code == kCodeTDW62 && header.freqAdded != 0) {
        CString text;
        text.Format(
            "This program will not work with %s ASCII configuration\nfiles that include optional "
            "frequencies.",
            ctd->GetCTD_Name().GetString());
        Show(text, kUnsupported, kWarning, Route::AlwaysBox);
        return 0;
    }

    const std::unique_ptr<CCTD> working(CreateCTDObject(instrument->ctdID));
    instrument->read(reader, *working);
    int line45[8];
    const int line45Count = LegacyLines::ReadLine45(reader, line45);
    if (line45Count >= 6) {
        working->SetbNMEA_Added(line45[5]);
    }
    if (line45Count >= 8) {
        working->SetbDepthAdded(line45[7]);
    }
    int line257[3];
    const int line257Count = reader.Ints(257, line257, 3);
    if (line257Count >= 2) {
        working->SetbNMEA_TimeAdded(line257[1]);
    }
    if (line257Count >= 3) {
        working->SetbNMEA_PC(line257[2]);
    }

    if (reader.BothTurnersRead()) {
        CString text;
        text.Format(
            "This program will not work with ASCII instrument configuration files that include "
            "both a\n%s sensor and a %s sensor.",
            GetSensorData(kTurner10005)->name, GetSensorData(kTurner10Au005)->name);
        Show(text, kUnsupported, kWarning, Route::AlwaysBox);
        return 0;
    }
    const int misfit = reader.MoveSensorsInto(*working);
    if (misfit >= 0) {
        CString text;
        text.Format("%s: channel %d holds a sensor that the %s cannot carry there.",
                    ExtractFileName(path).GetString(), misfit, working->GetCTD_Name().GetString());
        Show(text, kUnsupported, kWarning, Route::ConsoleWhenAsked);
        return 0;
    }
    if (!WithinSensorLimits(*working)) {
        return 0;
    }
    return CopyCTDObject(ctd, working.get());
}
