#include "instruments/VantrelCTD.h"

#include <cmath>
#include <cstdint>

#include "core/Catalogue.h"
#include "core/NullSensor.h"

IMPLEMENT_DYNAMIC(CVantrelCTD, CCTD)

const int CVantrelCTD::NO_SERIAL_SENSOR = 0;
const int CVantrelCTD::TEMPERATURE_TDW_83 = 1;
const int CVantrelCTD::GTD_DO_ONLY = 2;
const int CVantrelCTD::GTD_N2_ONLY = 3;
const int CVantrelCTD::GTD_DO_N2 = 4;
const int CVantrelCTD::GTD_N2_DO = 5;
const int CVantrelCTD::GTD_DO_DO = 6;
const int CVantrelCTD::GTD_N2_N2 = 7;
const int CVantrelCTD::PRESSURE_TDW_58 = 8;
const int CVantrelCTD::OPTODE_OXYGEN = 9;
const int CVantrelCTD::WETLABS_SERIAL_TRIPLET = 10;
const int CVantrelCTD::TDW_68_OPTICAL_OXYGEN = 11;
const int CVantrelCTD::WETLABS_SERIAL_SEAOWL = 12;
const int CVantrelCTD::SATLANTIC_SEAFET = 13;

namespace {

constexpr int kNumSerialSensors = 14;

// What each serial sensor identifier puts on the instrument's channels.
struct SSerialSensor {
    const char* commentName;
    const char* reportName;
    std::vector<int> sensorIDs;    // SID_NULL: a free placeholder for the user
    std::vector<int> acceptedIDs;  // what a read file may hold there; -1: any
    int gtdTypes[2];
    int fieldLength;  // hex characters of its data in a scan (the TDW 58
                      // only on instruments with a TDW 58 port)
};

constexpr int kDO = 22;
constexpr int kN2 = 23;

const SSerialSensor kSerialSensors[kNumSerialSensors] = {
    {"None", "None", {}, {}, {0, 0}, 0},
    {"Temperature, TDW 83", "Temperature, TDW 83", {SID_TEMP_TDW83}, {SID_TEMP_TDW83}, {0, 0}, 6},
    {"GTD-DO", "GTD-DO", {kDO}, {kDO}, {1, 0}, 14},
    {"GTD-N2", "GTD-N2", {kN2}, {kN2}, {2, 0}, 14},
    {"GTD-DO, GTD-N2", "GTD-DO, GTD-N2", {kDO, kN2}, {kDO, kN2}, {1, 2}, 28},
    {"GTD-N2, GTD-DO", "GTD-N2, GTD-DO", {kN2, kDO}, {kN2, kDO}, {2, 1}, 28},
    {"GTD-DO, GTD-DO", "GTD-DO, GTD-DO", {kDO, kDO}, {kDO, kDO}, {1, 1}, 28},
    {"GTD-N2, GTD-N2", "GTD-N2, GTD-N2", {kN2, kN2}, {kN2, kN2}, {2, 2}, 28},
    {"Pressure, TDW 58", "Pressure, TDW 58", {SID_PRESSURE_TDW58}, {SID_PRESSURE_TDW58}, {0, 0}, 6},
    {"Oxygen, Optode", "Oxygen, Optode", {64}, {64}, {0, 0}, 6},
    {"WET Labs", "WET Labs", {SID_NULL, SID_NULL, SID_NULL}, {-1, -1, -1}, {0, 0}, 12},
    {"TDW 68 Oxygen", "Oxygen, TDW 68", {72}, {72}, {0, 0}, 12},
    {"WET Labs SeaOWL UVA", "WET Labs SeaOWL UVA", {73, 75, 74}, {-1, 75, 74}, {0, 0}, 12},
    {"pH, SeaFET", "pH, SeaFET", {77, 78}, {77, 78}, {0, 0}, 12},
};

// The order in which the comment table lists the identifiers.
constexpr int kCommentOrder[kNumSerialSensors] = {0, 1, 9, 2, 3, 4, 5, 6, 7, 8, 10, 12, 11, 13};

bool IsSerialSensor(int serialSensor) {
    return serialSensor >= 0 && serialSensor < kNumSerialSensors;
}

}  // namespace

CVantrelCTD::CVantrelCTD(const CVantrelCTD& other)
    : CCTD(other),
      m_bScanTimeAdded(other.m_bScanTimeAdded),
      m_nPlusScanTimeOffset(other.m_nPlusScanTimeOffset),
      m_nSerialDataOffset{other.m_nSerialDataOffset[0], other.m_nSerialDataOffset[1]},
      m_nOptSerialCount(other.m_nOptSerialCount) {}

