#pragma once
// C64V2VantrelCTD: the TDW 64plus V2 Vantrel CTD, a profiling CTD that can
// also run moored. Temperature, conductivity and pressure, up to six external
// voltages, one optional serial RS-232 sensor and an optional surface PAR pair.

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"

class C64V2VantrelCTD : public CCTDModel<C64V2VantrelCTD, CVantrelCTD> {
    DECLARE_DYNCREATE(C64V2VantrelCTD)
  public:
    static constexpr int kCTD_ID = 11;

    C64V2VantrelCTD();
    C64V2VantrelCTD(const C64V2VantrelCTD& other) = default;
    C64V2VantrelCTD& operator=(const C64V2VantrelCTD& other);
    bool operator==(const C64V2VantrelCTD& other) const;

    void DefaultConfig() override;
    // Temperature, conductivity, pressure, the voltages, the serial
    // sensor's channels, then the surface PAR pair.
    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtVoltFrom() const override { return 3; }
    int CanChangeSensor(int channel) const override;
    // Moored: the sample interval; profile: the averaged 4 Hz scans.
    double GetScanInterval() const override;
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    long ReadXML(TDWXML::CInputNode* node) override;
    long WriteXML(TDWXML::COutputNode* node) override;
    int GetSerialSensor() const override { return m_serialSensor.Get(); }

    // 0 Digiquartz with temperature compensation, 1 strain gauge.
    CRange<int> GetPressureSensorType() const { return m_pressureSensorType; }
    int SetPressureSensorType(int type);
    // 0 profile, 1 moored.
    CRange<int> GetMode() const { return m_mode; }
    int SetMode(int mode);
    int SetSerialSensor(int serialSensor);
    CRange<int> GetnSampleInterval() const { return m_sampleInterval; }
    int SetnSampleInterval(int seconds);
    CRange<int> GetnScansToAvg() const { return m_scansToAvg; }
    int SetnScansToAvg(int scans);
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    void SetbSPAR_Added(int on);

  protected:
    int GetBaseLength() const override;

  private:
    // Index of the first serial channel.
    int SerialChannelsFrom() const { return 3 + m_nNumVoltAdd; }
    // The checks a read configuration must pass; the fields are set already.
    bool SensorsMatchSettings(int pressureTypeRead) const;

    CRange<int> m_pressureSensorType{1, 0, 1};
    CRange<int> m_mode{0, 0, 1};
    CRange<int> m_serialSensor{0, 0, 13};
    CRange<int> m_sampleInterval{10, 10, 14400};
    CRange<int> m_scansToAvg{1, 1, 32767};
    int m_bSPAR_Added = 0;
};
