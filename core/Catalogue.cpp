#include "core/Catalogue.h"

#include <array>

namespace {

constexpr int kFixed_55_3[] = {55, 3};
constexpr int kFixed_58_3[] = {58, 3};
constexpr int kFixed_54_3[] = {54, 3};
constexpr int kFixed_55_3_49[] = {55, 3, 49};
constexpr int kFixed_58_3_46[] = {58, 3, 46};
constexpr int kFixed_57_3_46[] = {57, 3, 46};
constexpr int kFixed_55_3_45[] = {55, 3, 45};
constexpr int kFixed_55_3_46[] = {55, 3, 46};

#define TW_FIXED(list) list, static_cast<int>(std::size(list))

constexpr std::array<SCTD_Data, NUM_CTD_IDS> kCatalogue = {{
    {"TDW 62 Vantrel CTD", 0, 4, 2, 2, 7, TW_FIXED(kFixed_55_3), "C62VantrelCTD"},
    {"TDW 62plus Vantrel CTD", 0, 4, 2, 2, 9, TW_FIXED(kFixed_58_3), "C62VantrelPlusCTD"},
    {"TDW 64 Vantrel CTD", 0, 4, 2, 3, 9, TW_FIXED(kFixed_55_3_49), "C64VantrelCTD"},
    {"TDW 64plus Vantrel CTD", 0, 4, 2, 3, 9, TW_FIXED(kFixed_58_3_46), "C64VantrelPlusCTD"},
    {"TDW 71 Vantrel Thermosalinograph", 0, 4, 2, 2, 7, TW_FIXED(kFixed_55_3), "C71ThermosalCTD"},
    {"TDW 56 Corvane CTD", 0, 7, 3, 3, 12, TW_FIXED(kFixed_55_3_49), "C56CorvaneCTD"},
    {"TDW 47 LumoTSG Thermosalinograph", 0, 0, 2, 2, 3, TW_FIXED(kFixed_54_3), "C47ThermosalCTD"},
    {"TDW 94 Dartel CTD", 0, 0, 3, 3, 5, TW_FIXED(kFixed_57_3_46), "C94DartelCTD"},
    {"TDW 812plus/814plus CTD", 2, 8, 3, 3, 15, TW_FIXED(kFixed_55_3_45), "C812PlusCTD"},
    {"TDW 70420S UCTD", 0, 0, 3, 3, 3, TW_FIXED(kFixed_57_3_46), "C70420S_CTD"},
    {"TDW 62plus V2 Vantrel CTD", 0, 6, 2, 2, 12, TW_FIXED(kFixed_58_3), "C62V2VantrelCTD"},
    {"TDW 64plus V2 Vantrel CTD", 0, 6, 2, 3, 14, TW_FIXED(kFixed_58_3_46), "C64V2VantrelCTD"},
    {"TDW 71 V2 Vantrel Thermosalinograph", 0, 6, 2, 2, 9, TW_FIXED(kFixed_55_3),
     "C71V2ThermosalCTD"},
    {"TDW Glider Payload CTD", 1, 0, 3, 3, 4, TW_FIXED(kFixed_58_3_46), "CPayloadCTD"},
    {"TDW 73 Nimbrel", 2, 0, 2, 2, 4, TW_FIXED(kFixed_58_3), "CNimbrel"},
    {"TDW 56plus Corvane CTD", 0, 8, 3, 3, 12, TW_FIXED(kFixed_55_3_46), "C56PlusCTD"},
}};

#undef TW_FIXED

}  // namespace

const SCTD_Data* GetCTD_Data(int ctdID) {
    if (ctdID < 0 || ctdID >= NUM_CTD_IDS) {
        return nullptr;
    }
    return &kCatalogue[static_cast<std::size_t>(ctdID)];
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
