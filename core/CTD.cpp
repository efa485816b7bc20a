#include "core/CTD.h"

#include <algorithm>
#include <cassert>
#include <memory>

#include "core/CTDModels.h"
#include "core/NullSensor.h"

IMPLEMENT_DYNAMIC(CCTD, CObject)

namespace {

// Every instrument class is a model of the catalogue, so its CTD ID has a row
// (CTDModel.h checks each class against the table of models when compiled).
const SCTD_Data& RowOf(const CCTD& ctd) {
    const SCTD_Data* row = GetCTD_Data(ctd.GetCTD_ID());
    assert(row);
    return *row;
}

}  // namespace

CCTD::CCTD() = default;

CCTD::CCTD(const CCTD& other) : CObject(other), IDocObj(other) {
    *this = other;
}

CCTD& CCTD::operator=(const CCTD& other) {
    if (this == &other) {
        return *this;
    }
    m_nNMEA_PosOffset = other.m_nNMEA_PosOffset;
    m_nNMEA_DepthOffset = other.m_nNMEA_DepthOffset;
    m_nNMEA_TimeOffset = other.m_nNMEA_TimeOffset;
    m_nScanTimeOffset = other.m_nScanTimeOffset;
    m_serialNum = other.m_serialNum;
    m_nNumFreqAdd = other.m_nNumFreqAdd;
    m_nNumVoltAdd = other.m_nNumVoltAdd;
    m_computerInterface = other.m_computerInterface;
    m_bNMEA_Added = other.m_bNMEA_Added;
    m_bDepthAdded = other.m_bDepthAdded;
    m_bNMEA_PC = other.m_bNMEA_PC;
    m_bNMEA_TimeAdded = other.m_bNMEA_TimeAdded;
    m_bOptimize = other.m_bOptimize;
    m_nOptNumChannel = other.m_nOptNumChannel;
    m_nOptScanLen = other.m_nOptScanLen;
    m_dScanIntervalCalc = other.m_dScanIntervalCalc;
    m_bPositionInScan = other.m_bPositionInScan;
    m_dLatitude = other.m_dLatitude;
    m_dLongitude = other.m_dLongitude;
    Assign(m_sensorArray, other.m_sensorArray);
    return *this;
}

CCTD::~CCTD() {
    Empty(m_sensorArray);
}

bool CCTD::operator==(const CCTD& other) const {
    return m_nNMEA_PosOffset == other.m_nNMEA_PosOffset &&
           m_nNMEA_DepthOffset == other.m_nNMEA_DepthOffset &&
           m_nNMEA_TimeOffset == other.m_nNMEA_TimeOffset &&
           m_nScanTimeOffset == other.m_nScanTimeOffset && m_serialNum == other.m_serialNum &&
           m_nNumFreqAdd == other.m_nNumFreqAdd && m_nNumVoltAdd == other.m_nNumVoltAdd &&
           m_computerInterface.Get() == other.m_computerInterface.Get() &&
           m_bNMEA_Added == other.m_bNMEA_Added && m_bDepthAdded == other.m_bDepthAdded &&
           m_bNMEA_PC == other.m_bNMEA_PC && m_bNMEA_TimeAdded == other.m_bNMEA_TimeAdded &&
           m_bOptimize == other.m_bOptimize && m_nOptNumChannel == other.m_nOptNumChannel &&
           m_nOptScanLen == other.m_nOptScanLen &&
           m_dScanIntervalCalc == other.m_dScanIntervalCalc &&
           m_bPositionInScan == other.m_bPositionInScan && m_sensorArray == other.m_sensorArray &&
           m_dLatitude == other.m_dLatitude && m_dLongitude == other.m_dLongitude;
}

void CCTD::Optimize(int on) {
    if (on) {
        // Computed while the flag still has its old value, so a model that was
        // not optimized computes them afresh.
        m_nOptNumChannel = GetNumChannel();
        m_nOptScanLen = GetScanLen();
        InitializeForCalculations();
    }
    m_bOptimize = on;
}

int CCTD::GetNumChannel() const {
    return m_bOptimize ? m_nOptNumChannel : m_sensorArray.GetSize();
}

int CCTD::DuplicateSensorCnt(int sensorID) const {
    int count = 0;
    for (int i = 0; i < m_sensorArray.GetSize(); ++i) {
        const CSensor* sensor = m_sensorArray.GetAt(i);
        if (sensor && sensor->GetSensorID() == sensorID) {
            ++count;
        }
    }
    return count;
}

double CCTD::GetScanIntervalCalc() const {
    return m_dScanIntervalCalc > 0.0 ? m_dScanIntervalCalc : GetScanInterval();
}

CString CCTD::GetCTD_Name() const {
    return RowOf(*this).name;
}
int CCTD::GetNumFreqAddMax() const {
    return RowOf(*this).numFreqAddMax;
}
int CCTD::GetNumVoltAddMax() const {
    return RowOf(*this).numVoltAddMax;
}
int CCTD::GetNumChannelLock() const {
    return RowOf(*this).numChannelLock;
}
int CCTD::GetNumChannelMin() const {
    return RowOf(*this).numChannelMin;
}
int CCTD::GetNumChannelMax() const {
    return RowOf(*this).numChannelMax;
}

