// Checking many configuration files in one run of the command-line tool
// (`tw-configctd validate` over 1,000 files, its start-up included, started
// as a script starts it) against loading each of the same files into a bare
// pugixml document. Its peak resident set is measured in a run of its own.

#include <pugixml.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"

namespace {

constexpr int kFileCount = 1000;

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::vector<std::string> files;

    // The full configuration, each file with serial numbers of its own.
    SFixture() {
        tw_bench::QuietLibrary();
        const auto ctd = tw_bench::MakeFullConfiguration();
        for (int i = 0; i < kFileCount; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "cast%04d.xmlcon", i);
            char serial[16];
            std::snprintf(serial, sizeof serial, "%04d", i);
            for (int channel = 0; channel < ctd->GetNumChannel(); ++channel) {
                ctd->GetSensor(channel).SetSerialNum(serial);
            }
            files.push_back(folder.File(name));
            WriteConFile(files.back().c_str(), ctd.get());
        }
    }
};

const SFixture& Fixture() {
    static const SFixture fixture;
    return fixture;
}

// Runs the tool over every file with its report thrown away.
tw_bench::SToolRun RunValidate(const std::vector<std::string>& files, tw_bench::EMeasure measure) {
    std::vector<std::string> arguments = {"validate"};
    arguments.insert(arguments.end(), files.begin(), files.end());
    return tw_bench::RunTool(arguments, measure);
}

// True when the tool ran and said that every file is sound.
bool Sound(const tw_bench::SToolRun& run) {
    return run.exited && run.status == 0;
}

void BM_ValidateBatch(benchmark::State& state) {
    const auto& files = Fixture().files;
    for (auto _ : state) {
        if (!Sound(RunValidate(files, tw_bench::EMeasure::timeOnly))) {
            state.SkipWithError("tw-configctd validate failed");
            break;
        }
    }
}
BENCHMARK(BM_ValidateBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PugixmlLoadBatch(benchmark::State& state) {
    const auto& files = Fixture().files;
    for (auto _ : state) {
        for (const std::string& file : files) {
            pugi::xml_document doc;
            if (!doc.load_file(file.c_str())) {
                state.SkipWithError("load_file failed");
                return;
            }
            benchmark::DoNotOptimize(doc);
        }
    }
}
BENCHMARK(BM_PugixmlLoadBatch)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    const int result =
        tw_bench::RunWithRatios(argc, argv, {{"BM_ValidateBatch", "BM_PugixmlLoadBatch", false}});
    if (result != 0) {
        return result;
    }
    // Memory stays flat however many files one run checks.
    const tw_bench::SToolRun run = RunValidate(Fixture().files, tw_bench::EMeasure::timeAndMemory);
    if (!Sound(run)) {
        std::fprintf(stderr, "tw-configctd validate failed\n");
        return 1;
    }
    std::printf("\nBounds:\n");
    tw_bench::PrintBound("peak RSS of validate over 1,000 files", run.peakMiB, 16, "MiB");
    return 0;
}
