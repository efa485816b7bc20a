#include "instruments/Vantrel62V2CTD.h"

#include "core/ReportLine.h"
#include "instruments/ElementReader.h"
#include "sensors/PressureSensors.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C62V2VantrelCTD, CVantrelCTD)

namespace {

constexpr int kLabelWidth = 26;
constexpr int kPressureChannel = 2;

constexpr int kDigiquartz = 0;
constexpr int kDigiquartzTC = 1;
constexpr int kNoPressure = 3;

// Per pressure type: its sensor, its report name and the hex characters of
// temperature, conductivity and pressure data in a scan.
struct SPressureType {
    int sensorID;
    const char* reportName;
    int fixedDataLength;
};

const SPressureType kPressureTypes[] = {
    {SID_PRESSURE_DIGIQUARTZ, "Digiquartz without Temp Comp", 18},
    {SID_PRESSURE_DIGIQUARTZ_TC, "Digiquartz with Temp Comp", 22},
    {SID_PRESSURE_DRUCK, "Strain Gauge", 22},
    {-1, "No Pressure Sensor", 12},
};

// The instrument's own time follows the serial data in every scan.
constexpr int kTimeLength = 8;

CSensor* NewPressureSensor(int type) {
    switch (type) {
        case kDigiquartz:
            return new CPressureDigiquartzSensor;
        case kDigiquartzTC: {
            auto* sensor = new CPressureDigiquartzTC_Sensor;
            sensor->SetbIncludeMB(0);
            return sensor;
        }
        default:
            return new CPressureDruckSensor;
    }
}

int PressureTypeOfSensor(int sensorID) {
    for (int type = kDigiquartz; type < kNoPressure; ++type) {
        if (kPressureTypes[type].sensorID == sensorID) {
            return type;
        }
    }
    return kNoPressure;
}

}  // namespace

C62V2VantrelCTD::C62V2VantrelCTD() {
    DefaultConfig();
}

C62V2VantrelCTD& C62V2VantrelCTD::operator=(const C62V2VantrelCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_pressureSensorType = other.m_pressureSensorType;
    m_tempType = other.m_tempType;
    m_userSuppliedTemp = other.m_userSuppliedTemp;
    m_mooredPressure = other.m_mooredPressure;
    m_serialSensor = other.m_serialSensor;
    m_sampleInterval = other.m_sampleInterval;
    return *this;
}

bool C62V2VantrelCTD::operator==(const C62V2VantrelCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_pressureSensorType.Get() == other.m_pressureSensorType.Get() &&
           m_tempType.Get() == other.m_tempType.Get() &&
           m_userSuppliedTemp.Get() == other.m_userSuppliedTemp.Get() &&
           m_mooredPressure.Get() == other.m_mooredPressure.Get() &&
           m_serialSensor.Get() == other.m_serialSensor.Get() &&
           m_sampleInterval.Get() == other.m_sampleInterval.Get();
}

void C62V2VantrelCTD::DefaultConfig() {
    ResetCommonSettings();
    ResetRanges(m_pressureSensorType, m_tempType, m_userSuppliedTemp, m_mooredPressure,
                m_serialSensor, m_sampleInterval);
    RebuildFixedSensors(GetNumChannelMin());
}

bool C62V2VantrelCTD::HasPressure() const {
    return m_pressureSensorType.Get() != kNoPressure;
}

int C62V2VantrelCTD::AddExtVoltFrom() const {
    return HasPressure() ? 3 : 2;
}

int C62V2VantrelCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return AddExtVoltFrom() + m_nNumVoltAdd + GetnSerial(m_serialSensor.Get());
}

CString C62V2VantrelCTD::GetChannelName(int channel) const {
    if (IsIndex_WET_Labs_Serial(channel)) {
        return GetOutputTypeName(OT_SERIAL);
    }
    return ChannelOutputName(channel);
}

int C62V2VantrelCTD::CanChangeSensor(int channel) const {
    const int from = AddExtVoltFrom();
    return (channel >= from && channel < from + m_nNumVoltAdd) || IsIndex_WET_Labs_Serial(channel);
}

int C62V2VantrelCTD::FixedDataLength() const {
    return kPressureTypes[m_pressureSensorType.Get()].fixedDataLength;
}

int C62V2VantrelCTD::GetBaseLength() const {
    return FixedDataLength() + 4 * m_nNumVoltAdd + SerialFieldLength(m_serialSensor.Get()) +
           kTimeLength;
}

void C62V2VantrelCTD::InitializeForCalculations() {
    const int serialFrom = FixedDataLength() + 4 * m_nNumVoltAdd;
    m_nSerialDataOffset[0] = serialFrom;
    m_nSerialDataOffset[1] = serialFrom + 14;
    m_nPlusScanTimeOffset = serialFrom + SerialFieldLength(m_serialSensor.Get());
    InitializeOffsets();
}

int C62V2VantrelCTD::SetPressureSensorType(int type) {
    if (type < m_pressureSensorType.GetLow() || type > m_pressureSensorType.GetHigh()) {
        return 0;
    }
    if (type == m_pressureSensorType.Get()) {
        return 1;
    }
    if (HasPressure()) {
        RemoveChannels(kPressureChannel, 1);
    }
    if (type != kNoPressure) {
        InsertChannel(kPressureChannel, NewPressureSensor(type));
    }
    m_pressureSensorType.Set(type);
    return 1;
}

