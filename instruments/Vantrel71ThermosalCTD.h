#pragma once
// The TDW 71 and TDW 71 V2 Vantrel thermosalinographs: temperature and
// conductivity in a ship's seawater line, sampled at an interval, with an
// optional remote temperature sensor at the water intake and external
// voltages. The two models behave alike; they differ in their catalogue row
// (the 71 V2 takes six voltages, the 71 four) and in how the report shows
// the NMEA options.

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"

class CVantrelThermosalCTD : public CVantrelCTD {
    DECLARE_DYNAMIC(CVantrelThermosalCTD)
    DECLARE_VANTREL_CONFIGURATION(CVantrelThermosalCTD)
  public:
    CVantrelThermosalCTD() = default;
    CVantrelThermosalCTD(const CVantrelThermosalCTD& other) = default;
    CVantrelThermosalCTD& operator=(const CVantrelThermosalCTD& other);
    bool operator==(const CVantrelThermosalCTD& other) const;

    // Temperature, conductivity, the remote temperature, then the voltages.
    int GetNumChannel() const override;
    int AddExtVoltFrom() const override;
    int CanChangeSensor(int channel) const override;
    double GetScanInterval() const override { return m_sampleInterval.Get(); }
    void InitializeForCalculations() override;

    // 0 none, 1 a TDW 2, 2 a TDW 83.
    CRange<int> GetRemoteTempType() const { return m_remoteTempType; }
    int SetRemoteTempType(int type);
    // Seconds between samples.
    CRange<int> GetnSampleInterval() const { return m_sampleInterval; }
    int SetnSampleInterval(int seconds) { return m_sampleInterval.Set(seconds); }

  protected:
    // How the report shows the NMEA options.
    enum class NmeaReport {
        Group,             // the NMEA group and the scan-time line
        PositionAndDepth,  // NMEA position and depth only
    };
    int GetBaseLength() const override;

    NmeaReport m_nmeaReport = NmeaReport::Group;

  private:
    bool HasRemoteTemp() const { return m_remoteTempType.Get() != 0; }
    // The checks a read sensor array must pass against the settings read.
    bool SensorsMatchSettings(int voltageChannelsRead) const;

    CRange<int> m_remoteTempType{0, 0, 2};
    CRange<int> m_sampleInterval{3, 3, 600};
};

// "TDW 71 Vantrel Thermosalinograph": up to four voltages.
class C71ThermosalCTD : public CCTDModel<C71ThermosalCTD, CVantrelThermosalCTD> {
    DECLARE_DYNCREATE(C71ThermosalCTD)
  public:
    static constexpr int kCTD_ID = CTD_71_THERMOSAL;
    C71ThermosalCTD();
};

// "TDW 71 V2 Vantrel Thermosalinograph": up to six voltages.
class C71V2ThermosalCTD : public CCTDModel<C71V2ThermosalCTD, CVantrelThermosalCTD> {
    DECLARE_DYNCREATE(C71V2ThermosalCTD)
  public:
    static constexpr int kCTD_ID = CTD_71V2_THERMOSAL;
    C71V2ThermosalCTD();
};
