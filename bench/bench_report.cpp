// The configuration report (to a string stream) and the data of the tool's
// "info" (each channel's label and sensor name with ordinal) of the full TDW
// 64plus V2 configuration, against reading that configuration from its file.

#include <sstream>
#include <string>
#include <vector>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"

namespace {

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::string path = folder.File("full.xmlcon");
    std::unique_ptr<C64V2VantrelCTD> ctd;

    SFixture() {
        tw_bench::QuietLibrary();
        ctd = tw_bench::MakeFullConfiguration();
        WriteConFile(path.c_str(), ctd.get());
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

void BM_Report(benchmark::State& state) {
    const C64V2VantrelCTD& ctd = *Fixture().ctd;
    for (auto _ : state) {
        std::ostringstream out;
        ctd.Report(out, "full.xmlcon", 0);
        benchmark::DoNotOptimize(out.tellp());
    }
}
BENCHMARK(BM_Report)->Unit(benchmark::kMicrosecond);

void BM_InfoChannels(benchmark::State& state) {
    const C64V2VantrelCTD& ctd = *Fixture().ctd;
    for (auto _ : state) {
        const std::vector<CString> labels = ctd.ChannelLabels();
        std::vector<CString> sensors;
        sensors.reserve(labels.size());
        for (int channel = 0; channel < static_cast<int>(labels.size()); ++channel) {
            sensors.push_back(ctd.SensorNameOrdinal(channel));
        }
        benchmark::DoNotOptimize(sensors.data());
    }
}
BENCHMARK(BM_InfoChannels)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return tw_bench::RunWithRatios(
        argc, argv, {{"BM_Report", "BM_ReadConFile"}, {"BM_InfoChannels", "BM_ReadConFile"}});
}
