#include "legacy/Selectors.h"

#include <initializer_list>

#include "platform/Diagnostics.h"

namespace {

// How a sensor ID's pair depends on its duplicate ordinal on the instrument.
enum class Rule {
    Fixed,                // selector, sub
    SubIsOrdinal,         // selector, ordinal
    SelectorPlusOrdinal,  // selector + ordinal, sub
    SubFirstSecond,       // selector, sub for the first or second
    SelectorFirstSecond,  // selector for the first or second, sub
};

struct SSelectorRow {
    int sensorID;
    Rule rule;
    int selector;
    int sub;
    int second;  // the second sensor's selector or sub
};

constexpr SSelectorRow kSelectorRows[] = {
    {0, Rule::Fixed, 12, 0, 0},
    {1, Rule::Fixed, 61, 0, 0},
    {2, Rule::Fixed, 76, 0, 0},
    {3, Rule::SubIsOrdinal, 1, 0, 0},
    {4, Rule::Fixed, 69, 0, 0},
    {5, Rule::SubFirstSecond, 6, 2, 6},
    {6, Rule::Fixed, 84, 0, 0},
    {7, Rule::Fixed, 115, 0, 0},
    {8, Rule::Fixed, 60, 0, 0},
    {9, Rule::Fixed, 60, 1, 0},
    {30, Rule::Fixed, 60, 2, 0},
    {10, Rule::Fixed, 60, 3, 0},
    {11, Rule::SubIsOrdinal, 85, 0, 0},
    {12, Rule::Fixed, 100, 0, 0},
    {13, Rule::Fixed, 6, 0, 0},
    {14, Rule::Fixed, 6, 3, 0},
    {15, Rule::Fixed, 6, 4, 0},
    {16, Rule::Fixed, 6, 5, 0},
    {17, Rule::SubIsOrdinal, 93, 0, 0},
    {18, Rule::Fixed, 77, 0, 0},
    {19, Rule::Fixed, 99, 0, 0},
    {20, Rule::SubIsOrdinal, 96, 0, 0},
    {21, Rule::SubFirstSecond, 77, 2, 5},
    {22, Rule::SubIsOrdinal, 101, 0, 0},
    {23, Rule::SubIsOrdinal, 102, 0, 0},
    {24, Rule::Fixed, 97, 0, 0},
    {25, Rule::Fixed, 98, 0, 0},
    {27, Rule::Fixed, kFreeSelector, 0, 0},
    {28, Rule::SubIsOrdinal, 9, 0, 0},
    {29, Rule::Fixed, 43, 0, 0},
    {31, Rule::Fixed, 38, 1, 0},
    {32, Rule::Fixed, 38, 0, 0},
    {33, Rule::SubIsOrdinal, 82, 0, 0},
    {34, Rule::SubIsOrdinal, 74, 0, 0},
    {35, Rule::SubIsOrdinal, 94, 0, 0},
    {36, Rule::SelectorFirstSecond, 3, 0, 56},
    {39, Rule::SelectorFirstSecond, 3, 1, 56},
    {37, Rule::Fixed, 61, 1, 0},
    {40, Rule::Fixed, 61, 2, 0},
    {50, Rule::Fixed, 61, 3, 0},
    {38, Rule::SelectorFirstSecond, 86, 0, 87},
    {41, Rule::Fixed, 10, 0, 0},
    {42, Rule::SubIsOrdinal, 7, 0, 0},
    {43, Rule::Fixed, 4, 0, 0},
    {44, Rule::Fixed, 2, 0, 0},
    {45, Rule::Fixed, 2, 0, 0},
    {46, Rule::Fixed, 2, 0, 0},
    {49, Rule::Fixed, 2, 0, 0},
    {47, Rule::SubIsOrdinal, 81, 0, 0},
    {48, Rule::Fixed, 116, 0, 0},
    {51, Rule::Fixed, 8, 0, 0},
    {52, Rule::Fixed, 103, 0, 0},
    {53, Rule::Fixed, 104, 0, 0},
    {54, Rule::Fixed, 0, 0, 0},
    {57, Rule::Fixed, 0, 0, 0},
    {58, Rule::Fixed, 0, 0, 0},
    {55, Rule::SubIsOrdinal, 0, 0, 0},
    {56, Rule::Fixed, 91, 0, 0},
    {59, Rule::SubIsOrdinal, 5, 0, 0},
    {60, Rule::Fixed, 77, 1, 0},
    {61, Rule::SelectorPlusOrdinal, 57, 0, 0},
    {62, Rule::Fixed, 44, 0, 0},
    {63, Rule::SubIsOrdinal, 118, 0, 0},
    {64, Rule::Fixed, 119, 0, 0},
    {76, Rule::Fixed, 120, 0, 0},
};

// Selectors of one sensor kind whose sub-selector is the instance.
struct SSingleKind {
    int selector;
    int sensorID;
};
constexpr SSingleKind kSingleKinds[] = {
    {12, 0},  {69, 4},  {84, 6},  {115, 7},  {85, 11},  {100, 12}, {93, 17},  {99, 19},
    {96, 20}, {97, 24}, {98, 25}, {9, 28},   {43, 29},  {82, 33},  {74, 34},  {94, 35},
    {10, 41}, {7, 42},  {4, 43},  {81, 47},  {116, 48}, {8, 51},   {103, 52}, {104, 53},
    {91, 56}, {5, 59},  {44, 62}, {118, 63}, {119, 64}, {120, 76}, {76, 2},
};

// A group selector: the sensor of each listed sub-selector, and the message
// logged for any other.
struct SGroupMember {
    int sub;
    int sensorID;
    int instance;
};
struct SGroup {
    int selector;
    std::initializer_list<SGroupMember> members;
    const char* message;
};

const SGroup kGroups[] = {
    {3,
     {{0, 36, 0}, {1, 39, 0}},
     "Failed to read .con file.  Incorrect sensor selector for oxBeckmanPS2."},
    {56,
     {{0, 36, 1}, {1, 39, 1}},
     "Failed to read .con file.  Incorrect sensor selector for oxBeckmanPS2."},
    {6,
     {{0, 13, 0}, {2, 5, 0}, {3, 14, 0}, {4, 15, 0}, {5, 16, 0}, {6, 5, 1}},
     "Failed to read .con file. Incorrect sensor selector for flouroPS."},
    {38,
     {{0, 32, 0}, {1, 31, 0}},
     "Failed to read .con file.  Incorrect sensor selector for OBS_IFREMER_PS."},
    {60,
     {{0, 8, 0}, {1, 9, 0}, {2, 30, 0}, {3, 10, 0}},
     "Error reading .con file.  Wrong sensor selector for DrHaardtPS."},
    {61,
     {{0, 1, 0}, {1, 37, 0}, {2, 40, 0}, {3, 50, 0}},
     "Failed to read .con file.  Incorrect sensor selector for IOP_PS."},
    {77,
     {{0, 18, 0}, {1, 60, 0}, {2, 21, 0}, {5, 21, 1}},
     "Failed to read .con file.  Incorrect sensor selector for WetlabPS."},
};

SSelectorTarget Read(int sensorID, int instance) {
    SSelectorTarget target;
    target.kind = SSelectorTarget::Sensor;
    target.sensorID = sensorID;
    target.instance = instance;
    return target;
}

}  // namespace

