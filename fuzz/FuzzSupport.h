#pragma once
// What every fuzz target shares: a library that keeps quiet, scratch files
// private to the process, and a loud stop when an invariant breaks.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/SensorArray.h"
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

// Fails unless the sensors are equal, or the first never equals itself (it
// holds a coefficient that is not a number).
inline void FailUnlessEqual(const CSensor& a, const CSensor& b, std::string_view what) {
    if (SensorObjectsEqual(&a, &a) && !SensorObjectsEqual(&a, &b)) {
        Fail(what);
    }
}

// The invariants of a reader of one sensor's text. The first byte of the
// input picks the sensor ID (modulo the number of IDs); read(sensor, text)
// reads the text into the sensor, write(sensor) gives the text it writes.
// A read that fails leaves the sensor as it was; a sensor that reads is
// copied to an equal sensor that writes the same text; that text reads back,
// twice into equal sensors, and the sensor read back writes it unchanged.
// (The sensor read first may hold more digits than the text's number formats
// keep, so it is not compared with the one read back.)
inline void CheckSensorReader(const std::uint8_t* data, std::size_t size,
                              const std::function<bool(CSensor&, std::string_view)>& read,
                              const std::function<std::string(CSensor&)>& write) {
    if (size < 1) {
        return;
    }
    const int sensorID = data[0] % NUM_SENSOR_IDS;
    auto fresh = [sensorID] { return std::unique_ptr<CSensor>(CreateSensorObject(sensorID)); };
    const std::unique_ptr<CSensor> sensor = fresh();
    if (!sensor) {
        return;
    }
    const std::unique_ptr<CSensor> before = fresh();
    if (!CopySensorObject(before.get(), sensor.get())) {
        Fail("a sensor cannot be copied into one of its own class");
    }
    if (!read(*sensor, std::string_view(reinterpret_cast<const char*>(data + 1), size - 1))) {
        if (!SensorObjectsEqual(sensor.get(), before.get())) {
            Fail("a failed read changed the sensor");
        }
        return;
    }
    const std::string written = write(*sensor);
    const std::unique_ptr<CSensor> copy = fresh();
    if (!CopySensorObject(copy.get(), sensor.get())) {
        Fail("a sensor that was read cannot be copied");
    }
    FailUnlessEqual(*sensor, *copy, "a copy of a sensor differs from it");
    if (write(*copy) != written) {
        Fail("a copy of a sensor writes another text");
    }
    const std::unique_ptr<CSensor> back = fresh();
    const std::unique_ptr<CSensor> again = fresh();
    if (!read(*back, written) || !read(*again, written)) {
        Fail("a written sensor does not read back");
    }
    FailUnlessEqual(*back, *again, "a sensor's text reads into unequal sensors");
    if (write(*back) != written) {
        Fail("a sensor read back is written differently");
    }
}

}  // namespace tw_fuzz
