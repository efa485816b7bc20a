#include "core/SensorArrayArchive.h"

#include <cstdint>
#include <memory>

void Serialize(CArchive& archive, CSensorArray& sensors) {
    if (archive.IsStoring()) {
        archive << static_cast<std::int32_t>(sensors.GetSize());
        for (int i = 0; i < sensors.GetSize(); ++i) {
            CSensor* sensor = sensors.GetAt(i);
            archive << static_cast<std::int32_t>(sensor->GetSensorID());
            sensor->Serialize(archive);
        }
        return;
    }
    std::int32_t count = 0;
    archive >> count;
    Empty(sensors);
    // The array grows with each sensor loaded rather than to the count read,
    // so that a count the archive cannot back costs nothing.
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t sensorID = 0;
        archive >> sensorID;
        std::unique_ptr<CSensor> sensor(CreateSensorObject(sensorID));
        if (!sensor) {
            throw CArchiveException(CArchiveException::badSchema);
        }
        sensor->Serialize(archive);
        sensors.Add(sensor.release());
    }
}
