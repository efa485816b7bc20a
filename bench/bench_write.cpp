// Writing the full TDW 64plus V2 configuration with WriteConFile against a
// pugixml save of the same document made just as durable. The comparison is
// kept fair both ways: pugixml writes the very bytes WriteConFile writes (its
// comments and declaration kept, checked once), both write the whole text
// with one write(2), and both do the same steps around it: the target looked
// at (a link would be followed), a new file beside it given the target's
// mode, synced, renamed over the target, and the folder synced.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <pugixml.hpp>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A buffer that holds the whole document, as WriteConFile's does, so that
// stdio hands it to the system in one write.
char g_stdioBuffer[64 * 1024];

// What WriteConFile does around the text, with pugixml writing the text: the
// file is complete on the disk, and the target is either the old file or the
// new one, whenever the system stops.
bool SaveDurably(const pugi::xml_document& doc, const std::string& path) {
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    const std::string folder = path.substr(0, path.rfind('/'));
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (!file) {
        return false;
    }
    std::setvbuf(file, g_stdioBuffer, _IOFBF, sizeof g_stdioBuffer);
    bool saved = !exists || ::fchmod(::fileno(file), old.st_mode & 07777) == 0;
    pugi::xml_writer_file writer(file);
    doc.save(writer, "  ");
    saved = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0 && saved;
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

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::string path = folder.File("written.xmlcon");
    std::string pugixmlPath = folder.File("pugixml.xmlcon");
    std::unique_ptr<C64V2VantrelCTD> ctd;
    pugi::xml_document doc;
    bool sameBytes = false;

    SFixture() {
        tw_bench::QuietLibrary();
        ctd = tw_bench::MakeFullConfiguration();
        WriteConFile(path.c_str(), ctd.get());
        doc.load_file(path.c_str(),
                      pugi::parse_default | pugi::parse_comments | pugi::parse_declaration);
        // Both measurements replace a file that is there.
        sameBytes = SaveDurably(doc, pugixmlPath) && Contents(path) == Contents(pugixmlPath);
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

void BM_PugixmlSaveDurably(benchmark::State& state) {
    SFixture& fixture = Fixture();
    if (!fixture.sameBytes) {
        state.SkipWithError("pugixml does not write the bytes WriteConFile writes");
    }
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
