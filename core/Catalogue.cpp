#include "core/Catalogue.h"

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
