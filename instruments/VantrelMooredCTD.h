#pragma once
// CVantrelMooredCTD: the moored Vantrel CTDs (TDW 62, 62plus and 62plus V2).
// Temperature and conductivity take channels 0 and 1; a pressure sensor, when
// there is one, channel 2. Without one the instrument works with a fixed
// moored pressure, adjusted with the water temperature or a temperature the
// user supplies. The external voltages follow the pressure channel, then the
// channels of a serial sensor where the model has one.

#include <ostream>

#include "instruments/VantrelCTD.h"

class CVantrelMooredCTD : public CVantrelCTD {
    DECLARE_DYNAMIC(CVantrelMooredCTD)
  public:
    static constexpr int kPressureDigiquartz = 0;
    static constexpr int kPressureDigiquartzTC = 1;
    static constexpr int kPressureStrainGauge = 2;
    static constexpr int kNoPressure = 3;

    CVantrelMooredCTD() = default;
    CVantrelMooredCTD(const CVantrelMooredCTD& other) = default;
    CVantrelMooredCTD& operator=(const CVantrelMooredCTD& other);
    bool operator==(const CVantrelMooredCTD& other) const;

    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    // Channel 3 after a pressure sensor, else channel 2.
    int AddExtVoltFrom() const override;
    int CanChangeSensor(int channel) const override;

    // 0 Digiquartz without temperature compensation, 1 Digiquartz with it,
    // 2 strain gauge, 3 none.
    CRange<int> GetPressureSensorType() const { return m_pressureSensorType; }
    int SetPressureSensorType(int type);
    // The temperature that adjusts the moored pressure: 0 the water's, 1 the
    // user-supplied one.
    CRange<int> GetTempType() const { return m_tempType; }
    int SetTempType(int type) { return m_tempType.Set(type); }
    CRange<double> GetdUserSuppliedTemp() const { return m_userSuppliedTemp; }
    int SetdUserSuppliedTemp(double celsius) { return m_userSuppliedTemp.Set(celsius); }
    CRange<double> GetdMooredPressure() const { return m_mooredPressure; }
    int SetdMooredPressure(double decibars) { return m_mooredPressure.Set(decibars); }

  protected:
    static constexpr int kLabelWidth = 26;

    // The sensor of a pressure type 0 to 2 on this model.
    virtual int PressureSensorID(int type) const = 0;

    bool HasPressure() const { return m_pressureSensorType.Get() != kNoPressure; }
    // The common settings and the pressure settings at their defaults, and
    // the model's fixed sensors.
    void ResetPressureSettings();
    // Takes the pressure type and the voltage count from a read sensor array
    // whose serial channels start at serialFrom; false when its length or
    // its fixed sensors cannot be this model's.
    bool TakeSettingsFromSensors(int serialFrom);

    // "Pressure sensor type" and, without a pressure sensor, the moored
    // pressure and the temperature that adjusts it.
    void ReportPressure(std::ostream& os) const;

    CRange<int> m_pressureSensorType{kNoPressure, 0, 3};
    CRange<int> m_tempType{0, 0, 1};
    CRange<double> m_userSuppliedTemp{15.0, -1.0, 30.0};
    CRange<double> m_mooredPressure{0.0, 0.0, 15000.0};
};
