#pragma once
// Showing a configuration report that was written to a temporary file. A
// host with a window installs a handler that shows the file in its own
// report window; with none installed the file is opened in the program named
// by $VISUAL or $PAGER.

#include <functional>

#include "platform/CString.h"

struct SReportRequest {
    CString path;           // the temporary file holding the report
    CString title;          // "Configuration Report"
    CString suggestedName;  // the name offered for saving a copy; may be empty
    CString iniFile;        // the settings file that remembers the save folder
    bool deleteWhenClosed = true;
    CString commandLine;  // the viewer program's command line, for the log
};

// Shows the report; false when no viewer could be started (the reason is in
// the diagnostics log, and the user was told where the report is).
bool TWShowReport(const SReportRequest& request);

using ReportViewerHandler = std::function<bool(const SReportRequest&)>;
// Installs the handler and returns the one it replaces; an empty handler
// restores the external program.
ReportViewerHandler SetReportViewerHandler(ReportViewerHandler handler);
