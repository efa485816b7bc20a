#include "instruments/Vantrel64PlusCTD.h"

#include "instruments/ElementReader.h"
#include "instruments/NmeaElements.h"

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

long C64VantrelPlusCTD::ReadXML(CInputNode* node) {
    C64VantrelPlusCTD scratch;
    CElementReader read(node);
    // Every setting must lie in its range; there is no default to fall back on.
    const int pressureTypeRead = read.Int("PressureSensorType", -1, true);
    const int voltageChannels = read.Int("ExternalVoltageChannels", -1, true);
    const bool inRange = scratch.m_pressureSensorType.Set(pressureTypeRead) &
                         scratch.m_mode.Set(read.Int("Mode", -1, true)) &
                         scratch.m_sampleInterval.Set(read.Int("SampleIntervalSeconds", -1, true)) &
                         scratch.m_scansToAvg.Set(read.Int("ScansToAverage", -1, true));
    scratch.m_bSPAR_Added = read.Int("SurfaceParVoltageAdded", 0, true);
    ReadNmeaElements(read, scratch);
    scratch.m_bScanTimeAdded = read.Int("ScanTimeAdded", 0, false);
    if (read.Failed() || !inRange || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.LeadingSensorsMatch(pressureTypeRead)) {
        return E_FAIL_XML;
    }
    if (!scratch.TakeVoltagesFound(voltageChannels, 0)) {
        return E_FAIL_XML;
    }
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}
