// Writing the full TDW 64plus V2 configuration with WriteConFile against a
// pugixml save of the same document (loaded once from the file WriteConFile
// writes) made just as durable: a new file beside the target, synced, renamed
// over the target, and the folder synced.

#include <fcntl.h>
#include <unistd.h>

#include <pugixml.hpp>

#include <cstdio>
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
        // Both measurements replace a file that is there.
        doc.save_file(pugixmlPath.c_str(), "  ");
    }
};

SFixture& Fixture() {
    static SFixture fixture;
    return fixture;
}

// What WriteConFile does around the text, with pugixml writing the text: the
// file is complete on the disk, and the target is either the old file or the
// new one, whenever the system stops.
bool SaveDurably(const pugi::xml_document& doc, const std::string& path) {
    const std::string folder = path.substr(0, path.rfind('/'));
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file) {
        return false;
    }
    pugi::xml_writer_file writer(file);
    doc.save(writer, "  ");
    bool saved = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    saved = std::fclose(file) == 0 && saved;
    if (!saved || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return synced;
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

void BM_PugixmlSaveDurably(benchmark::State& state) {
    SFixture& fixture = Fixture();
    for (auto _ : state) {
        if (!SaveDurably(fixture.doc, fixture.pugixmlPath)) {
            state.SkipWithError("the durable save failed");
            break;
        }
    }
}
BENCHMARK(BM_PugixmlSaveDurably)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return tw_bench::RunWithRatios(argc, argv, {{"BM_WriteConFile", "BM_PugixmlSaveDurably"}});
}
