// Reading files built to be expensive: one very long attribute value, one
// very long comment, and a document of small elements just under the size
// limit, each through ReadConFile against a bare pugixml load of the same
// file. Each costs a small multiple of the bare load, whatever its tokens.
// Then the command-line tool on two hostile sizes, against fixed bounds: a
// file over the size limit is refused from its size alone, and a file of
// about 10 MB is read or refused in well under a second, without holding
// many times its size in memory.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"
#include "platform/xml/FileImage.h"

namespace {

// The full configuration with the text put in just after the instrument's
// name, so that the pre-reader has seen the root before it comes.
std::string WithInserted(const std::string& configuration, const std::string& text) {
    std::string result = configuration;
    const std::string after = "</Name>";
    result.insert(result.find(after) + after.size(), text);
    return result;
}

struct SFixture {
    tw_bench::CScratchFolder folder;
    std::string longAttribute = folder.File("long-attribute.xmlcon");
    std::string longComment = folder.File("long-comment.xmlcon");
    std::string smallElements = folder.File("small-elements.xmlcon");
    std::string oversized = folder.File("oversized.xmlcon");
    std::string tenMegabytes = folder.File("ten-megabytes.xmlcon");

    SFixture() {
        tw_bench::QuietLibrary();
        const std::string full = folder.File("full.xmlcon");
        WriteConFile(full.c_str(), tw_bench::MakeFullConfiguration().get());
        std::ifstream in(full);
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        Write(longAttribute,
              WithInserted(text, "<Note Text=\"" + std::string(2 << 20, 'a') + "\"/>"));
        Write(longComment, WithInserted(text, "<!--" + std::string(1 << 20, 'c') + "-->"));
        // As many empty elements as fit under the limit with the rest.
        Write(smallElements,
              WithInserted(text, SmallElements(TDWXML::kMaxDocumentBytes - 64 - text.size())));
        Write(oversized, WithInserted(text, SmallElements(TDWXML::kMaxDocumentBytes + (1 << 20))));
        Write(tenMegabytes, WithInserted(text, SmallElements(10'000'000 - text.size())));
    }

    // Empty elements, as many as fit in the given number of bytes.
    static std::string SmallElements(std::size_t bytes) {
        const std::string element = "<x/>";
        std::string many;
        many.reserve(bytes);
        for (std::size_t i = 0; i < bytes / element.size(); ++i) {
            many += element;
        }
        return many;
    }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
};

const SFixture& Fixture() {
    static const SFixture fixture;
    return fixture;
}

void ReadConFileOf(benchmark::State& state, const std::string& path) {
    C64V2VantrelCTD ctd;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadConFile(path.c_str(), &ctd));
    }
}

void BM_ReadLongAttribute(benchmark::State& state) {
    ReadConFileOf(state, Fixture().longAttribute);
}
void BM_PugixmlLongAttribute(benchmark::State& state) {
    tw_bench::LoadWithPugixml(state, Fixture().longAttribute);
}
void BM_ReadLongComment(benchmark::State& state) {
    ReadConFileOf(state, Fixture().longComment);
}
void BM_PugixmlLongComment(benchmark::State& state) {
    tw_bench::LoadWithPugixml(state, Fixture().longComment);
}
void BM_ReadSmallElements(benchmark::State& state) {
    ReadConFileOf(state, Fixture().smallElements);
}
void BM_PugixmlSmallElements(benchmark::State& state) {
    tw_bench::LoadWithPugixml(state, Fixture().smallElements);
}

BENCHMARK(BM_ReadLongAttribute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlLongAttribute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLongComment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlLongComment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSmallElements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlSmallElements)->Unit(benchmark::kMillisecond);

// The median of a few runs of `tw-configctd validate FILE`, start-up
// included; false when a run did not finish with an exit status.
bool ValidateMedian(const std::string& path, tw_bench::SToolRun* median) {
    std::vector<tw_bench::SToolRun> runs;
    for (int i = 0; i < 3; ++i) {
        runs.push_back(tw_bench::RunTool({"validate", path}));
        if (!runs.back().exited) {
            return false;
        }
    }
    std::sort(runs.begin(), runs.end(),
              [](const auto& a, const auto& b) { return a.seconds < b.seconds; });
    *median = runs[runs.size() / 2];
    return true;
}

std::size_t FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return static_cast<std::size_t>(in.tellg());
}

}  // namespace

int main(int argc, char** argv) {
    const int result =
        tw_bench::RunWithRatios(argc, argv,
                                {{"BM_ReadLongAttribute", "BM_PugixmlLongAttribute"},
                                 {"BM_ReadLongComment", "BM_PugixmlLongComment"},
                                 {"BM_ReadSmallElements", "BM_PugixmlSmallElements"}});
    if (result != 0) {
        return result;
    }
    tw_bench::SToolRun oversized;
    tw_bench::SToolRun tenMegabytes;
    if (!ValidateMedian(Fixture().oversized, &oversized) ||
        !ValidateMedian(Fixture().tenMegabytes, &tenMegabytes)) {
        std::fprintf(stderr, "tw-configctd validate did not run\n");
        return 1;
    }
    if (oversized.status == 0) {
        std::fprintf(stderr, "tw-configctd validate took a file over the size limit\n");
        return 1;
    }
    const double size = static_cast<double>(FileBytes(Fixture().tenMegabytes));
    std::printf("\nBounds (tw-configctd validate, start-up included):\n");
    tw_bench::PrintBound("file over the size limit refused", 1e3 * oversized.seconds, 50, "ms");
    tw_bench::PrintBound("10 MB file read or refused", tenMegabytes.seconds, 1, "s");
    tw_bench::PrintBound("peak RSS of that read / its size", tenMegabytes.peakMiB * 1048576 / size,
                         8, "x");
    return 0;
}
