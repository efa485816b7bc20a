#include "instruments/VantrelProfilerCTD.h"

#include <string>

#include "core/NullSensor.h"
#include "core/ReportLine.h"
#include "instruments/NmeaElements.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/PressureSensors.h"

using namespace TDWXML;

IMPLEMENT_DYNAMIC(CVantrelProfilerCTD, CVantrelCTD)

namespace {

constexpr int kPressureChannel = 2;
// Hex characters: temperature, conductivity, pressure and its temperature.
constexpr int kFixedDataLength = 22;
constexpr int kParLength = 6;
constexpr int kMooredTimeLength = 8;

}  // namespace

CVantrelProfilerCTD& CVantrelProfilerCTD::operator=(const CVantrelProfilerCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_pressureSensorType = other.m_pressureSensorType;
    m_mode = other.m_mode;
    m_sampleInterval = other.m_sampleInterval;
    m_scansToAvg = other.m_scansToAvg;
    m_bSPAR_Added = other.m_bSPAR_Added;
    return *this;
}

bool CVantrelProfilerCTD::operator==(const CVantrelProfilerCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_pressureSensorType.Get() == other.m_pressureSensorType.Get() &&
           m_mode.Get() == other.m_mode.Get() &&
           m_sampleInterval.Get() == other.m_sampleInterval.Get() &&
           m_scansToAvg.Get() == other.m_scansToAvg.Get() && m_bSPAR_Added == other.m_bSPAR_Added;
}

void CVantrelProfilerCTD::DefaultConfig() {
    ResetCommonSettings();
    ResetRanges(m_pressureSensorType, m_mode, m_sampleInterval, m_scansToAvg);
    m_bSPAR_Added = 0;
    RebuildFixedSensors(GetNumChannelMin());
}

int CVantrelProfilerCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return kVoltagesFrom + m_nNumVoltAdd + GetnSerial(GetSerialSensor()) + (m_bSPAR_Added ? 2 : 0);
}

CString CVantrelProfilerCTD::GetChannelName(int channel) const {
    if (IsIndex_WET_Labs_Serial(channel)) {
        return GetOutputTypeName(OT_SERIAL);
    }
    if (m_bSPAR_Added && channel >= 0 && channel == GetNumChannel() - 2) {
        return GetOutputTypeName(OT_SPAR_VOLTAGE);
    }
    return ChannelOutputName(channel);
}

int CVantrelProfilerCTD::CanChangeSensor(int channel) const {
    return (channel >= kVoltagesFrom && channel < kVoltagesFrom + m_nNumVoltAdd) ||
           IsIndex_WET_Labs_Serial(channel);
}

double CVantrelProfilerCTD::GetScanInterval() const {
    return m_mode.Get() == kModeMoored ? m_sampleInterval.Get() : m_scansToAvg.Get() / 4.0;
}

int CVantrelProfilerCTD::DataLengthBeforeSerial() const {
    return kFixedDataLength + 4 * m_nNumVoltAdd;
}

int CVantrelProfilerCTD::GetBaseLength() const {
    return DataLengthBeforeSerial() + (m_bSPAR_Added ? kParLength : 0) +
           (m_mode.Get() == kModeMoored ? kMooredTimeLength : 0);
}

int CVantrelProfilerCTD::GetScanLen() const {
    if (m_bOptimize) {
        return m_nOptScanLen;
    }
    return GetBaseLength() + NmeaHexLength() + (m_bScanTimeAdded ? 8 : 0);
}

void CVantrelProfilerCTD::InitializeProfilerOffsets(int serialFieldLength) {
    m_nPlusScanTimeOffset =
        m_mode.Get() == kModeMoored ? DataLengthBeforeSerial() + serialFieldLength : 0;
    InitializeOffsets();
}

void CVantrelProfilerCTD::InitializeForCalculations() {
    InitializeProfilerOffsets(0);
}

