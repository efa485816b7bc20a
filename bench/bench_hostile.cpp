// Reading files built to be expensive: one very long attribute value, one
// very long comment, and a document of small elements just under the size
// limit, each through ReadConFile against a bare pugixml load of the same
// file. Each costs a small multiple of the bare load, whatever its tokens.

#include <pugixml.hpp>

#include <fstream>
#include <string>

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
        const std::string element = "<x/>";
        const std::size_t count = (TDWXML::kMaxDocumentBytes - text.size() - 64) / element.size();
        std::string many;
        many.reserve(count * element.size());
        for (std::size_t i = 0; i < count; ++i) {
            many += element;
        }
        Write(smallElements, WithInserted(text, many));
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

void PugixmlLoadOf(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_file(path.c_str())) {
            state.SkipWithError("load_file failed");
            break;
        }
        benchmark::DoNotOptimize(doc);
    }
}

void BM_ReadLongAttribute(benchmark::State& state) {
    ReadConFileOf(state, Fixture().longAttribute);
}
void BM_PugixmlLongAttribute(benchmark::State& state) {
    PugixmlLoadOf(state, Fixture().longAttribute);
}
void BM_ReadLongComment(benchmark::State& state) {
    ReadConFileOf(state, Fixture().longComment);
}
void BM_PugixmlLongComment(benchmark::State& state) {
    PugixmlLoadOf(state, Fixture().longComment);
}
void BM_ReadSmallElements(benchmark::State& state) {
    ReadConFileOf(state, Fixture().smallElements);
}
void BM_PugixmlSmallElements(benchmark::State& state) {
    PugixmlLoadOf(state, Fixture().smallElements);
}

BENCHMARK(BM_ReadLongAttribute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlLongAttribute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLongComment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlLongComment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSmallElements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugixmlSmallElements)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return tw_bench::RunWithRatios(argc, argv,
                                   {{"BM_ReadLongAttribute", "BM_PugixmlLongAttribute"},
                                    {"BM_ReadLongComment", "BM_PugixmlLongComment"},
                                    {"BM_ReadSmallElements", "BM_PugixmlSmallElements"}});
}
