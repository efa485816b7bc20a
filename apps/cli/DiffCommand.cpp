// diff: what differs between two configurations, by name
// (access/Differences.h).

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "access/Differences.h"
#include "apps/cli/Commands.h"
#include "apps/cli/ToolOutput.h"

namespace {

constexpr int kDifferent = 1;

int Diff(const std::string& fileA, const std::string& fileB, bool json) {
    const SLoadResult a = LoadForCommand(fileA);
    if (!a.ctd) {
        Fail(fileA, a.result);
        return kUsageError;
    }
    const SLoadResult b = LoadForCommand(fileB);
    if (!b.ctd) {
        Fail(fileB, b.result);
        return kUsageError;
    }
    const bool equal = ConfigurationsEqual(*a.ctd, *b.ctd);
    const std::vector<SDifference> differences = Differences(*a.ctd, *b.ctd);
    if (json) {
        const nlohmann::ordered_json doc = {{"equal", equal},
                                            {"differences", DifferencesJson(differences)}};
        std::cout << doc.dump(2) << '\n';
    } else {
        const CTerminalText terminal(false);
        for (const SDifference& d : differences) {
            std::string line = terminal.Value(d.name);
            if (!d.context.empty()) {
                line += " (" + terminal.Value(d.context) + ")";
            }
            line += ": " + terminal.Value(d.a) + " -> " + terminal.Value(d.b);
            std::cout << terminal.Out(line) << '\n';
        }
    }
    return equal ? 0 : kDifferent;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& status) {
    struct SOptions {
        std::string a, b;
        bool json = false;
    };
    const auto o = std::make_shared<SOptions>();
    auto* diff = app.add_subcommand(
        "diff",
        "Compare two configurations: the model, every setting, and per channel the sensor, serial "
        "number, calibration date and each coefficient. One line per difference: NAME (CONTEXT): "
        "A -> B, with the names that info --json and set use.");
    diff->add_option("A", o->a, "First configuration file")->required();
    diff->add_option("B", o->b, "Second configuration file")->required();
    diff->add_flag("--json", o->json, "One JSON object: equal, and the list of differences");
    diff->callback([o, &status] { status = Diff(o->a, o->b, o->json); });
    DescribeUse(diff, "tw-configctd diff cast01.xmlcon cast02.xmlcon",
                "Exit status: 0 equal, 1 different, 2 usage error or a file could not be read.");
}
