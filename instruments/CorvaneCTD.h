#pragma once
// The Corvane profiling CTDs. The TDW 56 Corvane keeps its channels directly
// in the sensor array: frequency temperature and conductivity, strain-gauge
// pressure on a voltage, up to seven external voltages and an optional
// surface PAR pair. The TDW 56plus Corvane keeps its sensors in separate
// collections (fixed sensors, eight external voltage slots, two serial
// channels, the surface PAR sensor) and builds the channel list from them for
// one of two usages: processing the files stored on the instrument's card, or
// real-time acquisition with Wavecap.

#include <memory>

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"
#include "sensors/AuxiliarySensors.h"

class C56CorvaneCTD : public CCTDModel<C56CorvaneCTD, CVantrelCTD> {
    DECLARE_DYNCREATE(C56CorvaneCTD)
  public:
    static constexpr int kCTD_ID = CTD_56_CORVANE;

    C56CorvaneCTD();
    C56CorvaneCTD(const C56CorvaneCTD& other) = default;
    C56CorvaneCTD& operator=(const C56CorvaneCTD& other);
    bool operator==(const C56CorvaneCTD& other) const;

    void DefaultConfig() override;
    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtFreqFrom() const override { return -1; }
    int AddExtVoltFrom() const override { return 3; }
    int CanChangeSensor(int channel) const override;
    double GetScanInterval() const override;
    void InitializeForCalculations() override { InitializeOffsets(); }
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C56CorvaneCTD)

    // 0 "Version >= 2.0", 1 "Version < 2.0".
    CRange<int> GetFirmwareVersion() const { return m_firmwareVersion; }
    int SetFirmwareVersion(int version) { return m_firmwareVersion.Set(version); }
    // 0 to 3: 1, 2, 4 or 8 scans a second.
    CRange<int> GetRealTimeDataOutputRate() const { return m_outputRate; }
    int SetRealTimeDataOutputRate(int rate) { return m_outputRate.Set(rate); }
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    void SetbSPAR_Added(int on);

  protected:
    int GetBaseLength() const override;

  private:
    CRange<int> m_firmwareVersion{0, 0, 1};
    CRange<int> m_outputRate{0, 0, 3};
    int m_bSPAR_Added = 0;
};

// One serial port of the TDW 56plus: what it stores and which sensors it
// carries.
struct S56SerialChannel {
    int storage = 0;
    // A serial-sensor identifier; WETLABS_SERIAL_TRIPLET for a WET Labs triplet.
    int type = 0;
    CSensorArray sensors;

    S56SerialChannel() = default;
    S56SerialChannel(const S56SerialChannel& other);
    S56SerialChannel& operator=(const S56SerialChannel& other);
    ~S56SerialChannel();
    bool operator==(const S56SerialChannel& other) const;
};

// One external voltage input of the TDW 56plus. The sensor is never null.
struct S56ExternalVoltageSensor {
    std::unique_ptr<CSensor> sensor;
    // The voltage is sent in real time.
    int exported = 0;

    S56ExternalVoltageSensor();
    S56ExternalVoltageSensor(const S56ExternalVoltageSensor& other);
    S56ExternalVoltageSensor& operator=(const S56ExternalVoltageSensor& other);
    bool operator==(const S56ExternalVoltageSensor& other) const;
};

class C56PlusCTD : public CCTDModel<C56PlusCTD, CVantrelCTD> {
    DECLARE_DYNCREATE(C56PlusCTD)
  public:
    static constexpr int kCTD_ID = CTD_56PLUS_CORVANE;

    static const int USAGE_STORED_XML_FILE;
    static const int USAGE_WAVECAP_HEX_FILE;
    static const int HISTORIC_RATE__SLOWER;
    static const int HISTORIC_RATE__FASTER;
    static const int CONSOLE_BAUD_600;
    static const int CONSOLE_BAUD_1200;
    static const int CONSOLE_BAUD_2400;
    static const int CONSOLE_BAUD_4800;
    static const int CONSOLE_BAUD_9600_OR_HIGHER;
    static const int NUMBER_OF_EXTERNAL_VOLTAGES;

    C56PlusCTD();
    C56PlusCTD(const C56PlusCTD& other);
    ~C56PlusCTD() override;
    // Does nothing when the two already compare equal.
    C56PlusCTD& operator=(const C56PlusCTD& other);
    bool operator==(const C56PlusCTD& other) const;