CVantrelCTD& CVantrelCTD::operator=(const CVantrelCTD& other) {
    if (this == &other) {
        return *this;
    }
    CCTD::operator=(other);
    m_bScanTimeAdded = other.m_bScanTimeAdded;
    m_nSerialDataOffset[0] = other.m_nSerialDataOffset[0];
    m_nSerialDataOffset[1] = other.m_nSerialDataOffset[1];
    m_nOptSerialCount = other.m_nOptSerialCount;
    // The plus scan-time offset follows from the settings when the copy is
    // initialised for calculations.
    return *this;
}

bool CVantrelCTD::operator==(const CVantrelCTD& other) const {
    return m_bScanTimeAdded == other.m_bScanTimeAdded &&
           m_nOptSerialCount == other.m_nOptSerialCount &&
           m_nPlusScanTimeOffset == other.m_nPlusScanTimeOffset &&
           m_nSerialDataOffset[0] == other.m_nSerialDataOffset[0] &&
           m_nSerialDataOffset[1] == other.m_nSerialDataOffset[1] && CCTD::operator==(other);
}

void CVantrelCTD::Optimize(int on) {
    if (on) {
        m_nOptSerialCount = GetnSerial(GetSerialSensor());
    }
    CCTD::Optimize(on);
}

int CVantrelCTD::GetScanLen() const {
    if (m_bOptimize) {
        return m_nOptScanLen;
    }
    return GetBaseLength() + NmeaHexLength() + (m_bScanTimeAdded ? 8 : 0);
}

bool CVantrelCTD::ScanBytes(int offset, unsigned char* bytes, int count) const {
    if (!m_pScanData || offset < 0) {
        return false;
    }
    HexToBin(m_pScanData + offset, bytes, 2 * count);
    return true;
}

int CVantrelCTD::ReadNewPosition() const {
    unsigned char b[7] = {};
    if (!m_bPositionInScan || !ScanBytes(m_nNMEA_PosOffset, b, 7)) {
        return 0;
    }
    return (b[6] & 0x01) ? 1 : 0;
}

double CVantrelCTD::ReadLatitude() const {
    unsigned char b[7] = {};
    if (!m_bPositionInScan || !ScanBytes(m_nNMEA_PosOffset, b, 7)) {
        return m_dLatitude;
    }
    const double latitude = (b[0] * 65536.0 + b[1] * 256.0 + b[2]) / 50000.0;
    return (b[6] & 0x80) ? -latitude : latitude;
}

double CVantrelCTD::ReadLongitude() const {
    unsigned char b[7] = {};
    if (!m_bPositionInScan || !ScanBytes(m_nNMEA_PosOffset, b, 7)) {
        return m_dLongitude;
    }
    const double longitude = (b[3] * 65536.0 + b[4] * 256.0 + b[5]) / 50000.0;
    return (b[6] & 0x40) ? -longitude : longitude;
}

double CVantrelCTD::ReadScanTime() const {
    unsigned char b[4] = {};
    if (!ScanBytes(m_nScanTimeOffset, b, 4)) {
        return 0.0;
    }
    const std::uint32_t seconds =
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<double>(seconds);
}

int CVantrelCTD::IsIndex_WET_Labs_Serial(int index) const {
    if (GetSerialSensor() != WETLABS_SERIAL_TRIPLET) {
        return 0;
    }
    const int first = AddExtVoltFrom() + m_nNumVoltAdd;
    return (index >= first && index < first + 3) ? 1 : 0;
}

int CVantrelCTD::GetnSerial(int serialSensor) const {
    if (m_bOptimize) {
        return m_nOptSerialCount;
    }
    if (serialSensor < 1 || serialSensor >= kNumSerialSensors) {
        return 0;
    }
    return static_cast<int>(kSerialSensors[serialSensor].sensorIDs.size());
}

int CVantrelCTD::GetGTD_Type(int which) const {
    const int serialSensor = GetSerialSensor();
    if (!IsSerialSensor(serialSensor) || which < 0 || which > 1) {
        return 0;
    }
    return kSerialSensors[serialSensor].gtdTypes[which];
}

int CVantrelCTD::NmeaHexLength() const {
    if (!m_bNMEA_Added) {
        return 0;
    }
    return 14 + (m_bDepthAdded ? 6 : 0) + (m_bNMEA_TimeAdded ? 8 : 0);
}

void CVantrelCTD::SetNumFreqAdd(int n) {
    if (n >= 0 && n <= GetNumFreqAddMax()) {
        ChangeNumFreq(n);
    }
}

