#pragma once
// CNimbrel: the TDW 73 Nimbrel, a moored CTD sampling at a fixed interval.
// Temperature and conductivity, then an optional dissolved-oxygen sensor (a
// TDW 41I or a TDW 68) and an optional strain-gauge pressure sensor. The
// channel list is the sensor array itself: the optional sensors are added to
// and removed from it, and the oxygen and pressure settings are worked out
// from it again where it matters. Without a pressure sensor a fixed moored
// pressure stands in.

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"

class CNimbrel : public CCTDModel<CNimbrel, CVantrelCTD> {
    DECLARE_DYNCREATE(CNimbrel)
  public:
    static constexpr int kCTD_ID = CTD_73_NIMBREL;

    static const int OXYGEN_NONE;
    static const int OXYGEN_TDW41;
    static const int OXYGEN_TDW68;

    CNimbrel();
    CNimbrel(const CNimbrel& other) = default;
    CNimbrel& operator=(const CNimbrel& other);
    // The oxygen type, pressure flag, device type and firmware version do not
    // take part: the first two follow from the sensors, the others are notes.
    bool operator==(const CNimbrel& other) const;

    void DefaultConfig() override;
    int AddExtFreqFrom() const override { return 2; }
    int AddExtVoltFrom() const override;
    int CanChangeSensor(int) const override { return 0; }
    double GetScanInterval() const override { return m_dSampleInterval; }
    int GetScanLen() const override;
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(CNimbrel)

    // Worked out from the sensors, stored and returned: OXYGEN_TDW41 for a
    // TDW 41I, OXYGEN_TDW68 for a TDW 68, else OXYGEN_NONE.
    int OxygenInstalled();
    // 1 when a strain-gauge pressure sensor is in the list; stored.
    int PressureInstalled();
    int GetOxygenType() const { return m_oxygenType; }
    int GetPressureFlag() const { return m_bPressureInstalled; }
    // Puts the oxygen sensor of the type on channel 2 in place of any other;
    // 0 for a type that is none of the oxygen constants.
    int SetOxygenSensorPresent(int type);
    // Appends or removes the strain-gauge pressure sensor at the end.
    void SetPressureSensorPresent(int on);

    const CString& GetDeviceType() const { return m_deviceType; }
    void SetDeviceType(const CString& text) { m_deviceType = text; }
    const CString& GetFirmwareVersion() const { return m_firmwareVersion; }
    void SetFirmwareVersion(const CString& text) { m_firmwareVersion = text; }

    static double GetMinSampleInterval() { return 0.9; }
    static double GetMaxSampleInterval() { return 21600.0; }
    static bool SampleIntervalValid(double seconds);
    // 1 and stored when valid; 0 and the interval kept otherwise.
    int SetSampleInterval(double seconds);

    double GetMooredPressure() const { return m_dMooredPressure; }
    void SetMooredPressure(double decibars) { m_dMooredPressure = decibars; }
    int GetUseMooredLatitudeFlag() const { return m_bUseMooredLatitude; }
    void SetUseMooredLatitudeFlag(int on) { m_bUseMooredLatitude = on; }
    double GetMooredLatitude() const { return m_dMooredLatitude; }
    void SetMooredLatitude(double degrees) { m_dMooredLatitude = degrees; }

  protected:
    int GetBaseLength() const override;

  private:
    // The extra-frequency count follows the sensors beyond the fixed two.
    void CountOptionalChannels();

    int m_oxygenType = 0;
    int m_bPressureInstalled = 0;
    CString m_deviceType;
    CString m_firmwareVersion;
    double m_dSampleInterval = 6.0;
    double m_dMooredPressure = 0.0;
    int m_bUseMooredLatitude = 0;
    double m_dMooredLatitude = 0.0;
};
