#include "access/ItemChanges.h"

#include <cmath>

#include "access/ConfigItems.h"
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

SChangeResult Refused(std::string reason, bool badName = false) {
    SChangeResult result;
    result.badName = badName;
    result.reason = std::move(reason);
    return result;
}

}  // namespace

SChangeResult ApplyChanges(const CCTD& ctd, const std::vector<SItemChange>& changes) {
    CConfigItems items(ctd);
    for (const SItemChange& change : changes) {
        SConfigItem* item = items.Find(change.name);
        if (!item) {
            return Refused(change.name + ": no such setting or coefficient (see info --json)",
                           true);
        }
        if (!item->isText && IsNumber(item->text) && !IsNumber(change.value)) {
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
                           (item ? item->text : "another value"));
        }
    }
    SChangeResult result;
    result.ctd = std::move(changed);
    return result;
}
