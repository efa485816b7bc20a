#include "instruments/NimbrelCTD.h"

#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/PressureSensors.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(CNimbrel, CVantrelCTD)

const int CNimbrel::OXYGEN_NONE = 0;
const int CNimbrel::OXYGEN_TDW41 = 1;
const int CNimbrel::OXYGEN_TDW68 = 2;

namespace {

constexpr const char* kFrequencyChannelsTag = "FrequencyChannelsAdded";
constexpr int kLabelWidth = 26;
constexpr int kFixedChannels = 2;
constexpr int kOxygenChannel = 2;
constexpr int kConductivityChannel = 1;

// The oxygen sensor of each oxygen type, and the hex characters of its data.
struct SOxygenKind {
    int sensorID;
    int hexLength;
};
constexpr SOxygenKind kOxygenKinds[] = {
    {-1, 0}, {SID_OXYGEN_TDW41I, 6}, {72, 12},  // TDW 68
};

int OxygenHexLength(int oxygenType) {
    return oxygenType == CNimbrel::OXYGEN_TDW41 || oxygenType == CNimbrel::OXYGEN_TDW68
               ? kOxygenKinds[oxygenType].hexLength
               : 0;
}

}  // namespace

CNimbrel::CNimbrel() {
    DefaultConfig();
}

CNimbrel& CNimbrel::operator=(const CNimbrel& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_oxygenType = other.m_oxygenType;
    m_bPressureInstalled = other.m_bPressureInstalled;
    m_deviceType = other.m_deviceType;
    m_firmwareVersion = other.m_firmwareVersion;
    m_dSampleInterval = other.m_dSampleInterval;
    m_dMooredPressure = other.m_dMooredPressure;
    m_bUseMooredLatitude = other.m_bUseMooredLatitude;
    m_dMooredLatitude = other.m_dMooredLatitude;
    return *this;
}

bool CNimbrel::operator==(const CNimbrel& other) const {
    return CVantrelCTD::operator==(other) && m_dSampleInterval == other.m_dSampleInterval &&
           m_dMooredPressure == other.m_dMooredPressure &&
           m_bUseMooredLatitude == other.m_bUseMooredLatitude &&
           m_dMooredLatitude == other.m_dMooredLatitude;
}

void CNimbrel::DefaultConfig() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    m_dMooredPressure = 0.0;
    m_dSampleInterval = 6.0;
    m_deviceType.Empty();
    m_firmwareVersion.Empty();
    m_oxygenType = OXYGEN_NONE;
    m_bPressureInstalled = 0;
    // This instrument's conductivity cell reports through the second
    // equation of the conductivity sensor.
    dynamic_cast<CCondSensor&>(GetSensor(kConductivityChannel)).SetConductivityType(1);
    m_dMooredLatitude = 0.0;
    m_bUseMooredLatitude = 0;
}

int CNimbrel::AddExtVoltFrom() const {
    return kFixedChannels + (m_oxygenType != OXYGEN_NONE ? 1 : 0) + (m_bPressureInstalled ? 1 : 0);
}

int CNimbrel::OxygenInstalled() {
    m_oxygenType = FindSensor(kOxygenKinds[OXYGEN_TDW41].sensorID, 0) >= 0   ? OXYGEN_TDW41
                   : FindSensor(kOxygenKinds[OXYGEN_TDW68].sensorID, 0) >= 0 ? OXYGEN_TDW68
                                                                             : OXYGEN_NONE;
    return m_oxygenType;
}

int CNimbrel::PressureInstalled() {
    m_bPressureInstalled = FindSensor(SID_PRESSURE_DRUCK, 0) >= 0 ? 1 : 0;
    return m_bPressureInstalled;
}

void CNimbrel::CountOptionalChannels() {
    m_nNumFreqAdd = m_sensorArray.GetSize() - GetNumChannelLock();
}

