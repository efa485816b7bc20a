#pragma once
// What differs between two configurations, by the names their items carry
// (ConfigItems.h). Whether they differ at all is the library's own
// comparison; the named items say where.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/CTD.h"

struct SDifference {
    std::string name;     // as info --json and set name it
    std::string context;  // the channel: number, label and sensor
    std::string a;
    std::string b;
};

// True when the two are the same model and equal by the library's comparison.
bool ConfigurationsEqual(const CCTD& a, const CCTD& b);

// Every difference, in the order of a's items; empty for equal configurations.
std::vector<SDifference> Differences(const CCTD& a, const CCTD& b);

// The differences as a JSON array of {name, context, a, b}; texts in UTF-8.
nlohmann::ordered_json DifferencesJson(const std::vector<SDifference>& differences);
