#include "sensors/PressureSensors.h"

#include <memory>
#include <tuple>

#include "core/SensorArray.h"

IMPLEMENT_DYNCREATE(CPressureDigiquartzSensor, CSensor)
IMPLEMENT_DYNCREATE(CPressureDigiquartzTC_Sensor, CPressureDigiquartzSensor)
IMPLEMENT_DYNCREATE(CPressureDruckSensor, CSensor)
IMPLEMENT_DYNCREATE(CPressureFGP_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CPressureTDW58Sensor, CSensor)
IMPLEMENT_DYNCREATE(CPressureStrainGaugeSensor, CSensor)

namespace {

// The Digiquartz report lines of the first half (C1 to T4).
constexpr std::size_t kReport1Lines = 9;
// The items of the TC sensor lead with T5; the AD590 pair follows.
constexpr std::size_t kT5Items = 1;

bool IncludesMB(const CPressureDigiquartzTC_Sensor& sensor) {
    return sensor.GetbIncludeMB() != 0;
}

}  // namespace

TW_SENSOR_FIELDS(
    CPressureDigiquartzSensor, Coeff("C1", &S::m_C1, "%1.6e").Sci("C1", 6),
    Coeff("C2", &S::m_C2, "%1.6e").Sci("C2", 6), Coeff("C3", &S::m_C3, "%1.6e").Sci("C3", 6),
    Coeff("D1", &S::m_D1, "%1.6e").Sci("D1", 6), Coeff("D2", &S::m_D2, "%1.6e").Sci("D2", 6),
    Coeff("T1", &S::m_T1, "%1.6e").Sci("T1", 6), Coeff("T2", &S::m_T2, "%1.6e").Sci("T2", 6),
    Coeff("T3", &S::m_T3, "%1.6e").Sci("T3", 6), Coeff("T4", &S::m_T4, "%1.6e").Sci("T4", 6),
    Coeff("Slope", &S::m_Slope, "%1.8f").Fixed("Slope", 8),
    Coeff("Offset", &S::m_Offset, "%1.5f").Fixed("Offset", 5))

long CPressureDigiquartzSensor::ReadXML(TDWXML::CInputNode* node) {
    const std::unique_ptr<CSensor> created(CreateSensorObject(GetSensorID()));
    auto* fresh = dynamic_cast<CPressureDigiquartzSensor*>(created.get());
    if (!fresh) {
        return TDWXML::E_OUT_OF_MEMORY;
    }
    const long baseStatus = fresh->ReadBaseXML(node);
    if (baseStatus == TDWXML::E_WRONG_OBJECT) {
        return baseStatus;
    }
    if ((baseStatus | CoeffTable::Read(node, *fresh, FieldTable())) != 0) {
        return TDWXML::E_FAIL_XML;
    }
    // The Digiquartz assignment: a subclass keeps the rest of its members.
    *this = *fresh;
    return TDWXML::S_OK_XML;
}

void CPressureDigiquartzSensor::Report1(std::ostream& os, int indent, int width) const {
    CSensor::Report(os, indent, width);
    CoeffTable::Report(os, indent, width, *this, FieldTable().first(kReport1Lines));
}

void CPressureDigiquartzSensor::Report2(std::ostream& os, int indent, int width) const {
    CoeffTable::Report(os, indent, width, *this, FieldTable().subspan(kReport1Lines));
}

TW_SENSOR_FIELDS(CPressureDigiquartzTC_Sensor, Coeff("T5", &S::m_T5, "%1.6e").Sci("T5", 6),
                 Coeff("AD590M", &S::m_AD590M, "%1.6e").Sci("AD590M", 6, IncludesMB),
                 Coeff("AD590B", &S::m_AD590B, "%1.6e").Sci("AD590B", 6, IncludesMB))

bool CPressureDigiquartzTC_Sensor::operator==(const CPressureDigiquartzTC_Sensor& other) const {
    if (!CPressureDigiquartzSensor::operator==(other) || m_T5 != other.m_T5) {
        return false;
    }
    return !m_bIncludeMB ||
           std::tie(m_AD590M, m_AD590B) == std::tie(other.m_AD590M, other.m_AD590B);
}

long CPressureDigiquartzTC_Sensor::ReadXML(TDWXML::CInputNode* node) {
    CPressureDigiquartzTC_Sensor fresh;
    const long status = fresh.CPressureDigiquartzSensor::ReadXML(node);
    if (status == TDWXML::E_WRONG_OBJECT) {
        return status;
    }
    const long t5Status = CoeffTable::Read(node, fresh, FieldTable().first(kT5Items));

    // The AD590 pair counts only whole; otherwise it keeps its defaults.
    CPressureDigiquartzTC_Sensor pair;
    const bool hasPair = CoeffTable::Read(node, pair, FieldTable().subspan(kT5Items)) == 0;
    if (hasPair) {
        fresh.m_AD590M = pair.m_AD590M;
        fresh.m_AD590B = pair.m_AD590B;
    }
    fresh.m_bIncludeMB = hasPair ? 1 : 0;

    if (status != 0 || t5Status != 0) {
        return TDWXML::E_FAIL_XML;
    }
    *this = fresh;
    return TDWXML::S_OK_XML;
}

