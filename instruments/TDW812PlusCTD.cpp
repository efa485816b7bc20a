#include "instruments/TDW812PlusCTD.h"

#include <cstdint>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "sensors/AuxiliarySensors.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C812PlusCTD, CCTD)

namespace {

constexpr const char* kVoltageWordsSuppressedTag = "VoltageWordsSuppressed";
constexpr const char* kFrequencySuppressedTag = "FrequencyChannelsSuppressed";
constexpr int kLabelWidth = 30;
constexpr int kWordBytes = 3;
constexpr int kNmeaPositionBytes = 7;
constexpr int kNmeaDepthBytes = 3;
constexpr int kNmeaTimeBytes = 4;
constexpr int kScanTimeBytes = 4;

constexpr const char* kDeckUnitDescriptions[C812PlusCTD::kNumDeckUnitVersions] = {
    "TDW12plus Firmware Version >= 5.0",
    "TDW12plus Firmware Version < 5.0",
    "TDW 14plus STORAX",
    "None",
};

constexpr const char* kComputerInterfaceNames[] = {"RS-232C", "IEEE-488 (GPIB)"};

}  // namespace

C812PlusCTD::C812PlusCTD() {
    m_computerInterface = CRange<int>{0, 0, 1};
    DefaultConfig();
}

void C812PlusCTD::DefaultConfig() {
    DefaultCommonConfig();
    m_scansToAvg.Set(m_scansToAvg.GetInitialValue());
    m_bSPAR_Added = 0;
    m_bScanTimeAdded = 0;
    m_nDeckUnitVersion = 0;
}

CString C812PlusCTD::GetDeckUnitDescription(int version) {
    return version >= 0 && version < kNumDeckUnitVersions ? kDeckUnitDescriptions[version] : "";
}

int C812PlusCTD::SetComputerInterface(int computerInterface) {
    return m_computerInterface.Set(computerInterface);
}

void C812PlusCTD::SetNumFreqSuppress(int n) {
    if (n >= 0 && n <= kMaxFreqAdd) {
        ChangeNumFreq(kMaxFreqAdd - n);
    }
}

void C812PlusCTD::SetNumVoltWordSuppress(int n) {
    if (n >= 0 && n <= kMaxVoltAdd / 2) {
        ChangeNumVolt(kMaxVoltAdd - 2 * n);
    }
}

int C812PlusCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return kFixedChannels + m_nNumFreqAdd + m_nNumVoltAdd + (m_bSPAR_Added ? 2 : 0);
}

CString C812PlusCTD::GetChannelName(int channel) const {
    return ChannelNameWithPAR(channel, m_bSPAR_Added);
}

int C812PlusCTD::CanChangeSensor(int channel) const {
    return channel >= kFixedChannels && channel < kFixedChannels + m_nNumFreqAdd + m_nNumVoltAdd;
}

double C812PlusCTD::GetScanInterval() const {
    // The deck unit delivers 24 scans a second before averaging.
    return m_scansToAvg.Get() / 24.0;
}

int C812PlusCTD::WordBytes() const {
    const int frequencyWords = kFixedChannels + m_nNumFreqAdd;
    // Two 12-bit voltage channels share a word; the surface PAR pair fills one.
    const int voltageWords = (m_nNumVoltAdd + (m_bSPAR_Added ? 2 : 0)) / 2;
    return kWordBytes * (frequencyWords + voltageWords);
}

int C812PlusCTD::NmeaByteLength() const {
    if (!m_bNMEA_Added) {
        return 0;
    }
    return kNmeaPositionBytes + (m_bDepthAdded ? kNmeaDepthBytes : 0) +
           (m_bNMEA_TimeAdded ? kNmeaTimeBytes : 0);
}

int C812PlusCTD::GetBaseLength() const {
    return WordBytes() + kWordBytes;
}

int C812PlusCTD::GetScanLen() const {
    if (m_bOptimize) {
        return m_nOptScanLen;
    }
    return GetBaseLength() + NmeaByteLength() + (m_bScanTimeAdded ? kScanTimeBytes : 0);
}

int C812PlusCTD::GetiNMEA() const {
    return m_bOptimize ? m_nOptNMEA_Index : WordBytes();
}

int C812PlusCTD::GetiDigiquartzTemp() const {
    return m_bOptimize ? m_nOptDigiquartzTempIndex : WordBytes() + NmeaByteLength();
}

void C812PlusCTD::Optimize(int on) {
    if (on) {
        m_nOptNMEA_Index = GetiNMEA();
        m_nOptDigiquartzTempIndex = GetiDigiquartzTemp();
    }
    CCTD::Optimize(on);
}

void C812PlusCTD::InitializeForCalculations() {
    // Offsets in hex characters, two a byte, for hosts that keep the scan as
    // hex text: six a frequency word, three a voltage channel.
    m_nNMEA_DepthOffset = m_nNMEA_TimeOffset = m_nScanTimeOffset = 0;
    int offset = 6 * (kFixedChannels + m_nNumFreqAdd) + 3 * m_nNumVoltAdd + (m_bSPAR_Added ? 6 : 0);
    if (m_bNMEA_Added && m_bPositionInScan) {
        offset += 2 * kNmeaPositionBytes;
        if (m_bDepthAdded) {
            m_nNMEA_DepthOffset = offset;
            offset += 2 * kNmeaDepthBytes;
        }
        if (m_bNMEA_TimeAdded) {
            m_nNMEA_TimeOffset = offset;
            offset += 2 * kNmeaTimeBytes;
        }
    }
    if (m_bScanTimeAdded) {
        m_nScanTimeOffset = offset + 2 * kWordBytes;  // after the final word
    }
}

