#pragma once
// CSensor: the base of every sensor. It holds what every sensor has (serial
// number and calibration date), reads and writes those common XML items, and
// answers name and output-type questions through the registry.

#include <ostream>
#include <span>
#include <string_view>
#include <vector>

#include "core/SensorField.h"

#include "core/SensorRegistry.h"
#include "platform/CString.h"
#include "platform/CTime.h"
#include "platform/Object.h"
#include "platform/xml/TDWXML.h"

class CSensor : public CObject, public TDWXML::IDocObj {
    DECLARE_DYNAMIC(CSensor)
  public:
    CSensor();
    CSensor(const CSensor&) = default;
    CSensor& operator=(const CSensor&) = default;
    ~CSensor() override = default;

    virtual int GetSensorID() const = 0;
    // The sensor's report lines, indented (each class's own lines).
    virtual void Report(std::ostream& os, int indent) const = 0;

    // Copies and compares through the concrete class; both sensors must be of
    // the same run-time class (the factory functions check it).
    virtual void AssignFrom(const CSensor& other) = 0;
    virtual bool IsEqualTo(const CSensor& other) const = 0;

    // The sensor's own fields in write order (after the common items); none
    // by default. The operations below take a position in that list: the
    // text the field's element carries and its value as a number, and set
    // them as a read would (false, the sensor unchanged, when the field does
    // not take the text or number).
    virtual std::vector<SSensorField> Fields() const;
    virtual CString GetFieldText(std::size_t field) const;
    virtual bool SetFieldText(std::size_t field, const CString& text);
    virtual double GetFieldValue(std::size_t field) const;
    virtual bool SetFieldValue(std::size_t field, double value);
    // The position of the value field with that key; -1 when there is none.
    int FindField(std::string_view key) const;

    CString GetSensorName() const;
    OutputType GetOutputType() const;

    const CString& GetSerialNum() const { return m_serialNum; }
    void SetSerialNum(const CString& serialNum) { m_serialNum = serialNum; }
    int GetbUseStrDate() const { return m_bUseStrDate; }
    void SetbUseStrDate(int useStrDate) { m_bUseStrDate = useStrDate; }
    // The date text, or the time value as a date text.
    CString GetCalDate() const;
    // Text mode: stores the text and returns 0. Time mode: nonzero when the
    // text is not a date (the time value then stays).
    int SetCalDate(const CString& date);
    const CTime& GetCalTime() const { return m_calTime; }

    // Serial numbers equal (case-sensitive) and dates equal in the left
    // operand's date mode.
    bool operator==(const CSensor& other) const;

    // The common items: the "SensorID" attribute, "SerialNumber" and
    // "CalibrationDate". Reading refuses an element of another sensor ID.
    long ReadBaseXML(TDWXML::CInputNode* node);
    long WriteBaseXML(TDWXML::COutputNode* node);

    // The two common report lines, "Serial number" and "Calibrated on".
    void Report(std::ostream& os, int indent, int width) const;

  private:
    CString m_serialNum;
    int m_bUseStrDate = 1;
    CString m_calDate;
    CTime m_calTime;
};

// Gives each field its key (SSensorField::key).
void AssignFieldKeys(std::vector<SSensorField>& fields);

// Text size limit of the common text items (127 characters and a terminator).
constexpr int SENSOR_TEXT_BUFFER = 128;
