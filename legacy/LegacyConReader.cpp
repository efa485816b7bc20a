// ReadCTDID and ReadConFile on legacy ASCII configuration files.

#include <memory>

#include "core/Catalogue.h"
#include "legacy/ConMessages.h"
#include "legacy/ConReader.h"
#include "legacy/InstrumentLines.h"
#include "legacy/LegacyConFile.h"
#include "legacy/SensorLines.h"
#include "platform/FileNames.h"

using namespace ConMessages;

namespace {

constexpr int kTurner10005 = 14;
constexpr int kTurner10Au005 = 16;
constexpr int kCodeTDW62 = 136;
constexpr int kHeaderLine = 39;
constexpr int kFirstSelectorLine = 40;

CString OpenFailure(const CString& path, const char* function) {
    CString text;
    text.Format("Could not open %s\nin ::%s().", path.GetString(), function);
    return text;
}

// The file's lines when it holds at least 45; otherwise the refusal.
bool LoadLines(const CString& path, const char* function, Route openRoute, CConLines* lines,
               SIOResult* result, SMessage* message) {
    std::string why;
    int osError = 0;
    if (!CConLines::Load(path, lines, &why, &osError)) {
        // The system's words say more than that the file did not open.
        Refuse(result, message, OpenFailure(path, function), "", kPlain, openRoute);
        *result = SIOResult::Failure(why, osError);
        return false;
    }
    if (lines->GetCount() < kConMinLines) {
        Refuse(result, message,
               ExtractFileName(path) + " is not an ASCII instrument configuration file.",
               kWrongFile, kWarning, Route::ConsoleWhenAsked,
               "It has " + std::to_string(lines->GetCount()) +
                   (lines->GetCount() == 1 ? " line" : " lines") + "; a configuration has " +
                   std::to_string(kConMinLines) + " or more.");
        return false;
    }
    return true;
}

// What line 39 names that this program does not read.
std::string UnreadCode(int code, const SLegacyInstrument* instrument) {
    if (instrument) {
        return std::string("Instrument code ") + std::to_string(code) + " is the " +
               GetCTD_Data(instrument->ctdID)->name + ", which is recognised but not read.";
    }
    return "Instrument code " + std::to_string(code) + " names no instrument model.";
}

int RefuseCode(const CString& path, int code, const SLegacyInstrument* instrument, Route route,
               SIOResult* result, SMessage* message) {
    return Refuse(result, message, ExtractFileName(path) + " cannot be read by this program.",
                  kUnsupported, kWarning, route, UnreadCode(code, instrument), kHeaderLine);
}

// Step 14: no more sensors of one kind than a configuration may hold.
bool WithinSensorLimits(const CCTD& ctd, SIOResult* result, SMessage* message) {
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
        Refuse(result, message, text, kUnsupported, kWarning, Route::AlwaysBox);
        return false;
    }
    return true;
}

// A file cut short reads, but its last lines take their defaults, and a last
// line without its line end may have lost digits.
void WarnIfCut(const CConLines& lines, SIOResult* result) {
    if (lines.GetCount() < kConLastLine || !lines.EndsWithLineEnd()) {
        result->warnings.push_back("the file ends at line " + std::to_string(lines.GetCount()) +
                                   "; the lines after it take their defaults");
    }
}

}  // namespace

int ReadLegacyCTDID(const CString& path, SIOResult* result, SMessage* message) {
    *result = SIOResult();
    CConLines lines("");
    if (!LoadLines(path, "SelectConFile", Route::ConsoleWhenAsked, &lines, result, message)) {
        return -1;
    }
    double fields[4];
    ScanLine(lines.Line(kHeaderLine), "%d %d %d %d", fields, 4);
    const int code = ClampToInt(fields[3]);
    const SLegacyInstrument* instrument = FindLegacyInstrumentByCode(code);
    if (!instrument) {
        RefuseCode(path, code, nullptr, Route::AlwaysBox, result, message);
        return -1;
    }
    return instrument->ctdID;
}

int ReadLegacyConFile(const CString& path, CCTD* ctd, SIOResult* result, SMessage* message) {
    *result = SIOResult();
    CConLines lines("");
    if (!LoadLines(path, "ReadConFile", Route::AlwaysBox, &lines, result, message)) {
        return 0;
    }
    CConReader reader(lines);
    reader.ReadHeader();
    const SConHeader& header = reader.Header();
    const SLegacyInstrument* instrument = FindLegacyInstrumentByCode(header.code);
    if (instrument && instrument->read && instrument->ctdID != ctd->GetCTD_ID()) {
        return Refuse(result, message,
                      ExtractFileName(path) + " is an instrument configuration file for a " +
                          GetCTD_Data(instrument->ctdID)->name + ".",
                      kWrongInstrument, kWarning, Route::ConsoleWhenAsked, {}, kHeaderLine);
    }
    if (!instrument || !instrument->read) {
        return RefuseCode(path, header.code, instrument, Route::ConsoleWhenAsked, result, message);
    }
    if (header.code == kCodeTDW62 && header.freqAdded != 0) {
        CString text;
        text.Format(
            "This program will not work with %s ASCII configuration\nfiles that include optional "
            "frequencies.",
            ctd->GetCTD_Name().GetString());
        return Refuse(result, message, text, kUnsupported, kWarning, Route::AlwaysBox, {},
                      kHeaderLine);
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
        return Refuse(result, message, text, kUnsupported, kWarning, Route::AlwaysBox);
    }
    const int misfit = reader.MoveSensorsInto(*working);
    if (misfit >= 0) {
        CString text;
        text.Format("%s: channel %d holds a sensor that the %s cannot carry there.",
                    ExtractFileName(path).GetString(), misfit, working->GetCTD_Name().GetString());
        return Refuse(result, message, text, kUnsupported, kWarning, Route::ConsoleWhenAsked, {},
                      kFirstSelectorLine + misfit / 10);
    }
    if (!WithinSensorLimits(*working, result, message) || !CopyCTDObject(ctd, working.get())) {
        return 0;
    }
    WarnIfCut(lines, result);
    return 1;
}