void CVantrelCTD::SetNumVoltAdd(int n) {
    if (n >= 0 && n <= GetNumVoltAddMax()) {
        ChangeNumVolt(n);
    }
}

const char* CVantrelCTD::SerialSensorReportName(int serialSensor) {
    return IsSerialSensor(serialSensor) ? kSerialSensors[serialSensor].reportName : "";
}

void CVantrelCTD::InitializeOffsets() {
    const int base = GetBaseLength();
    m_nNMEA_PosOffset = m_nNMEA_DepthOffset = m_nNMEA_TimeOffset = m_nScanTimeOffset = base;
    if (m_bNMEA_Added) {
        m_nNMEA_DepthOffset += 14;
        m_nNMEA_TimeOffset += 14;
        m_nScanTimeOffset += 14;
    }
    if (m_bDepthAdded) {
        m_nNMEA_TimeOffset += 6;
        m_nScanTimeOffset += 6;
    }
    if (m_bNMEA_TimeAdded) {
        m_nScanTimeOffset += 8;
    }
}

CString CVantrelCTD::GetSerialSensorComment(int serialSensor) {
    CString comment;
    for (int id : kCommentOrder) {
        if (id == serialSensor) {
            comment.Format("Serial RS-232 Sensor: %d = %s.", id, kSerialSensors[id].commentName);
        }
    }
    return comment;
}

std::vector<std::unique_ptr<CSensor>> CVantrelCTD::NewSerialSensors(int serialSensor) {
    std::vector<std::unique_ptr<CSensor>> sensors;
    if (!IsSerialSensor(serialSensor)) {
        return sensors;
    }
    for (int id : kSerialSensors[serialSensor].sensorIDs) {
        if (id == SID_NULL) {
            sensors.emplace_back(NewFreeChannel(OT_SERIAL));
        } else {
            sensors.emplace_back(CreateSensorObject(id));
        }
    }
    return sensors;
}

std::vector<int> CVantrelCTD::SerialSensorIDs(int serialSensor) {
    return IsSerialSensor(serialSensor) ? kSerialSensors[serialSensor].acceptedIDs
                                        : std::vector<int>{};
}

double CVantrelCTD::RoundFreq(double frequency) {
    constexpr std::int64_t kWrap = std::int64_t{1} << 24;
    // Nearest 1/256, an exact half rounding down.
    const auto units = static_cast<std::int64_t>(std::ceil(frequency * 256.0 - 0.5));
    return static_cast<double>(((units % kWrap) + kWrap) % kWrap) / 256.0;
}

CString CVantrelCTD::GetChannelName(int channel) const {
    return ChannelNameWithPAR(channel, 0);
}

void CVantrelCTD::RemoveChannels(int from, int count) {
    for (int i = 0; i < count; ++i) {
        delete m_sensorArray.GetAt(from);
        m_sensorArray.RemoveAt(from);
    }
}

void CVantrelCTD::InsertChannel(int at, CSensor* sensor) {
    std::unique_ptr<CSensor> owned(sensor);
    m_sensorArray.InsertAt(at, owned.get());
    owned.release();
}

int CVantrelCTD::SetChannelSensorType(CRange<int>& setting, int type, int channel, int noneType,
                                      CSensor* (*newSensor)(int type)) {
    if (type < setting.GetLow() || type > setting.GetHigh()) {
        return 0;
    }
    if (type == setting.Get()) {
        return 1;
    }
    if (setting.Get() != noneType) {
        RemoveChannels(channel, 1);
    }
    if (type != noneType) {
        InsertChannel(channel, newSensor(type));
    }
    setting.Set(type);
    return 1;
}

void CVantrelCTD::ReplaceSerialChannels(int from, int oldSerial, int newSerial) {
    auto sensors = NewSerialSensors(newSerial);
    RemoveChannels(from, GetnSerial(oldSerial));
    for (std::size_t i = 0; i < sensors.size(); ++i) {
        InsertChannel(from + static_cast<int>(i), sensors[i].release());
    }
}

int CVantrelCTD::MatchSerialChannels(int end, int serialSensor) const {
    const std::vector<int> ids = SerialSensorIDs(serialSensor);
    const int from = end - static_cast<int>(ids.size());
    if (from < 0 || end > m_sensorArray.GetSize()) {
        return -1;
    }
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const int id = m_sensorArray.GetAt(from + static_cast<int>(i))->GetSensorID();
        if (ids[i] >= 0 && ids[i] != id) {
            return -1;
        }
    }
    return from;
}

int CVantrelCTD::SerialFieldLength(int serialSensor) {
    return IsSerialSensor(serialSensor) ? kSerialSensors[serialSensor].fieldLength : 0;
}