int C62V2VantrelCTD::SetSerialSensor(int serialSensor) {
    const int current = m_serialSensor.Get();
    if (serialSensor == current || !m_serialSensor.Set(serialSensor)) {
        return 0;
    }
    // The serial channels are always the last ones.
    ReplaceSerialChannels(m_sensorArray.GetSize() - GetnSerial(current), current, serialSensor);
    return 1;
}

long C62V2VantrelCTD::WriteXML(COutputNode* node) {
    node->WriteInt("PressureSensorType", m_pressureSensorType.Get());
    node->WriteDouble("MooredPressure", m_mooredPressure.Get());
    node->WriteInt("TemperatureType", m_tempType.Get());
    node->WriteDouble("UserSuppliedTemperature", m_userSuppliedTemp.Get());
    node->WriteInt("ExternalVoltageChannels", m_nNumVoltAdd);
    node->WriteComment(GetSerialSensorComment(m_serialSensor.Get()));
    node->WriteInt("SerialRS232C_Sensor", m_serialSensor.Get());
    node->WriteDouble("SampleIntervalSeconds", m_sampleInterval.Get());
    node->WriteInt("NmeaPositionDataAdded", m_bNMEA_Added);
    node->WriteInt("NmeaDepthDataAdded", m_bDepthAdded);
    node->WriteInt("NmeaTimeAdded", m_bNMEA_TimeAdded);
    node->WriteInt("NmeaDeviceConnectedToPC", m_bNMEA_PC);
    return WriteSensorArrayXML(node);
}

long C62V2VantrelCTD::ReadXML(CInputNode* node) {
    C62V2VantrelCTD scratch;
    CElementReader read(node);
    const int pressureTypeRead = read.Int("PressureSensorType", -1, true);
    const int voltageChannelsRead = read.Int("ExternalVoltageChannels", -1, true);
    const int serialRead = read.Int("SerialRS232C_Sensor", -1, true);
    read.Into("MooredPressure", scratch.m_mooredPressure, true);
    read.Into("TemperatureType", scratch.m_tempType, true);
    read.Into("UserSuppliedTemperature", scratch.m_userSuppliedTemp, true);
    // An interval out of range is an error here, not a reason for the default.
    const bool intervalTaken = scratch.m_sampleInterval.Set(
        read.Double("SampleIntervalSeconds", scratch.m_sampleInterval.Get(), true));
    scratch.m_bNMEA_Added = read.Int("NmeaPositionDataAdded", 0, true);
    scratch.m_bDepthAdded = read.Int("NmeaDepthDataAdded", 0, false);
    scratch.m_bNMEA_TimeAdded = read.Int("NmeaTimeAdded", 0, false);
    scratch.m_bNMEA_PC = read.Int("NmeaDeviceConnectedToPC", 0, false);
    if (read.Failed() || !intervalTaken || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.TakeSettingsFromSensors(serialRead) ||
        scratch.m_pressureSensorType.Get() != pressureTypeRead ||
        scratch.m_nNumVoltAdd != voltageChannelsRead) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

bool C62V2VantrelCTD::TakeSettingsFromSensors(int serialRead) {
    const int size = m_sensorArray.GetSize();
    if (size < GetNumChannelMin() || size > GetNumChannelMax() || !LeadingSensorsAreFixed(2)) {
        return false;
    }
    int serialFrom = size;
    if (size >= 3 && serialRead >= TEMPERATURE_TDW_83 && serialRead <= SATLANTIC_SEAFET) {
        serialFrom = MatchSerialChannels(size, serialRead);
        if (serialFrom < 0) {
            return false;
        }
        m_serialSensor.Set(serialRead);
    }
    const int pressureType =
        size >= 3 ? PressureTypeOfSensor(m_sensorArray.GetAt(kPressureChannel)->GetSensorID())
                  : kNoPressure;
    m_pressureSensorType.Set(pressureType);
    // Serial channels that reach into the fixed channels leave no room for
    // a consistent layout.
    m_nNumVoltAdd = serialFrom - AddExtVoltFrom();
    return m_nNumVoltAdd >= 0;
}

void C62V2VantrelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Pressure sensor type",
               kPressureTypes[m_pressureSensorType.Get()].reportName);
    if (!HasPressure()) {
        CString text;
        text.Format("%g dbars", m_mooredPressure.Get());
        ReportLine(os, 0, kLabelWidth, "Moored pressure", text);
        if (m_tempType.Get() == 0) {
            text = "Water Temperature";
        } else {
            text.Format("User Supplied Temperature of %g C", m_userSuppliedTemp.Get());
        }
        ReportLine(os, 0, kLabelWidth, "Adjust pressure with", text);
    }
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    ReportLine(os, 0, kLabelWidth, "Serial RS-232 sensor",
               SerialSensorReportName(m_serialSensor.Get()));
    CString interval;
    interval.Format("%g seconds", m_sampleInterval.Get());
    ReportLine(os, 0, kLabelWidth, "Sample interval", interval);
    ReportLine(os, 0, kLabelWidth, "NMEA position data added", YesNo(m_bNMEA_Added));
    ReportSensors(os, changed);
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
