#include "access/Listings.h"

#include "core/Catalogue.h"
#include "core/SensorRegistry.h"

std::vector<SInstrumentRow> InstrumentRows() {
    std::vector<SInstrumentRow> rows;
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        const SCTD_Data& row = *GetCTD_Data(id);
        rows.push_back(
            {id, row.name, row.numFreqAddMax, row.numVoltAddMax, row.numChannelLock,
             row.numChannelMin, row.numChannelMax,
             std::vector<int>(row.fixedSensors, row.fixedSensors + row.numFixedSensors)});
    }
    return rows;
}

std::vector<SSensorRow> SensorRows() {
    std::vector<SSensorRow> rows;
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        const SSensorData& row = *GetSensorData(id);
        rows.push_back({id, row.name, row.outputType, row.calibratable != 0, row.xmlTag,
                        MaxSensorTypeAllowed(id)});
    }
    return rows;
}
