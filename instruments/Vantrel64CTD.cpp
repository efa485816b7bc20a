#include "instruments/Vantrel64CTD.h"

#include <algorithm>
#include <cmath>

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "platform/Diagnostics.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C64VantrelCTD, CVantrelSurfaceParCTD)

namespace {

constexpr int kParLength = 6;

// The pressure range and scaling coefficients of each scaling code, the
// scan's second character '0' to '8'.
struct SScaling {
    int bipolar;
    double coeffs[4];
};

constexpr SScaling kScalings[] = {
    {0, {2100.0, 19.0, 6250000.0, 2100.0}}, {0, {2100.0, 19.0, 6250000.0, 2900.0}},
    {0, {2100.0, 19.0, 8702500.0, 210.0}},  {0, {1950.0, 17.0, 6250000.0, 2900.0}},
    {0, {1950.0, 17.0, 7562500.0, 244.0}},  {1, {1950.0, 17.0, 6250000.0, 2900.0}},
    {1, {1950.0, 17.0, 7562500.0, 244.0}},  {1, {1950.0, 12.0, 6250000.0, 2900.0}},
    {1, {1950.0, 17.0, 6250000.0, 303.0}},
};

}  // namespace

C64VantrelCTD::C64VantrelCTD() {
    DefaultConfig();
}

bool C64VantrelCTD::operator==(const C64VantrelCTD& other) const {
    return CVantrelSurfaceParCTD::operator==(other) &&
           m_firmwareVersion.Get() == other.m_firmwareVersion.Get() &&
           m_halfSecIntervals.Get() == other.m_halfSecIntervals.Get();
}

void C64VantrelCTD::DefaultConfig() {
    ResetPressureAndPar();
    ResetRanges(m_firmwareVersion, m_halfSecIntervals);
}

double C64VantrelCTD::GetScanInterval() const {
    return m_halfSecIntervals.Get() * 0.5;
}

int C64VantrelCTD::GetBaseLength() const {
    // Frequencies of 6 hex characters each, voltages packed in 3.
    const int fixed = m_pressureSensorType.Get() == kPressureDigiquartz ? 18 : 12;
    return fixed + 3 * m_nNumVoltAdd + (m_bSPAR_Added ? kParLength : 0);
}

void C64VantrelCTD::InitializeForCalculations() {
    m_dFirmwareConstant = m_firmwareVersion.Get() == 0 ? 819.0 : 6552.0;
    InitializeOffsets();
}

void C64VantrelCTD::SaveScalingCoeffs() {
    const char code = m_pScanData ? static_cast<char>(m_pScanData[1]) : '\0';
    CString text;
    if (code < '0' || code > '8') {
        text.Format("C64VantrelCTD::SaveScalingCoeffs() failed: unexpected first byte = '%c'.",
                    code);
        CDiagnostics::Log(text, 0);
        return;
    }
    const SScaling& scaling = kScalings[code - '0'];
    m_bBipolar = scaling.bipolar;
    std::copy(std::begin(scaling.coeffs), std::end(scaling.coeffs), m_scalingCoeffs);
    text.Format("C64VantrelCTD::SaveScalingCoeffs() - case = '%c', prange = %s.", code,
                m_bBipolar ? "BIPOLAR" : "UNIPOLAR");
    CDiagnostics::Log(text, 2);
}

int C64VantrelCTD::GetRefBitIndex() const {
    return (m_pressureSensorType.Get() == kPressureDigiquartz ? 14 : 8) + 3 * m_nNumVoltAdd;
}

int C64VantrelCTD::IsRefScan() const {
    return m_pScanData && m_pScanData[GetRefBitIndex()] > '7' ? 1 : 0;
}

void C64VantrelCTD::InitRefData() {
    m_bFirstRefsRead = 0;
    m_nRefIndex = GetRefBitIndex();
    m_dRefFreq[0] = m_dRefFreq[1] = 0.0;
}

void C64VantrelCTD::SetRefFreqs(double first, double second) {
    m_dRefFreq[0] = first;
    m_dRefFreq[1] = second;
    m_bFirstRefsRead = 1;
}

double C64VantrelCTD::CalcCorFreq(double frequency) const {
    constexpr double K = 2.401866927049106e-11;
    constexpr double A = 399.84 * K;
    constexpr double B = 4975.1244 * K;
    constexpr double C = (B - A) / (A * B);
    constexpr double D = 1.0 / (K * 1e6);
    const double r1 = m_dRefFreq[0];
    const double r2 = m_dRefFreq[1];
    double slope = (r1 * r1 - r2 * r2) / C;
    double offset = r2 * r2 - slope / B;
    if (slope < 0.001) {
        slope = 1.0;
        offset = 0.0;
    }
    const double g = (frequency * frequency - offset) / slope;
    return std::sqrt(std::max(g, D) - D);
}

std::span<const SSettingRow<C64VantrelCTD>> C64VantrelCTD::Settings() {
    using M = C64VantrelCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Bounded(SettingTag::PressureSensorType, &M::m_pressureSensorType).Checked(),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::Comment(
                "Firmware version: 0 means version 3.0 or newer, 1 means older than version 3.0"),
            S::Bounded(SettingTag::FirmwareVersion, &M::m_firmwareVersion),
            S::Bounded(SettingTag::HalfSecondIntervals, &M::m_halfSecIntervals).RefuseFails(),
            SurfaceParAdded<M>(&M::m_bSPAR_Added),
            ScanTimeAdded<M>(&M::m_bScanTimeAdded),
        },
        NmeaRows<M>());
    return rows;
}

long C64VantrelCTD::ReadXML(CInputNode* node) {
    C64VantrelCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    const int pressureTypeRead = read.Int(SettingTag::PressureSensorType);
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.LeadingSensorsMatch(pressureTypeRead) ||
        !scratch.TakeVoltagesFound(read.Int(SettingTag::ExternalVoltageChannels), 0)) {
        return E_FAIL_XML;
    }
    scratch.m_pressureSensorType.Set(pressureTypeRead);
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void C64VantrelCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportPressureAndVoltages(os);
    ReportLine(os, 0, kLabelWidth, "Firmware version",
               m_firmwareVersion.Get() == 0 ? "Version >= 3.0" : "Version < 3.0");
    ReportLine(os, 0, kLabelWidth, "0.5 second intervals", m_halfSecIntervals.Get());
    ReportParScanTimeSensors(os, changed);
}
