#include "xmlfiles/SensorHeaderInsert.h"

#include <memory>
#include <vector>

#include "core/Catalogue.h"
#include "core/SensorWriteOptions.h"

namespace Config2004 {

using TDWXML::E_FAIL_XML;
using TDWXML::S_OK_XML;

namespace {

constexpr const char* kRootTag = "Sensors";

// The temperature sensors whose pressure correction a host can override.
bool IsCorrectedTemperature(int sensorID) {
    return sensorID == SID_TEMP_TDW2 || sensorID == SID_TEMP_TDW94 ||
           sensorID == SID_TEMP_VANTREL_PLUS;
}

// No note and no comment: the state between sensors and outside a write.
void ClearNote() {
    CSensorWriteOptions::SetSensorComment("", false);
}

}  // namespace

CString CSensorHeaderInsert::GetCurrentSensorComment() {
    return CSensorWriteOptions::GetSensorComment();
}

int CSensorHeaderInsert::GetWriteSensorCommentFlag() {
    return CSensorWriteOptions::GetWriteSensorComment() ? 1 : 0;
}

int CSensorHeaderInsert::WriteSensorsXML(CCTD* ctd, CString path,
                                         const CCommandLineIniOptions& options) {
    return WriteSensorsXMLResult(ctd, path, options) ? 1 : 0;
}

SIOResult CSensorHeaderInsert::WriteSensorsXMLResult(CCTD* ctd, CString path,
                                                     const CCommandLineIniOptions& options) {
    if (!ctd) {
        return SIOResult::Failure("no instrument to write");
    }
    m_pCTD = ctd;
    m_pOptions = &options;
    CSensorWriteOptions::SetWriteVersionInSensors(false);
    ClearNote();
    SIOResult result = TDWXML::WriteDocument(path, kRootTag, this);
    m_pCTD = nullptr;
    m_pOptions = nullptr;
    ClearNote();
    return result;
}

long CSensorHeaderInsert::ReadXML(TDWXML::CInputNode*) {
    return E_FAIL_XML;
}

CString CSensorHeaderInsert::NoteFor(int channel) const {
    const int sensorID = m_pCTD->GetSensor(channel).GetSensorID();
    CString note;
    if (channel == 0 && m_pOptions->GetdT0pcor() != 0.0 && IsCorrectedTemperature(sensorID)) {
        note.Format("t0pcor = %12.4e specified on Pivora command line", m_pOptions->GetdT0pcor());
    }
    if (channel >= 1 && m_pOptions->GetdT1pcor() != 0.0 && IsCorrectedTemperature(sensorID)) {
        note.Format("t1pcor = %12.4e specified on Pivora command line", m_pOptions->GetdT1pcor());
    }
    if (channel == 1 && sensorID == SID_CONDUCTIVITY) {
        if (m_pOptions->GetdWrap71Cond() > 0.0 && m_pCTD->GetCTD_ID() == CTD_71_THERMOSAL) {
            note.Format("wrap71cond = %lf specified on Pivora command line",
                        m_pOptions->GetdWrap71Cond());
        }
        if (m_pOptions->GetnWrap62CondFreq() != 0 && m_pCTD->GetCTD_ID() == CTD_62_VANTREL) {
            note = "TDW 62 wrap conductivity freq=yes specified in Halcyra.ini [Data Conversion]";
        }
    }
    return note;
}

long CSensorHeaderInsert::WriteXML(TDWXML::COutputNode* node) {
    if (!node || !m_pCTD || !m_pOptions) {
        return E_FAIL_XML;
    }
    const CSensorArray& sensors = m_pCTD->GetSensorArray();
    node->SetAttribute("count", sensors.GetSize());
    const std::vector<CString> labels = m_pCTD->ChannelLabels();
    for (int i = 0; i < sensors.GetSize(); ++i) {
        CSensor& sensor = m_pCTD->GetSensor(i);
        const CString note = NoteFor(i);
        CSensorWriteOptions::SetSensorComment(note, !note.IsEmpty());
        // The statuses are not used: a channel that cannot be written is
        // left out and the next one is tried.
        if (node->OpenElement("sensor", i + 1, "Channel") == S_OK_XML) {
            node->WriteComment(labels[static_cast<std::size_t>(i)] + ", " +
                               m_pCTD->SensorNameOrdinal(i));
            if (sensor.GetSensorID() != SID_NULL) {
                node->WriteObject(GetSensorData(sensor.GetSensorID())->xmlTag, &sensor, -1,
                                  "index");
            }
            node->CloseElement();
        }
        ClearNote();
    }
    return S_OK_XML;
}

}  // namespace Config2004
