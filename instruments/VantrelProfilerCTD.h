#pragma once
// CVantrelProfilerCTD: the Vantrel CTDs that profile and can also run moored
// (the TDW 64plus and the TDW 64plus V2). It holds what they share: strain
// gauge or Digiquartz pressure on channel 2, profile or moored mode, the
// averaging of the 4 Hz raw scans, the moored sample interval, and the
// surface PAR pair after the last channel, with the setters that keep the
// channels in step with them.

#include <ostream>

#include "instruments/VantrelCTD.h"

class CVantrelProfilerCTD : public CVantrelCTD {
    DECLARE_DYNAMIC(CVantrelProfilerCTD)
  public:
    static constexpr int kPressureDigiquartz = 0;
    static constexpr int kPressureStrainGauge = 1;
    static constexpr int kModeProfile = 0;
    static constexpr int kModeMoored = 1;

    CVantrelProfilerCTD() = default;
    CVantrelProfilerCTD(const CVantrelProfilerCTD& other) = default;
    CVantrelProfilerCTD& operator=(const CVantrelProfilerCTD& other);
    bool operator==(const CVantrelProfilerCTD& other) const;

    // Settings, a clear serial number, no extra channels, no NMEA or scan
    // time, and the three fixed sensors.
    void DefaultConfig() override;
    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtFreqFrom() const override { return -1; }
    int AddExtVoltFrom() const override { return kVoltagesFrom; }
    int CanChangeSensor(int channel) const override;
    double GetScanInterval() const override;
    int GetScanLen() const override;
    void InitializeForCalculations() override;
    long WriteXML(TDWXML::COutputNode* node) override;

    // 0 Digiquartz with temperature compensation, 1 strain gauge.
    CRange<int> GetPressureSensorType() const { return m_pressureSensorType; }
    int SetPressureSensorType(int type);
    // 0 profile, 1 moored; moored mode has no surface PAR.
    CRange<int> GetMode() const { return m_mode; }
    int SetMode(int mode);
    CRange<int> GetnSampleInterval() const { return m_sampleInterval; }
    int SetnSampleInterval(int seconds);
    CRange<int> GetnScansToAvg() const { return m_scansToAvg; }
    int SetnScansToAvg(int scans);
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    void SetbSPAR_Added(int on);

  protected:
    static constexpr int kVoltagesFrom = 3;

    // Fixed data, voltages, surface PAR and the moored-mode time; a serial
    // sensor's data, where a model has one, comes on top.
    int GetBaseLength() const override;
    // Hex characters before the serial sensor's data: temperature,
    // conductivity, pressure with its temperature, and the voltages.
    int DataLengthBeforeSerial() const;
    // The moored-mode time follows the serial data; then the appended fields.
    void InitializeProfilerOffsets(int serialFieldLength);
    // Written between "Mode" and "SampleIntervalSeconds" by a model with a
    // serial sensor.
    virtual void WriteSerialSensorXML(TDWXML::COutputNode*) {}

    // The checks a read sensor array must pass on its first three channels:
    // the fixed temperature and conductivity, and the pressure sensor of the
    // type the document names.
    bool LeadingSensorsMatch(int pressureTypeRead) const;

    // The report in pieces, so that a model puts its own lines between them.
    void ReportPressureVoltagesMode(std::ostream& os) const;
    void ReportInterval(std::ostream& os) const;
    void ReportParScanTimeSensors(std::ostream& os, int changed) const;
    static constexpr int kLabelWidth = 26;

    CRange<int> m_pressureSensorType{kPressureStrainGauge, 0, 1};
    CRange<int> m_mode{kModeProfile, 0, 1};
    CRange<int> m_sampleInterval{10, 10, 14400};
    CRange<int> m_scansToAvg{1, 1, 32767};
    int m_bSPAR_Added = 0;
};
