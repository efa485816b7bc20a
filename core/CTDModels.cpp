#include "core/CTDModels.h"

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
