#include "instruments/TDW47LumoTSG.h"

#include <string>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C47ThermosalCTD, CCTD)

namespace {

constexpr int kLabelWidth = 25;
constexpr int kFixedChannels = 2;
constexpr int kRemoteChannel = 2;

}  // namespace

C47ThermosalCTD::C47ThermosalCTD() {
    DefaultConfig();
}

void C47ThermosalCTD::DefaultConfig() {
    DefaultCommonConfig();
    m_sampleInterval.Set(m_sampleInterval.GetInitialValue());
    m_bOutputCond = 1;
    m_bOutputSalinity = 0;
    m_bOutputSoundVelocity = 0;
    m_bUseJunctionBox = 1;
    m_bTDW83_Added = 0;
}

void C47ThermosalCTD::SetbTDW83_Added(int on) {
    if ((on != 0) == (m_bTDW83_Added != 0)) {
        return;
    }
    if (on) {
        m_sensorArray.InsertAt(kRemoteChannel, CreateSensorObject(SID_TEMP_TDW83));
    } else {
        delete m_sensorArray.GetAt(kRemoteChannel);
        m_sensorArray.RemoveAt(kRemoteChannel);
    }
    m_bTDW83_Added = on;
}

std::span<const SSettingRow<C47ThermosalCTD>> C47ThermosalCTD::Settings() {
    using M = C47ThermosalCTD;
    using S = SSettingRow<M>;
    static const S rows[] = {
        S::Bounded(SettingTag::SampleInterval, &M::m_sampleInterval).RefuseFails(),
        S::Flag("OutputConductivity", &M::m_bOutputCond),
        S::Flag("OutputSalinity", &M::m_bOutputSalinity),
        S::Flag("OutputSoundVelocity", &M::m_bOutputSoundVelocity),
        S::Flag("UseJunctionBox", &M::m_bUseJunctionBox),
        S::Flag("TDW83TemperatureAdded", &M::m_bTDW83_Added),
        kNmeaPosition<M>,
    };
    return rows;
}

long C47ThermosalCTD::ReadXML(CInputNode* node) {
    C47ThermosalCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.HasFixedSensors(kFixedChannels) ||
        scratch.m_sensorArray.GetSize() != scratch.GetNumChannel()) {
        return E_FAIL_XML;
    }
    // The remote channel holds the TDW 83 and nothing else.
    if (scratch.m_bTDW83_Added &&
        scratch.m_sensorArray.GetAt(kRemoteChannel)->GetSensorID() != SID_TEMP_TDW83) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void C47ThermosalCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Sample interval",
               std::to_string(m_sampleInterval.Get()) + " seconds");
    ReportLine(os, 0, kLabelWidth, "Conductivity output", YesNo(m_bOutputCond));
    ReportLine(os, 0, kLabelWidth, "Salinity output", YesNo(m_bOutputSalinity));
    ReportLine(os, 0, kLabelWidth, "Sound velocity output", YesNo(m_bOutputSoundVelocity));
    ReportLine(os, 0, kLabelWidth, "Use junction box", YesNo(m_bUseJunctionBox));
    ReportLine(os, 0, kLabelWidth, "TDW83 data added", YesNo(m_bTDW83_Added));
}
