#include "platform/Diagnostics.h"

#include <pwd.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/FileNames.h"

namespace {

// The sink, place source and observer are each thread's own: a host that
// reads on several threads at once watches each read on the thread that reads.
CDiagnostics::Sink& CurrentSink() {
    thread_local CDiagnostics::Sink sink;
    return sink;
}

CDiagnostics::PlaceSource& PlaceSourceSlot() {
    thread_local CDiagnostics::PlaceSource source;
    return source;
}

CDiagnostics::ReadObserver& ReadObserverSlot() {
    thread_local CDiagnostics::ReadObserver observer;
    return observer;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) {
        return home;
    }
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found &&
        found->pw_dir) {
        home = found->pw_dir;
    }
    return home;
}

// One entry is one line: line ends inside the text become blanks.
std::string OneLine(const char* text) {
    std::string line = text ? text : "";
    for (char& ch : line) {
        if (ch == '\n' || ch == '\r') {
            ch = ' ';
        }
    }
    return line;
}

std::string Timestamp() {
    const time_t now = time(nullptr);
    struct tm local {};
    char buffer[32] = "0000-00-00 00:00:00";
    if (localtime_r(&now, &local)) {
        strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    }
    return buffer;
}

void WriteFile(const std::string& text, int level) {
    try {
        const std::string path = CDiagnostics::LogFilePath();
        if (path.empty()) {
            return;
        }
        if (Environment("TW_CONFIGCTD_LOG").empty()) {
            // The default folder may not exist yet on a fresh account.
            GetOrCreateFolder(ExtractDirectory(CString(path)));
        }
        std::FILE* file = std::fopen(path.c_str(), "ae");
        if (!file) {
            return;
        }
        const std::string place = CDiagnostics::CurrentPlace();
        std::fprintf(file, "%s level %d: %s%s%s%s\n", Timestamp().c_str(), level, text.c_str(),
                     place.empty() ? "" : " [at ", place.c_str(), place.empty() ? "" : "]");
        std::fclose(file);
    } catch (...) {
        // The log is a record for maintainers; it never disturbs the caller.
    }
}

void Write(const std::string& text, int level) {
    try {
        const CDiagnostics::Sink& sink = CurrentSink();
        if (sink) {
            sink(text, level);
            return;
        }
    } catch (...) {
        return;
    }
    WriteFile(text, level);
}

}  // namespace

void CDiagnostics::Log(const char* text, int level) {
    try {
        Write(OneLine(text), level);
    } catch (...) {
    }
}

void CDiagnostics::LogError(const char* text, unsigned long errorCode, int level) {
    try {
        std::string entry = OneLine(text);
        if (errorCode == 0) {
            // A refusal of the program's own, not a failure of the system.
            entry += " (no system error)";
        } else {
            entry += " (error " + std::to_string(errorCode) + ": ";
            entry += std::strerror(static_cast<int>(errorCode));
            entry += ")";
        }
        Write(entry, level);
    } catch (...) {
    }
}

void CDiagnostics::LogToFile(const std::string& text, int level) {
    try {
        WriteFile(OneLine(text.c_str()), level);
    } catch (...) {
    }
}

CDiagnostics::Sink CDiagnostics::SetSink(Sink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

std::string CDiagnostics::LogFilePath() {
    std::string path = Environment("TW_CONFIGCTD_LOG");
    if (!path.empty()) {
        return path;
    }
    // Relative values of XDG_STATE_HOME are invalid and ignored.
    std::string state = Environment("XDG_STATE_HOME");
    if (state.empty() || state.front() != '/') {
        const std::string home = HomeFolder();
        if (home.empty()) {
            return std::string();
        }
        state = home + "/.local/state";
    }
    return state + "/tw_configctd/TW_ConfigCTD.log";
}

CDiagnostics::PlaceSource CDiagnostics::SetPlaceSource(PlaceSource source) {
    return std::exchange(PlaceSourceSlot(), std::move(source));
}

std::string CDiagnostics::CurrentPlace() {
    try {
        const PlaceSource& source = PlaceSourceSlot();
        return source ? source() : std::string();
    } catch (...) {
        return std::string();
    }
}

CDiagnostics::ReadObserver CDiagnostics::SetReadObserver(ReadObserver observer) {
    return std::exchange(ReadObserverSlot(), std::move(observer));
}

bool CDiagnostics::WatchesReads() {
    return static_cast<bool>(ReadObserverSlot());
}

void CDiagnostics::NoteRead(ReadNote kind, const std::string& place, const std::string& what) {
    try {
        const ReadObserver& observer = ReadObserverSlot();
        if (observer) {
            observer(kind, place, what);
        }
    } catch (...) {
        // Notes serve an explanation; they never disturb the reader.
    }
}

void CDiagnostics::NoteRefused(const std::string& place, const std::string& what) {
    constexpr int kDebugLevel = 3;
    Log((place.empty() ? what : place + ": " + what).c_str(), kDebugLevel);
    NoteRead(ReadNote::refused, place, what);
}
