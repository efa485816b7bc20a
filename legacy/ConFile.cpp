#include "legacy/ConFile.h"

#include <memory>

#include "core/Catalogue.h"
#include "legacy/ConMessages.h"
#include "legacy/LegacyConFile.h"
#include "platform/Diagnostics.h"
#include "platform/FileNames.h"
#include "platform/ReadNotes.h"
#include "platform/xml/AtomicFile.h"
#include "platform/xml/FileImage.h"
#include "xmlfiles/CTDImportExport.h"
#include "xmlfiles/PreReadConFile.h"

using Config2004::CCTDImportExport;
using Config2004::CPreReadConFile;
using namespace ConMessages;

namespace {

// Whether the bytes begin, after blanks and a byte order mark, as markup: a
// file the legacy format never explains.
bool LooksLikeMarkup(const std::string& bytes) {
    for (const char ch : bytes) {
        if (ch == '<') {
            return true;
        }
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n' && ch != '\xEF' && ch != '\xBB' &&
            ch != '\xBF') {
            return false;
        }
    }
    return false;
}

// The pre-reader's reason for a file that looks like a document but is not
// one the legacy format reads either.
bool MarkupReason(const CString& path, const SIOResult& xmlWhy, SIOResult* result) {
    std::string ignored;
    int osError = 0;
    const auto image = TDWXML::CFileImage::Get(path, &ignored, &osError);
    if (!image || xmlWhy.ok || !LooksLikeMarkup(image->Bytes())) {
        return false;
    }
    *result = xmlWhy;
    return true;
}

// Reads the .xmlcon file into an instrument of the model ctdID: into ctd
// when there is one, else into a new instrument handed to *made (a read
// makes its own instrument, which a caller without one then need not copy).
int ReadDocument(const CString& path, int ctdID, CCTD* ctd, std::unique_ptr<CCTD>* made,
                 SIOResult* result, SMessage* message) {
    const CString fileName = ExtractFileName(path);
    const CReadNotes notes;
    CCTDImportExport importer;
    std::unique_ptr<CCTD> read(importer.ReadConFileXML(path));
    CString text;
    if (!read || read->GetCTD_ID() != ctdID) {
        text.Format("ReadConFile - failed to read '%s'.", fileName.GetString());
    } else if (ctd && !CopyCTDObject(ctd, read.get())) {
        text = "ReadConFile failed to copy the CTD object.";
    } else {
        // The model's name is written for people and never read back.
        notes.AddWarnings(result, "Instrument", "Name");
        if (!ctd) {
            *made = std::move(read);
        }
        return 1;
    }
    CDiagnostics::Log(text, 0);
    SIOResult refused;
    Refuse(&refused, message, text, kXmlFailed, kWarning, Route::ConsoleWhenAsked);
    if (!read) {
        const std::unique_ptr<CCTD> model(ctd ? nullptr : CreateCTDObject(ctdID));
        refused = CCTDImportExport::WhyRefused(notes, ctd ? *ctd : *model);
    }
    *result = refused;
    return 0;
}

// Reads the .xmlcon file whose model the pre-reader found into ctd.
int ReadConFileXML(const CString& path, int fileCTD_ID, CCTD* ctd, SIOResult* result,
                   SMessage* message) {
    const SCTD_Data* fileModel = GetCTD_Data(fileCTD_ID);
    if (fileModel && fileCTD_ID != ctd->GetCTD_ID()) {
        return Refuse(result, message,
                      ExtractFileName(path) + " is an instrument configuration file for a " +
                          fileModel->name + ".",
                      kWrongInstrument, kWarning, Route::ConsoleWhenAsked);
    }
    return ReadDocument(path, ctd->GetCTD_ID(), ctd, nullptr, result, message);
}

}  // namespace

int ReadCTDID(const CString& path, SIOResult* result, bool show) {
    *result = SIOResult();
    int ctdID = -1;
    SIOResult xmlWhy;
    if (CPreReadConFile::IsConXML(path, ctdID, &xmlWhy)) {
        return ctdID;
    }
    SMessage message;
    ctdID = ReadLegacyCTDID(path, result, &message);
    if (ctdID < 0) {
        MarkupReason(path, xmlWhy, result);
        if (show) {
            message.ShowWith(ReasonLine(path.str(), *result));
        }
    }
    return ctdID;
}

int ReadCTDID(const CString& path) {
    // One read of the file for the pre-reader and the legacy reader.
    const TDWXML::CFileReadScope oneRead;
    SIOResult result;
    return ReadCTDID(path, &result, true);
}

