#pragma once
// C94DartelCTD: the TDW 94 Dartel CTD, a small CTD that streams temperature,
// conductivity and strain-gauge pressure at 16 scans a second, averaged on
// board, with optional surface PAR, NMEA and scan-time fields. Its channels
// are fixed.

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"

class C94DartelCTD : public CCTDModel<C94DartelCTD, CVantrelCTD> {
    DECLARE_DYNCREATE(C94DartelCTD)
  public:
    static constexpr int kCTD_ID = CTD_94_DARTEL;

    C94DartelCTD();
    C94DartelCTD(const C94DartelCTD& other) = default;
    C94DartelCTD& operator=(const C94DartelCTD& other) = default;
    // The scans to average, the surface PAR flag and the CVantrelCTD part.
    bool operator==(const C94DartelCTD& other) const = default;

    void DefaultConfig() override;
    CString GetChannelName(int channel) const override;
    int GetNumChannel() const override { return m_bSPAR_Added ? 5 : 3; }
    int CanChangeSensor(int) const override { return 0; }
    int AddExtVoltFrom() const override { return 3; }
    double GetScanInterval() const override;
    void InitializeForCalculations() override { InitializeOffsets(); }
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C94DartelCTD)

    CRange<int> GetnScansToAvg() const { return m_scansToAvg; }
    int SetnScansToAvg(int scans) { return m_scansToAvg.Set(scans); }
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    void SetbSPAR_Added(int on) { ChangeSurfacePAR(m_bSPAR_Added, on); }

  protected:
    int GetBaseLength() const override;

  private:
    CRange<int> m_scansToAvg{1, 1, 255};
    int m_bSPAR_Added = 0;
};
