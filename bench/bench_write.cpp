// Writing the full TDW 64plus V2 configuration with WriteConFile against a
// bare pugixml save of the same document (loaded once from the file
// WriteConFile writes).

#include <pugixml.hpp>

#include <string>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"

namespace {

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::string path = folder.File("written.xmlcon");
    std::string pugixmlPath = folder.File("pugixml.xmlcon");
    std::unique_ptr<C64V2VantrelCTD> ctd;
    pugi::xml_document doc;

    SFixture() {
        tw_bench::QuietLibrary();
        ctd = tw_bench::MakeFullConfiguration();
        WriteConFile(path.c_str(), ctd.get());
        doc.load_file(path.c_str());
    }
};

SFixture& Fixture() {
    static SFixture fixture;
    return fixture;
}

void BM_WriteConFile(benchmark::State& state) {
    SFixture& fixture = Fixture();
    for (auto _ : state) {
        const long messages = TWMessageCount();
        WriteConFile(fixture.path.c_str(), fixture.ctd.get());
        if (TWMessageCount() != messages) {
            state.SkipWithError("WriteConFile failed");
            break;
        }
    }
}
BENCHMARK(BM_WriteConFile)->Unit(benchmark::kMicrosecond);

void BM_PugixmlSaveFile(benchmark::State& state) {
    SFixture& fixture = Fixture();
    for (auto _ : state) {
        if (!fixture.doc.save_file(fixture.pugixmlPath.c_str(), "  ")) {
            state.SkipWithError("save_file failed");
            break;
        }
    }
}
BENCHMARK(BM_PugixmlSaveFile)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return tw_bench::RunWithRatios(argc, argv, {{"BM_WriteConFile", "BM_PugixmlSaveFile"}});
}
