#include "instruments/Vantrel64V2CTD.h"

#include <string>

#include "core/ReportLine.h"
#include "instruments/ElementReader.h"
#include "platform/Diagnostics.h"
#include "sensors/PressureSensors.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C64V2VantrelCTD, CVantrelCTD)

namespace {

constexpr int kLabelWidth = 26;
constexpr int kPressureChannel = 2;
constexpr int kDigiquartz = 0;
constexpr int kStrainGauge = 1;
constexpr int kMoored = 1;

// Hex characters: temperature, conductivity, pressure and its temperature.
constexpr int kFixedDataLength = 22;

}  // namespace

C64V2VantrelCTD::C64V2VantrelCTD() {
    DefaultConfig();
}

C64V2VantrelCTD& C64V2VantrelCTD::operator=(const C64V2VantrelCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_pressureSensorType = other.m_pressureSensorType;
    m_mode = other.m_mode;
    m_serialSensor = other.m_serialSensor;
    m_sampleInterval = other.m_sampleInterval;
    m_scansToAvg = other.m_scansToAvg;
    m_bSPAR_Added = other.m_bSPAR_Added;
    return *this;
}

bool C64V2VantrelCTD::operator==(const C64V2VantrelCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_pressureSensorType.Get() == other.m_pressureSensorType.Get() &&
           m_mode.Get() == other.m_mode.Get() &&
           m_serialSensor.Get() == other.m_serialSensor.Get() &&
           m_sampleInterval.Get() == other.m_sampleInterval.Get() &&
           m_scansToAvg.Get() == other.m_scansToAvg.Get() && m_bSPAR_Added == other.m_bSPAR_Added;
}

void C64V2VantrelCTD::DefaultConfig() {
    ResetCommonSettings();
    ResetRanges(m_pressureSensorType, m_mode, m_serialSensor, m_sampleInterval, m_scansToAvg);
    m_bSPAR_Added = 0;
    RebuildFixedSensors(GetNumChannelMin());
}

int C64V2VantrelCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return 3 + m_nNumVoltAdd + GetnSerial(m_serialSensor.Get()) + (m_bSPAR_Added ? 2 : 0);
}

CString C64V2VantrelCTD::GetChannelName(int channel) const {
    if (IsIndex_WET_Labs_Serial(channel)) {
        return GetOutputTypeName(OT_SERIAL);
    }
    return ChannelNameWithPAR(channel, m_bSPAR_Added);
}

int C64V2VantrelCTD::CanChangeSensor(int channel) const {
    return (channel >= 3 && channel < 3 + m_nNumVoltAdd) || IsIndex_WET_Labs_Serial(channel);
}

double C64V2VantrelCTD::GetScanInterval() const {
    return m_mode.Get() == kMoored ? m_sampleInterval.Get() : m_scansToAvg.Get() / 4.0;
}

int C64V2VantrelCTD::GetBaseLength() const {
    return kFixedDataLength + 4 * m_nNumVoltAdd + SerialFieldLength(m_serialSensor.Get()) +
           (m_bSPAR_Added ? 6 : 0) + (m_mode.Get() == kMoored ? 8 : 0);
}

void C64V2VantrelCTD::InitializeForCalculations() {
    const int serialFrom = kFixedDataLength + 4 * m_nNumVoltAdd;
    m_nSerialDataOffset[0] = serialFrom;
    m_nSerialDataOffset[1] = serialFrom + 14;
    m_nPlusScanTimeOffset =
        m_mode.Get() == kMoored ? serialFrom + SerialFieldLength(m_serialSensor.Get()) : 0;
    InitializeOffsets();
}

int C64V2VantrelCTD::SetPressureSensorType(int type) {
    if (type < m_pressureSensorType.GetLow() || type > m_pressureSensorType.GetHigh()) {
        return 0;
    }
    if (type == m_pressureSensorType.Get()) {
        return 1;
    }
    CSensor* sensor = nullptr;
    if (type == kDigiquartz) {
        auto* digiquartz = new CPressureDigiquartzTC_Sensor;
        digiquartz->SetbIncludeMB(0);
        sensor = digiquartz;
    } else {
        sensor = new CPressureDruckSensor;
    }
    ReplaceSensor(kPressureChannel, sensor);
    m_pressureSensorType.Set(type);
    return 1;
}

