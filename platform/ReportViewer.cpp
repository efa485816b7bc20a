#include "platform/ReportViewer.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/Diagnostics.h"

extern char** environ;

namespace {

ReportViewerHandler& Handler() {
    static ReportViewerHandler handler;
    return handler;
}

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// The viewers started and not yet seen to end. Nothing waits for a viewer;
// those that have ended are collected when the next one starts, so that a
// long-running host does not keep an exited process for every report.
std::vector<pid_t>& RunningViewers() {
    static std::vector<pid_t> viewers;
    return viewers;
}

void CollectEndedViewers() {
    std::vector<pid_t>& viewers = RunningViewers();
    std::erase_if(viewers, [](pid_t viewer) { return ::waitpid(viewer, nullptr, WNOHANG) != 0; });
}

// Starts the user's viewer on the file and leaves it running. The variable
// names one program (no arguments: nothing goes through a shell).
bool StartExternalViewer(const SReportRequest& request) {
    const char* program = NonEmptyEnv("VISUAL");
    if (program == nullptr) {
        program = NonEmptyEnv("PAGER");
    }
    if (program == nullptr) {
        CDiagnostics::Log(
            CString("No report viewer: neither VISUAL nor PAGER is set, report in ") + request.path,
            0);
        return false;
    }
    std::string name(program);
    std::string file = request.path.str();
    char* argv[] = {name.data(), file.data(), nullptr};
    CollectEndedViewers();
    pid_t child = 0;
    const int error = ::posix_spawnp(&child, name.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0) {
        CDiagnostics::LogError(
            CString("Failed to start the report viewer '") + program + "' on " + request.path,
            static_cast<unsigned long>(error), 0);
        errno = error;
        return false;
    }
    RunningViewers().push_back(child);
    return true;
}

}  // namespace

bool TWShowReport(const SReportRequest& request) {
    const ReportViewerHandler& handler = Handler();
    return handler ? handler(request) : StartExternalViewer(request);
}

ReportViewerHandler SetReportViewerHandler(ReportViewerHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
