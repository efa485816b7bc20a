#include "instruments/CorvaneCTD.h"

#include <algorithm>

#include "core/NullSensor.h"
#include "core/ReportLine.h"
#include "instruments/SharedSettings.h"
#include "platform/Diagnostics.h"

using namespace TDWXML;

IMPLEMENT_DYNCREATE(C56CorvaneCTD, CVantrelCTD)
IMPLEMENT_DYNCREATE(C56PlusCTD, CVantrelCTD)

namespace {

// Both Corvanes label their report lines one character wider than most.
constexpr int kLabelWidth = 27;
constexpr int kFixedChannels = 3;
constexpr int kLogLevel = 3;

// A new sensor of the same ID holding the same calibration.
CSensor* CopyOfSensor(const CSensor& source) {
    CSensor* copy = CreateSensorObject(source.GetSensorID());
    CopySensorObject(copy, &source);
    return copy;
}

void LogFormatted(const char* format, auto... values) {
    CString text;
    text.Format(format, values...);
    CDiagnostics::Log(text, kLogLevel);
}

}  // namespace

// ---------------------------------------------------------------------------
// TDW 56 Corvane

C56CorvaneCTD::C56CorvaneCTD() {
    DefaultConfig();
}

C56CorvaneCTD& C56CorvaneCTD::operator=(const C56CorvaneCTD& other) {
    if (this == &other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_firmwareVersion = other.m_firmwareVersion;
    m_outputRate = other.m_outputRate;
    m_bSPAR_Added = other.m_bSPAR_Added;
    return *this;
}

bool C56CorvaneCTD::operator==(const C56CorvaneCTD& other) const {
    return CVantrelCTD::operator==(other) &&
           m_firmwareVersion.Get() == other.m_firmwareVersion.Get() &&
           m_outputRate.Get() == other.m_outputRate.Get() && m_bSPAR_Added == other.m_bSPAR_Added;
}

void C56CorvaneCTD::DefaultConfig() {
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    m_firmwareVersion.Set(m_firmwareVersion.GetInitialValue());
    m_outputRate.Set(m_outputRate.GetInitialValue());
    m_bSPAR_Added = 0;
}

int C56CorvaneCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    return kFixedChannels + m_nNumVoltAdd + (m_bSPAR_Added ? 2 : 0);
}

CString C56CorvaneCTD::GetChannelName(int channel) const {
    return ChannelNameWithPAR(channel, m_bSPAR_Added);
}

int C56CorvaneCTD::CanChangeSensor(int channel) const {
    return channel >= kFixedChannels && channel < kFixedChannels + m_nNumVoltAdd;
}

double C56CorvaneCTD::GetScanInterval() const {
    return 1.0 / (1 << m_outputRate.Get());
}

int C56CorvaneCTD::GetBaseLength() const {
    // 12-bit voltages, packed in whole bytes.
    return 16 + 3 * m_nNumVoltAdd + (m_nNumVoltAdd % 2) + (m_bSPAR_Added ? 6 : 0);
}

void C56CorvaneCTD::SetbSPAR_Added(int on) {
    ChangeSurfacePAR(m_bSPAR_Added, on);
}

std::span<const SSettingRow<C56CorvaneCTD>> C56CorvaneCTD::Settings() {
    using M = C56CorvaneCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Comment("Firmware version: 0 = version 2.0 or later, 1 = older than version 2.0"),
            S::Bounded(SettingTag::FirmwareVersion, &M::m_firmwareVersion),
            S::Comment("Data output rate:"),
            S::Comment("    0 = 1 scan/sec"),
            S::Comment("    1 = 2 scan/sec"),
            S::Comment("    2 = 4 scan/sec"),
            S::Comment("    3 = 8 scan/sec"),
            S::Flag(SettingTag::ExternalVoltageChannels, &M::m_nNumVoltAdd).Checked(),
            S::Bounded("RealTimeDataOutputRate", &M::m_outputRate).RefuseFails(),
        },
        NmeaRows<M>(), SurfaceParAdded<M>(&M::m_bSPAR_Added),
        ScanTimeAdded<M>(&M::m_bScanTimeAdded));
    return rows;
}