int CVantrelProfilerCTD::SetPressureSensorType(int type) {
    if (type < m_pressureSensorType.GetLow() || type > m_pressureSensorType.GetHigh()) {
        return 0;
    }
    if (type == m_pressureSensorType.Get()) {
        return 1;
    }
    CSensor* sensor = nullptr;
    if (type == kPressureDigiquartz) {
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

int CVantrelProfilerCTD::SetMode(int mode) {
    if (mode < m_mode.GetLow() || mode > m_mode.GetHigh()) {
        return 0;
    }
    if (mode == kModeMoored) {
        SetbSPAR_Added(0);
    }
    m_mode.Set(mode);
    return 1;
}

int CVantrelProfilerCTD::SetnSampleInterval(int seconds) {
    return m_sampleInterval.Set(seconds);
}

int CVantrelProfilerCTD::SetnScansToAvg(int scans) {
    if (scans < m_scansToAvg.GetLow() || scans > m_scansToAvg.GetHigh()) {
        return 0;
    }
    // Digiquartz pressure is averaged over pairs of scans.
    if (m_pressureSensorType.Get() == kPressureDigiquartz && scans % 2 != 0) {
        scans = scans == m_scansToAvg.GetHigh() ? scans - 1 : scans + 1;
    }
    m_scansToAvg.Set(scans);
    return 1;
}

void CVantrelProfilerCTD::SetbSPAR_Added(int on) {
    // Only a change between off and on touches the channels or the flag.
    if (on && !m_bSPAR_Added) {
        const int end = GetNumChannel();
        auto* sparChannel = new CNullSensor(0);
        sparChannel->SetNullOutputType(OT_SPAR_VOLTAGE);
        InsertChannel(end, sparChannel);
        InsertChannel(end + 1, new CSPAR_Sensor);
        m_bSPAR_Added = on;
    } else if (!on && m_bSPAR_Added) {
        RemoveChannels(m_sensorArray.GetSize() - 2, 2);
        m_bSPAR_Added = on;
    }
}

long CVantrelProfilerCTD::WriteXML(COutputNode* node) {
    node->WriteInt("PressureSensorType", m_pressureSensorType.Get());
    node->WriteInt("ExternalVoltageChannels", m_nNumVoltAdd);
    node->WriteInt("Mode", m_mode.Get());
    WriteSerialSensorXML(node);
    node->WriteInt("SampleIntervalSeconds", m_sampleInterval.Get());
    node->WriteInt("ScansToAverage", m_scansToAvg.Get());
    node->WriteInt("SurfaceParVoltageAdded", m_bSPAR_Added);
    node->WriteInt("ScanTimeAdded", m_bScanTimeAdded);
    WriteNmeaElements(node, *this);
    return WriteSensorArrayXML(node);
}

bool CVantrelProfilerCTD::LeadingSensorsMatch(int pressureTypeRead) const {
    if (m_sensorArray.GetSize() < 3 || !LeadingSensorsAreFixed(2)) {
        return false;
    }
    const int pressureID = m_sensorArray.GetAt(kPressureChannel)->GetSensorID();
    const int pressureType = pressureID == SID_PRESSURE_DIGIQUARTZ_TC ? kPressureDigiquartz
                             : pressureID == SID_PRESSURE_DRUCK       ? kPressureStrainGauge
                                                                      : -1;
    return pressureType >= 0 && pressureType == pressureTypeRead;
}

void CVantrelProfilerCTD::ReportPressureVoltagesMode(std::ostream& os) const {
    ReportLine(os, 0, kLabelWidth, "Pressure sensor type",
               m_pressureSensorType.Get() == kPressureDigiquartz ? "Digiquartz with Temp Comp"
                                                                 : "Strain Gauge");
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    ReportLine(os, 0, kLabelWidth, "Mode", m_mode.Get() == kModeMoored ? "Moored" : "Profile");
}

void CVantrelProfilerCTD::ReportInterval(std::ostream& os) const {
    if (m_mode.Get() == kModeMoored) {
        ReportLine(os, 0, kLabelWidth, "Sample interval",
                   std::to_string(m_sampleInterval.Get()) + " seconds");
    } else {
        ReportLine(os, 0, kLabelWidth, "Scans to average", m_scansToAvg.Get());
    }
}

void CVantrelProfilerCTD::ReportParScanTimeSensors(std::ostream& os, int changed) const {
    ReportLine(os, 0, kLabelWidth, "Surface PAR voltage added", YesNo(m_bSPAR_Added));
    ReportLine(os, 0, kLabelWidth, "Scan time added", YesNo(m_bScanTimeAdded));
    ReportSensors(os, changed);
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
