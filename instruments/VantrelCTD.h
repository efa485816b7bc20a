#pragma once
// CVantrelCTD: the family of instruments whose real-time scan is a line of
// hexadecimal characters with optional appended NMEA and time fields. It adds
// the serial RS-232 sensor identifiers, the scan-time option, the offsets of
// the appended fields, and decoding of position and time from a scan.

#include <memory>
#include <vector>

#include "core/CTD.h"
#include "instruments/SettingRows.h"

// In a model's class body, like DECLARE_DYNCREATE: the operations that every
// model defines for itself, its default configuration, its settings and its
// report.
#define DECLARE_VANTREL_CONFIGURATION(Model)                                            \
  public:                                                                               \
    void DefaultConfig() override;                                                      \
    void Report(std::ostream& os, const CString& fileName, int changed) const override; \
    DECLARE_SETTING_ROWS(Model)                                                         \
                                                                                        \
  private:

class CVantrelCTD : public CCTD {
    DECLARE_DYNAMIC(CVantrelCTD)
  public:
    // Serial RS-232 sensor identifiers.
    static const int NO_SERIAL_SENSOR;
    static const int TEMPERATURE_TDW_83;
    static const int GTD_DO_ONLY;
    static const int GTD_N2_ONLY;
    static const int GTD_DO_N2;
    static const int GTD_N2_DO;
    static const int GTD_DO_DO;
    static const int GTD_N2_N2;
    static const int PRESSURE_TDW_58;
    static const int OPTODE_OXYGEN;
    static const int WETLABS_SERIAL_TRIPLET;
    static const int TDW_68_OPTICAL_OXYGEN;
    static const int WETLABS_SERIAL_SEAOWL;
    static const int SATLANTIC_SEAFET;

    CVantrelCTD() = default;
    CVantrelCTD(const CVantrelCTD& other);
    // Does nothing when the two already compare equal.
    CVantrelCTD& operator=(const CVantrelCTD& other);
    bool operator==(const CVantrelCTD& other) const;

    // The output-type name of the channel's sensor; empty outside the
    // channel list.
    CString GetChannelName(int channel) const override;
    // Most of the family has no additional frequency channels.
    int AddExtFreqFrom() const override { return -1; }
    // Also freezes the serial sensor's channel count while on.
    void Optimize(int on) override;
    // The instrument's data, then the NMEA fields and the host's scan time;
    // the cached length while optimized.
    int GetScanLen() const override;

    // Decoding of the current scan (m_pScanData, hex characters).
    virtual int ReadNewPosition() const;
    virtual double ReadLatitude() const;
    virtual double ReadLongitude() const;
    virtual double ReadScanTime() const;
    // True for the three channels of a WET Labs serial triplet.
    virtual int IsIndex_WET_Labs_Serial(int index) const;
    virtual int GetSerialSensor() const { return NO_SERIAL_SENSOR; }

    int GetScanTimeAdded() const { return m_bScanTimeAdded; }
    void SetScanTimeAdded(int on) { m_bScanTimeAdded = on; }
    int GetVantrelPlusScanTimeOffset() const { return m_nPlusScanTimeOffset; }

    // Channels a serial sensor takes; the cached count while optimized.
    int GetnSerial(int serialSensor) const;
    // Kind of the first (0) or second (1) gas-tension device of the current
    // serial sensor: 1 dissolved oxygen, 2 nitrogen, 0 none.
    int GetGTD_Type(int which) const;
    // Hex characters of the NMEA fields appended to a scan.
    int NmeaHexLength() const;
    // Ignore counts outside 0 to the model's maximum.
    void SetNumFreqAdd(int n);
    void SetNumVoltAdd(int n);

    // The report name of a serial sensor identifier ("None", ...).
    static const char* SerialSensorReportName(int serialSensor);

  protected:
    virtual void InitializeOffsets();

    // Every range back to its initial value.
    template <class... Ranges>
    static void ResetRanges(Ranges&... ranges) {
        (ranges.Set(ranges.GetInitialValue()), ...);
    }

    // Removes count channels at from, deleting their sensors.
    void RemoveChannels(int from, int count);
    // Takes ownership of sensor and inserts it as channel at.
    void InsertChannel(int at, CSensor* sensor);
    // Sets a type setting that decides the sensor on one channel: refused (0)
    // outside the setting's range, 1 without change when type is current;
    // otherwise the channel's sensor leaves (unless the current type is
    // noneType), newSensor(type) is inserted there (unless type is noneType),
    // and the setting takes type.
    int SetChannelSensorType(CRange<int>& setting, int type, int channel, int noneType,
                             CSensor* (*newSensor)(int type));
    // Replaces the channels of the serial sensor oldSerial that start at
    // from with the new sensors of newSerial.
    void ReplaceSerialChannels(int from, int oldSerial, int newSerial);
    // Where the channels of the serial sensor start when the sensors just
    // before end are the ones it puts there; -1 when they are not.
    int MatchSerialChannels(int end, int serialSensor) const;
    // Hex characters of a serial sensor's data in a scan.
    static int SerialFieldLength(int serialSensor);

    // "Serial RS-232 Sensor: %d = %s."; empty for an unknown identifier.
    static CString GetSerialSensorComment(int serialSensor);
    // New sensors for the channels of a serial sensor, in channel order.
    static std::vector<std::unique_ptr<CSensor>> NewSerialSensors(int serialSensor);
    // Sensor IDs a read file must hold on a serial sensor's channels; -1
    // stands for any sensor.
    static std::vector<int> SerialSensorIDs(int serialSensor);
    static double RoundFreq(double frequency);

    int m_bScanTimeAdded = 0;
    int m_nPlusScanTimeOffset = 0;
    int m_nSerialDataOffset[2] = {0, 0};
    int m_nOptSerialCount = 0;

  private:
    // The bytes of the hex field at offset, or false when there is no scan.
    bool ScanBytes(int offset, unsigned char* bytes, int count) const;
};
