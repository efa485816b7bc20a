#include "platform/Object.h"

#include <cstring>
#include <map>
#include <string_view>

namespace {

// Filled while translation units are loaded. A function-local static is built
// on first use, so a registration never meets an unconstructed map whatever
// order the units are initialised in. The names are those of the static class
// records, so the map holds views of them and a look-up copies nothing.
std::map<std::string_view, const CRuntimeClass*>& Registry() {
    static std::map<std::string_view, const CRuntimeClass*> registry;
    return registry;
}

}  // namespace

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};

static const CRuntimeClassRegistration s_registrationCObject(&CObject::classCObject);

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    if (!base) {
        return false;
    }
    for (const CRuntimeClass* record = this; record; record = record->m_pBaseClass) {
        if (record == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
    if (!className) {
        return nullptr;
    }
    const auto& registry = Registry();
    const auto found = registry.find(std::string_view(className));
    return found == registry.end() ? nullptr : found->second;
}

std::vector<const CRuntimeClass*> CRuntimeClass::AllClasses() {
    std::vector<const CRuntimeClass*> records;
    records.reserve(Registry().size());
    for (const auto& entry : Registry()) {
        records.push_back(entry.second);
    }
    return records;
}

CRuntimeClassRegistration::CRuntimeClassRegistration(const CRuntimeClass* record) {
    if (record && record->m_lpszClassName) {
        // The first record of a name stays: a later duplicate cannot hide it.
        Registry().emplace(record->m_lpszClassName, record);
    }
}

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

void CObject::Serialize(CArchive& /*ar*/) {}

bool CObject::IsKindOf(const CRuntimeClass* record) const {
    return GetRuntimeClass()->IsDerivedFrom(record);
}
