#pragma once
// Two small instruments whose configuration is little more than a fixed
// sensor list: the glider payload CTD (temperature, conductivity and
// pressure, and one optional frequency channel for an oxygen sensor) and the
// TDW 70420S UCTD (temperature, conductivity and pressure only). The user
// changes no channel's sensor on either.

#include "core/CTDModel.h"
#include "instruments/VantrelCTD.h"

// What the two share: no voltages, no channel the user changes, nothing to
// initialise for scan decoding.
class CVantrelFixedSensorsCTD : public CVantrelCTD {
    DECLARE_DYNAMIC(CVantrelFixedSensorsCTD)
  public:
    int AddExtVoltFrom() const override { return -1; }
    int CanChangeSensor(int) const override { return 0; }
    void InitializeForCalculations() override {}
};

// "TDW Glider Payload CTD": no hex scan of its own; a sample interval.
class CPayloadCTD : public CCTDModel<CPayloadCTD, CVantrelFixedSensorsCTD> {
    DECLARE_DYNCREATE(CPayloadCTD)
    DECLARE_VANTREL_CONFIGURATION(CPayloadCTD)
  public:
    static constexpr int kCTD_ID = CTD_PAYLOAD;

    CPayloadCTD();
    CPayloadCTD(const CPayloadCTD& other) = default;
    CPayloadCTD& operator=(const CPayloadCTD& other);
    bool operator==(const CPayloadCTD& other) const;

    // The fixed three, then the extra frequency channel when chosen.
    int GetNumChannel() const override;
    int AddExtFreqFrom() const override { return 3; }
    double GetScanInterval() const override { return m_nSampleInterval; }
    // The instrument has no hex scan.
    int GetScanLen() const override { return -1; }

    // Seconds, 1 to 3600.
    int GetSampleInterval() const { return m_nSampleInterval; }
    // 0 and the interval kept outside 1 to 3600.
    int SetSampleInterval(int seconds);
    static int SampleIntervalInRange(int seconds) { return seconds >= 1 && seconds < 3601; }
    static int GetMaxSampleInterval() { return 3600; }
    // 1 when a TDW 41F oxygen sensor is on one of the channels.
    int OxygenInstalled() const;

  protected:
    int GetBaseLength() const override { return -1; }

  private:
    int m_nSampleInterval = 1;
};

// "TDW 70420S UCTD": exactly three channels; the scans to average and the
// NMEA and scan-time options are not kept in its document.
class C70420S_CTD : public CCTDModel<C70420S_CTD, CVantrelFixedSensorsCTD> {
    DECLARE_DYNCREATE(C70420S_CTD)
    DECLARE_VANTREL_CONFIGURATION(C70420S_CTD)
  public:
    static constexpr int kCTD_ID = CTD_70420S_UCTD;

    C70420S_CTD();
    C70420S_CTD(const C70420S_CTD& other) = default;
    C70420S_CTD& operator=(const C70420S_CTD& other);
    bool operator==(const C70420S_CTD& other) const;

    int GetNumChannel() const override { return 3; }
    // Each scan averages 16 Hz raw scans.
    double GetScanInterval() const override { return m_scansToAvg.Get() * 0.0625; }
    // 22 characters of data, then the NMEA fields and the host's scan time.
    int GetScanLen() const override;

    CRange<int> GetnScansToAvg() const { return m_scansToAvg; }
    int SetnScansToAvg(int scans) { return m_scansToAvg.Set(scans); }
    // The instrument carries no NMEA depth.
    double ReadNMEA_Depth() const { return 0.0; }

  protected:
    int GetBaseLength() const override { return 0; }

  private:
    CRange<int> m_scansToAvg{1, 1, 255};
};
