#include "core/SensorRegistry.h"

namespace {

constexpr SSensorData kRegistry[] = {
#define TW_SENSOR(id, name, Class, displayName, outputType, calibratable, xmlTag, max) \
    {displayName, outputType, calibratable, xmlTag},
#include "core/SensorIDs.def"
#undef TW_SENSOR
};

constexpr int kMaxAllowed[] = {
#define TW_SENSOR(id, name, Class, displayName, outputType, calibratable, xmlTag, max) max,
#include "core/SensorIDs.def"
#undef TW_SENSOR
};

// The rows stand in ID order, so that an ID indexes its row.
constexpr bool RowsInIDOrder() {
    int next = 0;
#define TW_SENSOR(id, ...) next = (next == (id)) ? next + 1 : -1;
#include "core/SensorIDs.def"
#undef TW_SENSOR
    return next == NUM_SENSOR_IDS;
}
static_assert(RowsInIDOrder());

constexpr const char* kOutputTypeNames[] = {"Unknown",          "Frequency",    "A/D voltage",
                                            "Pressure voltage", "SPAR voltage", "Count",
                                            "Serial RS-232"};

}  // namespace

const char* GetOutputTypeName(int outputType) {
    return (outputType >= OT_UNKNOWN && outputType <= OT_SERIAL) ? kOutputTypeNames[outputType]
                                                                 : kOutputTypeNames[OT_UNKNOWN];
}

const SSensorData* GetSensorData(int sensorID) {
    if (sensorID < 0 || sensorID >= NUM_SENSOR_IDS) {
        return nullptr;
    }
    return &kRegistry[sensorID];
}

int MaxSensorTypeAllowed(int sensorID) {
    return (sensorID >= 0 && sensorID < NUM_SENSOR_IDS) ? kMaxAllowed[sensorID] : 1;
}
