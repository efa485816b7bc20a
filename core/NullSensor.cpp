#include "core/NullSensor.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(CNullSensor, CSensor)

TW_SENSOR_FIELDS(CNullSensor, Int("OutputType", &S::m_nullOutputType), Flag("Free", &S::m_bFree))

long CNullSensor::ReadOwnXML(CInputNode* node, CNullSensor& fresh) {
    const long status = CoeffTable::Read(node, fresh, FieldTable());
    if (status != 0 || fresh.m_nullOutputType < OT_UNKNOWN || fresh.m_nullOutputType > OT_SERIAL) {
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

long CNullSensor::WriteOwnXML(COutputNode* node, const CNullSensor& self, long status) {
    long failed = status;
    for (const SCoeffField<CNullSensor>& field : FieldTable()) {
        failed |= node->WriteInt(field.tag, self.*field.integer, -1, "index");
    }
    return failed != 0 ? E_FAIL_XML : S_OK_XML;
}

CString GetNullSensorName(const CSensor* placeholder) {
    const auto* null = dynamic_cast<const CNullSensor*>(placeholder);
    return (null && null->GetbFree()) ? "Free" : "Unavailable";
}

OutputType GetNullSensorOutputType(const CSensor* placeholder) {
    const auto* null = dynamic_cast<const CNullSensor*>(placeholder);
    return null ? null->GetNullOutputType() : OT_UNKNOWN;
}

CNullSensor* NewFreeChannel(OutputType channelType) {
    auto* placeholder = new CNullSensor(1);
    placeholder->SetNullOutputType(channelType);
    return placeholder;
}
