// Checking many configuration files in one run of the command-line tool
// (`tw-configctd validate` over 1,000 files, start-up included) against
// loading each of the same files into a bare pugixml document.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <pugixml.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchConfiguration.h"
#include "legacy/ConFile.h"

extern char** environ;

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

// Runs the tool over every file with its report thrown away; false when it
// cannot be started or does not say that every file is sound.
bool RunValidate(const std::vector<std::string>& files) {
    std::vector<char*> arguments;
    std::string tool = TW_CONFIGCTD_TOOL;
    std::string command = "validate";
    arguments.push_back(tool.data());
    arguments.push_back(command.data());
    for (const std::string& file : files) {
        arguments.push_back(const_cast<char*>(file.c_str()));
    }
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started =
        posix_spawn(&child, tool.c_str(), &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return started == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void BM_ValidateBatch(benchmark::State& state) {
    const auto& files = Fixture().files;
    for (auto _ : state) {
        if (!RunValidate(files)) {
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
    return tw_bench::RunWithRatios(argc, argv, {{"BM_ValidateBatch", "BM_PugixmlLoadBatch"}});
}
