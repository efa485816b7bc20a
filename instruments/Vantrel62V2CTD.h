#pragma once
// C62V2VantrelCTD: the TDW 62plus V2 Vantrel CTD, a moored CTD that samples
// at an interval and appends its own time to every scan. Temperature and
// conductivity, an optional pressure sensor (without one, a fixed moored
// pressure is used), up to six external voltages and one optional serial
// RS-232 sensor.

#include "core/CTDModel.h"
#include "instruments/VantrelMooredCTD.h"

class C62V2VantrelCTD : public CCTDModel<C62V2VantrelCTD, CVantrelMooredCTD> {
    DECLARE_DYNCREATE(C62V2VantrelCTD)
  public:
    static constexpr int kCTD_ID = CTD_62V2_VANTREL;
    // The TDW 68 serial oxygen data: two fields of six hex characters.
    static constexpr int OX_TDW68_FIELD_LENGTH = 6;
    static constexpr int OX_TDW68_NUMBER_OF_FIELDS = 2;

    C62V2VantrelCTD();
    C62V2VantrelCTD(const C62V2VantrelCTD& other) = default;
    C62V2VantrelCTD& operator=(const C62V2VantrelCTD& other);
    bool operator==(const C62V2VantrelCTD& other) const;

    void DefaultConfig() override;
    // Always the sample interval: the instrument is always moored.
    double GetScanInterval() const override { return m_sampleInterval.Get(); }
    // The instrument's time follows the serial data.
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C62V2VantrelCTD)

    // Any serial sensor, the TDW 58 included.
    int GetSerialSensor() const override { return m_serialSensor.Get(); }
    int SetSerialSensor(int serialSensor);
    CRange<double> GetdSampleInterval() const { return m_sampleInterval; }
    int SetdSampleInterval(double seconds) { return m_sampleInterval.Set(seconds); }

  protected:
    int GetBaseLength() const override;
    int PressureSensorID(int type) const override;

    // The serial sensors a model of this design takes: 0 to 13 here, fewer
    // on its predecessor.
    CRange<int> m_serialSensor{0, 0, 13};

  private:
    // Hex characters of the data before the external voltages.
    int FixedDataLength() const;
    // Takes the serial sensor of a read sensor array and returns where its
    // channels start (the array's end when there is none); -1 when the
    // trailing sensors are not the ones it puts there.
    int TakeSerialSensorFromSensors(int serialRead);

    CRange<double> m_sampleInterval{10.0, 10.0, 14400.0};
};
