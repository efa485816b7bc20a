#pragma once
// CVantrelProfilerCTD: the Vantrel CTDs that profile and can also run moored
// (the TDW 64plus and the TDW 64plus V2). On top of the pressure and surface
// PAR channels they share profile or moored mode, the averaging of the 4 Hz
// raw scans in profile mode and the sample interval in moored mode.

#include <ostream>

#include "instruments/VantrelSurfaceParCTD.h"

class CVantrelProfilerCTD : public CVantrelSurfaceParCTD {
    DECLARE_DYNAMIC(CVantrelProfilerCTD)
  public:
    static constexpr int kModeProfile = 0;
    static constexpr int kModeMoored = 1;

    CVantrelProfilerCTD() = default;
    CVantrelProfilerCTD(const CVantrelProfilerCTD& other) = default;
    CVantrelProfilerCTD& operator=(const CVantrelProfilerCTD& other);
    bool operator==(const CVantrelProfilerCTD& other) const;

    // Settings, a clear serial number, no extra channels, no NMEA or scan
    // time, and the three fixed sensors.
    void DefaultConfig() override;
    double GetScanInterval() const override;
    void InitializeForCalculations() override;

    // 0 profile, 1 moored; moored mode has no surface PAR.
    CRange<int> GetMode() const { return m_mode; }
    int SetMode(int mode);
    CRange<int> GetnSampleInterval() const { return m_sampleInterval; }
    int SetnSampleInterval(int seconds);
    CRange<int> GetnScansToAvg() const { return m_scansToAvg; }
    // With Digiquartz pressure the count is made even.
    int SetnScansToAvg(int scans);

  protected:
    // Fixed data, voltages, surface PAR and the moored-mode time; a serial
    // sensor's data, where a model has one, comes on top.
    int GetBaseLength() const override;
    // Hex characters before the serial sensor's data: temperature,
    // conductivity, pressure with its temperature, and the voltages.
    int DataLengthBeforeSerial() const;
    // The moored-mode time follows the serial data; then the appended fields.
    void InitializeProfilerOffsets(int serialFieldLength);

    // The report's pressure, voltage and mode lines, and the interval line
    // of the mode.
    void ReportPressureVoltagesMode(std::ostream& os) const;
    void ReportInterval(std::ostream& os) const;

    CRange<int> m_mode{kModeProfile, 0, 1};
    CRange<int> m_sampleInterval{10, 10, 14400};
    CRange<int> m_scansToAvg{1, 1, 32767};
};
