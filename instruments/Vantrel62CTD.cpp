#include "instruments/Vantrel62CTD.h"

#include <string>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C62VantrelCTD, CVantrelMooredCTD)

namespace {

// Per pressure type (0 to 3): its sensor and the hex characters of
// temperature, conductivity and pressure data in a scan.
struct SPressureData {
    int sensorID;
    int fixedDataLength;
};

constexpr SPressureData kPressureData[] = {
    {SID_PRESSURE_DIGIQUARTZ, 14},
    {SID_PRESSURE_DIGIQUARTZ_TC, 18},
    {SID_PRESSURE_STRAIN_GAUGE, 12},
    {-1, 8},
};

}  // namespace

C62VantrelCTD::C62VantrelCTD() {
    DefaultConfig();
}

void C62VantrelCTD::DefaultConfig() {
    ResetPressureSettings();
    ResetRanges(m_firmwareVersion, m_sampleInterval);
}

int C62VantrelCTD::PressureSensorID(int type) const {
    return kPressureData[type].sensorID;
}

int C62VantrelCTD::GetBaseLength() const {
    // Voltages are packed 12 bits to 3 hex characters, an odd count padded
    // to a whole byte; appended fields start after a 4-character status.
    const int voltages = m_nNumVoltAdd;
    return kPressureData[m_pressureSensorType.Get()].fixedDataLength + 3 * voltages +
           (voltages % 2) + (m_bNMEA_Added || m_bScanTimeAdded ? 4 : 0);
}

std::span<const SSettingRow<C62VantrelCTD>> C62VantrelCTD::Settings() {
    using M = C62VantrelCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Comment("Pressure sensor type:"),
            S::Comment("    0 = digiquartz without temp comp"),
            S::Comment("    1 = digiquartz with temp comp"),
            S::Comment("    2 = strain gauge"),
            S::Comment("    3 = no pressure sensor"),
            S::Bounded(SettingTag::PressureSensorType, &M::m_pressureSensorType).Checked(),
            S::Comment(
                "Moored pressure is only applicable if pressure sensor type = no pressure sensor."),
            S::Bounded(SettingTag::MooredPressure, &M::m_mooredPressure, "%1.12f"),
            S::Comment("Temperature type is only applicable if pressure sensor type = "
                       "digiquartz without temp comp."),
            S::Comment("   0 = water temperature"),
            S::Comment("   1 = user supplied temperature"),
            S::Bounded(SettingTag::TemperatureType, &M::m_tempType),
            S::Bounded(SettingTag::UserSuppliedTemperature, &M::m_userSuppliedTemp, "%1.12f"),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::Comment("Firmware version: 0 = version 4.0 or newer, 1 = older than version 4.0"),
            S::Bounded(SettingTag::FirmwareVersion, &M::m_firmwareVersion),
            S::Bounded(SettingTag::SampleInterval, &M::m_sampleInterval),
        },
        NmeaRows<M>(), ScanTimeAdded<M>(&M::m_bScanTimeAdded));
    return rows;
}

long C62VantrelCTD::ReadXML(CInputNode* node) {
    C62VantrelCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.TakeSettingsFromSensors(scratch.m_sensorArray.GetSize()) ||
        scratch.m_pressureSensorType.Get() != read.Int(SettingTag::PressureSensorType) ||
        scratch.m_nNumVoltAdd != read.Int(SettingTag::ExternalVoltageChannels)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void C62VantrelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportPressure(os);
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    ReportLine(os, 0, kLabelWidth, "Firmware version",
               m_firmwareVersion.Get() == 0 ? "Version >= 4.0" : "Version < 4.0");
    ReportLine(os, 0, kLabelWidth, "Sample interval",
               std::to_string(m_sampleInterval.Get()) + " seconds");
    ReportLine(os, 0, kLabelWidth, "NMEA position data added", YesNo(m_bNMEA_Added));
    ReportLine(os, 0, kLabelWidth, "Scan time added", YesNo(m_bScanTimeAdded));
    ReportSensors(os, changed);
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
