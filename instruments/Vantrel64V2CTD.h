#pragma once
// C64V2VantrelCTD: the TDW 64plus V2 Vantrel CTD, a profiling CTD that can
// also run moored. Temperature, conductivity and pressure, up to six external
// voltages, one optional serial RS-232 sensor and an optional surface PAR pair.

#include "core/CTDModel.h"
#include "instruments/VantrelProfilerCTD.h"

class C64V2VantrelCTD : public CCTDModel<C64V2VantrelCTD, CVantrelProfilerCTD> {
    DECLARE_DYNCREATE(C64V2VantrelCTD)
  public:
    static constexpr int kCTD_ID = CTD_64V2_VANTREL;

    C64V2VantrelCTD();
    C64V2VantrelCTD(const C64V2VantrelCTD& other) = default;
    C64V2VantrelCTD& operator=(const C64V2VantrelCTD& other);
    bool operator==(const C64V2VantrelCTD& other) const;

    void DefaultConfig() override;
    void InitializeForCalculations() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C64V2VantrelCTD)
    int GetSerialSensor() const override { return m_serialSensor.Get(); }

    // Also drops a gas tension device or TDW 58 setting.
    int SetMode(int mode);
    int SetSerialSensor(int serialSensor);

  protected:
    int GetBaseLength() const override;

  private:
    // Index of the first serial channel.
    int SerialChannelsFrom() const { return 3 + m_nNumVoltAdd; }
    // The checks a read configuration must pass; the fields are set already.
    bool SensorsMatchSettings(int pressureTypeRead) const;

    CRange<int> m_serialSensor{0, 0, 13};
};
