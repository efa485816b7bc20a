#include "core/SensorArray.h"

#include <array>
#include <atomic>
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

// The class of a copyable sensor ID; null when none is registered by its name.
// A class found is remembered: a read makes a sensor for every channel, and
// the registry's look-up by name is the dearest step of making one. A name not
// found is asked again, since the registry may still be filling.
const CRuntimeClass* SensorClass(int sensorID) {
    static std::array<std::atomic<const CRuntimeClass*>, NUM_SENSOR_IDS> found{};
    std::atomic<const CRuntimeClass*>& slot = found[static_cast<std::size_t>(sensorID)];
    const CRuntimeClass* record = slot.load(std::memory_order_relaxed);
    if (record == nullptr) {
        record = CRuntimeClass::FromName(kSensorClassNames[sensorID]);
        if (record != nullptr && record->IsDerivedFrom(RUNTIME_CLASS(CSensor))) {
            slot.store(record, std::memory_order_relaxed);
        } else {
            record = nullptr;
        }
    }
    return record;
}

CSensor* NewOfSameClass(const CSensor& source) {
    return static_cast<CSensor*>(source.GetRuntimeClass()->CreateObject());
}

}  // namespace

CSensor* CreateSensorObject(int sensorID) {
    if (!IsCopyableID(sensorID)) {
        return nullptr;
    }
    const CRuntimeClass* record = SensorClass(sensorID);
    return record ? static_cast<CSensor*>(record->CreateObject()) : nullptr;
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
