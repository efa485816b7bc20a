// Reading a full legacy ASCII configuration file with ReadConFile (pre-reader,
// line index, header, every sensor's lines, the copy into the caller's
// object) against the floor of reading the same file's lines once with fgets
// and parsing each with sscanf; then the same with the file padded to 10 and
// 100 times its lines, to show that the cost grows linearly.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"

namespace {

constexpr int kScales[] = {1, 10, 100};

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::string paths[3];

    SFixture() {
        tw_bench::QuietLibrary();
        // The full configuration with voltage and serial sensors that the
        // legacy format holds.
        const auto ctd = tw_bench::MakeFullConfiguration();
        ctd->SetSerialSensor(CVantrelCTD::GTD_DO_N2);
        const int voltageKinds[] = {36, 39, 38, 11, 21, 61};
        for (int i = 0; i < 6; ++i) {
            ctd->ReplaceSensor(ctd->AddExtVoltFrom() + i, CreateSensorObject(voltageKinds[i]));
        }
        const std::string full = folder.File("full.con");
        const long messages = TWMessageCount();
        WriteConFile(full.c_str(), ctd.get());
        if (TWMessageCount() != messages) {
            std::fputs("bench_con: the configuration cannot be written as .con\n", stderr);
            std::exit(1);
        }
        const std::string text = ReadAll(full);
        for (int i = 0; i < 3; ++i) {
            paths[i] = folder.File(("full-" + std::to_string(kScales[i]) + ".con").c_str());
            std::FILE* file = std::fopen(paths[i].c_str(), "wb");
            for (int copy = 0; copy < kScales[i]; ++copy) {
                std::fwrite(text.data(), 1, text.size(), file);
            }
            std::fclose(file);
        }
    }

    static std::string ReadAll(const std::string& path) {
        std::string text;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
            text.append(chunk, got);
        }
        std::fclose(file);
        return text;
    }
};

const SFixture& Fixture() {
    static const SFixture fixture;
    return fixture;
}

void BM_ReadConFile(benchmark::State& state, int scale) {
    const std::string& path = Fixture().paths[scale];
    C64V2VantrelCTD ctd;
    for (auto _ : state) {
        if (!ReadConFile(path.c_str(), &ctd)) {
            state.SkipWithError("ReadConFile failed");
            break;
        }
        benchmark::DoNotOptimize(ctd);
    }
}

// Every line once into a 256-byte buffer, its numbers parsed.
void BM_FgetsSscanf(benchmark::State& state, int scale) {
    const std::string& path = Fixture().paths[scale];
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "r");
        char line[256];
        double values[8];
        int lines = 0;
        while (std::fgets(line, sizeof line, file)) {
            lines += std::sscanf(line, "%lf %lf %lf %lf %lf %lf %lf %lf", &values[0], &values[1],
                                 &values[2], &values[3], &values[4], &values[5], &values[6],
                                 &values[7]) >= 0;
        }
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(values);
    }
}

// The argument is the index of the scale in kScales.
BENCHMARK_CAPTURE(BM_ReadConFile, x1, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FgetsSscanf, x1, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadConFile, x10, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FgetsSscanf, x10, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadConFile, x100, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FgetsSscanf, x100, 2)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return tw_bench::RunWithRatios(argc, argv,
                                   {{"BM_ReadConFile/x1", "BM_FgetsSscanf/x1"},
                                    {"BM_ReadConFile/x10", "BM_FgetsSscanf/x10"},
                                    {"BM_ReadConFile/x100", "BM_FgetsSscanf/x100"}});
}
