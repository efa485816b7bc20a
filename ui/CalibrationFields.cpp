#include "ui/CalibrationFields.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

// Fields a view leaves out, by tag or, for a group, by its key
// ("Coefficients[equation=0]"); "*" leaves out every field.
struct SViewRule {
    ECalibrationView view;
    const char* switchTag;
    std::initializer_list<const char*> hidden;
};

const SViewRule kViewRules[] = {
    {ECalibrationView::AllCoefficients, nullptr, {}},
    {ECalibrationView::SerialAndDateOnly, nullptr, {"*"}},
    {ECalibrationView::ConductivityGJ, "UseG_J", {"Coefficients[equation=0]", "WBOTC"}},
    {ECalibrationView::ConductivityOld, "UseG_J", {"Coefficients[equation=1]"}},
    // The cell type, not the switch, chooses this form: the switch stays out.
    {ECalibrationView::ConductivityType1, nullptr, {"UseG_J", "Coefficients[equation=0]"}},
    {ECalibrationView::TemperatureGJ, "UseG_J", {"A", "B", "C", "D", "F0_Old"}},
    {ECalibrationView::TemperatureOld, "UseG_J", {"G", "H", "I", "J", "F0"}},
};

const SViewRule& RuleOf(ECalibrationView view) {
    return *std::find_if(std::begin(kViewRules), std::end(kViewRules),
                         [view](const SViewRule& rule) { return rule.view == view; });
}

}  // namespace

bool CalibrationViewHides(ECalibrationView view, const SSensorField& field) {
    const std::string name = field.kind == SSensorField::EKind::OpenGroup ? field.key : field.tag;
    for (const char* hidden : RuleOf(view).hidden) {
        if (std::strcmp(hidden, "*") == 0 || name == hidden) {
            return true;
        }
    }
    return false;
}

const char* CalibrationViewSwitch(ECalibrationView view) {
    return RuleOf(view).switchTag;
}
