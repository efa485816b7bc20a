#pragma once
// C62VantrelCTD: the TDW 62 Vantrel CTD, an older moored CTD that samples at
// an interval. Frequency temperature and conductivity, an optional pressure
// sensor and up to four packed 12-bit external voltages.

#include "core/CTDModel.h"
#include "instruments/VantrelMooredCTD.h"

class C62VantrelCTD : public CCTDModel<C62VantrelCTD, CVantrelMooredCTD> {
    DECLARE_DYNCREATE(C62VantrelCTD)
  public:
    static constexpr int kCTD_ID = CTD_62_VANTREL;

    C62VantrelCTD();
    C62VantrelCTD(const C62VantrelCTD& other) = default;
    C62VantrelCTD& operator=(const C62VantrelCTD& other) = default;
    bool operator==(const C62VantrelCTD& other) const = default;

    void DefaultConfig() override;
    double GetScanInterval() const override { return m_sampleInterval.Get(); }
    void InitializeForCalculations() override { InitializeOffsets(); }
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C62VantrelCTD)

    // 0 version 4.0 or newer, 1 older.
    CRange<int> GetFirmwareVersion() const { return m_firmwareVersion; }
    int SetFirmwareVersion(int version) { return m_firmwareVersion.Set(version); }
    CRange<int> GetnSampleInterval() const { return m_sampleInterval; }
    int SetnSampleInterval(int seconds) { return m_sampleInterval.Set(seconds); }

  protected:
    int GetBaseLength() const override;
    int PressureSensorID(int type) const override;

  private:
    CRange<int> m_firmwareVersion{0, 0, 1};
    CRange<int> m_sampleInterval{15, 15, 32767};
};
