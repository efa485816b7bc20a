#pragma once
// The sensor registry: for each sensor ID (0 to 78) its display name, the kind
// of channel it occupies, whether the user edits its calibration, and its XML
// element inside a sensor array.

#include "platform/CString.h"

enum OutputType {
    OT_UNKNOWN = 0,
    OT_FREQUENCY = 1,
    OT_VOLTAGE = 2,
    OT_PRESSURE_VOLTAGE = 3,
    OT_SPAR_VOLTAGE = 4,
    OT_COUNT = 5,
    OT_SERIAL = 6,
};

// The display name of an output type ("Frequency", "A/D voltage", ...), also
// used as a channel name; "Unknown" for values outside 0 to 6.
const char* GetOutputTypeName(int outputType);

struct SSensorData {
    const char* name;
    OutputType outputType;
    int calibratable;
    const char* xmlTag;
};

// Every sensor ID by its name in code.
enum SensorID {
#define TW_SENSOR(id, name, ...) name = id,
#include "core/SensorIDs.def"
#undef TW_SENSOR
};

constexpr int NUM_SENSOR_IDS = 0
#define TW_SENSOR(...) +1
#include "core/SensorIDs.def"
#undef TW_SENSOR
    ;

// The row of a sensor ID, or null outside 0 to 78.
const SSensorData* GetSensorData(int sensorID);

// How many sensors of one ID a configuration may hold.
int MaxSensorTypeAllowed(int sensorID);
