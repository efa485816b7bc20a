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

constexpr int NUM_SENSOR_IDS = 79;

// Sensor IDs that other code names.
enum SensorID {
    SID_BOTTLES_CLOSED = 1,
    SID_BOTTOM_CONTACT = 2,
    SID_CONDUCTIVITY = 3,
    SID_FLUORO_TURNER_RANGE = 15,
    SID_NO_COEFFICIENT = 26,
    SID_NULL = 27,
    SID_OBS_IFREMER_DIRECT = 31,
    SID_OXYGEN_TDW41 = 38,
    SID_PRESSURE_DIGIQUARTZ = 44,
    SID_PRESSURE_DIGIQUARTZ_TC = 45,
    SID_PRESSURE_DRUCK = 46,
    SID_PRESSURE_TDW58 = 48,
    SID_PRESSURE_STRAIN_GAUGE = 49,
    SID_SUSP_SED_TRANS = 53,
    SID_TEMP_NO_COEFF = 54,
    SID_TEMP_TDW2 = 55,
    SID_TEMP_TDW83 = 56,
    SID_TEMP_TDW94 = 57,
    SID_TEMP_VANTREL_PLUS = 58,
    SID_OXYGEN_TDW41F = 65,
    SID_OXYGEN_TDW41I = 66,
};

// The row of a sensor ID, or null outside 0 to 78.
const SSensorData* GetSensorData(int sensorID);

// How many sensors of one ID a configuration may hold.
int MaxSensorTypeAllowed(int sensorID);
