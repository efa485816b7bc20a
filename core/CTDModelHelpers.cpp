// The pieces of configuration that several instrument models share: their
// starting configuration, the fixed channels a read file must hold, the
// surface PAR pair, the closing report lines and the NMEA position in a scan.

#include "core/CTD.h"
#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "core/ReportLine.h"
#include "core/SensorRegistry.h"
#include "platform/Diagnostics.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kSurfacePAR_SensorID = 51;

}  // namespace

void CCTD::DefaultCommonConfig() {
    m_serialNum.Empty();
    m_nNumFreqAdd = 0;
    m_nNumVoltAdd = 0;
    m_computerInterface.Set(m_computerInterface.GetInitialValue());
    m_bNMEA_Added = m_bDepthAdded = m_bNMEA_TimeAdded = m_bNMEA_PC = 0;
    DefaultFixedSensors();
}

void CCTD::DefaultFixedSensors() {
    Empty(m_sensorArray);
    const SCTD_Data* row = GetCTD_Data(GetCTD_ID());
    for (int i = 0; i < row->numChannelMin; ++i) {
        m_sensorArray.Add(CreateSensorObject(row->fixedSensors[i]));
    }
}

bool CCTD::HasFixedSensors(int count) const {
    const SCTD_Data* row = GetCTD_Data(GetCTD_ID());
    if (count > row->numFixedSensors) {
        return false;
    }
    if (m_sensorArray.GetSize() < count) {
        return RefuseRead("SensorArray", "it holds " + std::to_string(m_sensorArray.GetSize()) +
                                             " channels, fewer than the " + std::to_string(count) +
                                             " fixed channels of the " + GetCTD_Name().str());
    }
    for (int i = 0; i < count; ++i) {
        const int id = m_sensorArray.GetAt(i)->GetSensorID();
        if (id != row->fixedSensors[i]) {
            return RefuseRead("SensorArray/Sensor[" + std::to_string(i) + "]",
                              std::string("SensorID ") + std::to_string(id) + " (" +
                                  GetSensorData(id)->name + ") stands where the " +
                                  GetCTD_Name().str() + " has its " +
                                  GetSensorData(row->fixedSensors[i])->name);
        }
    }
    return true;
}

bool CCTD::RefuseRead(const std::string& item, const std::string& what) {
    const std::string place = CDiagnostics::CurrentPlace();
    CDiagnostics::NoteRefused(place.empty() ? item : place + "/" + item, what);
    return false;
}

bool CCTD::VoltageChannelsFit(int read, int found, bool limited) const {
    const char* const item = "ExternalVoltageChannels";
    const int limit = GetNumVoltAddMax();
    if (limited && read > limit) {
        return RefuseRead(item, std::to_string(read) + " is more than the " +
                                    std::to_string(limit) + " external voltage channels of the " +
                                    GetCTD_Name().str());
    }
    if (found < 0 || read != found) {
        return RefuseRead(item,
                          std::to_string(read) + " disagrees with the SensorArray, which holds " +
                              std::to_string(std::max(found, 0)) + " external voltage channels");
    }
    return true;
}

void CCTD::ChangeSurfacePAR(int& added, int on) {
    if (on && !added) {
        auto* sparChannel = new CNullSensor(0);
        sparChannel->SetNullOutputType(OT_SPAR_VOLTAGE);
        m_sensorArray.Add(sparChannel);
        m_sensorArray.Add(CreateSensorObject(kSurfacePAR_SensorID));
        added = on;
    } else if (!on && added) {
        for (int i = 0; i < 2 && m_sensorArray.GetSize() > 0; ++i) {
            const int last = m_sensorArray.GetSize() - 1;
            delete m_sensorArray.GetAt(last);
            m_sensorArray.RemoveAt(last);
        }
        added = on;
    }
}

CString CCTD::ChannelNameWithPAR(int channel, int sparAdded) const {
    const int count = GetNumChannel();
    if (channel < 0 || channel >= count || channel >= m_sensorArray.GetSize()) {
        return "";
    }
    if (sparAdded && channel == count - 2) {
        return GetOutputTypeName(OT_SPAR_VOLTAGE);
    }
    return GetOutputTypeName(GetSensor(channel).GetOutputType());
}

void CCTD::ReportClosingLines(std::ostream& os, int labelWidth, int sparAdded, int scanTimeAdded,
                              int changed) const {
    ReportNMEA_Group(os, labelWidth);
    ReportLine(os, 0, labelWidth, "Surface PAR voltage added", YesNo(sparAdded));
    ReportLine(os, 0, labelWidth, "Scan time added", YesNo(scanTimeAdded));
    ReportSensors(os, changed);
    ReportLine(os, 0, labelWidth, "Scan length", GetScanLen());
}

namespace {

double NmeaDegrees(const unsigned char* bytes, bool negative) {
    const double degrees = (bytes[0] * 65536.0 + bytes[1] * 256.0 + bytes[2]) / 50000.0;
    return negative ? -degrees : degrees;
}

}  // namespace

double CCTD::NmeaLatitude(const unsigned char* position) {
    return NmeaDegrees(position, (position[6] & 0x80) != 0);
}

double CCTD::NmeaLongitude(const unsigned char* position) {
    return NmeaDegrees(position + 3, (position[6] & 0x40) != 0);
}

int CCTD::NmeaNewPosition(const unsigned char* position) {
    return position[6] & 0x01;
}
