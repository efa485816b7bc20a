#include "instruments/VantrelProfilerCTD.h"

#include <string>

#include "core/ReportLine.h"

IMPLEMENT_DYNAMIC(CVantrelProfilerCTD, CVantrelSurfaceParCTD)

namespace {

// Hex characters: temperature, conductivity, pressure and its temperature.
constexpr int kFixedDataLength = 22;
constexpr int kParLength = 6;
constexpr int kMooredTimeLength = 8;

}  // namespace

CVantrelProfilerCTD& CVantrelProfilerCTD::operator=(const CVantrelProfilerCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelSurfaceParCTD::operator=(other);
    m_mode = other.m_mode;
    m_sampleInterval = other.m_sampleInterval;
    m_scansToAvg = other.m_scansToAvg;
    return *this;
}

bool CVantrelProfilerCTD::operator==(const CVantrelProfilerCTD& other) const {
    return CVantrelSurfaceParCTD::operator==(other) && m_mode.Get() == other.m_mode.Get() &&
           m_sampleInterval.Get() == other.m_sampleInterval.Get() &&
           m_scansToAvg.Get() == other.m_scansToAvg.Get();
}

void CVantrelProfilerCTD::DefaultConfig() {
    ResetPressureAndPar();
    ResetRanges(m_mode, m_sampleInterval, m_scansToAvg);
}

double CVantrelProfilerCTD::GetScanInterval() const {
    return m_mode.Get() == kModeMoored ? m_sampleInterval.Get() : m_scansToAvg.Get() / 4.0;
}

int CVantrelProfilerCTD::DataLengthBeforeSerial() const {
    return kFixedDataLength + 4 * m_nNumVoltAdd;
}

int CVantrelProfilerCTD::GetBaseLength() const {
    return DataLengthBeforeSerial() + (m_bSPAR_Added ? kParLength : 0) +
           (m_mode.Get() == kModeMoored ? kMooredTimeLength : 0);
}

void CVantrelProfilerCTD::InitializeProfilerOffsets(int serialFieldLength) {
    m_nPlusScanTimeOffset =
        m_mode.Get() == kModeMoored ? DataLengthBeforeSerial() + serialFieldLength : 0;
    InitializeOffsets();
}

void CVantrelProfilerCTD::InitializeForCalculations() {
    InitializeProfilerOffsets(0);
}

int CVantrelProfilerCTD::SetMode(int mode) {
    if (mode < m_mode.GetLow() || mode > m_mode.GetHigh()) {
        return 0;
    }
    if (mode == kModeMoored) {
        SetbSPAR_Added(0);
    }
    m_mode.Set(mode);
    return 1;
}

int CVantrelProfilerCTD::SetnSampleInterval(int seconds) {
    return m_sampleInterval.Set(seconds);
}

int CVantrelProfilerCTD::SetnScansToAvg(int scans) {
    if (scans < m_scansToAvg.GetLow() || scans > m_scansToAvg.GetHigh()) {
        return 0;
    }
    // Digiquartz pressure is averaged over pairs of scans.
    if (m_pressureSensorType.Get() == kPressureDigiquartz && scans % 2 != 0) {
        scans = scans == m_scansToAvg.GetHigh() ? scans - 1 : scans + 1;
    }
    m_scansToAvg.Set(scans);
    return 1;
}

void CVantrelProfilerCTD::ReportPressureVoltagesMode(std::ostream& os) const {
    ReportPressureAndVoltages(os);
    ReportLine(os, 0, kLabelWidth, "Mode", m_mode.Get() == kModeMoored ? "Moored" : "Profile");
}

void CVantrelProfilerCTD::ReportInterval(std::ostream& os) const {
    if (m_mode.Get() == kModeMoored) {
        ReportLine(os, 0, kLabelWidth, "Sample interval",
                   std::to_string(m_sampleInterval.Get()) + " seconds");
    } else {
        ReportLine(os, 0, kLabelWidth, "Scans to average", m_scansToAvg.Get());
    }
}
