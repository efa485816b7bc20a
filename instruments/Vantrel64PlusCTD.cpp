#include "instruments/Vantrel64PlusCTD.h"

#include "instruments/SharedSettings.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C64VantrelPlusCTD, CVantrelProfilerCTD)

C64VantrelPlusCTD::C64VantrelPlusCTD() {
    DefaultConfig();
}

void C64VantrelPlusCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportPressureVoltagesMode(os);
    ReportInterval(os);
    ReportParScanTimeSensors(os, changed);
}

std::span<const SSettingRow<C64VantrelPlusCTD>> C64VantrelPlusCTD::Settings() {
    using M = C64VantrelPlusCTD;
    using S = SSettingRow<M>;
    // Every setting must lie in its range; there is no default to fall back on.
    static const auto rows = SettingList<M>(
        {
            S::Bounded(SettingTag::PressureSensorType, &M::m_pressureSensorType).RefuseFails(),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::Bounded(SettingTag::Mode, &M::m_mode).RefuseFails(),
            S::Bounded(SettingTag::SampleInterval, &M::m_sampleInterval).RefuseFails(),
            S::Bounded(SettingTag::ScansToAverage, &M::m_scansToAvg).RefuseFails(),
            SurfaceParAdded<M>(&M::m_bSPAR_Added),
            ScanTimeAdded<M>(&M::m_bScanTimeAdded).Optional(),
        },
        NmeaRows<M>());
    return rows;
}

long C64VantrelPlusCTD::ReadXML(CInputNode* node) {
    C64VantrelPlusCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.LeadingSensorsMatch(scratch.m_pressureSensorType.Get()) ||
        !scratch.TakeVoltagesFound(read.Int(SettingTag::ExternalVoltageChannels), 0)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}
