#pragma once
// C812PlusCTD: the TDW 812plus/814plus CTD, an underwater unit cabled to a
// TDW 12plus deck unit or logging into a TDW 14plus STORAX. Its scan is
// binary: 24-bit words, one per frequency channel and one per pair of voltage
// channels, then the NMEA bytes, a final word and an optional 4-byte time.
// The user chooses which of the optional frequency channels and voltage words
// the instrument suppresses.

#include "core/CTDModel.h"
#include "instruments/SettingRows.h"

class C812PlusCTD : public CCTDModel<C812PlusCTD, CCTD> {
    DECLARE_DYNCREATE(C812PlusCTD)
  public:
    static constexpr int kCTD_ID = CTD_812PLUS;
    static constexpr int kNumDeckUnitVersions = 4;

    C812PlusCTD();
    C812PlusCTD(const C812PlusCTD& other) = default;
    C812PlusCTD& operator=(const C812PlusCTD& other) = default;
    // Every setting, the cached indexes and the CCTD part.
    bool operator==(const C812PlusCTD& other) const = default;

    void DefaultConfig() override;
    void Report(std::ostream& os, const CString& fileName, int changed) const override;
    DECLARE_SETTING_ROWS(C812PlusCTD)

    // Channels: the three fixed ones, the frequency channels in use, the
    // voltage channels in use, and the surface PAR pair when added.
    int GetNumChannel() const override;
    CString GetChannelName(int channel) const override;
    int AddExtFreqFrom() const override { return kFixedChannels; }
    int AddExtVoltFrom() const override { return kFixedChannels + m_nNumFreqAdd; }
    int CanChangeSensor(int channel) const override;

    // The scan, in bytes.
    int GetScanLen() const override;
    double GetScanInterval() const override;
    void Optimize(int on) override;
    void InitializeForCalculations() override;

    // The deck unit: 0 a TDW12plus with firmware 5.0 or later, 1 one with
    // older firmware, 2 a TDW 14plus STORAX, 3 none.
    int GetDeckUnitVersion() const { return m_nDeckUnitVersion; }
    void SetDeckUnitVersion(int version) { m_nDeckUnitVersion = version; }
    // The description of a deck unit version; empty for any other value.
    static CString GetDeckUnitDescription(int version);
    // 0 RS-232C, 1 IEEE-488 (GPIB).
    int SetComputerInterface(int computerInterface);
    CRange<int> GetnScansToAvg() const { return m_scansToAvg; }
    int SetnScansToAvg(int scans) { return m_scansToAvg.Set(scans); }
    int GetbSPAR_Added() const { return m_bSPAR_Added; }
    void SetbSPAR_Added(int on) { ChangeSurfacePAR(m_bSPAR_Added, on); }
    int GetbScanTimeAdded() const { return m_bScanTimeAdded; }
    void SetbScanTimeAdded(int on) { m_bScanTimeAdded = on; }

    // Optional channels the instrument leaves out of its scan: frequency
    // channels (0 to 2) and voltage words of two channels each (0 to 4).
    // Other counts are ignored.
    int GetNumFreqSuppress() const { return kMaxFreqAdd - m_nNumFreqAdd; }
    void SetNumFreqSuppress(int n);
    int GetNumVoltWordSuppress() const { return (kMaxVoltAdd - m_nNumVoltAdd) / 2; }
    void SetNumVoltWordSuppress(int n);

    // Byte indexes in a scan of the NMEA position and of the final word; the
    // cached values while optimized.
    int GetiNMEA() const;
    int GetiDigiquartzTemp() const;

    // Decoding of the current binary scan (m_pScanData).
    int ReadNewPosition() const;
    double ReadLatitude() const;
    double ReadLongitude() const;
    double ReadScanTime() const;

  protected:
    int GetBaseLength() const override;

  private:
    static constexpr int kFixedChannels = 3;
    static constexpr int kMaxFreqAdd = 2;
    static constexpr int kMaxVoltAdd = 8;

    // Bytes of the NMEA data appended to a scan.
    int NmeaByteLength() const;
    // Bytes of the frequency and voltage words.
    int WordBytes() const;
    // The NMEA position bytes of the current scan, or null when the scan is
    // not decoded for position.
    const unsigned char* ScanPosition() const;
    // The checks a read configuration must pass; fills the channel counts.
    bool TakeChannelsRead(int freqSuppressed, int voltWordsSuppressed);
    // "%d == %s": a deck unit version and its description.
    template <int version>
    static CString DeckUnitComment(const C812PlusCTD&);

    int m_nDeckUnitVersion = 0;
    CRange<int> m_scansToAvg{1, 1, 50};
    int m_bSPAR_Added = 0;
    int m_bScanTimeAdded = 0;
    int m_nOptNMEA_Index = 0;
    int m_nOptDigiquartzTempIndex = 0;
};