int CNimbrel::SetOxygenSensorPresent(int type) {
    if (type != OXYGEN_NONE && type != OXYGEN_TDW41 && type != OXYGEN_TDW68) {
        return 0;
    }
    if (OxygenInstalled() == type) {
        return 1;
    }
    for (int kind : {OXYGEN_TDW41, OXYGEN_TDW68}) {
        for (int channel; (channel = FindSensor(kOxygenKinds[kind].sensorID, 0)) >= 0;) {
            RemoveChannels(channel, 1);
        }
    }
    if (type != OXYGEN_NONE) {
        InsertChannel(kOxygenChannel, CreateSensorObject(kOxygenKinds[type].sensorID));
    }
    CountOptionalChannels();
    m_oxygenType = type;
    return 1;
}

void CNimbrel::SetPressureSensorPresent(int on) {
    m_bPressureInstalled = on;
    const int channel = FindSensor(SID_PRESSURE_DRUCK, 0);
    if (on && channel < 0) {
        InsertChannel(m_sensorArray.GetSize(), new CPressureDruckSensor);
    } else if (!on && channel >= 0) {
        RemoveChannels(channel, 1);
    }
    CountOptionalChannels();
}

bool CNimbrel::SampleIntervalValid(double seconds) {
    return seconds >= GetMinSampleInterval() && seconds <= GetMaxSampleInterval();
}

int CNimbrel::SetSampleInterval(double seconds) {
    if (!SampleIntervalValid(seconds)) {
        return 0;
    }
    m_dSampleInterval = seconds;
    return 1;
}

int CNimbrel::GetBaseLength() const {
    // Temperature and conductivity, the pressure with its temperature, the
    // oxygen, and the instrument's time.
    return (m_bPressureInstalled ? 30 : 20) + OxygenHexLength(m_oxygenType);
}

int CNimbrel::GetScanLen() const {
    return m_bOptimize ? m_nOptScanLen : GetBaseLength();
}

void CNimbrel::InitializeForCalculations() {
    OxygenInstalled();
    PressureInstalled();
    InitializeOffsets();
    // The instrument's time follows the sensor data.
    m_nPlusScanTimeOffset = (m_bPressureInstalled ? 22 : 12) + OxygenHexLength(m_oxygenType);
}

std::span<const SSettingRow<CNimbrel>> CNimbrel::Settings() {
    using M = CNimbrel;
    using S = SSettingRow<M>;
    static const S rows[] = {
        S::Flag(kFrequencyChannelsTag, &M::m_nNumFreqAdd).Checked(),
        S::Access(SettingTag::SampleInterval, &M::GetScanInterval, &M::SetSampleInterval)
            .Limits(GetMinSampleInterval(), GetMaxSampleInterval()),
        S::Comment("MooredPressure not applicable if instrument has pressure sensor."),
        S::Number(SettingTag::MooredPressure, &M::m_dMooredPressure),
        S::Number("MooredLatitude", &M::m_dMooredLatitude),
        S::Flag("UseMooredLatitude", &M::m_bUseMooredLatitude),
        S::Text("DeviceType", &M::m_deviceType),
        S::Text(SettingTag::FirmwareVersion, &M::m_firmwareVersion),
    };
    return rows;
}

long CNimbrel::ReadXML(CInputNode* node) {
    CNimbrel scratch;
    const CSettingsRead read(node, scratch, Settings());
    const int frequencyChannels = read.Int(kFrequencyChannelsTag);
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0 ||
        !scratch.HasFixedSensors(kFixedChannels) || frequencyChannels >= 3 ||
        frequencyChannels != scratch.m_sensorArray.GetSize() - kFixedChannels) {
        return E_FAIL_XML;
    }
    scratch.m_nNumFreqAdd = frequencyChannels;
    DefaultConfig();
    *this = scratch;
    OxygenInstalled();
    PressureInstalled();
    return S_OK_XML;
}

void CNimbrel::Report(std::ostream& os, const CString& fileName, int changed) const {
    auto number = [](double value, const char* unit) {
        CString text;
        text.Format("%g%s", value, unit);
        return text;
    };
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "Sample interval", number(m_dSampleInterval, " seconds"));
    if (!m_bPressureInstalled) {
        ReportLine(os, 0, kLabelWidth, "Moored pressure", number(m_dMooredPressure, " dbar"));
    }
    if (m_bUseMooredLatitude) {
        ReportLine(os, 0, kLabelWidth, "Moored latitude", number(m_dMooredLatitude, " deg"));
    }
    ReportSensors(os, changed);
}
