#include "core/Catalogue.h"

#include <iterator>

namespace {

#define TW_UNPARENTHESISE(...) __VA_ARGS__
#define TW_CTD_MODEL(id, name, Class, displayName, freqAddMax, voltAddMax, lock, min, max, fixed) \
    constexpr int kFixed_##name[] = {TW_UNPARENTHESISE fixed};
#include "core/CTDModels.def"
#undef TW_CTD_MODEL

constexpr SCTD_Data kCatalogue[] = {
#define TW_CTD_MODEL(id, name, Class, displayName, freqAddMax, voltAddMax, lock, min, max, fixed) \
    {displayName, freqAddMax, voltAddMax,    lock,                                                \
     min,         max,        kFixed_##name, static_cast<int>(std::size(kFixed_##name)),          \
     #Class},
#include "core/CTDModels.def"
#undef TW_CTD_MODEL
};
#undef TW_UNPARENTHESISE

// The rows stand in ID order, so that an ID indexes its row.
constexpr bool RowsInIDOrder() {
    int next = 0;
#define TW_CTD_MODEL(id, ...) next = (next == (id)) ? next + 1 : -1;
#include "core/CTDModels.def"
#undef TW_CTD_MODEL
    return next == NUM_CTD_IDS;
}
static_assert(RowsInIDOrder());

}  // namespace

const SCTD_Data* GetCTD_Data(int ctdID) {
    if (ctdID < 0 || ctdID >= NUM_CTD_IDS) {
        return nullptr;
    }
    return &kCatalogue[ctdID];
}

CCTD* CreateCTDObject(int ctdID) {
    const SCTD_Data* row = GetCTD_Data(ctdID);
    const CRuntimeClass* record = row ? CRuntimeClass::FromName(row->className) : nullptr;
    if (!record || !record->IsDerivedFrom(RUNTIME_CLASS(CCTD))) {
        return nullptr;
    }
    return static_cast<CCTD*>(record->CreateObject());
}

int CopyCTDObject(CCTD* to, const CCTD* from) {
    if (!to || !from || to->GetRuntimeClass() != from->GetRuntimeClass()) {
        return 0;
    }
    to->AssignFrom(*from);
    return 1;
}

int CTD_ObjectsEqual(const CCTD* a, const CCTD* b) {
    if (!a || !b) {
        return a == b ? 1 : 0;
    }
    if (a->GetRuntimeClass() != b->GetRuntimeClass()) {
        return 0;
    }
    return a->IsEqualTo(*b) ? 1 : 0;
}

int Find_TDW41_Sensor_Channel(const CCTD* ctd, int ordinal) {
    for (int id : {SID_OXYGEN_TDW41, SID_OXYGEN_TDW41F, SID_OXYGEN_TDW41I}) {
        const int channel = ctd->FindSensor(id, ordinal);
        if (channel >= 0) {
            return channel;
        }
    }
    return -1;
}
