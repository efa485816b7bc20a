#pragma once
// A minimal instrument for testing the instrument base: temperature and
// conductivity on the first two channels, then the voltage block.

#include "core/CTD.h"
#include "core/NullSensor.h"

class CFakeCTD : public CCTD {
  public:
    CFakeCTD() { DefaultConfig(); }

    CCTD* Clone() const override { return new CFakeCTD(*this); }
    void DefaultConfig() override {
        Empty(m_sensorArray);
        m_sensorArray.Add(CreateSensorObject(SID_TEMP_TDW2));
        m_sensorArray.Add(CreateSensorObject(SID_CONDUCTIVITY));
        m_nNumVoltAdd = 0;
    }
    int GetCTD_ID() const override { return CTD_ID; }
    void InitializeForCalculations() override { m_nNMEA_TimeOffset = 7; }
    CString GetChannelName(int channel) const override {
        return channel < 2 ? "Frequency" : "A/D voltage";
    }
    int AddExtFreqFrom() const override { return -1; }
    int AddExtVoltFrom() const override { return 2; }
    int CanChangeSensor(int channel) const override { return channel >= 2; }
    void Report(std::ostream& os, const CString& fileName, int changed) const override {
        CCTD::Report(os, fileName, changed, 26);
        ReportNMEA_Group(os, 26);
        ReportSensors(os, changed);
    }
    int GetScanLen() const override { return m_bOptimize ? m_nOptScanLen : 6 * GetNumChannel(); }
    double GetScanInterval() const override { return 0.25; }
    void AssignFrom(const CCTD& other) override { *this = static_cast<const CFakeCTD&>(other); }
    bool IsEqualTo(const CCTD& other) const override { return *this == other; }
    long ReadXML(TDWXML::CInputNode* node) override { return ReadSensorArrayXML(node); }
    long WriteXML(TDWXML::COutputNode* node) override { return WriteSensorArrayXML(node); }

    using CCTD::ChangeNumVolt;
    CSensorArray& Array() { return m_sensorArray; }

    int CTD_ID = 11;

  protected:
    int GetBaseLength() const override { return GetScanLen(); }
};