    void DefaultConfig() override;
    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtFreqFrom() const override { return -1; }
    int AddExtVoltFrom() const override { return 3; }
    // Counted over the collections, not the channel list.
    int DuplicateSensorCnt(int sensorID) const override;
    int CanChangeSensor(int channel) const override;
    int IsIndex_WET_Labs_Serial(int index) const override;
    double GetScanInterval() const override;
    int GetScanLen() const override;
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    long ReadXML(TDWXML::CInputNode* node) override;
    long WriteXML(TDWXML::COutputNode* node) override;
    // The usage, then the real-time options below "RealTimeOptions".
    std::vector<SSettingElement> SettingElements() const override;
    static std::span<const SSettingRow<C56PlusCTD>> Settings();
    static std::span<const SSettingRow<C56PlusCTD>> RealTimeOptions();

    // Every setter below that changes a collection or the usage rebuilds the
    // channel list, so that it always shows the collections.
    int GetUsage() const { return m_usage; }
    void SetUsage(int usage);
    const CSensorArray& GetDefaultSensors() const { return m_defaultSensors; }
    // Takes ownership of sensor in place of fixed sensor i (0 to 2) when it has
    // that sensor's ID; otherwise returns 0 and the caller keeps it.
    int SetDefaultSensor(int i, CSensor* sensor);

    // Null for i outside 0 to 7.
    CSensor* GetExternalVoltageSensor(int i) const;
    // Takes ownership of the sensor for slot i; a null sensor or an i outside
    // 0 to 7 changes nothing and the caller keeps the sensor.
    void SetExternalVoltageSensor(int i, CSensor* sensor);
    int GetExternalVoltageExported(int i) const;
    void SetExternalVoltageExported(int i, int exported);
    // The cached count while optimized.
    int GetNumberOfExportedVoltages() const;

    // i 0 or 1.
    const S56SerialChannel& GetSerialChannel(int i) const { return m_serialChannels[i]; }
    const CSensorArray& GetSerialSensors(int i) const { return m_serialChannels[i].sensors; }
    // An i other than 0 or 1 changes nothing.
    void SetSerialChannel(int i, const S56SerialChannel& channel);

    // The surface PAR calibration; null when none is stored.
    const CSPAR_Sensor* GetSparSensor() const { return m_sparSensor.get(); }
    // Takes ownership; the previous sensor is deleted.
    void SetSparSensor(CSPAR_Sensor* sensor);
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    // Turning surface PAR on without a stored sensor stores a default one; a
    // call that keeps it on or off changes nothing.
    void SetbSPAR_Added(int on);

    int GetUsingDeckUnitFlag() const { return m_bUsingDeckUnit; }
    void SetUsingDeckUnitFlag(int on) { m_bUsingDeckUnit = on; }
    int GetConsoleBaud() const { return m_consoleBaud; }
    // Refused (0) outside the console baud constants.
    int SetConsoleBaud(int baud);
    // "600", "1200", "2400", "4800" or "9600 or higher".
    const char* GetInstrumentBaudDescription() const;
    int GetHistoricRate() const { return m_historicRate; }
    // Refused (0) outside the historic rate constants.
    int SetHistoricRate(int rate);
    // The real-time scan interval that the baud rate allows.
    double GetSampleInterval() const { return m_dSampleInterval; }

  protected:
    int GetBaseLength() const override;

  private:
    bool IsWavecap() const { return m_usage == USAGE_WAVECAP_HEX_FILE; }
    int BuildSensorArray();
    void SetSampleIntervalFromBaudRate();
    long WriteExternalVoltageSensorsXML(TDWXML::COutputNode* node);
    long WriteRealTimeOptionsXML(TDWXML::COutputNode* node);
    long ReadExternalVoltageSensorsXML(TDWXML::CInputNode* node);
    long ReadRealTimeOptionsXML(TDWXML::CInputNode* node);

    S56SerialChannel m_serialChannels[2];
    int m_usage = 0;
    CSensorArray m_defaultSensors;
    S56ExternalVoltageSensor m_externalVoltages[8];
    std::unique_ptr<CSPAR_Sensor> m_sparSensor;
    int m_nExportedVoltages = 0;
    int m_bUsingDeckUnit = 0;
    int m_consoleBaud = 4;
    int m_historicRate = 0;
    int m_bSPAR_Added = 0;
    double m_dSampleInterval = 0.0;
};
