#pragma once
// C64VantrelPlusCTD: the TDW 64plus Vantrel CTD, the predecessor of the
// TDW 64plus V2: a profiling CTD that can also run moored, with temperature,
// conductivity and pressure, up to four external voltages and an optional
// surface PAR pair, and no serial sensor.

#include "core/CTDModel.h"
#include "instruments/VantrelProfilerCTD.h"

class C64VantrelPlusCTD : public CCTDModel<C64VantrelPlusCTD, CVantrelProfilerCTD> {
    DECLARE_DYNCREATE(C64VantrelPlusCTD)
  public:
    static constexpr int kCTD_ID = CTD_64PLUS_VANTREL;

    C64VantrelPlusCTD();
    C64VantrelPlusCTD(const C64VantrelPlusCTD& other) = default;
    C64VantrelPlusCTD& operator=(const C64VantrelPlusCTD& other) = default;
    bool operator==(const C64VantrelPlusCTD& other) const = default;

    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C64VantrelPlusCTD)
};
