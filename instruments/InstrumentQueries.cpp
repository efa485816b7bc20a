#include "instruments/InstrumentQueries.h"

#include "core/Catalogue.h"
#include "instruments/VantrelProfilerCTD.h"

int IsProfiler(const CCTD* ctd) {
    if (!ctd) {
        return 0;
    }
    switch (ctd->GetCTD_ID()) {
        case CTD_64_VANTREL:
        case CTD_56_CORVANE:
        case CTD_94_DARTEL:
        case CTD_812PLUS:
        case CTD_PAYLOAD:
        case CTD_56PLUS_CORVANE:
            return 1;
        case CTD_64PLUS_VANTREL:
        case CTD_64V2_VANTREL:
            return static_cast<const CVantrelProfilerCTD*>(ctd)->GetMode().Get() ==
                           CVantrelProfilerCTD::kModeProfile
                       ? 1
                       : 0;
        default:
            return 0;
    }
}
