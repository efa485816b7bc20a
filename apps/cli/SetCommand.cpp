// set: changes settings and coefficients by the names info --json shows,
// through the model's own checks (access/ItemChanges.h).

#include <memory>

#include "access/ControlText.h"
#include "access/ItemChanges.h"
#include "apps/cli/Commands.h"
#include "apps/cli/ToolOutput.h"

namespace {

int Set(const std::string& file, const std::vector<std::string>& assignments,
        const std::string& output, bool force) {
    std::vector<SItemChange> changes;
    for (const std::string& assignment : assignments) {
        SItemChange change;
        if (!ParseAssignment(assignment, &change)) {
            Complain("set: '" + EscapeControls(assignment) + "' is not NAME=VALUE");
            return kUsageError;
        }
        changes.push_back(change);
    }
    const SLoadResult loaded = LoadForCommand(file);
    if (!loaded.ctd) {
        return Fail(file, loaded.result);
    }
    const SChangeResult changed = ApplyChanges(*loaded.ctd, changes);
    if (changed.badName) {
        Complain("set: " + changed.reason);
        return kUsageError;
    }
    if (!changed.ctd) {
        return Fail(file, changed.reason);
    }
    const std::string target = output.empty() ? file : output;
    return SaveForCommand(target, *changed.ctd, force);
}

}  // namespace

void AddSetCommand(CLI::App& app, int& status) {
    struct SOptions {
        std::string file, output;
        std::vector<std::string> assignments;
        bool force = false;
    };
    const auto o = std::make_shared<SOptions>();
    auto* set = app.add_subcommand(
        "set",
        "Change settings and coefficients of FILE by the names info --json shows "
        "(settings.NAME, channels.N.serial_number, channels.N.calibration_date, "
        "channels.N.coefficients.NAME; N counts from 0). The model checks every change as it "
        "checks a file; FILE is replaced unless -o names another file.");
    set->add_option("FILE", o->file, "Configuration file")->required();
    set->add_option("NAME=VALUE", o->assignments, "Changes, applied together")->required();
    set->add_option("-o,--output", o->output, "Write the result here instead of FILE");
    set->add_flag("--force", o->force, kForceHelp);
    set->callback([o, &status] { status = Set(o->file, o->assignments, o->output, o->force); });
    DescribeUse(set,
                "tw-configctd set cast01.xmlcon settings.ScansToAverage=4 "
                "channels.1.coefficients.G=-4.1e0 -o cast02.xmlcon",
                "Exit status: 0 changed and written, 1 refused or a file could not be read or "
                "written, 2 usage error (an unknown name).");
}
