#include "ui/CalibrationFields.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include "platform/xml/Cursor.h"
#include "sensors/OpticalSensors.h"

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

// The texts the sensors' reports show for these selections.
const char* const kDrHaardtGainRangeTexts[] = {"Output Voltage Level", "Modulo Bit", "None"};
const char* const kDrHaardtModuloBitTexts[] = {"8", "9", "10", "11", "None"};
const char* const kScufaUnitsTexts[] = {"RFU", "ppb", "ppm", "ppt", "ug/L", "ng/L", "mg/m^3"};
const char* const kSeapointTurbidityGainTexts[] = {"1 x", "5 x", "20 x", "100 x"};
const char* const kLS6000GainTexts[] = {
    "Full Scale Range = 2.25 NTU", "Full Scale Range = 7.5 NTU", "Full Scale Range = 25 NTU",
    "Full Scale Range = 75 NTU",   "Full Scale Range = 225 NTU", "Full Scale Range = 250 NTU",
    "Full Scale Range = 750 NTU",  "Full Scale Range = 33 mg/l", "Full Scale Range = 100 mg/l"};

struct SChoice {
    std::initializer_list<int> sensorIDs;
    const char* tag;
    std::span<const char* const> texts;
};

const SChoice kChoices[] = {
    {{8, 9, 10, 30}, "GainRange", kDrHaardtGainRangeTexts},
    {{8, 9, 10, 30}, "ModuloBit", kDrHaardtModuloBitTexts},
    {{11, 12}, "GainSetting", kSeapointFluoroGainTexts},
    {{17}, "Units", kScufaUnitsTexts},
    {{33}, "GainSetting", kSeapointTurbidityGainTexts},
    {{34}, "GainSetting", kLS6000GainTexts},
};

bool Contains(std::initializer_list<int> list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

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

std::span<const char* const> CalibrationChoices(int sensorID, const char* tag) {
    for (const SChoice& choice : kChoices) {
        if (Contains(choice.sensorIDs, sensorID) && std::strcmp(choice.tag, tag) == 0) {
            return choice.texts;
        }
    }
    return {};
}