long CPressureDigiquartzTC_Sensor::WriteOwnXML(TDWXML::COutputNode* node,
                                               const CPressureDigiquartzTC_Sensor& self,
                                               long status) {
    status = CPressureDigiquartzSensor::WriteOwnXML(node, self, status);
    const auto items = self.m_bIncludeMB ? FieldTable() : FieldTable().first(kT5Items);
    return CoeffTable::Write(node, self, items, status);
}

std::vector<SSensorField> CPressureDigiquartzTC_Sensor::Fields() const {
    std::vector<SSensorField> fields = CoeffTable::Describe<CPressureDigiquartzSensor>(
        *this, CPressureDigiquartzSensor::FieldTable());
    const std::vector<SSensorField> own = CoeffTable::Describe(*this, FieldTable());
    fields.insert(fields.end(), own.begin(), own.end());
    AssignFieldKeys(fields);
    return fields;
}

// A position among the fields is the Digiquartz table's, or past it this
// class's own.
#define TW_TC_FIELD(Operation, field, ...)                                                        \
    (field) < CPressureDigiquartzSensor::FieldTable().size()                                      \
        ? CoeffTable::Operation<CPressureDigiquartzSensor>(                                       \
              *this, CPressureDigiquartzSensor::FieldTable()[field] __VA_OPT__(, ) __VA_ARGS__)   \
        : CoeffTable::Operation(                                                                  \
              *this,                                                                              \
              FieldTable()[(field)-CPressureDigiquartzSensor::FieldTable().size()] __VA_OPT__(, ) \
                  __VA_ARGS__)

CString CPressureDigiquartzTC_Sensor::GetFieldText(std::size_t field) const {
    return TW_TC_FIELD(GetText, field);
}
bool CPressureDigiquartzTC_Sensor::SetFieldText(std::size_t field, const CString& text) {
    return TW_TC_FIELD(SetText, field, text);
}
double CPressureDigiquartzTC_Sensor::GetFieldValue(std::size_t field) const {
    return TW_TC_FIELD(GetValue, field);
}
bool CPressureDigiquartzTC_Sensor::SetFieldValue(std::size_t field, double value) {
    return TW_TC_FIELD(SetValue, field, value);
}
#undef TW_TC_FIELD

void CPressureDigiquartzTC_Sensor::Report(std::ostream& os, int indent) const {
    Report1(os, indent, kReportWidth);
    CoeffTable::Report(os, indent, kReportWidth, *this, FieldTable().first(kT5Items));
    Report2(os, indent, kReportWidth);
    CoeffTable::Report(os, indent, kReportWidth, *this, FieldTable().subspan(kT5Items));
}

TW_SENSOR_FIELDS(CPressureDruckSensor, Coeff("PA0", &S::m_PA0, "%1.8e").Sci("PA0", 8),
                 Coeff("PA1", &S::m_PA1, "%1.8e").Sci("PA1", 8),
                 Coeff("PA2", &S::m_PA2, "%1.8e").Sci("PA2", 8),
                 Coeff("PTEMPA0", &S::m_PTEMPA0, "%1.8e").Sci("PTEMPA0", 8),
                 Coeff("PTEMPA1", &S::m_PTEMPA1, "%1.8e").Sci("PTEMPA1", 8),
                 Coeff("PTEMPA2", &S::m_PTEMPA2, "%1.8e").Sci("PTEMPA2", 8),
                 Coeff("PTCA0", &S::m_PTCA0, "%1.8e").Sci("PTCA0", 8),
                 Coeff("PTCA1", &S::m_PTCA1, "%1.8e").Sci("PTCA1", 8),
                 Coeff("PTCA2", &S::m_PTCA2, "%1.8e").Sci("PTCA2", 8),
                 Coeff("PTCB0", &S::m_PTCB0, "%1.8e").Sci("PTCB0", 8),
                 Coeff("PTCB1", &S::m_PTCB1, "%1.8e").Sci("PTCB1", 8),
                 Coeff("PTCB2", &S::m_PTCB2, "%1.8e").Sci("PTCB2", 8),
                 Coeff("Offset", &S::m_Offset, "%1.6f").Fixed("Offset", 6))

TW_SENSOR_FIELDS(CPressureFGP_Sensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.3f").Fixed("Scale factor", 3),
                 Coeff("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3))

TW_SENSOR_FIELDS(CPressureStrainGaugeSensor, Coeff("A0", &S::m_A0, "%1.6e").Sci("A0", 6),
                 Coeff("A1", &S::m_A1, "%1.6e").Sci("A1", 6),
                 Coeff("A2", &S::m_A2, "%1.6e").Sci("A2", 6),
                 Coeff("Offset", &S::m_Offset, "%1.5f").Fixed("Offset", 5))
