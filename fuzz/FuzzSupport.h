#pragma once
// What every fuzz target shares: a library that keeps quiet, scratch files
// private to the process, and a loud stop when an invariant breaks.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"

namespace tw_fuzz {

// User messages and diagnostics cost time and flood the terminal; both are
// dropped. The message count still rises, so a caller can tell that a
// message was shown.
inline void QuietLibrary() {
    s_bErrorToConsole = false;
    SetMessageBoxHandler([](const char*, const char*, unsigned flags) {
        const unsigned buttons = flags & 0x000Fu;
        return (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? IDYES : IDOK;
    });
    CDiagnostics::SetSink([](const std::string&, int) {});
}

// A folder of its own for the files of one process, removed at exit: in
// TMPDIR when that is set, else in memory (/dev/shm) where the writer's
// flush to disk costs nothing, else in /tmp.
class CScratchFolder {
  public:
    CScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        const char* parent = tmp && *tmp                            ? tmp
                             : access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm"
                                                                    : "/tmp";
        std::string pattern = std::string(parent) + "/tw-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        m_path = pattern;
    }
    ~CScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    std::string File(const char* name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

inline void WriteFile(const std::string& path, const unsigned char* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || (size > 0 && std::fwrite(data, 1, size, file) != size) || std::fclose(file) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
}

inline std::string ReadFile(const std::string& path) {
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            text.append(buffer, got);
        }
        std::fclose(file);
    }
    return text;
}

// A broken invariant: says which and stops, so the fuzzer keeps the input.
[[noreturn]] inline void Fail(std::string_view what) {
    std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace tw_fuzz
