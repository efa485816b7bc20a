#pragma once
// C62V2VantrelCTD: the TDW 62plus V2 Vantrel CTD, a moored CTD that samples
// at an interval and appends its own time to every scan. Temperature and
// conductivity, an optional pressure sensor (without one, a fixed moored
// pressure is used), up to six external voltages and one optional serial
// RS-232 sensor.

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"

class C62V2VantrelCTD : public CCTDModel<C62V2VantrelCTD, CVantrelCTD> {
    DECLARE_DYNCREATE(C62V2VantrelCTD)
  public:
    static constexpr int kCTD_ID = 10;
    // The TDW 68 serial oxygen data: two fields of six hex characters.
    static constexpr int OX_TDW68_FIELD_LENGTH = 6;
    static constexpr int OX_TDW68_NUMBER_OF_FIELDS = 2;

    C62V2VantrelCTD();
    C62V2VantrelCTD(const C62V2VantrelCTD& other) = default;
    C62V2VantrelCTD& operator=(const C62V2VantrelCTD& other);
    bool operator==(const C62V2VantrelCTD& other) const;

    void DefaultConfig() override;
    // Temperature, conductivity, pressure unless there is none, the
    // voltages, then the serial sensor's channels.
    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtVoltFrom() const override;
    // The voltages and the channels of a WET Labs serial triplet.
    int CanChangeSensor(int channel) const override;
    // Always the sample interval: the instrument is always moored.
    double GetScanInterval() const override { return m_sampleInterval.Get(); }
    // The instrument's time follows the serial data.
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    long ReadXML(TDWXML::CInputNode* node) override;
    long WriteXML(TDWXML::COutputNode* node) override;

    // 0 Digiquartz, 1 Digiquartz with temperature compensation, 2 strain
    // gauge, 3 none.
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
    // Any serial sensor, the TDW 58 included.
    int GetSerialSensor() const override { return m_serialSensor.Get(); }
    int SetSerialSensor(int serialSensor);
    CRange<double> GetdSampleInterval() const { return m_sampleInterval; }
    int SetdSampleInterval(double seconds) { return m_sampleInterval.Set(seconds); }

  protected:
    int GetBaseLength() const override;

  private:
    bool HasPressure() const;
    // Hex characters of the data before the external voltages.
    int FixedDataLength() const;
    // Derives the pressure type, the voltage count and the serial sensor of
    // a read sensor array; false when the array cannot be this instrument's.
    bool TakeSettingsFromSensors(int serialRead);

    CRange<int> m_pressureSensorType{3, 0, 3};
    CRange<int> m_tempType{0, 0, 1};
    CRange<double> m_userSuppliedTemp{15.0, -1.0, 30.0};
    CRange<double> m_mooredPressure{0.0, 0.0, 15000.0};
    CRange<int> m_serialSensor{0, 0, 13};
    CRange<double> m_sampleInterval{10.0, 10.0, 14400.0};
};