long C56CorvaneCTD::ReadXML(CInputNode* node) {
    C56CorvaneCTD scratch;
    const CSettingsRead read(node, scratch, Settings());
    if (read.Failed() || scratch.ReadSensorArrayXML(node) != 0) {
        return E_FAIL_XML;
    }
    const CSensorArray& sensors = scratch.m_sensorArray;
    if (!scratch.HasFixedSensors(kFixedChannels)) {
        return E_FAIL_XML;
    }
    // The voltages are the run of A/D voltage channels after the pressure;
    // only the surface PAR pair may follow them.
    int voltages = 0;
    while (kFixedChannels + voltages < sensors.GetSize() &&
           sensors.GetAt(kFixedChannels + voltages)->GetOutputType() == OT_VOLTAGE) {
        ++voltages;
    }
    const int trailing = sensors.GetSize() - kFixedChannels - voltages;
    if (!scratch.VoltageChannelsFit(read.Int(SettingTag::ExternalVoltageChannels), voltages) ||
        trailing != (scratch.m_bSPAR_Added ? 2 : 0) ||
        (trailing == 2 && (sensors.GetAt(kFixedChannels + voltages)->GetSensorID() != SID_NULL ||
                           sensors.GetAt(kFixedChannels + voltages + 1)->GetSensorID() !=
                               CSPAR_Sensor::kSensorID))) {
        return E_FAIL_XML;
    }
    scratch.m_nNumVoltAdd = voltages;
    DefaultConfig();
    *this = scratch;
    return S_OK_XML;
}

void C56CorvaneCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    static const char* const kRates[] = {"1 scan/sec", "2 scans/sec", "4 scans/sec", "8 scans/sec"};
    CCTD::Report(os, fileName, changed, kLabelWidth);
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    ReportLine(os, 0, kLabelWidth, "Firmware version",
               m_firmwareVersion.Get() == 0 ? "Version >= 2.0" : "Version < 2.0");
    ReportLine(os, 0, kLabelWidth, "Real-time data output rate", kRates[m_outputRate.Get()]);
    ReportClosingLines(os, kLabelWidth, m_bSPAR_Added, m_bScanTimeAdded, changed);
}

// ---------------------------------------------------------------------------
// TDW 56plus Corvane: the collections

S56SerialChannel::S56SerialChannel(const S56SerialChannel& other)
    : storage(other.storage), type(other.type) {
    Assign(sensors, other.sensors);
}

S56SerialChannel& S56SerialChannel::operator=(const S56SerialChannel& other) {
    storage = other.storage;
    type = other.type;
    Assign(sensors, other.sensors);
    return *this;
}

S56SerialChannel::~S56SerialChannel() {
    Empty(sensors);
}

bool S56SerialChannel::operator==(const S56SerialChannel& other) const {
    return sensors == other.sensors && storage == other.storage && type == other.type;
}

S56ExternalVoltageSensor::S56ExternalVoltageSensor() : sensor(NewFreeChannel(OT_VOLTAGE)) {}

S56ExternalVoltageSensor::S56ExternalVoltageSensor(const S56ExternalVoltageSensor& other)
    : sensor(CopyOfSensor(*other.sensor)), exported(other.exported) {}

S56ExternalVoltageSensor& S56ExternalVoltageSensor::operator=(
    const S56ExternalVoltageSensor& other) {
    if (this != &other) {
        exported = other.exported;
        sensor.reset(CopyOfSensor(*other.sensor));
    }
    return *this;
}

bool S56ExternalVoltageSensor::operator==(const S56ExternalVoltageSensor& other) const {
    return exported == other.exported && SensorObjectsEqual(sensor.get(), other.sensor.get());
}

// ---------------------------------------------------------------------------
// TDW 56plus Corvane

const int C56PlusCTD::USAGE_STORED_XML_FILE = 0;
const int C56PlusCTD::USAGE_WAVECAP_HEX_FILE = 1;
const int C56PlusCTD::HISTORIC_RATE__SLOWER = 0;
const int C56PlusCTD::HISTORIC_RATE__FASTER = 1;
const int C56PlusCTD::CONSOLE_BAUD_600 = 0;
const int C56PlusCTD::CONSOLE_BAUD_1200 = 1;
const int C56PlusCTD::CONSOLE_BAUD_2400 = 2;
const int C56PlusCTD::CONSOLE_BAUD_4800 = 3;
const int C56PlusCTD::CONSOLE_BAUD_9600_OR_HIGHER = 4;
const int C56PlusCTD::NUMBER_OF_EXTERNAL_VOLTAGES = 8;