const unsigned char* C812PlusCTD::ScanPosition() const {
    if (!m_bPositionInScan || !m_pScanData) {
        return nullptr;
    }
    return m_pScanData + GetiNMEA();
}

int C812PlusCTD::ReadNewPosition() const {
    const unsigned char* position = ScanPosition();
    return position ? NmeaNewPosition(position) : 0;
}

double C812PlusCTD::ReadLatitude() const {
    const unsigned char* position = ScanPosition();
    return position ? NmeaLatitude(position) : m_dLatitude;
}

double C812PlusCTD::ReadLongitude() const {
    const unsigned char* position = ScanPosition();
    return position ? NmeaLongitude(position) : m_dLongitude;
}

double C812PlusCTD::ReadScanTime() const {
    if (!m_bScanTimeAdded || !m_pScanData) {
        return 0.0;
    }
    const unsigned char* b = m_pScanData + GetiDigiquartzTemp() + kWordBytes;
    const std::uint32_t bits =
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<double>(static_cast<std::int32_t>(bits));
}

template <int version>
CString C812PlusCTD::DeckUnitComment(const C812PlusCTD&) {
    CString comment;
    comment.Format("%d == %s", version, kDeckUnitDescriptions[version]);
    return comment;
}

std::span<const SSettingRow<C812PlusCTD>> C812PlusCTD::Settings() {
    using M = C812PlusCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Access(kFrequencySuppressedTag, &M::GetNumFreqSuppress, &M::SetNumFreqSuppress)
                .Checked(),
            S::Access(kVoltageWordsSuppressedTag, &M::GetNumVoltWordSuppress,
                      &M::SetNumVoltWordSuppress)
                .Checked(),
            S::Bounded("ComputerInterface", &M::m_computerInterface).RefuseFails(),
            S::CommentOf(DeckUnitComment<0>),
            S::CommentOf(DeckUnitComment<1>),
            S::CommentOf(DeckUnitComment<2>),
            S::CommentOf(DeckUnitComment<3>),
            // Any other version reads as the first.
            S::Access("DeckUnitVersion", &M::GetDeckUnitVersion, &M::SetDeckUnitVersion)
                .Optional()
                .Limits(0, kNumDeckUnitVersions - 1),
            S::Bounded(SettingTag::ScansToAverage, &M::m_scansToAvg).RefuseFails(),
            SurfaceParAdded<M>(&M::m_bSPAR_Added),
            ScanTimeAdded<M>(&M::m_bScanTimeAdded),
        },
        NmeaRows<M>());
    static_assert(kNumDeckUnitVersions == 4, "one comment a deck unit version");
    return rows;
}

long C812PlusCTD::ReadXML(CInputNode* node) {
    C812PlusCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.TakeChannelsRead(read.Int(kFrequencySuppressedTag),
                                  read.Int(kVoltageWordsSuppressedTag))) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

bool C812PlusCTD::TakeChannelsRead(int freqSuppressed, int voltWordsSuppressed) {
    if (!HasFixedSensors(kFixedChannels)) {
        return false;
    }
    const int size = m_sensorArray.GetSize();
    auto runOf = [this, size](int from, OutputType type) {
        int end = from;
        while (end < size && m_sensorArray.GetAt(end)->GetOutputType() == type) {
            ++end;
        }
        return end - from;
    };
    const int frequencies = runOf(kFixedChannels, OT_FREQUENCY);
    const int voltages = runOf(kFixedChannels + frequencies, OT_VOLTAGE);
    const int after = kFixedChannels + frequencies + voltages;
    // What follows the optional channels is the surface PAR pair or nothing.
    const bool sparPresent =
        size == after + 2 && m_sensorArray.GetAt(after)->GetSensorID() == SID_NULL &&
        m_sensorArray.GetAt(after + 1)->GetSensorID() == CSPAR_Sensor::kSensorID;
    if (size != after + (sparPresent ? 2 : 0) || (m_bSPAR_Added != 0) != sparPresent) {
        return false;
    }
    // A voltage word carries two channels, so the count must be even.
    if (frequencies > kMaxFreqAdd || kMaxFreqAdd - frequencies != freqSuppressed ||
        voltages > kMaxVoltAdd || voltages % 2 != 0 ||
        (kMaxVoltAdd - voltages) / 2 != voltWordsSuppressed) {
        return false;
    }
    m_nNumFreqAdd = frequencies;
    m_nNumVoltAdd = voltages;
    return true;
}

void C812PlusCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Frequency channels suppressed", GetNumFreqSuppress());
    ReportLine(os, 0, kLabelWidth, "Voltage words suppressed", GetNumVoltWordSuppress());
    ReportLine(os, 0, kLabelWidth, "Computer interface",
               kComputerInterfaceNames[m_computerInterface.Get() != 0 ? 1 : 0]);
    ReportLine(os, 0, kLabelWidth, "Deck unit", GetDeckUnitDescription(m_nDeckUnitVersion));
    ReportLine(os, 0, kLabelWidth, "Scans to average", m_scansToAvg.Get());
    ReportClosingLines(os, kLabelWidth, m_bSPAR_Added, m_bScanTimeAdded, changed);
}
