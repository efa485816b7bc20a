// The shared pieces of the configuration report: the header, the NMEA group
// and the numbered channel blocks.

#include <vector>

#include "core/CTD.h"
#include "core/ReportLine.h"
#include "platform/CTime.h"

void CCTD::Report(std::ostream& os, const CString& fileName, int changed,
                  int /*labelWidth*/) const {
    os << std::left;
    os << "Date: " << CTime::GetCurrentTime().Format("%m/%d/%Y") << "\n\n";
    if (!fileName.IsEmpty()) {
        os << "Instrument configuration file: " << fileName << (changed ? " *" : "") << "\n\n";
    }
    const CString title = "Configuration report for " + GetCTD_Name();
    os << title << '\n' << CString('-', title.GetLength()) << "\n\n";
}

void CCTD::ReportNMEA_Group(std::ostream& os, int labelWidth) const {
    ReportLine(os, 0, labelWidth, "NMEA position data added", YesNo(m_bNMEA_Added));
    ReportLine(os, 0, labelWidth, "NMEA depth data added", YesNo(m_bDepthAdded));
    ReportLine(os, 0, labelWidth, "NMEA time added", YesNo(m_bNMEA_TimeAdded));
    if (m_bNMEA_Added) {
        ReportLine(os, 0, labelWidth, "NMEA device connected to", m_bNMEA_PC ? "PC" : "deck unit");
    }
}

std::vector<CString> CCTD::ChannelLabels() const {
    int firstVolt = -1;
    int lastVolt = -2;
    if (m_nNumVoltAdd != 0) {
        firstVolt = AddExtVoltFrom();
        lastVolt = firstVolt + m_nNumVoltAdd - 1;
    }
    int frequencyCount = 0;
    int voltageCount = 0;
    std::vector<CString> labels;
    for (int i = 0; i < m_sensorArray.GetSize(); ++i) {
        const CString channelName = GetChannelName(i);
        CString label;
        if (i >= firstVolt && i <= lastVolt) {
            label.Format("%s %d", channelName.GetString(), voltageCount++);
        } else if (channelName == "Frequency") {
            label.Format("Frequency %d", frequencyCount++);
        } else {
            label = channelName;
        }
        labels.push_back(label);
    }
    return labels;
}

void CCTD::ReportSensors(std::ostream& os, int changed) const {
    const std::vector<CString> labels = ChannelLabels();
    os << '\n';
    for (int i = 0; i < m_sensorArray.GetSize(); ++i) {
        os << i + 1 << ") " << labels[static_cast<std::size_t>(i)] << ", " << SensorNameOrdinal(i)
           << '\n';

        const CSensor& sensor = GetSensor(i);
        const int indent = i + 1 < 10 ? 3 : 4;
        switch (sensor.GetSensorID()) {
            case SID_BOTTLES_CLOSED:
            case SID_BOTTOM_CONTACT:
            case SID_FLUORO_TURNER_RANGE:
            case SID_OBS_IFREMER_DIRECT:
            case SID_SUSP_SED_TRANS:
                os << '\n' << ins_space(indent) << "Calibration is not needed.\n";
                break;
            case SID_NULL:
                break;
            default:
                os << '\n';
                sensor.Report(os, indent);
                break;
        }
        os << '\n';
    }
    if (changed) {
        os << "* - The configuration was changed after the file was opened.\n";
    }
}
