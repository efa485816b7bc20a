#include "core/Sensor.h"

#include <cassert>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/NullSensor.h"
#include "core/ReportLine.h"
#include "core/SensorWriteOptions.h"
#include "platform/DateText.h"

using namespace TDWXML;

IMPLEMENT_DYNAMIC(CSensor, CObject)

namespace {

// 1 January 1990, local midnight: worked out once, as every sensor made
// starts with it.
const CTime& DefaultCalTime() {
    static const CTime time(1990, 1, 1, 0, 0, 0);
    return time;
}

}  // namespace

CSensor::CSensor() : m_calTime(DefaultCalTime()) {}

CString CSensor::GetSensorName() const {
    const int id = GetSensorID();
    if (id == SID_NULL) {
        return GetNullSensorName(this);
    }
    const SSensorData* row = GetSensorData(id);
    return row ? row->name : "";
}

OutputType CSensor::GetOutputType() const {
    const int id = GetSensorID();
    if (id == SID_NULL) {
        return GetNullSensorOutputType(this);
    }
    const SSensorData* row = GetSensorData(id);
    return row ? row->outputType : OT_UNKNOWN;
}

CString CSensor::GetCalDate() const {
    return m_bUseStrDate ? m_calDate : TimeToDateStr(m_calTime);
}

int CSensor::SetCalDate(const CString& date) {
    if (m_bUseStrDate) {
        m_calDate = date;
        return 0;
    }
    return DateStrToTime(date, m_calTime);
}

bool CSensor::operator==(const CSensor& other) const {
    if (m_serialNum != other.m_serialNum) {
        return false;
    }
    return m_bUseStrDate ? m_calDate == other.m_calDate : m_calTime == other.m_calTime;
}

long CSensor::ReadBaseXML(CInputNode* node) {
    int id = -1;
    node->GetAttribute("SensorID", &id);
    if (id != GetSensorID()) {
        return E_WRONG_OBJECT;
    }
    char buffer[SENSOR_TEXT_BUFFER] = {};
    if (node->ReadString("SerialNumber", buffer, SENSOR_TEXT_BUFFER, -1, "index") == 0) {
        m_serialNum = buffer;
    }
    std::memset(buffer, 0, sizeof buffer);
    if (node->ReadString("CalibrationDate", buffer, SENSOR_TEXT_BUFFER, -1, "index") == 0) {
        m_calDate = buffer;
    }
    return S_OK_XML;
}

long CSensor::WriteBaseXML(COutputNode* node) {
    node->SetAttribute("SensorID", GetSensorID());
    if (CSensorWriteOptions::GetWriteVersionInSensors()) {
        node->SetAttribute("TW_ConfigCTD_FileVersion", CSensorWriteOptions::kFileVersion);
    }
    long status = node->WriteString("SerialNumber", m_serialNum, -1, "index");
    if (status != 0) {
        return status;
    }
    status = node->WriteString("CalibrationDate", m_calDate, -1, "index");
    if (status != 0) {
        return status;
    }
    if (CSensorWriteOptions::GetWriteSensorComment()) {
        return node->WriteComment(CSensorWriteOptions::GetSensorComment());
    }
    return S_OK_XML;
}

void CSensor::Report(std::ostream& os, int indent, int width) const {
    os << std::left;
    ReportLine(os, indent, width, "Serial number", m_serialNum);
    ReportLine(os, indent, width, "Calibrated on",
               m_bUseStrDate ? m_calDate : m_calTime.Format("%m/%d/%Y"));
}

std::vector<SSensorField> CSensor::Fields() const {
    return {};
}

CString CSensor::GetFieldText(std::size_t) const {
    assert(!"the sensor has no fields");
    return {};
}

bool CSensor::SetFieldText(std::size_t, const CString&) {
    return false;
}

double CSensor::GetFieldValue(std::size_t) const {
    assert(!"the sensor has no fields");
    return 0.0;
}

bool CSensor::SetFieldValue(std::size_t, double) {
    return false;
}

int CSensor::FindField(std::string_view key) const {
    return ::FindField(Fields(), key);
}

void AssignFieldKeys(std::vector<SSensorField>& fields) {
    using EKind = SSensorField::EKind;
    // How many value fields have each tag; counted at the first field in a
    // group, since only a tag within a group may need the group's step to
    // tell it from the same tag in another group.
    std::unordered_map<std::string_view, int> tagCounts;
    const auto countTags = [&] {
        for (const SSensorField& field : fields) {
            if (field.IsValue()) {
                ++tagCounts[field.tag];
            }
        }
    };
    std::string group;
    for (SSensorField& field : fields) {
        if (field.kind == EKind::OpenGroup) {
            // A group is one of a pair told apart by its index attribute.
            group = field.tag;
            group += std::strcmp(field.groupIndexAttr, "index") == 0
                         ? "[" + std::to_string(field.groupIndex) + "]"
                         : "[" + std::string(field.groupIndexAttr) + "=" +
                               std::to_string(field.groupIndex) + "]";
            field.key = group;
        } else if (field.kind == EKind::CloseGroup) {
            group.clear();
        } else if (field.IsValue()) {
            field.inGroup = !group.empty();
            if (field.inGroup && tagCounts.empty()) {
                countTags();
            }
            field.key =
                field.inGroup && tagCounts[field.tag] > 1 ? group + "." + field.tag : field.tag;
        } else {
            field.inGroup = !group.empty();
        }
    }
}
