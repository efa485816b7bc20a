#pragma once
// CCTD: the base of every instrument model. An instrument configuration is one
// CCTD object: the model (its class), a serial number, the counts of optional
// frequency and voltage channels, the NMEA and time options, and the sensor
// array with one sensor per channel in scan order.

#include <ostream>
#include <string>
#include <vector>

#include "core/Range.h"
#include "core/SensorArray.h"
#include "platform/CString.h"
#include "platform/Object.h"
#include "platform/xml/TDWXML.h"

// One setting element of a model's document: its tag (with the tags of the
// elements that hold it, "Group/Tag", below the instrument's element),
// whether a read needs it, and the setting's limits where it has them.
struct SSettingElement {
    std::string tag;
    bool required;
    bool bounded;
    double low;
    double high;
};

class CCTD : public CObject, public TDWXML::IDocObj {
    DECLARE_DYNAMIC(CCTD)
  public:
    CCTD();
    CCTD(const CCTD& other);
    CCTD& operator=(const CCTD& other);
    ~CCTD() override;

    // --- The model's operations ---
    // A new deep copy of the same class, owned by the caller.
    virtual CCTD* Clone() const = 0;
    virtual void DefaultConfig() = 0;
    virtual int GetCTD_ID() const = 0;
    // Caches the channel count and scan length for scan decoding (on != 0).
    virtual void Optimize(int on);
    virtual void InitializeForCalculations() = 0;
    // The array length; the cached count while optimized.
    virtual int GetNumChannel() const;
    virtual CString GetChannelName(int channel) const = 0;
    // Start of the additional frequency block; -1 when the model has none.
    virtual int AddExtFreqFrom() const = 0;
    virtual int AddExtVoltFrom() const = 0;
    virtual int DuplicateSensorCnt(int sensorID) const;
    virtual int CanChangeSensor(int channel) const = 0;
    virtual void Report(std::ostream& os, const CString& fileName, int changed) const = 0;
    virtual int GetScanLen() const = 0;
    virtual double GetScanInterval() const = 0;

    // Copies and compares through the model's class; both objects must be of
    // the same run-time class (the catalogue functions check it).
    virtual void AssignFrom(const CCTD& other) = 0;
    virtual bool IsEqualTo(const CCTD& other) const = 0;
    // The setting elements of the model's document, in document order.
    virtual std::vector<SSettingElement> SettingElements() const { return {}; }

    bool operator==(const CCTD& other) const;

    // --- Common settings ---
    const CString& GetSerialNum() const { return m_serialNum; }
    void SetSerialNum(const CString& serialNum) { m_serialNum = serialNum; }
    int GetNumFreqAdd() const { return m_nNumFreqAdd; }
    int GetNumVoltAdd() const { return m_nNumVoltAdd; }
    CRange<int> GetComputerInterface() const { return m_computerInterface; }
    int GetbNMEA_Added() const { return m_bNMEA_Added; }
    void SetbNMEA_Added(int on) { m_bNMEA_Added = on; }
    int GetbDepthAdded() const { return m_bDepthAdded; }
    void SetbDepthAdded(int on) { m_bDepthAdded = on; }
    int GetbNMEA_PC() const { return m_bNMEA_PC; }
    void SetbNMEA_PC(int on) { m_bNMEA_PC = on; }
    int GetbNMEA_TimeAdded() const { return m_bNMEA_TimeAdded; }
    void SetbNMEA_TimeAdded(int on) { m_bNMEA_TimeAdded = on; }
    int GetNMEA_TimeOffset() const { return m_nNMEA_TimeOffset; }
    int GetScanTimeOffset() const { return m_nScanTimeOffset; }
    int GetbOptimize() const { return m_bOptimize; }

    // The stored interval when positive, else the model's GetScanInterval.
    double GetScanIntervalCalc() const;
    void SetScanIntervalCalc(double seconds) { m_dScanIntervalCalc = seconds; }

    // --- The catalogue row of the model ---
    CString GetCTD_Name() const;
    int GetNumFreqAddMax() const;
    int GetNumVoltAddMax() const;
    int GetNumChannelLock() const;
    int GetNumChannelMin() const;
    int GetNumChannelMax() const;

    // --- Channels and sensors ---
    // CInvalidArgException outside the array.
    CSensor& GetSensor(int channel) const;
    const CSensorArray& GetSensorArray() const { return m_sensorArray; }
    // Takes ownership of sensor in place of the channel's sensor; otherwise
    // (channel outside, sensor null) the caller keeps it.
    void ReplaceSensor(int channel, CSensor* sensor);
    int FindSensor(int sensorID, int ordinal) const;
    int FindTempSensor(int ordinal) const;
    int DuplicateSensorOrdinal(int channel) const;
    CString SensorNameOrdinal(int channel) const;

