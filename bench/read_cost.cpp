// The C++ side of bench_python_read.py: for each file named, the cost of one
// ReadConFile into an instrument of the file's model and of one
// LoadConfiguration (what the tool and the module call: model found, instrument
// made, file read), in microseconds, as "PATH<TAB>READCONFILE<TAB>LOAD" lines.
// A plain program, so that the Python script measures both sides in the same
// run, on the same files.

#include <chrono>
#include <cstdio>

#include "access/LoadedConfig.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"

namespace {

// Microseconds of one call of read, which returns false on failure (then -1).
template <typename Read>
double Cost(Read read) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kSpan = std::chrono::milliseconds(300);
    long reads = 0;
    const Clock::time_point start = Clock::now();
    Clock::time_point now = start;
    while (now - start < kSpan) {
        if (!read()) {
            return -1;
        }
        ++reads;
        now = Clock::now();
    }
    return std::chrono::duration<double, std::micro>(now - start).count() /
           static_cast<double>(reads);
}

}  // namespace

int main(int argc, char** argv) {
    // Message boxes are quiet, as the module's are; the diagnostics log is
    // written as the module writes it (a legacy file's pre-read logs that it
    // is not a document), to where bench_python_read.py points both sides.
    s_bErrorToConsole = false;
    SetMessageBoxHandler([](const char*, const char*, unsigned) { return IDOK; });
    for (int i = 1; i < argc; ++i) {
        const char* path = argv[i];
        SLoadResult loaded = LoadConfiguration(path);
        if (!loaded.ctd) {
            std::fprintf(stderr, "%s\n", ReasonLine(path, loaded.result).c_str());
            return 1;
        }
        const double read = Cost([&] { return ReadConFile(path, loaded.ctd.get()) != 0; });
        const double load = Cost([&] { return LoadConfiguration(path).ctd != nullptr; });
        if (read < 0 || load < 0) {
            std::fprintf(stderr, "%s: the read failed\n", path);
            return 1;
        }
        std::printf("%s\t%.3f\t%.3f\n", path, read, load);
    }
    return 0;
}
