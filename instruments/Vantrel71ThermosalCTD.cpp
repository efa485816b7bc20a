#include "instruments/Vantrel71ThermosalCTD.h"

#include <memory>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "sensors/TemperatureSensors.h"

using namespace TDWXML;

IMPLEMENT_DYNAMIC(CVantrelThermosalCTD, CVantrelCTD)
IMPLEMENT_DYNCREATE(C71ThermosalCTD, CVantrelThermosalCTD)
IMPLEMENT_DYNCREATE(C71V2ThermosalCTD, CVantrelThermosalCTD)

namespace {

constexpr int kLabelWidth = 26;
constexpr int kRemoteChannel = 2;

// Per remote temperature type: its sensor and its report name.
struct SRemoteTemp {
    int sensorID;
    const char* reportName;
};

const SRemoteTemp kRemoteTemps[] = {
    {-1, "None"},
    {SID_TEMP_TDW2, "TDW 2"},
    {SID_TEMP_TDW83, "TDW 83"},
};

CSensor* NewRemoteTempSensor(int type) {
    return CreateSensorObject(kRemoteTemps[type].sensorID);
}

}  // namespace

C71ThermosalCTD::C71ThermosalCTD() {
    DefaultConfig();
}

C71V2ThermosalCTD::C71V2ThermosalCTD() {
    m_nmeaReport = NmeaReport::PositionAndDepth;
    DefaultConfig();
}

CVantrelThermosalCTD& CVantrelThermosalCTD::operator=(const CVantrelThermosalCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_remoteTempType = other.m_remoteTempType;
    m_sampleInterval = other.m_sampleInterval;
    return *this;
}

bool CVantrelThermosalCTD::operator==(const CVantrelThermosalCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_remoteTempType.Get() == other.m_remoteTempType.Get() &&
           m_sampleInterval.Get() == other.m_sampleInterval.Get();
}

void CVantrelThermosalCTD::DefaultConfig() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    ResetRanges(m_remoteTempType, m_sampleInterval);
}

int CVantrelThermosalCTD::AddExtVoltFrom() const {
    return HasRemoteTemp() ? 3 : 2;
}

int CVantrelThermosalCTD::GetNumChannel() const {
    return m_bOptimize ? m_nOptNumChannel : AddExtVoltFrom() + m_nNumVoltAdd;
}

int CVantrelThermosalCTD::CanChangeSensor(int channel) const {
    const int from = AddExtVoltFrom();
    return channel >= from && channel < from + m_nNumVoltAdd;
}

int CVantrelThermosalCTD::GetBaseLength() const {
    // Three characters a voltage, padded to whole bytes.
    return (HasRemoteTemp() ? 14 : 8) + 3 * m_nNumVoltAdd + m_nNumVoltAdd % 2;
}

void CVantrelThermosalCTD::InitializeForCalculations() {
    InitializeOffsets();
}

int CVantrelThermosalCTD::SetRemoteTempType(int type) {
    return SetChannelSensorType(m_remoteTempType, type, kRemoteChannel, 0, NewRemoteTempSensor);
}

std::span<const SSettingRow<CVantrelThermosalCTD>> CVantrelThermosalCTD::Settings() {
    using M = CVantrelThermosalCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Comment("Remote temperature: 0 = none, 1 = TDW 2, 2 = TDW 83."),
            S::Bounded("RemoteTemperature", &M::m_remoteTempType).RefuseFails(),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::Bounded(SettingTag::SampleInterval, &M::m_sampleInterval),
        },
        NmeaRows<M>(), ScanTimeAdded<M>(&M::m_bScanTimeAdded));
    return rows;
}

long CVantrelThermosalCTD::ReadXML(CInputNode* node) {
    std::unique_ptr<CVantrelThermosalCTD> scratch(static_cast<CVantrelThermosalCTD*>(Clone()));
    scratch->DefaultConfig();
    const CSettingsRead read(node, *scratch, Settings());
    const int voltageChannelsRead = read.Int(SettingTag::ExternalVoltageChannels);
    if (read.Failed() || scratch->ReadSensorArrayXML(node) != 0 ||
        !scratch->SensorsMatchSettings(voltageChannelsRead)) {
        return E_FAIL_XML;
    }
    scratch->m_nNumVoltAdd = voltageChannelsRead;
    DefaultConfig();
    AssignFrom(*scratch);
    return S_OK_XML;
}

bool CVantrelThermosalCTD::SensorsMatchSettings(int voltageChannelsRead) const {
    const int size = m_sensorArray.GetSize();
    if (size < GetNumChannelMin() || size > GetNumChannelMax() || !HasFixedSensors(2)) {
        return false;
    }
    if (HasRemoteTemp() &&
        (size <= kRemoteChannel || m_sensorArray.GetAt(kRemoteChannel)->GetSensorID() !=
                                       kRemoteTemps[m_remoteTempType.Get()].sensorID)) {
        return false;
    }
    return size - AddExtVoltFrom() == voltageChannelsRead;
}

void CVantrelThermosalCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Remote temperature",
               kRemoteTemps[m_remoteTempType.Get()].reportName);
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    CString interval;
    interval.Format("%d seconds", m_sampleInterval.Get());
    ReportLine(os, 0, kLabelWidth, "Sample interval", interval);
    if (m_nmeaReport == NmeaReport::Group) {
        ReportNMEA_Group(os, kLabelWidth);
        ReportLine(os, 0, kLabelWidth, "Scan time added", YesNo(m_bScanTimeAdded));
    } else {
        ReportLine(os, 0, kLabelWidth, "NMEA position data added", YesNo(m_bNMEA_Added));
        ReportLine(os, 0, kLabelWidth, "Depth data added", YesNo(m_bDepthAdded));
    }
    ReportSensors(os, changed);
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
