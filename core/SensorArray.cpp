#include "core/SensorArray.h"

#include <memory>

namespace {

// The class of each sensor ID.
constexpr const char* kSensorClassNames[] = {
#define TW_SENSOR(id, name, Class, ...) #Class,
#include "core/SensorIDs.def"
#undef TW_SENSOR
};

bool IsCopyableID(int sensorID) {
    return sensorID >= 0 && sensorID < NUM_SENSOR_IDS && sensorID != SID_NO_COEFFICIENT;
}

CSensor* NewOfSameClass(const CSensor& source) {
    return static_cast<CSensor*>(source.GetRuntimeClass()->CreateObject());
}

}  // namespace

CSensor* CreateSensorObject(int sensorID) {
    if (!IsCopyableID(sensorID)) {
        return nullptr;
    }
    const CRuntimeClass* record = CRuntimeClass::FromName(kSensorClassNames[sensorID]);
    if (!record || !record->IsDerivedFrom(RUNTIME_CLASS(CSensor))) {
        return nullptr;
    }
    return static_cast<CSensor*>(record->CreateObject());
}

int CopySensorObject(CSensor* to, const CSensor* from) {
    if (!to || !from || to->GetRuntimeClass() != from->GetRuntimeClass() ||
        !IsCopyableID(from->GetSensorID())) {
        return 0;
    }
    to->AssignFrom(*from);
    return 1;
}

int SensorObjectsEqual(const CSensor* a, const CSensor* b) {
    if (!a || !b) {
        return a == b ? 1 : 0;
    }
    if (a->GetRuntimeClass() != b->GetRuntimeClass()) {
        return 0;
    }
    return a->IsEqualTo(*b) ? 1 : 0;
}

void Empty(CSensorArray& array) {
    for (int i = 0; i < array.GetSize(); ++i) {
        delete array.GetAt(i);
    }
    array.RemoveAll();
}

void Assign(CSensorArray& to, const CSensorArray& from) {
    if (&to == &from) {
        return;
    }
    Empty(to);
    to.SetSize(from.GetSize());
    for (int i = 0; i < from.GetSize(); ++i) {
        const CSensor* source = from.GetAt(i);
        if (!source) {
            continue;
        }
        std::unique_ptr<CSensor> copy(NewOfSameClass(*source));
        CopySensorObject(copy.get(), source);
        to.SetAt(i, copy.release());
    }
}

bool operator==(const CSensorArray& a, const CSensorArray& b) {
    if (a.GetSize() != b.GetSize()) {
        return false;
    }
    for (int i = 0; i < a.GetSize(); ++i) {
        if (!SensorObjectsEqual(a.GetAt(i), b.GetAt(i))) {
            return false;
        }
    }
    return true;
}
