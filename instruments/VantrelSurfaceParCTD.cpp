#include "instruments/VantrelSurfaceParCTD.h"

#include "core/Catalogue.h"
#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "sensors/PressureSensors.h"

IMPLEMENT_DYNAMIC(CVantrelSurfaceParCTD, CVantrelCTD)

namespace {

constexpr int kPressureChannel = 2;

}  // namespace

CVantrelSurfaceParCTD& CVantrelSurfaceParCTD::operator=(const CVantrelSurfaceParCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_pressureSensorType = other.m_pressureSensorType;
    m_bSPAR_Added = other.m_bSPAR_Added;
    return *this;
}

bool CVantrelSurfaceParCTD::operator==(const CVantrelSurfaceParCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_pressureSensorType.Get() == other.m_pressureSensorType.Get() &&
           m_bSPAR_Added == other.m_bSPAR_Added;
}

void CVantrelSurfaceParCTD::ResetPressureAndPar() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    ResetRanges(m_pressureSensorType);
    m_bSPAR_Added = 0;
}

int CVantrelSurfaceParCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return kVoltagesFrom + m_nNumVoltAdd + GetnSerial(GetSerialSensor()) + (m_bSPAR_Added ? 2 : 0);
}

CString CVantrelSurfaceParCTD::GetChannelName(int channel) const {
    if (IsIndex_WET_Labs_Serial(channel)) {
        return GetOutputTypeName(OT_SERIAL);
    }
    return ChannelNameWithPAR(channel, m_bSPAR_Added);
}

int CVantrelSurfaceParCTD::CanChangeSensor(int channel) const {
    return (channel >= kVoltagesFrom && channel < kVoltagesFrom + m_nNumVoltAdd) ||
           IsIndex_WET_Labs_Serial(channel);
}

int CVantrelSurfaceParCTD::StrainGaugeSensorID() const {
    return GetCTD_Data(GetCTD_ID())->fixedSensors[kPressureChannel];
}

int CVantrelSurfaceParCTD::SetPressureSensorType(int type) {
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
        sensor = CreateSensorObject(StrainGaugeSensorID());
    }
    ReplaceSensor(kPressureChannel, sensor);
    m_pressureSensorType.Set(type);
    return 1;
}

bool CVantrelSurfaceParCTD::LeadingSensorsMatch(int pressureTypeRead) const {
    if (m_sensorArray.GetSize() < 3 || !HasFixedSensors(2)) {
        return false;
    }
    const int pressureID = m_sensorArray.GetAt(kPressureChannel)->GetSensorID();
    const int pressureType = pressureID == SID_PRESSURE_DIGIQUARTZ_TC ? kPressureDigiquartz
                             : pressureID == StrainGaugeSensorID()    ? kPressureStrainGauge
                                                                      : -1;
    if (pressureType < 0 || pressureType != pressureTypeRead) {
        return RefuseRead(SettingTag::PressureSensorType,
                          std::to_string(pressureTypeRead) + " disagrees with the " +
                              m_sensorArray.GetAt(kPressureChannel)->GetSensorName().str() +
                              " on channel " + std::to_string(kPressureChannel));
    }
    return true;
}

bool CVantrelSurfaceParCTD::TakeVoltagesFound(int voltageChannelsRead, int serialCount) {
    const int found =
        m_sensorArray.GetSize() - (m_bSPAR_Added ? 2 : 0) - serialCount - kVoltagesFrom;
    if (!VoltageChannelsFit(voltageChannelsRead, found)) {
        return false;
    }
    m_nNumVoltAdd = found;
    return true;
}

void CVantrelSurfaceParCTD::ReportPressureAndVoltages(std::ostream& os) const {
    ReportLine(os, 0, kLabelWidth, "Pressure sensor type",
               m_pressureSensorType.Get() == kPressureDigiquartz ? "Digiquartz with Temp Comp"
                                                                 : "Strain Gauge");
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
}

void CVantrelSurfaceParCTD::ReportParScanTimeSensors(std::ostream& os, int changed) const {
    ReportLine(os, 0, kLabelWidth, "Surface PAR voltage added", YesNo(m_bSPAR_Added));
    ReportLine(os, 0, kLabelWidth, "Scan time added", YesNo(m_bScanTimeAdded));
    ReportSensors(os, changed);
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