namespace {

// Channels of the stored file before the serial channels: the fixed sensors
// and all eight voltages.
constexpr int kStoredChannelsBeforeSerial = 11;
constexpr int kStoredScanLength = 72;
constexpr double kStoredScanInterval = 0.0625;
constexpr const char* kRealTimeOptionsTag = "RealTimeOptions";
constexpr const char* kSerialChannelTags[2] = {"SerialChannel1", "SerialChannel2"};

// What a serial port stores and which serial sensor it carries.
const SSettingRow<S56SerialChannel> kSerialChannelRows[] = {
    SSettingRow<S56SerialChannel>::Flag("Storage", &S56SerialChannel::storage),
    SSettingRow<S56SerialChannel>::Flag("Type", &S56SerialChannel::type),
};

}  // namespace

C56PlusCTD::C56PlusCTD() {
    DefaultConfig();
}

C56PlusCTD::C56PlusCTD(const C56PlusCTD& other)
    : CCTDModel(other),
      m_serialChannels{other.m_serialChannels[0], other.m_serialChannels[1]},
      m_usage(other.m_usage),
      m_nExportedVoltages(other.m_nExportedVoltages),
      m_bUsingDeckUnit(other.m_bUsingDeckUnit),
      m_consoleBaud(other.m_consoleBaud),
      m_historicRate(other.m_historicRate),
      m_bSPAR_Added(other.m_bSPAR_Added),
      m_dSampleInterval(other.m_dSampleInterval) {
    Assign(m_defaultSensors, other.m_defaultSensors);
    std::copy(std::begin(other.m_externalVoltages), std::end(other.m_externalVoltages),
              std::begin(m_externalVoltages));
    if (other.m_bSPAR_Added && other.m_sparSensor) {
        m_sparSensor = std::make_unique<CSPAR_Sensor>(*other.m_sparSensor);
    }
}

C56PlusCTD::~C56PlusCTD() {
    Empty(m_defaultSensors);
}

C56PlusCTD& C56PlusCTD::operator=(const C56PlusCTD& other) {
    if (this == &other || *this == other) {
        return *this;
    }
    CVantrelCTD::operator=(other);
    m_dSampleInterval = other.m_dSampleInterval;
    m_historicRate = other.m_historicRate;
    m_usage = other.m_usage;
    m_nExportedVoltages = other.m_nExportedVoltages;
    m_bUsingDeckUnit = other.m_bUsingDeckUnit;
    m_consoleBaud = other.m_consoleBaud;
    m_bSPAR_Added = other.m_bSPAR_Added;
    if (other.m_bSPAR_Added) {
        m_sparSensor.reset(other.m_sparSensor ? new CSPAR_Sensor(*other.m_sparSensor) : nullptr);
    }
    m_serialChannels[0] = other.m_serialChannels[0];
    m_serialChannels[1] = other.m_serialChannels[1];
    Assign(m_defaultSensors, other.m_defaultSensors);
    std::copy(std::begin(other.m_externalVoltages), std::end(other.m_externalVoltages),
              std::begin(m_externalVoltages));
    BuildSensorArray();
    return *this;
}

bool C56PlusCTD::operator==(const C56PlusCTD& other) const {
    // A stored surface PAR calibration counts only while surface PAR is in
    // use: it is neither written nor copied otherwise.
    const bool sparSensorsEqual =
        !m_bSPAR_Added || SensorObjectsEqual(m_sparSensor.get(), other.m_sparSensor.get());
    return m_serialChannels[0] == other.m_serialChannels[0] &&
           m_serialChannels[1] == other.m_serialChannels[1] &&
           std::equal(std::begin(m_externalVoltages), std::end(m_externalVoltages),
                      std::begin(other.m_externalVoltages)) &&
           sparSensorsEqual && m_defaultSensors == other.m_defaultSensors &&
           CVantrelCTD::operator==(other) && m_historicRate == other.m_historicRate &&
           m_bSPAR_Added == other.m_bSPAR_Added && m_usage == other.m_usage &&
           m_nExportedVoltages == other.m_nExportedVoltages &&
           m_bUsingDeckUnit == other.m_bUsingDeckUnit && m_consoleBaud == other.m_consoleBaud &&
           m_dSampleInterval == other.m_dSampleInterval;
}

