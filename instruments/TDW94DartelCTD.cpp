#include "instruments/TDW94DartelCTD.h"

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "sensors/AuxiliarySensors.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C94DartelCTD, CVantrelCTD)

namespace {

constexpr int kLabelWidth = 25;
constexpr int kFixedChannels = 3;
// Hex characters: temperature, conductivity, pressure and its temperature.
constexpr int kFixedDataLength = 22;
constexpr int kSurfacePAR_Length = 6;

}  // namespace

C94DartelCTD::C94DartelCTD() {
    DefaultConfig();
}

void C94DartelCTD::DefaultConfig() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    ResetRanges(m_scansToAvg);
    m_bSPAR_Added = 0;
}

CString C94DartelCTD::GetChannelName(int channel) const {
    return ChannelNameWithPAR(channel, m_bSPAR_Added);
}

double C94DartelCTD::GetScanInterval() const {
    // 16 raw scans a second.
    return m_scansToAvg.Get() * 0.0625;
}

int C94DartelCTD::GetBaseLength() const {
    return kFixedDataLength + (m_bSPAR_Added ? kSurfacePAR_Length : 0);
}

std::span<const SSettingRow<C94DartelCTD>> C94DartelCTD::Settings() {
    using M = C94DartelCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            ScanTimeAdded<M>(&M::m_bScanTimeAdded).Optional(),
            S::Bounded(SettingTag::ScansToAverage, &M::m_scansToAvg).Optional(),
        },
        NmeaRows<M>(ENmeaRequired::None), SurfaceParAdded<M>(&M::m_bSPAR_Added).Optional());
    return rows;
}

long C94DartelCTD::ReadXML(CInputNode* node) {
    C94DartelCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    // Surface PAR is taken only from a document that holds every element
    // after the scan time.
    if (read.Missing() > (read.Found(SettingTag::ScanTimeAdded) ? 0 : 1)) {
        scratch.m_bSPAR_Added = 0;
    }
    if (scratch.ReadSensorArrayXML(node) != 0 || !scratch.HasFixedSensors(kFixedChannels) ||
        scratch.m_sensorArray.GetSize() != scratch.GetNumChannel()) {
        return E_FAIL_XML;
    }
    if (scratch.m_bSPAR_Added &&
        (scratch.m_sensorArray.GetAt(kFixedChannels)->GetSensorID() != SID_NULL ||
         scratch.m_sensorArray.GetAt(kFixedChannels + 1)->GetSensorID() !=
             CSPAR_Sensor::kSensorID)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void C94DartelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Scans to average", m_scansToAvg.Get());
    ReportClosingLines(os, kLabelWidth, m_bSPAR_Added, m_bScanTimeAdded, changed);
}
