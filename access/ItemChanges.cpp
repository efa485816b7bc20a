#include "access/ItemChanges.h"

#include <cmath>
#include <cstdlib>
#include <set>

#include "access/ConfigItems.h"
#include "access/ControlText.h"
#include "access/LoadedConfig.h"
#include "platform/ReadNotes.h"
#include "platform/xml/NumberText.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

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

// Any spelling the C library reads as infinite or not a number ("NaN",
// "-Infinity", "1e400"), which no reader of a configuration should meet.
bool IsNonFinite(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    while (end != start && (*end == ' ' || *end == '\t')) {
        ++end;
    }
    return end != start && *end == '\0' && !std::isfinite(value);
}

SChangeResult Refused(std::string reason, bool badName = false) {
    SChangeResult result;
    result.badName = badName;
    result.reason = std::move(reason);
    return result;
}

}  // namespace

bool ParseAssignment(const std::string& text, SItemChange* change) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '[') {
            ++depth;
        } else if (ch == ']' && depth > 0) {
            --depth;
        } else if (ch == '=' && depth == 0) {
            if (i == 0) {
                return false;
            }
            *change = {text.substr(0, i), text.substr(i + 1)};
            return true;
        }
    }
    return false;
}

SChangeResult ApplyChanges(const CCTD& ctd, const std::vector<SItemChange>& changes) {
    std::set<std::string> named;
    for (const SItemChange& change : changes) {
        if (!named.insert(change.name).second) {
            return Refused(EscapeControls(change.name) + ": named more than once", true);
        }
    }
    CConfigItems items(ctd);
    for (const SItemChange& change : changes) {
        SConfigItem* item = items.Find(change.name);
        if (!item) {
            return Refused(
                EscapeControls(change.name) + ": no such setting or coefficient (see info --json)",
                true);
        }
        if (HasControl(change.value)) {
            return Refused(change.name + ": '" + EscapeControls(change.value) +
                           "' holds a control character; a value may not");
        }
        const bool numeric = !item->isText && IsNumber(item->text);
        if (numeric && IsNonFinite(change.value)) {
            return Refused(change.name + ": '" + change.value + "' is not a finite number");
        }
        if (numeric && !IsNumber(change.value)) {
            return Refused(change.name + ": '" + change.value + "' is not a number");
        }
        item->SetText(change.value);
    }
    std::unique_ptr<CCTD> changed;
    {
        const CReadNotes notes;
        changed = items.ReadBack();
        if (!changed) {
            const SIOResult why = Config2004::CCTDImportExport::WhyRefused(notes, ctd);
            return Refused("refused: " + AtPlace(why.path, why.message));
        }
    }
    CConfigItems stored(*changed);
    for (const SItemChange& change : changes) {
        const SConfigItem* item = stored.Find(change.name);
        if (!item || !Kept(change.value, item->text, item->isText)) {
            return Refused(change.name + ": " + change.value + " is refused; the " +
                           changed->GetCTD_Name().str() + " keeps " +
                           (item ? EscapeControls(item->text) : "another value"));
        }
    }
    SChangeResult result;
    result.ctd = std::move(changed);
    return result;
}