void C56PlusCTD::DefaultConfig() {
    m_usage = USAGE_STORED_XML_FILE;
    m_bUsingDeckUnit = 0;
    m_consoleBaud = CONSOLE_BAUD_9600_OR_HIGHER;
    DefaultCommonConfig();
    m_bScanTimeAdded = 0;
    m_historicRate = HISTORIC_RATE__SLOWER;
    m_bSPAR_Added = 0;
    m_sparSensor.reset();
    // The fixed sensors are made where the channel list starts; the list is
    // then rebuilt from the collections below.
    Assign(m_defaultSensors, m_sensorArray);
    for (S56SerialChannel& channel : m_serialChannels) {
        channel.storage = 0;
        channel.type = NO_SERIAL_SENSOR;
        Empty(channel.sensors);
    }
    for (S56ExternalVoltageSensor& slot : m_externalVoltages) {
        slot.sensor.reset(NewFreeChannel(OT_VOLTAGE));
        slot.exported = 0;
    }
    SetSampleIntervalFromBaudRate();
    BuildSensorArray();
}

int C56PlusCTD::BuildSensorArray() {
    Empty(m_sensorArray);
    m_nExportedVoltages = 0;
    for (int i = 0; i < m_defaultSensors.GetSize(); ++i) {
        m_sensorArray.Add(CopyOfSensor(*m_defaultSensors.GetAt(i)));
    }
    for (const S56ExternalVoltageSensor& slot : m_externalVoltages) {
        if (!IsWavecap() || slot.exported) {
            m_sensorArray.Add(CopyOfSensor(*slot.sensor));
        }
        m_nExportedVoltages += slot.exported ? 1 : 0;
    }
    m_nNumVoltAdd = IsWavecap() ? m_nExportedVoltages : NUMBER_OF_EXTERNAL_VOLTAGES;
    if (!IsWavecap()) {
        for (const S56SerialChannel& channel : m_serialChannels) {
            for (int i = 0; i < channel.sensors.GetSize(); ++i) {
                m_sensorArray.Add(CopyOfSensor(*channel.sensors.GetAt(i)));
            }
        }
    } else if (m_bSPAR_Added) {
        int pairAdded = 0;
        ChangeSurfacePAR(pairAdded, 1);
        if (m_sparSensor) {
            CopySensorObject(m_sensorArray.GetAt(m_sensorArray.GetSize() - 1), m_sparSensor.get());
        }
    }
    return 1;
}

void C56PlusCTD::SetSampleIntervalFromBaudRate() {
    // Scans a second that each console baud rate carries, without and with
    // exported voltages; at 4800 baud the historic rate decides.
    static constexpr double kScansPerSecond[5][2] = {{1, 0.5}, {2, 1}, {2, 1}, {8, 8}, {8, 8}};
    static constexpr double kScansPerSecondAt4800[2][2] = {{4, 2}, {8, 4}};
    const bool exported =
        std::any_of(std::begin(m_externalVoltages), std::end(m_externalVoltages),
                    [](const S56ExternalVoltageSensor& slot) { return slot.exported != 0; });
    const double* rates = kScansPerSecond[CONSOLE_BAUD_9600_OR_HIGHER];
    if (m_consoleBaud == CONSOLE_BAUD_4800 &&
        (m_historicRate == HISTORIC_RATE__SLOWER || m_historicRate == HISTORIC_RATE__FASTER)) {
        rates = kScansPerSecondAt4800[m_historicRate];
    } else if (m_consoleBaud >= CONSOLE_BAUD_600 && m_consoleBaud <= CONSOLE_BAUD_9600_OR_HIGHER) {
        rates = kScansPerSecond[m_consoleBaud];
    }
    m_dSampleInterval = 1.0 / rates[exported ? 1 : 0];
    SetScanIntervalCalc(GetScanInterval());
}

int C56PlusCTD::GetNumberOfExportedVoltages() const {
    if (m_bOptimize) {
        return m_nExportedVoltages;
    }
    return static_cast<int>(
        std::count_if(std::begin(m_externalVoltages), std::end(m_externalVoltages),
                      [](const S56ExternalVoltageSensor& slot) { return slot.exported != 0; }));
}