    // --- Scan decoding helpers ---
    static void BinToHex(const unsigned char* bytes, unsigned char* hex, int count);
    static void HexToBin(const unsigned char* hex, unsigned char* bytes, int hexCount);

    // --- The sensor array in XML ---
    long ReadSensorArrayXML(TDWXML::CInputNode* node);
    long WriteSensorArrayXML(TDWXML::COutputNode* node);
    static long ReadAnySensorArrayXML(const char* tag, CSensorArray& array,
                                      TDWXML::CInputNode* node);
    static long WriteAnySensorArrayXML(const char* tag, CSensorArray& array,
                                       TDWXML::COutputNode* node);

    // --- The report's shared pieces ---
    void Report(std::ostream& os, const CString& fileName, int changed, int labelWidth) const;
    void ReportSensors(std::ostream& os, int changed) const;
    // Each channel's label as the report shows it: "Frequency 0", "A/D
    // voltage 2", or the model's channel name.
    std::vector<CString> ChannelLabels() const;

    // Set by the host before it calls a model's position and time readers.
    const unsigned char* m_pScanData = nullptr;
    // 1: the position readers decode the scan; 0: they give the stored values.
    int m_bPositionInScan = 1;
    double m_dLatitude = 0.0;
    double m_dLongitude = 0.0;

  protected:
    virtual int GetBaseLength() const = 0;

    void ReportNMEA_Group(std::ostream& os, int labelWidth) const;

    // --- Shared by the models ---
    // Back to what every model starts from: no serial number, no extra
    // channels, no NMEA data, the computer interface at its first value, and
    // one default sensor per minimum channel from the catalogue's fixed list.
    void DefaultCommonConfig();
    // Only the sensor array of that: one default sensor per minimum channel.
    void DefaultFixedSensors();
    // True when the array holds at least count sensors and the first count
    // are the catalogue's fixed sensors of the model; otherwise notes which
    // channel is wrong (see RefuseRead).
    bool HasFixedSensors(int count) const;
    // While a model reads its element, notes that it refuses the item (a
    // child of the element, or an element path below it) and why, as the
    // reason of the failed read (CDiagnostics::NoteRefused); returns false.
    static bool RefuseRead(const std::string& item, const std::string& what);
    // True when the voltage channel count read agrees with the voltage
    // channels found in the sensor array and, when limited, lies within the
    // model's limit; otherwise notes the refusal of "ExternalVoltageChannels".
    bool VoltageChannelsFit(int read, int found, bool limited = true) const;
    // The surface PAR pair that ends the channels of some models: a channel
    // that takes no sensor ("SPAR voltage") and the SPAR sensor. Turning on
    // appends the pair, turning off removes the last two channels; added then
    // takes on. A call that keeps the pair as it is (on again while on, off
    // while off) changes nothing, not even added.
    void ChangeSurfacePAR(int& added, int on);
    // The channel name on such a model: empty outside the channels, "SPAR
    // voltage" for the first of the pair, else the output type of the
    // channel's sensor.
    CString ChannelNameWithPAR(int channel, int sparAdded) const;
    // The closing report lines of the models with surface PAR and scan time:
    // the NMEA group, "Surface PAR voltage added", "Scan time added", the
    // sensors and "Scan length".
    void ReportClosingLines(std::ostream& os, int labelWidth, int sparAdded, int scanTimeAdded,
                            int changed) const;
    // A 7-byte NMEA position as the deck units append it: latitude in bytes
    // 0 to 2 and longitude in bytes 3 to 5 in 1/50000 degree, their signs in
    // bits 7 and 6 of byte 6, a new fix in bit 0.
    static double NmeaLatitude(const unsigned char* position);
    static double NmeaLongitude(const unsigned char* position);
    static int NmeaNewPosition(const unsigned char* position);

    // Grow or shrink the channel blocks with free placeholders.
    void ChangeNumFreq(int n);
    void ChangeNumVolt(int n);

    int m_nNMEA_PosOffset = 0;
    int m_nNMEA_DepthOffset = 0;
    int m_nNMEA_TimeOffset = 0;
    int m_nScanTimeOffset = 0;
    CString m_serialNum;
    int m_nNumFreqAdd = 0;
    int m_nNumVoltAdd = 0;
    CRange<int> m_computerInterface{0, 0, 0};
    int m_bNMEA_Added = 0;
    int m_bDepthAdded = 0;
    int m_bNMEA_PC = 0;
    int m_bNMEA_TimeAdded = 0;
    int m_bOptimize = 0;
    int m_nOptNumChannel = 0;
    int m_nOptScanLen = 0;
    double m_dScanIntervalCalc = 0.0;
    CSensorArray m_sensorArray;

  private:
    void ChangeBlock(int& count, int from, int n, OutputType channelType);
};