void MapSensorIDtoSelectors(CCTD* ctd, int channel, int* selector, int* subSelector) {
    const int sensorID = ctd->GetSensor(channel).GetSensorID();
    const int ordinal = ctd->DuplicateSensorOrdinal(channel);
    for (const SSelectorRow& row : kSelectorRows) {
        if (row.sensorID != sensorID) {
            continue;
        }
        *selector = row.selector;
        *subSelector = row.sub;
        switch (row.rule) {
            case Rule::Fixed:
                break;
            case Rule::SubIsOrdinal:
                *subSelector = ordinal;
                break;
            case Rule::SelectorPlusOrdinal:
                *selector += ordinal;
                break;
            case Rule::SubFirstSecond:
                *subSelector = ordinal == 0 ? row.sub : row.second;
                break;
            case Rule::SelectorFirstSecond:
                *selector = ordinal == 0 ? row.selector : row.second;
                break;
        }
        return;
    }
    CDiagnostics::Log("WriteConFile: MapSensorIDtoSelectors failed.", 0);
    *subSelector = 0;
}

SSelectorTarget SelectorTarget(int selector, int subSelector) {
    switch (selector) {
        case 0:
            return Read(55, 1);
        case 1:
            return Read(3, 1);
        case 57:
        case 58:
        case 59:
            return Read(61, selector - 57);
        case 86:
        case 87:
            return Read(SID_OXYGEN_TDW41, selector - 86);
        case 101:
        case 102: {
            SSelectorTarget target;
            target.kind = SSelectorTarget::GasTension;
            return target;
        }
        case 11:
        case kFreeSelector: {
            SSelectorTarget target;
            target.kind = SSelectorTarget::LeaveEmpty;
            return target;
        }
        default:
            break;
    }
    for (const SGroup& group : kGroups) {
        if (group.selector != selector) {
            continue;
        }
        for (const SGroupMember& member : group.members) {
            if (member.sub == subSelector) {
                return Read(member.sensorID, member.instance);
            }
        }
        SSelectorTarget target;
        target.message = group.message;
        return target;
    }
    for (const SSingleKind& kind : kSingleKinds) {
        if (kind.selector != selector) {
            continue;
        }
        // The sub-selector counts like sensors only where two can be present.
        for (const SSelectorRow& row : kSelectorRows) {
            if (row.sensorID == kind.sensorID && row.rule == Rule::SubIsOrdinal) {
                return Read(kind.sensorID, subSelector);
            }
        }
        return Read(kind.sensorID, 0);
    }
    return {};
}
