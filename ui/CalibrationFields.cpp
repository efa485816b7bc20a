#include "ui/CalibrationFields.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include "platform/xml/Cursor.h"

namespace {

// Elements a view leaves out, by tag or, for a group, by its step name
// ("Coefficients[equation=0]"); "*" leaves out every coefficient.
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

struct SLabel {
    const char* tag;
    const char* label;
};

const SLabel kLabels[] = {
    {"UseG_J", "Use G, H, I, J coefficients"},
    {"Use2007Equation", "Use 2007 equation"},
    {"DoSalinityCorrection", "Salinity correction"},
    {"DoDepthCorrection", "Depth correction"},
    {"InternalSalinity", "Internal salinity"},
    {"SeriesR", "Series R"},
    {"CellConst", "Cell Const"},
    {"ConductivityType", "Conductivity type"},
    {"ScaleFactor", "Scale factor"},
    {"PathLength", "Path length"},
    {"GainSetting", "Gain setting"},
    {"GainRange", "Gain range switch"},
    {"ModuloBit", "Modulo bit to use"},
    {"SensorName", "Sensor name"},
};

const char* const kChecks[] = {"UseG_J", "Use2007Equation", "DoSalinityCorrection",
                               "DoDepthCorrection"};

}  // namespace

bool CalibrationViewHides(ECalibrationView view, pugi::xml_node element) {
    const std::string step = TDWXML::detail::StepName(element);
    for (const char* hidden : RuleOf(view).hidden) {
        if (std::strcmp(hidden, "*") == 0 || step == hidden) {
            return true;
        }
    }
    return false;
}

const char* CalibrationViewSwitch(ECalibrationView view) {
    return RuleOf(view).switchTag;
}

CString CalibrationLabel(const char* tag) {
    for (const SLabel& entry : kLabels) {
        if (std::strcmp(entry.tag, tag) == 0) {
            return entry.label;
        }
    }
    return tag;
}

bool IsCalibrationCheck(const char* tag) {
    return std::any_of(std::begin(kChecks), std::end(kChecks),
                       [tag](const char* check) { return std::strcmp(check, tag) == 0; });
}
