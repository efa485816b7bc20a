#include "instruments/TDW47LumoTSG.h"

#include <string>

#include "core/ReportLine.h"
#include "instruments/ElementReader.h"

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

long C47ThermosalCTD::WriteXML(COutputNode* node) {
    node->WriteInt("SampleIntervalSeconds", m_sampleInterval.Get());
    node->WriteInt("OutputConductivity", m_bOutputCond);
    node->WriteInt("OutputSalinity", m_bOutputSalinity);
    node->WriteInt("OutputSoundVelocity", m_bOutputSoundVelocity);
    node->WriteInt("UseJunctionBox", m_bUseJunctionBox);
    node->WriteInt("TDW83TemperatureAdded", m_bTDW83_Added);
    node->WriteInt("NmeaPositionDataAdded", m_bNMEA_Added);
    return WriteSensorArrayXML(node);
}

long C47ThermosalCTD::ReadXML(CInputNode* node) {
    C47ThermosalCTD scratch;
    CElementReader read(node);
    const bool intervalKnown =
        scratch.SetnSampleInterval(read.Int("SampleIntervalSeconds", 0, true)) != 0;
    scratch.m_bOutputCond = read.Int("OutputConductivity", 0, true);
    scratch.m_bOutputSalinity = read.Int("OutputSalinity", 0, true);
    scratch.m_bOutputSoundVelocity = read.Int("OutputSoundVelocity", 0, true);
    scratch.m_bUseJunctionBox = read.Int("UseJunctionBox", 0, true);
    scratch.m_bTDW83_Added = read.Int("TDW83TemperatureAdded", 0, true);
    scratch.m_bNMEA_Added = read.Int("NmeaPositionDataAdded", 0, true);
    if (read.Failed() || !intervalKnown || scratch.ReadSensorArrayXML(node) != 0 ||
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
