#pragma once
// The instrument catalogue and the sensor registry as rows, one per model and
// per sensor type, for listing them.

#include <string>
#include <vector>

struct SInstrumentRow {
    int id;
    std::string name;
    int frequencyChannelsMax;
    int voltageChannelsMax;
    int channelsLocked;
    int channelsMin;
    int channelsMax;
    std::vector<int> fixedSensors;
};

struct SSensorRow {
    int id;
    std::string name;
    int outputType;
    bool calibratable;
    std::string xmlElement;
    int maxPerConfiguration;
};

std::vector<SInstrumentRow> InstrumentRows();
std::vector<SSensorRow> SensorRows();