int C56PlusCTD::GetNumChannel() const {
    if (m_bOptimize) {
        return m_nOptNumChannel;
    }
    if (IsWavecap()) {
        return kFixedChannels + GetNumberOfExportedVoltages() + (m_bSPAR_Added ? 2 : 0);
    }
    return kStoredChannelsBeforeSerial + m_serialChannels[0].sensors.GetSize() +
           m_serialChannels[1].sensors.GetSize();
}

CString C56PlusCTD::GetChannelName(int channel) const {
    return ChannelNameWithPAR(channel, IsWavecap() && m_bSPAR_Added);
}

int C56PlusCTD::CanChangeSensor(int channel) const {
    return channel >= kFixedChannels && channel < kFixedChannels + m_nNumVoltAdd;
}

int C56PlusCTD::IsIndex_WET_Labs_Serial(int index) const {
    if (index < kStoredChannelsBeforeSerial || IsWavecap()) {
        return 0;
    }
    const int k = index - kStoredChannelsBeforeSerial;
    const int first = m_serialChannels[0].sensors.GetSize();
    if (k < first) {
        return m_serialChannels[0].type == WETLABS_SERIAL_TRIPLET;
    }
    if (k < first + m_serialChannels[1].sensors.GetSize()) {
        return m_serialChannels[1].type == WETLABS_SERIAL_TRIPLET;
    }
    return 0;
}

int C56PlusCTD::DuplicateSensorCnt(int sensorID) const {
    auto countIn = [sensorID](const CSensorArray& sensors) {
        int count = 0;
        for (int i = 0; i < sensors.GetSize(); ++i) {
            count += sensors.GetAt(i) && sensors.GetAt(i)->GetSensorID() == sensorID ? 1 : 0;
        }
        return count;
    };
    int count = countIn(m_defaultSensors) + countIn(m_serialChannels[0].sensors) +
                countIn(m_serialChannels[1].sensors);
    for (const S56ExternalVoltageSensor& slot : m_externalVoltages) {
        count += slot.sensor->GetSensorID() == sensorID ? 1 : 0;
    }
    return count;
}

double C56PlusCTD::GetScanInterval() const {
    return IsWavecap() ? m_dSampleInterval : kStoredScanInterval;
}

int C56PlusCTD::GetBaseLength() const {
    return 28 + 4 * GetNumberOfExportedVoltages() + (m_bSPAR_Added ? 6 : 0);
}

int C56PlusCTD::GetScanLen() const {
    if (!m_bOptimize && !IsWavecap()) {
        return kStoredScanLength;
    }
    return CVantrelCTD::GetScanLen();
}

void C56PlusCTD::InitializeForCalculations() {
    InitializeOffsets();
    SetSampleIntervalFromBaudRate();
}

void C56PlusCTD::SetUsage(int usage) {
    m_usage = usage;
    BuildSensorArray();
}

int C56PlusCTD::SetDefaultSensor(int i, CSensor* sensor) {
    if (i < 0 || i >= m_defaultSensors.GetSize() || !sensor ||
        sensor->GetSensorID() != m_defaultSensors.GetAt(i)->GetSensorID()) {
        return 0;
    }
    delete m_defaultSensors.GetAt(i);
    m_defaultSensors.SetAt(i, sensor);
    BuildSensorArray();
    return 1;
}

CSensor* C56PlusCTD::GetExternalVoltageSensor(int i) const {
    return i >= 0 && i < NUMBER_OF_EXTERNAL_VOLTAGES ? m_externalVoltages[i].sensor.get() : nullptr;
}

void C56PlusCTD::SetExternalVoltageSensor(int i, CSensor* sensor) {
    if (sensor && i >= 0 && i < NUMBER_OF_EXTERNAL_VOLTAGES) {
        m_externalVoltages[i].sensor.reset(sensor);
        BuildSensorArray();
    }
}

int C56PlusCTD::GetExternalVoltageExported(int i) const {
    return i >= 0 && i < NUMBER_OF_EXTERNAL_VOLTAGES ? m_externalVoltages[i].exported : 0;
}

void C56PlusCTD::SetExternalVoltageExported(int i, int exported) {
    if (i >= 0 && i < NUMBER_OF_EXTERNAL_VOLTAGES) {
        m_externalVoltages[i].exported = exported;
    }
    BuildSensorArray();
    SetSampleIntervalFromBaudRate();
}

