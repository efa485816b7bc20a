#include "legacy/ConFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "core/Catalogue.h"
#include "legacy/LegacyConFile.h"
#include "platform/Diagnostics.h"
#include "platform/FileNames.h"
#include "platform/MessageBox.h"
#include "platform/xml/FileImage.h"
#include "xmlfiles/CTDImportExport.h"
#include "xmlfiles/PreReadConFile.h"

using Config2004::CCTDImportExport;
using Config2004::CPreReadConFile;

namespace {

constexpr const char* kCaptionWrongInstrument = "Wrong Type of Instrument Configuration File";
constexpr const char* kCaptionXmlFailed = "Failed to read .XMLCON file";
// The exclamation icon of most messages, and the plain box without caption.
constexpr unsigned kWarning = MB_OK | MB_ICONWARNING;
constexpr unsigned kPlain = MB_OK;

// A message that the host sees in a message box even when it routes errors to
// standard error.
void ShowInBox(const CString& text, const char* caption, unsigned flags) {
    TWMessageBoxInBox(text, caption, flags);
}

// A message that goes to standard error when the host asks for it.
void Show(const CString& text, const char* caption, unsigned flags) {
    TWMessageBox(text, caption, flags);
}

// The file can be opened for reading; otherwise false.
bool CanOpen(const CString& path) {
    std::FILE* file = std::fopen(path, "r");
    if (!file) {
        return false;
    }
    std::fclose(file);
    return true;
}

CString OpenFailure(const CString& path, const char* function) {
    CString text;
    text.Format("Could not open %s\nin ::%s().", path.GetString(), function);
    return text;
}

void ShowXmlReadFailure(const CString& text) {
    CDiagnostics::Log(text, 0);
    Show(text, kCaptionXmlFailed, kWarning);
}

// Reads the .xmlcon file whose model the pre-reader found into ctd.
int ReadConFileXML(const CString& path, int fileCTD_ID, CCTD* ctd) {
    const CString fileName = ExtractFileName(path);
    const SCTD_Data* fileModel = GetCTD_Data(fileCTD_ID);
    if (fileModel && fileCTD_ID != ctd->GetCTD_ID()) {
        Show(fileName + " is an instrument configuration file for a " + fileModel->name + ".",
             kCaptionWrongInstrument, kWarning);
        return 0;
    }
    CCTDImportExport importer;
    const std::unique_ptr<CCTD> read(importer.ReadConFileXML(path));
    if (!read || read->GetCTD_ID() != ctd->GetCTD_ID()) {
        CString text;
        text.Format("ReadConFile - failed to read '%s'.", fileName.GetString());
        ShowXmlReadFailure(text);
        return 0;
    }
    if (!CopyCTDObject(ctd, read.get())) {
        ShowXmlReadFailure("ReadConFile failed to copy the CTD object.");
        return 0;
    }
    return 1;
}

// The path is saved as .xmlcon: longer than 4 characters and not ending in
// ".con" whatever the case.
bool IsXmlPath(const CString& path) {
    return path.GetLength() > 4 && path.Right(4).CompareNoCase(".CON") != 0;
}

}  // namespace

int ReadCTDID(const CString& path) {
    int ctdID = -1;
    if (CPreReadConFile::IsConXML(path, ctdID)) {
        return ctdID;
    }
    if (!CanOpen(path)) {
        Show(OpenFailure(path, "SelectConFile"), "", kPlain);
        return -1;
    }
    return ReadLegacyCTDID(path);
}

int ReadConFile(const CString& path, CCTD* ctd) {
    if (!ctd) {
        CDiagnostics::Log("ReadConFile - no instrument object to read into.", 0);
        return 0;
    }
    // The pre-reader and the document reader share one read of the file.
    const TDWXML::CFileReadScope oneRead;
    int fileCTD_ID = -1;
    if (CPreReadConFile::IsConXML(path, fileCTD_ID)) {
        return ReadConFileXML(path, fileCTD_ID, ctd);
    }
    if (!CanOpen(path)) {
        ShowInBox(OpenFailure(path, "ReadConFile"), "", kPlain);
        return 0;
    }
    return ReadLegacyConFile(path, ctd);
}

void WriteConFile(const CString& path, CCTD* ctd) {
    if (IsXmlPath(path)) {
        CCTDImportExport exporter;
        errno = 0;
        if (!exporter.WriteConFileXML(ctd, path)) {
            const unsigned long error = static_cast<unsigned long>(errno);
            CString text;
            text.Format("Failed to write instrument configuration to file '%s'.", path.GetString());
            CDiagnostics::LogError(text, error, 0);
            text.Format("::WriteConFile() failed for '%s'.  See error log for details.",
                        path.GetString());
            Show(text, "", kPlain);
        }
        return;
    }
    WriteLegacyConFile(path, ctd);
}
