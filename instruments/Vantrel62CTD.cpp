#include "instruments/Vantrel62CTD.h"

#include <string>

#include "core/ReportLine.h"
#include "instruments/NmeaElements.h"

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

const char* const kDocumentComments[] = {
    "Pressure sensor type:",
    "    0 = digiquartz without temp comp",
    "    1 = digiquartz with temp comp",
    "    2 = strain gauge",
    "    3 = no pressure sensor",
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

long C62VantrelCTD::WriteXML(COutputNode* node) {
    for (const char* comment : kDocumentComments) {
        node->WriteComment(comment);
    }
    node->WriteInt("PressureSensorType", m_pressureSensorType.Get());
    node->WriteComment(
        "Moored pressure is only applicable if pressure sensor type = no pressure sensor.");
    node->WriteDouble("MooredPressure", m_mooredPressure.Get(), "%1.12f");
    node->WriteComment(
        "Temperature type is only applicable if pressure sensor type = "
        "digiquartz without temp comp.");
    node->WriteComment("   0 = water temperature");
    node->WriteComment("   1 = user supplied temperature");
    node->WriteInt("TemperatureType", m_tempType.Get());
    node->WriteDouble("UserSuppliedTemperature", m_userSuppliedTemp.Get(), "%1.12f");
    node->WriteInt("ExternalVoltageChannels", m_nNumVoltAdd);
    node->WriteComment("Firmware version: 0 = version 4.0 or newer, 1 = older than version 4.0");
    node->WriteInt("FirmwareVersion", m_firmwareVersion.Get());
    node->WriteInt("SampleIntervalSeconds", m_sampleInterval.Get());
    WriteNmeaElements(node, *this);
    node->WriteInt("ScanTimeAdded", m_bScanTimeAdded);
    return WriteSensorArrayXML(node);
}

long C62VantrelCTD::ReadXML(CInputNode* node) {
    C62VantrelCTD scratch;
    CElementReader read(node);
    const int pressureTypeRead = read.Int("PressureSensorType", -1, true);
    scratch.ReadMooredPressureXML(read);
    const int voltageChannelsRead = read.Int("ExternalVoltageChannels", -1, true);
    read.Into("FirmwareVersion", scratch.m_firmwareVersion, true);
    read.Into("SampleIntervalSeconds", scratch.m_sampleInterval, true);
    ReadNmeaElements(read, scratch);
    scratch.m_bScanTimeAdded = read.Int("ScanTimeAdded", 0, true);
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.TakeSettingsFromSensors(scratch.m_sensorArray.GetSize()) ||
        scratch.m_pressureSensorType.Get() != pressureTypeRead ||
        scratch.m_nNumVoltAdd != voltageChannelsRead) {
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