int C64V2VantrelCTD::SetMode(int mode) {
    if (!m_mode.Set(mode)) {
        return 0;
    }
    if (mode == kMoored) {
        SetbSPAR_Added(0);
    }
    // Gas tension devices and the TDW 58 cannot stay through a change of mode.
    const int serialSensor = m_serialSensor.Get();
    if (serialSensor >= GTD_DO_ONLY && serialSensor <= PRESSURE_TDW_58) {
        SetSerialSensor(NO_SERIAL_SENSOR);
    }
    return 1;
}

int C64V2VantrelCTD::SetSerialSensor(int serialSensor) {
    // This instrument has no TDW 58 port. Its readers refuse a file with the
    // setting 8, so the setter refuses it too rather than store a setting
    // whose channels it cannot insert.
    if (serialSensor == m_serialSensor.Get() || serialSensor == PRESSURE_TDW_58 ||
        serialSensor < m_serialSensor.GetLow() || serialSensor > m_serialSensor.GetHigh()) {
        return 0;
    }
    if (m_mode.Get() != kMoored) {
        static const char* const kProfileWarnings[] = {
            nullptr,     nullptr,     "GTD_DO_ONLY", "GTD_N2_ONLY", "GTD_DO_N2",
            "GTD_N2_DO", "GTD_DO_DO", "GTD_N2_N2",   nullptr,       nullptr,
            nullptr,     nullptr,     nullptr,       "SeaFET"};
        if (const char* name = kProfileWarnings[serialSensor]) {
            CString text;
            text.Format("C64V2VantrelCTD::SetSerialSensor - can't have %s in profile mode!", name);
            CDiagnostics::Log(text, 2);
        }
    }
    ReplaceSerialChannels(SerialChannelsFrom(), m_serialSensor.Get(), serialSensor);
    m_serialSensor.Set(serialSensor);
    return 1;
}

int C64V2VantrelCTD::SetnSampleInterval(int seconds) {
    return m_sampleInterval.Set(seconds);
}

int C64V2VantrelCTD::SetnScansToAvg(int scans) {
    if (scans < m_scansToAvg.GetLow() || scans > m_scansToAvg.GetHigh()) {
        return 0;
    }
    // Digiquartz pressure is averaged over pairs of scans.
    if (m_pressureSensorType.Get() == kDigiquartz && scans % 2 != 0) {
        scans = scans == m_scansToAvg.GetHigh() ? scans - 1 : scans + 1;
    }
    m_scansToAvg.Set(scans);
    return 1;
}

void C64V2VantrelCTD::SetbSPAR_Added(int on) {
    // Only a change between off and on touches the channels or the flag.
    if ((on != 0) != (m_bSPAR_Added != 0)) {
        ChangeSurfacePAR(m_bSPAR_Added, on);
    }
}

long C64V2VantrelCTD::WriteXML(COutputNode* node) {
    node->WriteInt("PressureSensorType", m_pressureSensorType.Get());
    node->WriteInt("ExternalVoltageChannels", m_nNumVoltAdd);
    node->WriteInt("Mode", m_mode.Get());
    node->WriteComment(GetSerialSensorComment(m_serialSensor.Get()));
    node->WriteInt("SerialRS232C_Sensor", m_serialSensor.Get());
    node->WriteInt("SampleIntervalSeconds", m_sampleInterval.Get());
    node->WriteInt("ScansToAverage", m_scansToAvg.Get());
    node->WriteInt("SurfaceParVoltageAdded", m_bSPAR_Added);
    node->WriteInt("ScanTimeAdded", m_bScanTimeAdded);
    node->WriteInt("NmeaPositionDataAdded", m_bNMEA_Added);
    node->WriteInt("NmeaDepthDataAdded", m_bDepthAdded);
    node->WriteInt("NmeaTimeAdded", m_bNMEA_TimeAdded);
    node->WriteInt("NmeaDeviceConnectedToPC", m_bNMEA_PC);
    return WriteSensorArrayXML(node);
}

