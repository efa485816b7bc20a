#pragma once
// What the benchmark programs share: the configuration they measure, a
// scratch folder, a quiet library, and a console reporter that ends with the
// ratio of each measurement to its baseline from the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "instruments/Vantrel64V2CTD.h"

namespace tw_bench {

// A full TDW 64plus V2 configuration of 14 channels: the three fixed
// sensors, six voltage sensors, the three channels of the SeaOWL serial
// sensor and the surface PAR pair, every sensor calibrated.
std::unique_ptr<C64V2VantrelCTD> MakeFullConfiguration();

// Drops user messages and diagnostics.
void QuietLibrary();

// The baseline of the reading benchmarks: the file loaded into a bare
// pugixml document, once per iteration.
void LoadWithPugixml(benchmark::State& state, const std::string& path);

// A folder of its own, removed with its files when the program ends: in
// TMPDIR when that is set, else in memory (/dev/shm), so that the disk's
// flush times do not swamp the work measured, else in /tmp.
class CScratchFolder {
  public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;
    std::string File(const char* name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

// The console output, then one line per ratio: the real time of a
// measurement divided by the real time of its baseline, and the same for the
// CPU time of the process (the medians when the benchmarks are repeated). On
// a machine that others share the CPU ratio is the steadier one; it does not
// count the work of child processes.
class CRatioReporter : public benchmark::ConsoleReporter {
  public:
    struct SRatio {
        std::string measurement;
        std::string baseline;
        // False when the measurement's work is done in a child process.
        bool cpu = true;
    };
    // Colours only on a terminal.
    explicit CRatioReporter(std::vector<SRatio> ratios);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    struct STimes {
        double real = 0.0;  // seconds per iteration
        double cpu = 0.0;
    };
    // The medians of the repetitions of the benchmark; zeros when it did not
    // run.
    STimes Seconds(const std::string& name) const;

    std::vector<SRatio> m_ratios;
    std::map<std::string, std::vector<STimes>> m_seconds;  // per repetition, by name
    std::map<std::string, STimes> m_medians;               // median aggregates, by name
};

// Runs the benchmarks of the program with the reporter; the body of main.
int RunWithRatios(int argc, char** argv, std::vector<CRatioReporter::SRatio> ratios);

// One run of the command-line tool, its standard output thrown away.
struct SToolRun {
    bool exited = false;  // false when it could not start or was killed
    int status = 0;       // its exit status
    double seconds = 0.0;
    double peakMiB = 0.0;  // the largest resident set of the process
};
// The tool runs under measured_run, which reports its peak resident set;
// with memory unmeasured it is started directly, as a script starts it, so
// that its time holds no start-up but its own (peakMiB then stays 0).
enum class EMeasure { timeAndMemory, timeOnly };
SToolRun RunTool(const std::vector<std::string>& arguments,
                 EMeasure measure = EMeasure::timeAndMemory);

// Prints one line: a measure, its bound and whether it keeps to it.
void PrintBound(const std::string& what, double value, double bound, const char* unit);

}  // namespace tw_bench
