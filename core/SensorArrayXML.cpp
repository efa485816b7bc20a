// The sensor array inside an instrument's XML: an element with the attribute
// "Size", holding one "Sensor" element per channel (attributes "index" and
// "SensorID") around the sensor's own element.

#include <memory>
#include <vector>

#include "core/CTD.h"
#include "platform/Diagnostics.h"

using namespace TDWXML;

namespace {

constexpr int kLogLevel = 3;

void LogFormatted(const char* format, int id, const CString& name, const char* tag = nullptr) {
    CString text;
    if (tag) {
        text.Format(format, id, name.GetString(), tag);
    } else {
        text.Format(format, id, name.GetString());
    }
    CDiagnostics::Log(text, kLogLevel);
}

}  // namespace

long CCTD::ReadSensorArrayXML(CInputNode* node) {
    return ReadAnySensorArrayXML("SensorArray", m_sensorArray, node);
}

long CCTD::WriteSensorArrayXML(COutputNode* node) {
    return WriteAnySensorArrayXML("SensorArray", m_sensorArray, node);
}

long CCTD::WriteAnySensorArrayXML(const char* tag, CSensorArray& array, COutputNode* node) {
    if (!node || node->OpenElement(tag, array.GetSize(), "Size") != 0) {
        return E_FAIL_XML;
    }
    long status = S_OK_XML;
    for (int i = 0; i < array.GetSize() && status == 0; ++i) {
        CSensor* sensor = array.GetAt(i);
        if (!sensor) {
            CDiagnostics::Log("CCTD::WriteSensorArrayXML failed.  - bad pointer a sensor.",
                              kLogLevel);
            continue;
        }
        const int id = sensor->GetSensorID();
        const SSensorData* row = GetSensorData(id);
        if (!row || node->OpenElement("Sensor", i, "index") != 0) {
            LogFormatted("CCTD::WriteSensorArrayXML failed. sensor id = %d, sensor name = %s", id,
                         sensor->GetSensorName());
            status = E_FAIL_XML;
            break;
        }
        node->SetAttribute("SensorID", id);
        // A sensor that fails to write does not stop the array.
        node->WriteObject(row->xmlTag, sensor, -1, "index");
        status = node->CloseElement();
    }
    return node->CloseElement() | status;
}

long CCTD::ReadAnySensorArrayXML(const char* tag, CSensorArray& array, CInputNode* node) {
    if (!node || node->OpenElement(tag, -1, "index") != 0) {
        return E_FAIL_XML;
    }
    int size = 0;
    if (node->GetAttribute("Size", &size) != 0) {
        node->CloseElement();
        return E_FAIL_XML;
    }
    std::vector<std::unique_ptr<CSensor>> sensors;
    // A negative size reads as an empty array.
    long status = S_OK_XML;
    for (int i = 0; i < size && status == 0; ++i) {
        if (node->OpenElement("Sensor", i, "index") != 0) {
            status = E_FAIL_XML;
            break;
        }
        int id = -1;
        if (node->GetAttribute("SensorID", &id) != 0) {
            CDiagnostics::Log("CCTD::ReadSensorArrayXML failed - missing the SensorID attribute.",
                              kLogLevel);
            status = E_FAIL_XML;
        } else if (std::unique_ptr<CSensor> sensor(CreateSensorObject(id)); !sensor) {
            CDiagnostics::Log("CCTD::ReadSensorArrayXML failed. Bad pointer in the sensor array.",
                              kLogLevel);
            status = E_FAIL_XML;
        } else {
            const char* elementTag = GetSensorData(id)->xmlTag;
            if (node->ReadObject(elementTag, sensor.get(), -1, "index") != 0) {
                LogFormatted(
                    "CCTD::ReadSensorArrayXML failed. Sensor ID = %d, sensor name = %s, XML tag = "
                    "%s",
                    sensor->GetSensorID(), sensor->GetSensorName(), elementTag);
                status = E_FAIL_XML;
            }
            sensors.push_back(std::move(sensor));
        }
        node->CloseElement();
    }
    node->CloseElement();
    if (status != 0) {
        CDiagnostics::Log("CCTD::ReadSensorArrayXML failed.", kLogLevel);
        return E_FAIL_XML;
    }
    Empty(array);
    for (auto& sensor : sensors) {
        array.Add(sensor.release());
    }
    return S_OK_XML;
}
