#include "instruments/PayloadCTD.h"

#include <string>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "sensors/ConductivitySensor.h"

using namespace TDWXML;

IMPLEMENT_DYNAMIC(CVantrelFixedSensorsCTD, CVantrelCTD)
IMPLEMENT_DYNCREATE(CPayloadCTD, CVantrelFixedSensorsCTD)
IMPLEMENT_DYNCREATE(C70420S_CTD, CVantrelFixedSensorsCTD)

namespace {

constexpr const char* kFrequencyChannelsTag = "ExternalFrequencyChannels";
constexpr int kFixedChannels = 3;

}  // namespace

CPayloadCTD::CPayloadCTD() {
    DefaultConfig();
}

CPayloadCTD& CPayloadCTD::operator=(const CPayloadCTD& other) {
    if (this != &other) {
        CVantrelCTD::operator=(other);
        m_nSampleInterval = other.m_nSampleInterval;
    }
    return *this;
}

bool CPayloadCTD::operator==(const CPayloadCTD& other) const {
    return CVantrelCTD::operator==(other) && m_nSampleInterval == other.m_nSampleInterval;
}

void CPayloadCTD::DefaultConfig() {
    // The NMEA and scan-time options are not the payload's: they stay.
    m_serialNum.Empty();
    m_nNumFreqAdd = 0;
    m_nNumVoltAdd = 0;
    DefaultFixedSensors();
    // The payload's conductivity cell reports in its own units.
    dynamic_cast<CCondSensor&>(GetSensor(1)).SetConductivityType(1);
    m_nSampleInterval = 1;
}

int CPayloadCTD::GetNumChannel() const {
    return m_bOptimize ? m_nOptNumChannel : kFixedChannels + m_nNumFreqAdd;
}

int CPayloadCTD::SetSampleInterval(int seconds) {
    if (!SampleIntervalInRange(seconds)) {
        return 0;
    }
    m_nSampleInterval = seconds;
    return 1;
}

int CPayloadCTD::OxygenInstalled() const {
    return FindSensor(SID_OXYGEN_TDW41F, 0) >= 0 ? 1 : 0;
}

std::span<const SSettingRow<CPayloadCTD>> CPayloadCTD::Settings() {
    using M = CPayloadCTD;
    using S = SSettingRow<M>;
    static const S rows[] = {
        S::Flag(kFrequencyChannelsTag, &M::m_nNumFreqAdd).Checked(),
        S::Access(SettingTag::SampleInterval, &M::GetSampleInterval, &M::SetSampleInterval)
            .Optional()
            .Limits(1, GetMaxSampleInterval()),
    };
    return rows;
}

long CPayloadCTD::ReadXML(CInputNode* node) {
    CPayloadCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0) {
        return E_FAIL_XML;
    }
    // A count the instrument could not take is refused like one that
    // disagrees with the sensors.
    const int frequencyChannelsRead = read.Int(kFrequencyChannelsTag);
    if (!scratch.HasFixedSensors(kFixedChannels) || frequencyChannelsRead < 0 ||
        frequencyChannelsRead > GetNumFreqAddMax() ||
        frequencyChannelsRead != scratch.m_sensorArray.GetSize() - kFixedChannels) {
        return E_FAIL_XML;
    }
    scratch.m_nNumFreqAdd = frequencyChannelsRead;
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void CPayloadCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    constexpr int kLabelWidth = 26;
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "External frequency channels", m_nNumFreqAdd);
    ReportLine(os, 0, kLabelWidth, "Sample interval",
               std::to_string(m_nSampleInterval) + " seconds");
    ReportSensors(os, changed);
}

C70420S_CTD::C70420S_CTD() {
    DefaultConfig();
}

C70420S_CTD& C70420S_CTD::operator=(const C70420S_CTD& other) {
    if (this != &other) {
        CVantrelCTD::operator=(other);
        m_scansToAvg = other.m_scansToAvg;
    }
    return *this;
}

bool C70420S_CTD::operator==(const C70420S_CTD& other) const {
    return CVantrelCTD::operator==(other) && m_scansToAvg.Get() == other.m_scansToAvg.Get();
}

void C70420S_CTD::DefaultConfig() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    ResetRanges(m_scansToAvg);
}

int C70420S_CTD::GetScanLen() const {
    if (m_bOptimize) {
        return m_nOptScanLen;
    }
    return 22 + NmeaHexLength() + (m_bScanTimeAdded ? 8 : 0);
}

std::span<const SSettingRow<C70420S_CTD>> C70420S_CTD::Settings() {
    return {};
}

long C70420S_CTD::ReadXML(CInputNode* node) {
    C70420S_CTD scratch;
    if (scratch.ReadSensorArrayXML(node) != 0 ||
        scratch.m_sensorArray.GetSize() != kFixedChannels ||
        !scratch.HasFixedSensors(kFixedChannels)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void C70420S_CTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    constexpr int kLabelWidth = 25;
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Scans to average", m_scansToAvg.Get());
    ReportLine(os, 0, kLabelWidth, "NMEA position data added", YesNo(m_bNMEA_Added));
    ReportSensors(os, changed);
}
