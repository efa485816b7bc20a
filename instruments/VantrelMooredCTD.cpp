#include "instruments/VantrelMooredCTD.h"

#include "core/ReportLine.h"
#include "sensors/PressureSensors.h"

IMPLEMENT_DYNAMIC(CVantrelMooredCTD, CVantrelCTD)

namespace {

constexpr int kPressureChannel = 2;

const char* const kPressureTypeNames[] = {"Digiquartz without Temp Comp",
                                          "Digiquartz with Temp Comp", "Strain Gauge",
                                          "No Pressure Sensor"};

}  // namespace

CVantrelMooredCTD& CVantrelMooredCTD::operator=(const CVantrelMooredCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_pressureSensorType = other.m_pressureSensorType;
    m_tempType = other.m_tempType;
    m_userSuppliedTemp = other.m_userSuppliedTemp;
    m_mooredPressure = other.m_mooredPressure;
    return *this;
}

bool CVantrelMooredCTD::operator==(const CVantrelMooredCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_pressureSensorType.Get() == other.m_pressureSensorType.Get() &&
           m_tempType.Get() == other.m_tempType.Get() &&
           m_userSuppliedTemp.Get() == other.m_userSuppliedTemp.Get() &&
           m_mooredPressure.Get() == other.m_mooredPressure.Get();
}

void CVantrelMooredCTD::ResetPressureSettings() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    ResetRanges(m_pressureSensorType, m_tempType, m_userSuppliedTemp, m_mooredPressure);
}

int CVantrelMooredCTD::AddExtVoltFrom() const {
    return HasPressure() ? 3 : 2;
}

int CVantrelMooredCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return AddExtVoltFrom() + m_nNumVoltAdd + GetnSerial(GetSerialSensor());
}

CString CVantrelMooredCTD::GetChannelName(int channel) const {
    if (IsIndex_WET_Labs_Serial(channel)) {
        return GetOutputTypeName(OT_SERIAL);
    }
    return CVantrelCTD::GetChannelName(channel);
}

int CVantrelMooredCTD::CanChangeSensor(int channel) const {
    const int from = AddExtVoltFrom();
    return (channel >= from && channel < from + m_nNumVoltAdd) || IsIndex_WET_Labs_Serial(channel);
}

int CVantrelMooredCTD::SetPressureSensorType(int type) {
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
        CSensor* sensor = CreateSensorObject(PressureSensorID(type));
        if (auto* digiquartz = dynamic_cast<CPressureDigiquartzTC_Sensor*>(sensor)) {
            digiquartz->SetbIncludeMB(0);
        }
        InsertChannel(kPressureChannel, sensor);
    }
    m_pressureSensorType.Set(type);
    return 1;
}

bool CVantrelMooredCTD::TakeSettingsFromSensors(int serialFrom) {
    const int size = m_sensorArray.GetSize();
    if (size < GetNumChannelMin() || size > GetNumChannelMax() || !HasFixedSensors(2)) {
        return false;
    }
    int pressureType = kNoPressure;
    if (size > kPressureChannel) {
        const int id = m_sensorArray.GetAt(kPressureChannel)->GetSensorID();
        for (int type = kPressureDigiquartz; type < kNoPressure; ++type) {
            if (PressureSensorID(type) == id) {
                pressureType = type;
            }
        }
    }
    m_pressureSensorType.Set(pressureType);
    // Serial channels that reach into the fixed channels leave no room for a
    // consistent layout.
    m_nNumVoltAdd = serialFrom - AddExtVoltFrom();
    return m_nNumVoltAdd >= 0 && m_nNumVoltAdd <= GetNumVoltAddMax();
}

void CVantrelMooredCTD::ReportPressure(std::ostream& os) const {
    ReportLine(os, 0, kLabelWidth, "Pressure sensor type",
               kPressureTypeNames[m_pressureSensorType.Get()]);
    if (HasPressure()) {
        return;
    }
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
