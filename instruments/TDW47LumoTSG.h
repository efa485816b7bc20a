#pragma once
// C47ThermosalCTD: the TDW 47 LumoTSG thermosalinograph, plumbed into a
// ship's seawater line. It samples temperature and conductivity at an
// interval and outputs engineering units, optionally with a TDW 83 remote
// temperature sensor at the water intake. Its data need no scan decoding, so
// it has no scan length.

#include "core/CTDModel.h"
#include "instruments/SettingRows.h"

class C47ThermosalCTD : public CCTDModel<C47ThermosalCTD, CCTD> {
    DECLARE_DYNCREATE(C47ThermosalCTD)
  public:
    static constexpr int kCTD_ID = CTD_47_THERMOSAL;

    C47ThermosalCTD();
    C47ThermosalCTD(const C47ThermosalCTD& other) = default;
    C47ThermosalCTD& operator=(const C47ThermosalCTD& other) = default;
    // The sample interval, the five output flags and the CCTD part.
    bool operator==(const C47ThermosalCTD& other) const = default;

    void DefaultConfig() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C47ThermosalCTD)

    // Temperature, conductivity, and the remote temperature when added. The
    // user changes none of them, and the channels have no names.
    int GetNumChannel() const override { return m_bTDW83_Added ? 3 : 2; }
    CString GetChannelName(int) const override { return ""; }
    int CanChangeSensor(int) const override { return 0; }
    // Neither frequency nor voltage channels can be added.
    int AddExtFreqFrom() const override { return -1; }
    int AddExtVoltFrom() const override { return -1; }

    double GetScanInterval() const override { return m_sampleInterval.Get(); }
    int GetScanLen() const override { return 0; }
    void InitializeForCalculations() override {}

    // Seconds between samples.
    CRange<int> GetnSampleInterval() const { return m_sampleInterval; }
    int SetnSampleInterval(int seconds) { return m_sampleInterval.Set(seconds); }
    // What the instrument outputs besides temperature.
    int GetbOutputCond() const { return m_bOutputCond; }
    void SetbOutputCond(int on) { m_bOutputCond = on; }
    int GetbOutputSalinity() const { return m_bOutputSalinity; }
    void SetbOutputSalinity(int on) { m_bOutputSalinity = on; }
    int GetbOutputSoundVelocity() const { return m_bOutputSoundVelocity; }
    void SetbOutputSoundVelocity(int on) { m_bOutputSoundVelocity = on; }
    int GetbUseJunctionBox() const { return m_bUseJunctionBox; }
    void SetbUseJunctionBox(int on) { m_bUseJunctionBox = on; }
    // Adding the remote temperature puts a TDW 83 on channel 2; removing it
    // deletes that sensor.
    int GetbTDW83_Added() const { return m_bTDW83_Added; }
    void SetbTDW83_Added(int on);

  protected:
    int GetBaseLength() const override { return 0; }

  private:
    CRange<int> m_sampleInterval{1, 1, 32767};
    int m_bOutputCond = 1;
    int m_bOutputSalinity = 0;
    int m_bOutputSoundVelocity = 0;
    int m_bUseJunctionBox = 1;
    int m_bTDW83_Added = 0;
};