void C56PlusCTD::SetSerialChannel(int i, const S56SerialChannel& channel) {
    if (i == 0 || i == 1) {
        m_serialChannels[i] = channel;
        BuildSensorArray();
    }
}

void C56PlusCTD::SetSparSensor(CSPAR_Sensor* sensor) {
    m_sparSensor.reset(sensor);
    BuildSensorArray();
}

void C56PlusCTD::SetbSPAR_Added(int on) {
    if ((on != 0) == (m_bSPAR_Added != 0)) {
        return;
    }
    m_bSPAR_Added = on;
    if (on && !m_sparSensor) {
        m_sparSensor = std::make_unique<CSPAR_Sensor>();
    }
    BuildSensorArray();
}

int C56PlusCTD::SetConsoleBaud(int baud) {
    if (baud < CONSOLE_BAUD_600 || baud > CONSOLE_BAUD_9600_OR_HIGHER) {
        return 0;
    }
    m_consoleBaud = baud;
    SetSampleIntervalFromBaudRate();
    return 1;
}

int C56PlusCTD::SetHistoricRate(int rate) {
    if (rate != HISTORIC_RATE__SLOWER && rate != HISTORIC_RATE__FASTER) {
        return 0;
    }
    m_historicRate = rate;
    SetSampleIntervalFromBaudRate();
    return 1;
}

const char* C56PlusCTD::GetInstrumentBaudDescription() const {
    static const char* const kBauds[] = {"600", "1200", "2400", "4800"};
    return m_consoleBaud >= CONSOLE_BAUD_600 && m_consoleBaud < CONSOLE_BAUD_9600_OR_HIGHER
               ? kBauds[m_consoleBaud]
               : "9600 or higher";
}

std::span<const SSettingRow<C56PlusCTD>> C56PlusCTD::Settings() {
    using M = C56PlusCTD;
    using S = SSettingRow<M>;
    static const S rows[] = {
        S::CommentOf([](const M& ctd) {
            return CString(ctd.IsWavecap() ? "This XMLCON file is for real-time data acquisition "
                                             "with Wavecap or processing the .HEX file."
                                           : "This XMLCON file is for processing .XML data files "
                                             "uploaded from the TDW 56plus storage card.");
        }),
        S::Flag("Usage", &M::m_usage),
    };
    return rows;
}

std::span<const SSettingRow<C56PlusCTD>> C56PlusCTD::RealTimeOptions() {
    using M = C56PlusCTD;
    using S = SSettingRow<M>;
    static const auto rows = SettingList<M>(
        {
            S::Comment("    0 = Slower"),
            S::Comment("    1 = Faster"),
            S::Flag("HistoricRate", &M::m_historicRate)
                .Limits(HISTORIC_RATE__SLOWER, HISTORIC_RATE__FASTER)
                .RefuseFails(),
            S::Flag("DeckUnit", &M::m_bUsingDeckUnit).Optional(),
            S::Flag("BaudConsole", &M::m_consoleBaud).Optional(),
        },
        NmeaRows<M>(ENmeaRequired::All), ScanTimeAdded<M>(&M::m_bScanTimeAdded),
        SurfaceParAdded<M>(&M::m_bSPAR_Added));
    return rows;
}

std::vector<SSettingElement> C56PlusCTD::SettingElements() const {
    std::vector<SSettingElement> elements = SettingRows::Elements<C56PlusCTD>(*this, Settings());
    for (SSettingElement& element :
         SettingRows::Elements<C56PlusCTD>(*this, RealTimeOptions(), kRealTimeOptionsTag)) {
        elements.push_back(std::move(element));
    }
    for (const char* group : kSerialChannelTags) {
        for (SSettingElement& element : SettingRows::Elements<S56SerialChannel>(
                 m_serialChannels[0], kSerialChannelRows, group)) {
            elements.push_back(std::move(element));
        }
    }
    return elements;
}

