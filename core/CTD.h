#pragma once
// CCTD: the base of every instrument model. An instrument configuration is one
// CCTD object: the model (its class), a serial number, the counts of optional
// frequency and voltage channels, the NMEA and time options, and the sensor
// array with one sensor per channel in scan order.

#include <ostream>
#include <vector>

#include "core/Range.h"
#include "core/SensorArray.h"
#include "platform/CString.h"
#include "platform/Object.h"
#include "platform/xml/TDWXML.h"

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
