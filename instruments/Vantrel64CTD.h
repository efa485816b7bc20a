#pragma once
// C64VantrelCTD: the TDW 64 Vantrel CTD, an older profiling CTD with
// frequency temperature and conductivity, Digiquartz or strain-gauge
// pressure, up to four packed 12-bit external voltages and an optional
// surface PAR pair. Its scans carry reference frequencies from which the
// measured frequencies are corrected.

#include "core/CTDModel.h"
#include "instruments/VantrelSurfaceParCTD.h"

class C64VantrelCTD : public CCTDModel<C64VantrelCTD, CVantrelSurfaceParCTD> {
    DECLARE_DYNCREATE(C64VantrelCTD)
  public:
    static constexpr int kCTD_ID = CTD_64_VANTREL;

    C64VantrelCTD();
    C64VantrelCTD(const C64VantrelCTD& other) = default;
    C64VantrelCTD& operator=(const C64VantrelCTD& other) = default;
    // The settings; the state of scan decoding does not take part.
    bool operator==(const C64VantrelCTD& other) const;

    void DefaultConfig() override;
    double GetScanInterval() const override;
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C64VantrelCTD)

    // 0 version 3.0 or newer, 1 older.
    CRange<int> GetFirmwareVersion() const { return m_firmwareVersion; }
    int SetFirmwareVersion(int version) { return m_firmwareVersion.Set(version); }
    // The scan interval in half seconds.
    CRange<int> GetnHalfSecIntervals() const { return m_halfSecIntervals; }
    int SetnHalfSecIntervals(int count) { return m_halfSecIntervals.Set(count); }

    // --- Reference-frequency correction of the current scan (m_pScanData) ---
    // The pressure range and scaling coefficients that the scan's second
    // character selects; any other character is logged and changes nothing.
    void SaveScalingCoeffs();
    int GetbBipolar() const { return m_bBipolar; }
    const double* GetScalingCoeffs() const { return m_scalingCoeffs; }
    // Set by InitializeForCalculations from the firmware version.
    double GetFirmwareConstant() const { return m_dFirmwareConstant; }
    // The character position that marks a reference scan.
    int GetRefBitIndex() const;
    int IsRefScan() const;
    // Forgets the reference frequencies before a new run of scans and keeps
    // the reference position of the current settings.
    void InitRefData();
    int GetRefIndex() const { return m_nRefIndex; }
    // The two reference frequencies of the latest reference scan.
    void SetRefFreqs(double first, double second);
    int GetbFirstRefsRead() const { return m_bFirstRefsRead; }
    // A measured frequency corrected by the two reference frequencies.
    double CalcCorFreq(double frequency) const;

  protected:
    int GetBaseLength() const override;

  private:
    CRange<int> m_firmwareVersion{0, 0, 1};
    CRange<int> m_halfSecIntervals{1, 1, 480};

    double m_dFirmwareConstant = 0.0;
    int m_bBipolar = 0;
    double m_scalingCoeffs[4] = {0.0, 0.0, 0.0, 0.0};
    int m_bFirstRefsRead = 0;
    int m_nRefIndex = 0;
    double m_dRefFreq[2] = {0.0, 0.0};
};
