#pragma once
// Channel selectors of the legacy ASCII configuration file. The file does not
// store sensor IDs: each channel carries a selector (the sensor kind) and a
// sub-selector (the variant, or which of two like sensors it is).

#include "core/CTD.h"

// The free channel's pair.
constexpr int kFreeSelector = 13;

// The selector pair of the sensor on the channel; for a sensor ID without a
// pair it logs "WriteConFile: MapSensorIDtoSelectors failed.", leaves
// *selector and sets *subSelector to 0.
void MapSensorIDtoSelectors(CCTD* ctd, int channel, int* selector, int* subSelector);

// What a selector pair asks the reader to put on a channel.
struct SSelectorTarget {
    enum Kind {
        Sensor,      // sensorID, from its lines of that instance
        GasTension,  // the next gas-tension device
        LeaveEmpty,  // the channel keeps what the instrument put there
        Unknown,     // logged with message; the channel keeps its sensor
    };
    Kind kind = Unknown;
    int sensorID = -1;
    int instance = 0;
    const char* message = "Failed to read .con file.  Unknown sensor type.";
};

SSelectorTarget SelectorTarget(int selector, int subSelector);
