#pragma once
// The class that the sensor table names for each sensor ID, so that a sensor
// class can check at compile time that its ID is the row of its own class.

#include <type_traits>

#include "core/SensorRegistry.h"

#define TW_SENSOR(id, name, Class, ...) class Class;
#include "core/SensorIDs.def"
#undef TW_SENSOR

template <int ID>
struct SSensorClassOf;

#define TW_SENSOR(id, name, Class, ...) \
    template <>                         \
    struct SSensorClassOf<id> {         \
        using type = Class;             \
    };
#include "core/SensorIDs.def"
#undef TW_SENSOR

// True when the sensor table's row of ID names the class.
template <class Class, int ID>
inline constexpr bool kSensorRowNames = std::is_same_v<typename SSensorClassOf<ID>::type, Class>;
