#include "platform/ReportViewer.h"

#include <cstdlib>
#include <utility>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "platform/StartProgram.h"

namespace {

ReportViewerHandler& Handler() {
    static ReportViewerHandler handler;
    return handler;
}

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// Starts the first viewer of the user's that starts on the file and leaves
// it running. Each variable names one program (no arguments: nothing goes
// through a shell).
bool StartExternalViewer(const SReportRequest& request) {
    for (const char* program : {NonEmptyEnv("VISUAL"), NonEmptyEnv("PAGER"), "xdg-open"}) {
        if (program != nullptr && TWStartProgram(program, request.path)) {
            return true;
        }
    }
    CDiagnostics::Log(
        CString("No report viewer started (VISUAL, PAGER, xdg-open); report in ") + request.path,
        0);
    TWMessageBox(CString("No program could be started to show the report. It is in the file ") +
                     request.path + ".",
                 request.title, MB_OK | MB_ICONINFORMATION);
    return false;
}

}  // namespace

bool TWShowReport(const SReportRequest& request) {
    const ReportViewerHandler& handler = Handler();
    return handler ? handler(request) : StartExternalViewer(request);
}

ReportViewerHandler SetReportViewerHandler(ReportViewerHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
