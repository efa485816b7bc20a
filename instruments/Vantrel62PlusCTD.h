#pragma once
// C62VantrelPlusCTD: the TDW 62plus Vantrel CTD, the moored CTD that the
// TDW 62plus V2 succeeds. It works as its successor does, with up to four
// external voltages and the serial sensors 0 to 8 (the TDW 58 included).

#include "core/CTDModel.h"
#include "instruments/Vantrel62V2CTD.h"

class C62VantrelPlusCTD : public CCTDModel<C62VantrelPlusCTD, C62V2VantrelCTD> {
    DECLARE_DYNCREATE(C62VantrelPlusCTD)
  public:
    static constexpr int kCTD_ID = CTD_62PLUS_VANTREL;

    C62VantrelPlusCTD();
    C62VantrelPlusCTD(const C62VantrelPlusCTD& other) = default;
    C62VantrelPlusCTD& operator=(const C62VantrelPlusCTD& other) = default;
    bool operator==(const C62VantrelPlusCTD& other) const = default;
};
