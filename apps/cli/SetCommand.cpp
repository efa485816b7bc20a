// set: changes settings and coefficients by the names info --json shows. The
// configuration is written to a document in memory, the named items are
// changed there, and the document is read back through the model's own
// reader, so the model's checks accept or refuse the change as they would a
// file; a value the model replaced by its default is refused too.

#include <cmath>
#include <iostream>
#include <memory>

#include "apps/cli/Commands.h"
#include "apps/cli/ConfigItems.h"
#include "apps/cli/LoadedConfig.h"
#include "platform/ReadNotes.h"
#include "platform/xml/NumberText.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

struct SChange {
    std::string name;
    std::string value;
};

// Half a unit of the last digit a number's text shows ("1.25e+03": 5).
double HalfLastDigit(const std::string& text) {
    const std::size_t exponentAt = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, exponentAt);
    const std::size_t point = mantissa.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    int exponent = 0;
    if (exponentAt != std::string::npos) {
        TDWXML::detail::ParseInt(text.substr(exponentAt + 1), &exponent);
    }
    return 0.5 * std::pow(10.0, exponent - decimals);
}

// The model kept the value asked for: the same text, or a number that the
// stored text shows to its last digit.
bool Kept(const std::string& asked, const std::string& stored, bool isText) {
    double a = 0.0;
    double s = 0.0;
    if (asked == stored || isText) {
        return asked == stored;
    }
    if (!TDWXML::detail::ParseDouble(asked, &a) || !TDWXML::detail::ParseDouble(stored, &s)) {
        return false;
    }
    return std::fabs(a - s) <= HalfLastDigit(stored) * (1 + 1e-9) + 1e-300;
}

bool IsNumber(const std::string& text) {
    double value = 0.0;
    return TDWXML::detail::ParseDouble(text, &value);
}

int Set(const std::string& file, const std::vector<std::string>& assignments,
        const std::string& output, bool force) {
    std::vector<SChange> changes;
    for (const std::string& assignment : assignments) {
        const std::size_t eq = assignment.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::cerr << "tw-configctd: set: '" << assignment << "' is not NAME=VALUE\n";
            return kUsageError;
        }
        changes.push_back({assignment.substr(0, eq), assignment.substr(eq + 1)});
    }
    const SLoadResult loaded = LoadForCommand(file);
    if (!loaded.ctd) {
        return Fail(file, loaded.result);
    }
    CConfigItems items(*loaded.ctd);
    for (const SChange& change : changes) {
        SConfigItem* item = items.Find(change.name);
        if (!item) {
            std::cerr << "tw-configctd: set: " << change.name
                      << ": no such setting or coefficient (see info --json)\n";
            return kUsageError;
        }
        if (!item->isText && IsNumber(item->text) && !IsNumber(change.value)) {
            return Fail(file, change.name + ": '" + change.value + "' is not a number");
        }
        item->SetText(change.value);
    }
    std::unique_ptr<CCTD> changed;
    {
        const CReadNotes notes;
        changed = items.ReadBack();
        if (!changed) {
            const SIOResult why = Config2004::CCTDImportExport::WhyRefused(notes, *loaded.ctd);
            return Fail(file, "refused: " + AtPlace(why.path, why.message));
        }
    }
    CConfigItems stored(*changed);
    for (const SChange& change : changes) {
        const SConfigItem* item = stored.Find(change.name);
        if (!item || !Kept(change.value, item->text, item->isText)) {
            return Fail(file, change.name + ": " + change.value + " is refused; the " +
                                  changed->GetCTD_Name().str() + " keeps " +
                                  (item ? item->text : "another value"));
        }
    }
    const std::string target = output.empty() ? file : output;
    const std::string error = SaveConfiguration(target, *changed, force);
    return error.empty() ? 0 : Fail(target, error);
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
    set->add_flag("--force", o->force, "Replace a write-protected file");
    set->callback([o, &status] { status = Set(o->file, o->assignments, o->output, o->force); });
    DescribeUse(set,
                "tw-configctd set cast01.xmlcon settings.ScansToAverage=4 "
                "channels.1.coefficients.G=-4.1e0 -o cast02.xmlcon",
                "Exit status: 0 changed and written, 1 refused or a file could not be read or "
                "written, 2 usage error (an unknown name).");
}
