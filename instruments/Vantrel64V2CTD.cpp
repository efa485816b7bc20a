#include "instruments/Vantrel64V2CTD.h"

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "platform/Diagnostics.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C64V2VantrelCTD, CVantrelProfilerCTD)

C64V2VantrelCTD::C64V2VantrelCTD() {
    DefaultConfig();
}

C64V2VantrelCTD& C64V2VantrelCTD::operator=(const C64V2VantrelCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelProfilerCTD::operator=(other);
    m_serialSensor = other.m_serialSensor;
    return *this;
}

bool C64V2VantrelCTD::operator==(const C64V2VantrelCTD& other) const {
    return CVantrelProfilerCTD::operator==(other) &&
           m_serialSensor.Get() == other.m_serialSensor.Get();
}

void C64V2VantrelCTD::DefaultConfig() {
    CVantrelProfilerCTD::DefaultConfig();
    ResetRanges(m_serialSensor);
}

int C64V2VantrelCTD::GetBaseLength() const {
    return CVantrelProfilerCTD::GetBaseLength() + SerialFieldLength(m_serialSensor.Get());
}

void C64V2VantrelCTD::InitializeForCalculations() {
    const int serialFrom = DataLengthBeforeSerial();
    m_nSerialDataOffset[0] = serialFrom;
    m_nSerialDataOffset[1] = serialFrom + 14;
    InitializeProfilerOffsets(SerialFieldLength(m_serialSensor.Get()));
}

int C64V2VantrelCTD::SetMode(int mode) {
    if (!CVantrelProfilerCTD::SetMode(mode)) {
        return 0;
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
    if (m_mode.Get() != kModeMoored) {
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

std::span<const SSettingRow<C64V2VantrelCTD>> C64V2VantrelCTD::Settings() {
    using M = C64V2VantrelCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Bounded(SettingTag::PressureSensorType, &M::m_pressureSensorType).Checked(),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::Bounded(SettingTag::Mode, &M::m_mode),
            S::CommentOf(
                [](const M& ctd) { return GetSerialSensorComment(ctd.m_serialSensor.Get()); }),
            S::Bounded(SettingTag::SerialSensor, &M::m_serialSensor)
                .Checked(NO_SERIAL_SENSOR)
                .Optional(),
            S::Bounded(SettingTag::SampleInterval, &M::m_sampleInterval),
            S::Bounded(SettingTag::ScansToAverage, &M::m_scansToAvg),
            SurfaceParAdded<M>(&M::m_bSPAR_Added),
            ScanTimeAdded<M>(&M::m_bScanTimeAdded),
        },
        NmeaRows<M>());
    return rows;
}

long C64V2VantrelCTD::ReadXML(CInputNode* node) {
    C64V2VantrelCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0) {
        return E_FAIL_XML;
    }
    const int serialSensor = read.Int(SettingTag::SerialSensor);
    if (serialSensor == PRESSURE_TDW_58 || serialSensor < 0 || serialSensor > SATLANTIC_SEAFET) {
        CDiagnostics::Log("C64V2VantrelCTD::ReadXML - unsupported serial sensor - TDW 58.", 0);
        return E_FAIL_XML;
    }
    const int pressureTypeRead = read.Int(SettingTag::PressureSensorType);
    scratch.m_serialSensor.Set(serialSensor);
    scratch.m_pressureSensorType.Set(pressureTypeRead);
    scratch.m_nNumVoltAdd = read.Int(SettingTag::ExternalVoltageChannels);
    if (!scratch.SensorsMatchSettings(pressureTypeRead)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

bool C64V2VantrelCTD::SensorsMatchSettings(int pressureTypeRead) const {
    if (!LeadingSensorsMatch(pressureTypeRead)) {
        return false;
    }
    const int serialFrom = MatchSerialChannels(m_sensorArray.GetSize() - (m_bSPAR_Added ? 2 : 0),
                                               m_serialSensor.Get());
    if (serialFrom < 0) {
        return RefuseRead("SerialRS232C_Sensor",
                          std::to_string(m_serialSensor.Get()) +
                              " disagrees with the sensors that end the SensorArray");
    }
    // The document may hold more voltage channels than the setters allow.
    return VoltageChannelsFit(m_nNumVoltAdd, serialFrom - kVoltagesFrom, false);
}

void C64V2VantrelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportPressureVoltagesMode(os);
    ReportLine(os, 0, kLabelWidth, "Serial RS-232 sensor",
               SerialSensorReportName(m_serialSensor.Get()));
    ReportInterval(os);
    ReportNMEA_Group(os, kLabelWidth);
    ReportParScanTimeSensors(os, changed);
}