long C64V2VantrelCTD::ReadXML(CInputNode* node) {
    C64V2VantrelCTD scratch;
    CElementReader read(node);
    const int pressureTypeRead = read.Int("PressureSensorType", -1, false);
    const int voltageChannels = read.Int("ExternalVoltageChannels", -1, true);
    read.Into("Mode", scratch.m_mode, true);
    const int serialSensor = read.Int("SerialRS232C_Sensor", NO_SERIAL_SENSOR, false);
    read.Into("SampleIntervalSeconds", scratch.m_sampleInterval, true);
    read.Into("ScansToAverage", scratch.m_scansToAvg, true);
    scratch.m_bSPAR_Added = read.Int("SurfaceParVoltageAdded", 0, true);
    scratch.m_bNMEA_Added = read.Int("NmeaPositionDataAdded", 0, true);
    scratch.m_bNMEA_TimeAdded = read.Int("NmeaTimeAdded", 0, false);
    scratch.m_bNMEA_PC = read.Int("NmeaDeviceConnectedToPC", 0, false);
    scratch.m_bScanTimeAdded = read.Int("ScanTimeAdded", 0, true);
    scratch.m_bDepthAdded = read.Int("NmeaDepthDataAdded", 0, false);
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0) {
        return E_FAIL_XML;
    }
    if (serialSensor == PRESSURE_TDW_58 || serialSensor < 0 || serialSensor > SATLANTIC_SEAFET) {
        CDiagnostics::Log("C64V2VantrelCTD::ReadXML - unsupported serial sensor - TDW 58.", 0);
        return E_FAIL_XML;
    }
    scratch.m_serialSensor.Set(serialSensor);
    scratch.m_pressureSensorType.Set(pressureTypeRead);
    scratch.m_nNumVoltAdd = voltageChannels;
    if (!scratch.SensorsMatchSettings(pressureTypeRead)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

bool C64V2VantrelCTD::SensorsMatchSettings(int pressureTypeRead) const {
    const int size = m_sensorArray.GetSize();
    if (size < 3 || !LeadingSensorsAreFixed(2)) {
        return false;
    }
    const int pressureID = m_sensorArray.GetAt(kPressureChannel)->GetSensorID();
    const int pressureType = pressureID == SID_PRESSURE_DIGIQUARTZ_TC ? kDigiquartz
                             : pressureID == SID_PRESSURE_DRUCK       ? kStrainGauge
                                                                      : -1;
    if (pressureType < 0 || pressureType != pressureTypeRead) {
        return false;
    }
    const int serialFrom =
        MatchSerialChannels(size - (m_bSPAR_Added ? 2 : 0), m_serialSensor.Get());
    return serialFrom >= 3 && serialFrom - 3 == m_nNumVoltAdd;
}

void C64V2VantrelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(
        os, 0, kLabelWidth, "Pressure sensor type",
        m_pressureSensorType.Get() == kDigiquartz ? "Digiquartz with Temp Comp" : "Strain Gauge");
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    ReportLine(os, 0, kLabelWidth, "Mode", m_mode.Get() == kMoored ? "Moored" : "Profile");
    ReportLine(os, 0, kLabelWidth, "Serial RS-232 sensor",
               SerialSensorReportName(m_serialSensor.Get()));
    if (m_mode.Get() == kMoored) {
        ReportLine(os, 0, kLabelWidth, "Sample interval",
                   std::to_string(m_sampleInterval.Get()) + " seconds");
    } else {
        ReportLine(os, 0, kLabelWidth, "Scans to average", m_scansToAvg.Get());
    }
    ReportNMEA_Group(os, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Surface PAR voltage added", YesNo(m_bSPAR_Added));
    ReportLine(os, 0, kLabelWidth, "Scan time added", YesNo(m_bScanTimeAdded));
    ReportSensors(os, changed);
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