int ReadConFile(const CString& path, CCTD* ctd, SIOResult* result, bool show) {
    *result = SIOResult();
    if (!ctd) {
        CDiagnostics::Log("ReadConFile - no instrument object to read into.", 0);
        *result = SIOResult::Failure("no instrument object to read into");
        return 0;
    }
    // The pre-reader, the document reader and the legacy reader share one
    // read of the file.
    const TDWXML::CFileReadScope oneRead;
    int fileCTD_ID = -1;
    SIOResult xmlWhy;
    SMessage message;
    int read = 0;
    if (CPreReadConFile::IsConXML(path, fileCTD_ID, &xmlWhy)) {
        read = ReadConFileXML(path, fileCTD_ID, ctd, result, &message);
    } else {
        read = ReadLegacyConFile(path, ctd, result, &message);
        if (!read) {
            MarkupReason(path, xmlWhy, result);
        }
    }
    if (!read && show) {
        message.ShowWith(ReasonLine(path.str(), *result));
    }
    return read;
}

int ReadConFile(const CString& path, CCTD* ctd) {
    SIOResult result;
    return ReadConFile(path, ctd, &result, true);
}

std::unique_ptr<CCTD> ReadConfiguration(const CString& path, SIOResult* result) {
    const TDWXML::CFileReadScope oneRead;
    const int ctdID = ReadCTDID(path, result, false);
    if (ctdID < 0) {
        return nullptr;
    }
    if (!GetCTD_Data(ctdID)) {
        // The document's Type as it stands; the factory builds every model
        // of the catalogue.
        *result =
            SIOResult::Failure("Type " + std::to_string(ctdID) + " names no instrument model");
        result->path = "Instrument";
        return nullptr;
    }
    if (CPreReadConFile::IsConXML(path)) {
        std::unique_ptr<CCTD> read;
        SMessage unshown;
        ReadDocument(path, ctdID, nullptr, &read, result, &unshown);
        return read;
    }
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ReadConFile(path, ctd.get(), result, false)) {
        return nullptr;
    }
    return ctd;
}

namespace {

constexpr const char* kIncompatibleWithCon =
    "This configuration is not compatible with the .con file format.  Please save as .XMLCON "
    "file.";

// Which step of a save failed, for the message the user is shown.
enum class ESaveStep { none, document, format, file };

struct SSaved {
    SIOResult result;
    ESaveStep failed = ESaveStep::none;
};

// The path is saved as .xmlcon: longer than 4 characters and not ending in
// ".con" whatever the case.
bool IsXmlPath(const CString& path) {
    return path.GetLength() > 4 && path.Right(4).CompareNoCase(".CON") != 0;
}

SSaved Save(const CString& path, CCTD* ctd) {
    if (IsXmlPath(path)) {
        CCTDImportExport exporter;
        SIOResult result = exporter.WriteConFileXMLResult(ctd, path);
        return {result, result ? ESaveStep::none : ESaveStep::document};
    }
    std::string text;
    if (!FormatLegacyConFile(*ctd, &text)) {
        return {SIOResult::Failure(kIncompatibleWithCon), ESaveStep::format};
    }
    SIOResult result = TDWXML::detail::ReplaceFile(path.str(), text);
    return {result, result ? ESaveStep::none : ESaveStep::file};
}

}  // namespace

SIOResult WriteConFileResult(const CString& path, CCTD* ctd) {
    return Save(path, ctd).result;
}

void WriteConFile(const CString& path, CCTD* ctd) {
    const SSaved saved = Save(path, ctd);
    CString text;
    switch (saved.failed) {
        case ESaveStep::none:
            return;
        case ESaveStep::document: {
            text.Format("Failed to write instrument configuration to file '%s'.", path.GetString());
            CDiagnostics::LogError(text, static_cast<unsigned long>(saved.result.sysError), 0);
            text.Format("::WriteConFile() failed for '%s'.  See error log for details.",
                        path.GetString());
            const std::string detail = "The error log: " + CDiagnostics::LogFilePath();
            Show(text, "", kPlain, Route::ConsoleWhenAsked, detail.c_str());
            return;
        }
        case ESaveStep::format:
            Show(kIncompatibleWithCon, "Error", MB_OK | MB_ICONINFORMATION,
                 Route::ConsoleWhenAsked);
            return;
        case ESaveStep::file:
            CDiagnostics::Log(
                CString("WriteConFile: ") + path + ": " + saved.result.message.c_str(), 0);
            text.Format("Could not open %s\nin ::WriteConFile().", path.GetString());
            Show(text, "", kPlain, Route::ConsoleWhenAsked, saved.result.message.c_str());
            return;
    }
}
