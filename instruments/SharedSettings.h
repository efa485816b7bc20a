#pragma once
// The tags of the setting elements that the documents of several models
// hold or the dialogs look up, named once, and the rows of the four NMEA
// options, which every model that has them keeps alike.

#include "core/CTD.h"
#include "instruments/SettingRows.h"

namespace SettingTag {
inline constexpr const char* PressureSensorType = "PressureSensorType";
inline constexpr const char* ExternalVoltageChannels = "ExternalVoltageChannels";
inline constexpr const char* Mode = "Mode";
inline constexpr const char* SerialSensor = "SerialRS232C_Sensor";
inline constexpr const char* SampleInterval = "SampleIntervalSeconds";
inline constexpr const char* ScansToAverage = "ScansToAverage";
inline constexpr const char* SurfacePar = "SurfaceParVoltageAdded";
inline constexpr const char* ScanTimeAdded = "ScanTimeAdded";
inline constexpr const char* FirmwareVersion = "FirmwareVersion";
inline constexpr const char* MooredPressure = "MooredPressure";
inline constexpr const char* TemperatureType = "TemperatureType";
inline constexpr const char* UserSuppliedTemperature = "UserSuppliedTemperature";
inline constexpr const char* HalfSecondIntervals = "HalfSecondIntervals";
}  // namespace SettingTag

// Position is required; depth, time and the connection to the PC are off
// when missing. Written in this order.
template <class M>
constexpr SSettingRow<M> NmeaPosition() {
    return SSettingRow<M>::Access("NmeaPositionDataAdded", &CCTD::GetbNMEA_Added,
                                  &CCTD::SetbNMEA_Added);
}
template <class M>
constexpr SSettingRow<M> NmeaDepth() {
    return SSettingRow<M>::Access("NmeaDepthDataAdded", &CCTD::GetbDepthAdded,
                                  &CCTD::SetbDepthAdded)
        .Optional();
}
template <class M>
constexpr SSettingRow<M> NmeaTime() {
    return SSettingRow<M>::Access("NmeaTimeAdded", &CCTD::GetbNMEA_TimeAdded,
                                  &CCTD::SetbNMEA_TimeAdded)
        .Optional();
}
template <class M>
constexpr SSettingRow<M> NmeaToPC() {
    return SSettingRow<M>::Access("NmeaDeviceConnectedToPC", &CCTD::GetbNMEA_PC, &CCTD::SetbNMEA_PC)
        .Optional();
}
