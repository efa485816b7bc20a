#include "instruments/Vantrel62V2CTD.h"

#include <memory>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C62V2VantrelCTD, CVantrelMooredCTD)

namespace {

// Per pressure type: its sensor and the hex characters of temperature,
// conductivity and pressure data in a scan.
struct SPressureType {
    int sensorID;
    int fixedDataLength;
};

const SPressureType kPressureTypes[] = {
    {SID_PRESSURE_DIGIQUARTZ, 18},
    {SID_PRESSURE_DIGIQUARTZ_TC, 22},
    {SID_PRESSURE_DRUCK, 22},
    {-1, 12},
};

// The instrument's own time follows the serial data in every scan.
constexpr int kTimeLength = 8;

}  // namespace

C62V2VantrelCTD::C62V2VantrelCTD() {
    DefaultConfig();
}

C62V2VantrelCTD& C62V2VantrelCTD::operator=(const C62V2VantrelCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelMooredCTD::operator=(other);
    m_serialSensor = other.m_serialSensor;
    m_sampleInterval = other.m_sampleInterval;
    return *this;
}

bool C62V2VantrelCTD::operator==(const C62V2VantrelCTD& other) const {
    return CVantrelMooredCTD::operator==(other) &&
           m_serialSensor.Get() == other.m_serialSensor.Get() &&
           m_sampleInterval.Get() == other.m_sampleInterval.Get();
}

void C62V2VantrelCTD::DefaultConfig() {
    ResetPressureSettings();
    ResetRanges(m_serialSensor, m_sampleInterval);
}

int C62V2VantrelCTD::PressureSensorID(int type) const {
    return kPressureTypes[type].sensorID;
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

int C62V2VantrelCTD::SetSerialSensor(int serialSensor) {
    const int current = m_serialSensor.Get();
    if (serialSensor == current || !m_serialSensor.Set(serialSensor)) {
        return 0;
    }
    // The serial channels are always the last ones.
    ReplaceSerialChannels(m_sensorArray.GetSize() - GetnSerial(current), current, serialSensor);
    return 1;
}

std::span<const SSettingRow<C62V2VantrelCTD>> C62V2VantrelCTD::Settings() {
    using M = C62V2VantrelCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Bounded(SettingTag::PressureSensorType, &M::m_pressureSensorType).Checked(),
            S::Bounded(SettingTag::MooredPressure, &M::m_mooredPressure),
            S::Bounded(SettingTag::TemperatureType, &M::m_tempType),
            S::Bounded(SettingTag::UserSuppliedTemperature, &M::m_userSuppliedTemp),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::CommentOf(
                [](const M& ctd) { return GetSerialSensorComment(ctd.m_serialSensor.Get()); }),
            S::Bounded(SettingTag::SerialSensor, &M::m_serialSensor).Checked(),
            // An interval out of range is an error here, not a reason for the
            // default.
            S::Bounded(SettingTag::SampleInterval, &M::m_sampleInterval).RefuseFails(),
        },
        NmeaRows<M>());
    return rows;
}

long C62V2VantrelCTD::ReadXML(CInputNode* node) {
    // A fresh instrument of this object's own model, which may be the
    // predecessor that shares this design.
    std::unique_ptr<CObject> fresh(GetRuntimeClass()->CreateObject());
    auto& scratch = static_cast<C62V2VantrelCTD&>(*fresh);
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.TakeSettingsFromSensors(
            scratch.TakeSerialSensorFromSensors(read.Int(SettingTag::SerialSensor))) ||
        scratch.m_pressureSensorType.Get() != read.Int(SettingTag::PressureSensorType) ||
        scratch.m_nNumVoltAdd != read.Int(SettingTag::ExternalVoltageChannels)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    AssignFrom(scratch);
    return S_OK_XML;
}

int C62V2VantrelCTD::TakeSerialSensorFromSensors(int serialRead) {
    const int size = m_sensorArray.GetSize();
    if (size < 3 || serialRead < TEMPERATURE_TDW_83 || serialRead > m_serialSensor.GetHigh()) {
        return size;
    }
    m_serialSensor.Set(serialRead);
    return MatchSerialChannels(size, serialRead);
}

void C62V2VantrelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportPressure(os);
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