long C56PlusCTD::WriteXML(COutputNode* node) {
    SettingRows::Write<C56PlusCTD>(node, *this, Settings());
    long status = WriteAnySensorArrayXML("TCP_Sensors", m_defaultSensors, node);
    status |= WriteExternalVoltageSensorsXML(node);
    status |= WriteRealTimeOptionsXML(node);
    for (int i = 0; i < 2; ++i) {
        S56SerialChannel& channel = m_serialChannels[i];
        if (node->OpenElement(kSerialChannelTags[i]) != 0) {
            status = E_FAIL_XML;
            continue;
        }
        status |= SettingRows::Write<S56SerialChannel>(node, channel, kSerialChannelRows);
        status |= WriteAnySensorArrayXML("Sensors", channel.sensors, node);
        status |= node->CloseElement();
    }
    return status == 0 ? S_OK_XML : E_FAIL_XML;
}

long C56PlusCTD::WriteExternalVoltageSensorsXML(COutputNode* node) {
    if (node->OpenElement("ExternalVoltageSensors", NUMBER_OF_EXTERNAL_VOLTAGES, "Size") != 0) {
        return E_FAIL_XML;
    }
    long status = S_OK_XML;
    for (int i = 0; i < NUMBER_OF_EXTERNAL_VOLTAGES; ++i) {
        CSensor* sensor = m_externalVoltages[i].sensor.get();
        if (!sensor) {
            LogFormatted("CCTD::WriteSensorArrayXML failed. ctd id = %d - bad pointer a sensor.",
                         kCTD_ID);
            continue;
        }
        const int id = sensor->GetSensorID();
        if (node->OpenElement("Sensor", i, "index") != 0) {
            LogFormatted(
                "CCTD::WriteSensorArrayXML failed. ctd id = %d, sensor id = %d, sensor "
                "name = %s",
                kCTD_ID, id, sensor->GetSensorName().GetString());
            status = E_FAIL_XML;
            break;
        }
        node->SetAttribute("SensorID", id);
        node->SetAttribute("ExportInRealTime", m_externalVoltages[i].exported);
        node->WriteObject(GetSensorData(id)->xmlTag, sensor, -1, "index");
        node->CloseElement();
    }
    return node->CloseElement() | status;
}

long C56PlusCTD::WriteRealTimeOptionsXML(COutputNode* node) {
    if (node->OpenElement(kRealTimeOptionsTag) != 0) {
        return S_OK_XML;
    }
    SettingRows::Write<C56PlusCTD>(node, *this, RealTimeOptions());
    long status = S_OK_XML;
    if (m_bSPAR_Added && m_sparSensor) {
        if (node->OpenElement("Sensor") != 0) {
            status = E_FAIL_XML;
        } else {
            node->WriteObject(GetSensorData(CSPAR_Sensor::kSensorID)->xmlTag, m_sparSensor.get());
            node->CloseElement();
        }
    }
    return node->CloseElement() | status;
}

long C56PlusCTD::ReadXML(CInputNode* node) {
    C56PlusCTD scratch;
    if (CSettingsRead<C56PlusCTD>(node, scratch, Settings()).Failed() ||
        ReadAnySensorArrayXML("TCP_Sensors", scratch.m_defaultSensors, node) != 0 ||
        scratch.m_defaultSensors.GetSize() != kFixedChannels ||
        scratch.ReadExternalVoltageSensorsXML(node) != 0 ||
        scratch.ReadRealTimeOptionsXML(node) != 0) {
        return E_FAIL_XML;
    }
    for (int i = 0; i < 2; ++i) {
        if (node->OpenElement(kSerialChannelTags[i]) != 0) {
            continue;  // a file without serial sensors may leave the channel out
        }
        S56SerialChannel& channel = scratch.m_serialChannels[i];
        const bool failed =
            CSettingsRead<S56SerialChannel>(node, channel, kSerialChannelRows).Failed() ||
            ReadAnySensorArrayXML("Sensors", channel.sensors, node) != 0;
        node->CloseElement();
        if (failed) {
            return E_FAIL_XML;
        }
    }
    scratch.BuildSensorArray();
    // The channel list starts with the fixed sensors read.
    if (!scratch.HasFixedSensors(kFixedChannels)) {
        return E_FAIL_XML;
    }
    scratch.SetSampleIntervalFromBaudRate();
    DefaultConfig();
    *this = scratch;
    SetSampleIntervalFromBaudRate();
    return S_OK_XML;
}