CSensor& CCTD::GetSensor(int channel) const {
    CSensor* sensor = m_sensorArray.GetAt(channel);
    if (!sensor) {
        throw CInvalidArgException("CCTD::GetSensor: no sensor on the channel");
    }
    return *sensor;
}

void CCTD::ReplaceSensor(int channel, CSensor* sensor) {
    if (channel < 0 || channel >= GetNumChannel() || !sensor) {
        return;
    }
    delete m_sensorArray.GetAt(channel);
    m_sensorArray.SetAt(channel, sensor);
}

int CCTD::FindSensor(int sensorID, int ordinal) const {
    int seen = 0;
    const int count = std::min(GetNumChannel(), m_sensorArray.GetSize());
    for (int i = 0; i < count; ++i) {
        const CSensor* sensor = m_sensorArray.GetAt(i);
        if (sensor && sensor->GetSensorID() == sensorID && seen++ == ordinal) {
            return i;
        }
    }
    return -1;
}

int CCTD::FindTempSensor(int ordinal) const {
    const int frequencyTemperature = FindSensor(SID_TEMP_TDW2, ordinal);
    if (frequencyTemperature >= 0) {
        return frequencyTemperature;
    }
    if (ordinal == 0) {
        for (int id : {SID_TEMP_VANTREL_PLUS, SID_TEMP_TDW94, SID_TEMP_NO_COEFF}) {
            const int channel = FindSensor(id, 0);
            if (channel >= 0) {
                return channel;
            }
        }
        return -1;
    }
    // On a thermosalinograph the remote temperature counts as the second one.
    const int id = GetCTD_ID();
    if (id == CTD_71_THERMOSAL || id == CTD_47_THERMOSAL || id == CTD_71V2_THERMOSAL) {
        return FindSensor(SID_TEMP_TDW83, 0);
    }
    return -1;
}

int CCTD::DuplicateSensorOrdinal(int channel) const {
    if (channel < 0 || channel >= GetNumChannel() || channel >= m_sensorArray.GetSize()) {
        return 0;
    }
    const CSensor* target = m_sensorArray.GetAt(channel);
    if (!target) {
        return 0;
    }
    int before = 0;
    for (int i = 0; i < channel; ++i) {
        const CSensor* sensor = m_sensorArray.GetAt(i);
        if (sensor && sensor->GetSensorID() == target->GetSensorID()) {
            ++before;
        }
    }
    return before;
}

CString CCTD::SensorNameOrdinal(int channel) const {
    const CSensor& sensor = GetSensor(channel);
    CString name = sensor.GetSensorName();
    const int ordinal = DuplicateSensorOrdinal(channel);
    if (sensor.GetSensorID() != SID_NULL && ordinal > 0) {
        name.AppendFormat(", %d", ordinal + 1);
    }
    return name;
}

void CCTD::BinToHex(const unsigned char* bytes, unsigned char* hex, int count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < count; ++i) {
        hex[2 * i] = static_cast<unsigned char>(kDigits[bytes[i] >> 4]);
        hex[2 * i + 1] = static_cast<unsigned char>(kDigits[bytes[i] & 0x0F]);
    }
}

void CCTD::HexToBin(const unsigned char* hex, unsigned char* bytes, int hexCount) {
    // Digits and uppercase A to F; other characters decode to what the same
    // arithmetic gives, as the instruments' own decoders do.
    auto nibble = [](unsigned char ch) { return ch < ':' ? ch - '0' : ch - '7'; };
    for (int i = 0; i < hexCount / 2; ++i) {
        bytes[i] = static_cast<unsigned char>(nibble(hex[2 * i]) * 16 + nibble(hex[2 * i + 1]));
    }
}

void CCTD::ChangeNumFreq(int n) {
    ChangeBlock(m_nNumFreqAdd, AddExtFreqFrom(), n, OT_FREQUENCY);
}

void CCTD::ChangeNumVolt(int n) {
    ChangeBlock(m_nNumVoltAdd, AddExtVoltFrom(), n, OT_VOLTAGE);
}

void CCTD::ChangeBlock(int& count, int from, int n, OutputType channelType) {
    if (n == count) {
        return;
    }
    int position = count + from;  // just after the block
    if (n > count) {
        for (int i = 0; i < n - count; ++i) {
            std::unique_ptr<CNullSensor> placeholder(NewFreeChannel(channelType));
            m_sensorArray.InsertAt(position + i, placeholder.get());
            placeholder.release();
        }
    } else {
        // The last channels of the block go first, whatever they hold.
        for (int i = 0; i < count - n; ++i) {
            --position;
            delete m_sensorArray.GetAt(position);
            m_sensorArray.RemoveAt(position);
        }
    }
    count = n;
}
