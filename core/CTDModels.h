#pragma once
// The instrument models by CTD ID (0 to 15): their names in code, the class
// of each, and the catalogue row of each (display name, channel limits and
// fixed sensors), all taken from the one table of models.

#include <type_traits>

#include "core/SensorRegistry.h"

enum CTD_ID {
#define TW_CTD_MODEL(id, name, ...) name = id,
#include "core/CTDModels.def"
#undef TW_CTD_MODEL
};

constexpr int NUM_CTD_IDS = 0
#define TW_CTD_MODEL(...) +1
#include "core/CTDModels.def"
#undef TW_CTD_MODEL
    ;

struct SCTD_Data {
    const char* name;
    int numFreqAddMax;
    int numVoltAddMax;
    int numChannelLock;
    int numChannelMin;
    int numChannelMax;
    const int* fixedSensors;  // sensor IDs of the leading channels
    int numFixedSensors;
    const char* className;
};

// The row of a CTD ID, or null outside 0 to 15.
const SCTD_Data* GetCTD_Data(int ctdID);

#define TW_CTD_MODEL(id, name, Class, ...) class Class;
#include "core/CTDModels.def"
#undef TW_CTD_MODEL

template <int ID>
struct SCTD_ClassOf;

#define TW_CTD_MODEL(id, name, Class, ...) \
    template <>                            \
    struct SCTD_ClassOf<id> {              \
        using type = Class;                \
    };
#include "core/CTDModels.def"
#undef TW_CTD_MODEL

// True when the table's row of ID names the class.
template <class Class, int ID>
inline constexpr bool kCTD_RowNames = std::is_same_v<typename SCTD_ClassOf<ID>::type, Class>;