long C56PlusCTD::ReadExternalVoltageSensorsXML(CInputNode* node) {
    if (node->OpenElement("ExternalVoltageSensors") != 0) {
        return E_FAIL_XML;
    }
    int size = -1;
    bool ok = node->GetAttribute("Size", &size) == 0 && size == NUMBER_OF_EXTERNAL_VOLTAGES;
    for (int i = 0; ok && i < NUMBER_OF_EXTERNAL_VOLTAGES; ++i) {
        if (node->OpenElement("Sensor", i, "index") != 0) {
            ok = false;
            break;
        }
        int id = -1;
        int exported = 0;
        std::unique_ptr<CSensor> sensor;
        if (node->GetAttribute("SensorID", &id) != 0) {
            CDiagnostics::Log("CCTD::ReadSensorArrayXML failed - missing the SensorID attribute.",
                              kLogLevel);
            ok = false;
        } else if (node->GetAttribute("ExportInRealTime", &exported) != 0) {
            ok = false;
        } else if (sensor.reset(CreateSensorObject(id)); !sensor) {
            CDiagnostics::Log("CCTD::ReadSensorArrayXML failed. Bad pointer in the sensor array.",
                              kLogLevel);
            ok = false;
        } else {
            const char* tag = GetSensorData(id)->xmlTag;
            const long status = node->ReadObject(tag, sensor.get(), -1, "index");
            if (status != 0) {
                LogFormatted(
                    "CCTD::ReadSensorArrayXML failed. CTD ID = %d, Sensor ID = %d, "
                    "sensor name = %s, XML tag = %s",
                    kCTD_ID, id, sensor->GetSensorName().GetString(), tag);
                ok = false;
            }
            m_externalVoltages[i].sensor = std::move(sensor);
            m_externalVoltages[i].exported = exported;
        }
        node->CloseElement();
    }
    node->CloseElement();
    return ok ? S_OK_XML : E_FAIL_XML;
}

long C56PlusCTD::ReadRealTimeOptionsXML(CInputNode* node) {
    if (node->OpenElement(kRealTimeOptionsTag) != 0) {
        return E_FAIL_XML;
    }
    bool ok = !CSettingsRead<C56PlusCTD>(node, *this, RealTimeOptions()).Failed();
    // Without a deck unit NMEA data can only come through the computer, and
    // there is no surface PAR input.
    if (ok && !m_bUsingDeckUnit) {
        m_bNMEA_PC = m_bNMEA_Added ? 1 : m_bNMEA_PC;
        m_bSPAR_Added = 0;
    }
    if (ok && m_bSPAR_Added) {
        ok = node->OpenElement("Sensor") == 0;
        if (ok) {
            auto spar = std::make_unique<CSPAR_Sensor>();
            ok = node->ReadObject(GetSensorData(CSPAR_Sensor::kSensorID)->xmlTag, spar.get()) == 0;
            node->CloseElement();
            m_sparSensor = std::move(spar);
        }
    }
    node->CloseElement();
    return ok ? S_OK_XML : E_FAIL_XML;
}

void C56PlusCTD::Report(std::ostream& os, const CString& fileName, int changed) const {
    CCTD::Report(os, fileName, changed, kLabelWidth);
    os << "Usage: "
       << (IsWavecap() ? "Collect real-time data with Wavecap and/or process real-time .HEX file."
                       : "Process .XML file uploaded from CTD memory.")
       << '\n';
    ReportLine(os, 0, kLabelWidth, "External voltage channels", m_nNumVoltAdd);
    if (IsWavecap()) {
        ReportLine(os, 0, kLabelWidth, "Historic rate", m_historicRate);
        ReportNMEA_Group(os, kLabelWidth);
        ReportLine(os, 0, kLabelWidth, "Surface PAR voltage added", YesNo(m_bSPAR_Added));
        ReportLine(os, 0, kLabelWidth, "Scan time added", YesNo(m_bScanTimeAdded));
        ReportLine(os, 0, kLabelWidth, "Using deck unit", YesNo(m_bUsingDeckUnit));
        os << std::setw(kLabelWidth) << "SetBaudConsole=" << GetInstrumentBaudDescription() << '\n';
    }
    ReportSensors(os, changed);
    if (!IsWavecap()) {
        os << "Serial Sensor data not processed in this version of Wavesuite.\n";
    }
    // The sensors leave their own number format on the stream.
    SetFloat(os, 0, 6);
    ReportLine(os, 0, kLabelWidth, "Sample interval", GetScanInterval());
    ReportLine(os, 0, kLabelWidth, "Scan length", GetScanLen());
}
