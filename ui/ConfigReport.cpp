#include "ui/ConfigReport.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "platform/Diagnostics.h"
#include "platform/FileNames.h"
#include "platform/MessageBox.h"
#include "platform/ReportViewer.h"
#include "xmlfiles/SensorImportExport.h"

namespace {

constexpr const char* kReportTitle = "Configuration Report";
// Room left in a path for the name of a report file.
constexpr int kFileNameRoom = 14;

CString Quoted(const CString& text) {
    return "\"" + text + "\"";
}

// The configuration's file name with the extension "txt"; empty without one.
CString SuggestedName(const CString& configPath) {
    if (configPath.IsEmpty()) {
        return CString();
    }
    const CString name = ExtractFileName(configPath);
    const CString extension = ExtractExtension(name);
    return name.Left(name.GetLength() - extension.GetLength()) + ".txt";
}

// The viewer beside the host program's executable.
bool ViewerPath(CString& viewer) {
    std::string executable(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size() - 1);
    if (length <= 0) {
        return false;
    }
    executable.resize(static_cast<std::size_t>(length));
    viewer = ExtractDirectory(CString(executable)) + "TDWTempFileViewer";
    return true;
}

// The viewer's command line, recorded with the request for the log.
CString ViewerCommandLine(const SReportRequest& request) {
    CString viewer;
    if (!ViewerPath(viewer)) {
        CDiagnostics::LogError("GetModuleFileName() failed in  CConDlg::OnReport().",
                               static_cast<unsigned long>(errno), 0);
        return Quoted(request.path);
    }
    CString line = Quoted(viewer);
    line += " /Path=" + Quoted(request.path);
    line += " /IniFile=" + Quoted(request.iniFile);
    line += " /Section=" + Quoted(request.title);
    line += " /Key=Folder";
    line += " /Delete=1";
    line += " /WindowTitle=" + Quoted(request.title);
    if (!request.suggestedName.IsEmpty()) {
        line += " /SaveFileName=" + Quoted(request.suggestedName);
    }
    return line;
}

bool CreateFolder(const CString& folder) {
    if (GetOrCreateFolder(folder)) {
        return true;
    }
    CString text;
    text.Format("Failed to create folder '%s' for temporary files..", folder.GetString());
    CDiagnostics::LogError(text, static_cast<unsigned long>(errno), 0);
    return false;
}

// Writes the report into a new unique file of the folder; its path, or
// empty (logged) when it cannot be written.
CString WriteReportFile(const CString& folder, const CCTD& ctd, const CString& configPath,
                        int changed) {
    std::string path = folder.str() + "RPTXXXXXX";
    const int descriptor = ::mkstemp(path.data());
    if (descriptor < 0) {
        CString text;
        text.Format("Failed to create a report file in '%s'.", folder.GetString());
        CDiagnostics::LogError(text, static_cast<unsigned long>(errno), 0);
        return CString();
    }
    std::ostringstream report;
    ctd.Report(report, configPath, changed);
    const std::string text = report.str();
    std::FILE* file = ::fdopen(descriptor, "w");
    if (file == nullptr) {
        ::close(descriptor);
    }
    const bool written = file != nullptr &&
                         std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fclose(file) == 0;
    if (!written) {
        CString message;
        message.Format("Failed to write the report file '%s'.", path.c_str());
        CDiagnostics::LogError(message, static_cast<unsigned long>(errno), 0);
        std::remove(path.c_str());
        return CString();
    }
    return CString(path);
}

}  // namespace

bool GetReportFolder(CString& folder) {
    // Prepared for every report rather than once: the temporary folder may be
    // cleaned while the host runs.
    const char* tmpdir = std::getenv("TMPDIR");
    CString base = tmpdir != nullptr && *tmpdir != '\0' ? CString(tmpdir) : CString("/tmp");
    std::error_code error;
    if (!std::filesystem::is_directory(base.str(), error)) {
        CString text;
        text.Format(
            "The folder designated for your temporary files, '%s', does not exist. Please "
            "consult your system administrator.",
            base.GetString());
        CDiagnostics::Log(text, 0);
        TWMessageBox(text, "", MB_OK | MB_ICONERROR);
        return false;
    }
    if (base.Right(1) != "/") {
        base += "/";
    }
    const CString company = base + "Tidewren/";
    const CString reports = company + "ConfigReport/";
    if (!CreateFolder(company) || !CreateFolder(reports)) {
        return false;
    }
    if (reports.GetLength() + kFileNameRoom >= PATH_MAX) {
        CString text;
        text.Format("Path for temp files, '%s', is too long.", reports.GetString());
        CDiagnostics::Log(text, 0);
        return false;
    }
    folder = reports;
    return true;
}

bool ShowConfigurationReport(const CCTD& ctd, const CString& configPath, int changed) {
    CString folder;
    if (!GetReportFolder(folder)) {
        return false;
    }
    SReportRequest request;
    request.path = WriteReportFile(folder, ctd, configPath, changed);
    if (request.path.IsEmpty()) {
        return false;
    }
    request.title = kReportTitle;
    request.suggestedName = SuggestedName(configPath);
    request.iniFile = Config2004::CSensorImportExport::GetIniFullPath();
    request.deleteWhenClosed = true;
    request.commandLine = ViewerCommandLine(request);
    // The viewer runs on its own; nothing waits for it to show the file.
    if (!TWShowReport(request)) {
        CDiagnostics::LogError(
            "CConfigurePropertySheet::DisplayTempFile() failed to launch "
            "TDWTempFileViewer",
            static_cast<unsigned long>(errno), 0);
        return false;
    }
    return true;
}
