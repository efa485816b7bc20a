#pragma once
// The tags of the setting elements that the documents of several models
// hold or the dialogs look up, named once, and the rows that several models
// keep alike: the four NMEA options and the surface PAR and scan-time
// flags. A model joins a group into its rows with SettingList.

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>

#include "core/CTD.h"
#include "instruments/SettingRows.h"

namespace SettingTag {
inline constexpr const char* PressureSensorType = "PressureSensorType";
inline constexpr const char* ExternalVoltageChannels = "ExternalVoltageChannels";
inline constexpr const char* Mode = "Mode";
inline constexpr const char* SerialSensor = "SerialRS232C_Sensor";
inline constexpr const char* SampleInterval = "SampleIntervalSeconds";
inline constexpr const char* ScansToAverage = "ScansToAverage";
inline constexpr const char* ScanTimeAdded = "ScanTimeAdded";
inline constexpr const char* FirmwareVersion = "FirmwareVersion";
inline constexpr const char* MooredPressure = "MooredPressure";
inline constexpr const char* TemperatureType = "TemperatureType";
inline constexpr const char* UserSuppliedTemperature = "UserSuppliedTemperature";
inline constexpr const char* HalfSecondIntervals = "HalfSecondIntervals";
}  // namespace SettingTag

// A model's rows in document order: its own rows, a group, and the single
// rows that follow the group.
template <class M, std::size_t N, std::size_t G, class... After>
auto SettingList(const SSettingRow<M> (&rows)[N], const std::array<SSettingRow<M>, G>& group,
                 const After&... after) {
    std::array<SSettingRow<M>, N + G + sizeof...(After)> list{};
    auto next = std::copy(std::begin(rows), std::end(rows), list.begin());
    next = std::copy(group.begin(), group.end(), next);
    ((*next++ = after), ...);
    return list;
}

template <class M>
constexpr SSettingRow<M> kNmeaPosition = SSettingRow<M>::Access("NmeaPositionDataAdded",
                                                                &CCTD::GetbNMEA_Added,
                                                                &CCTD::SetbNMEA_Added);

enum class ENmeaRequired { Position, All, None };
// The four NMEA options in their document order and which of them a read
// needs: by default position, while depth, time and the connection to the
// PC are off when missing.
template <class M>
constexpr std::array<SSettingRow<M>, 4> NmeaRows(ENmeaRequired required = ENmeaRequired::Position) {
    using S = SSettingRow<M>;
    std::array<S, 4> rows{
        kNmeaPosition<M>,
        S::Access("NmeaDepthDataAdded", &CCTD::GetbDepthAdded, &CCTD::SetbDepthAdded),
        S::Access("NmeaTimeAdded", &CCTD::GetbNMEA_TimeAdded, &CCTD::SetbNMEA_TimeAdded),
        S::Access("NmeaDeviceConnectedToPC", &CCTD::GetbNMEA_PC, &CCTD::SetbNMEA_PC)};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].required =
            required == ENmeaRequired::All || (required == ENmeaRequired::Position && i == 0);
    }
    return rows;
}

// Rows that several models keep alike, each with a member of its own.
template <class M>
constexpr SSettingRow<M> SurfaceParAdded(int M::*member) {
    return SSettingRow<M>::Flag("SurfaceParVoltageAdded", member);
}
template <class M>
constexpr SSettingRow<M> ScanTimeAdded(int M::*member) {
    return SSettingRow<M>::Flag(SettingTag::ScanTimeAdded, member);
}
