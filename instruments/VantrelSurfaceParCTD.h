#pragma once
// CVantrelSurfaceParCTD: the Vantrel profiling CTDs (TDW 64, 64plus and
// 64plus V2). Temperature, conductivity and pressure take channels 0 to 2,
// where the pressure sensor is a Digiquartz with temperature compensation or
// the model's strain gauge; the external voltages follow from channel 3, then
// the channels of a serial sensor where the model has one, and last an
// optional surface PAR pair.

#include <ostream>

#include "instruments/VantrelCTD.h"

class CVantrelSurfaceParCTD : public CVantrelCTD {
    DECLARE_DYNAMIC(CVantrelSurfaceParCTD)
  public:
    static constexpr int kPressureDigiquartz = 0;
    static constexpr int kPressureStrainGauge = 1;

    CVantrelSurfaceParCTD() = default;
    CVantrelSurfaceParCTD(const CVantrelSurfaceParCTD& other) = default;
    CVantrelSurfaceParCTD& operator=(const CVantrelSurfaceParCTD& other);
    bool operator==(const CVantrelSurfaceParCTD& other) const;

    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtVoltFrom() const override { return kVoltagesFrom; }
    int CanChangeSensor(int channel) const override;

    // 0 Digiquartz with temperature compensation, 1 strain gauge.
    CRange<int> GetPressureSensorType() const { return m_pressureSensorType; }
    int SetPressureSensorType(int type);
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    void SetbSPAR_Added(int on) { ChangeSurfacePAR(m_bSPAR_Added, on); }

  protected:
    static constexpr int kVoltagesFrom = 3;
    static constexpr int kLabelWidth = 26;

    // The pressure setting, the surface PAR flag and the rest of the common
    // settings at their defaults, and the model's fixed sensors.
    void ResetPressureAndPar();
    // The checks a read sensor array must pass on its first three channels:
    // the fixed temperature and conductivity, and the pressure sensor of the
    // type the document names.
    bool LeadingSensorsMatch(int pressureTypeRead) const;
    // Takes the voltage count from a read sensor array: the channels between
    // the pressure sensor and the serialCount channels before a surface PAR
    // pair. False when that differs from the count the document names or
    // lies outside the model's limits.
    bool TakeVoltagesFound(int voltageChannelsRead, int serialCount);

    void ReportPressureAndVoltages(std::ostream& os) const;
    // The surface PAR and scan time lines, the channels and the scan length.
    void ReportParScanTimeSensors(std::ostream& os, int changed) const;

    CRange<int> m_pressureSensorType{kPressureStrainGauge, 0, 1};
    int m_bSPAR_Added = 0;

  private:
    // The strain gauge is the model's third fixed sensor.
    int StrainGaugeSensorID() const;
};
