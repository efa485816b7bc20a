// Reading the full TDW 64plus V2 configuration with ReadConFile (pre-reader,
// document reader, every sensor's reader, the copy into the caller's object)
// against loading the same file into a bare pugixml document.

#include <cstdlib>
#include <string>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"

namespace {

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::string path = folder.File("full.xmlcon");

    SFixture() {
        tw_bench::QuietLibrary();
        WriteConFile(path.c_str(), tw_bench::MakeFullConfiguration().get());
    }
};

const SFixture& Fixture() {
    static const SFixture fixture;
    return fixture;
}

void BM_ReadConFile(benchmark::State& state) {
    const std::string& path = Fixture().path;
    C64V2VantrelCTD ctd;
    for (auto _ : state) {
        if (!ReadConFile(path.c_str(), &ctd)) {
            state.SkipWithError("ReadConFile failed");
            break;
        }
        benchmark::DoNotOptimize(ctd);
    }
}
BENCHMARK(BM_ReadConFile)->Unit(benchmark::kMicrosecond);

void BM_PugixmlLoadFile(benchmark::State& state) {
    tw_bench::LoadWithPugixml(state, Fixture().path);
}
BENCHMARK(BM_PugixmlLoadFile)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return tw_bench::RunWithRatios(argc, argv, {{"BM_ReadConFile", "BM_PugixmlLoadFile"}});
}
