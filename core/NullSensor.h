#pragma once
// CNullSensor: the placeholder on a channel that holds no sensor, either free
// for the user to fill ("Free") or not able to take one ("Unavailable").

#include "core/CoeffSensor.h"

class CNullSensor : public CCoeffSensor<CNullSensor> {
    DECLARE_DYNCREATE(CNullSensor)
  public:
    static constexpr int kSensorID = SID_NULL;

    explicit CNullSensor(int bFree = 1) : m_bFree(bFree) {}

    int GetbFree() const { return m_bFree; }
    void SetbFree(int bFree) { m_bFree = bFree; }
    OutputType GetNullOutputType() const { return static_cast<OutputType>(m_nullOutputType); }
    void SetNullOutputType(OutputType type) { m_nullOutputType = type; }

    // A placeholder prints nothing in the report.
    void Report(std::ostream&, int) const override {}

    bool operator==(const CNullSensor&) const = default;

    static std::span<const SCoeffField<CNullSensor>> FieldTable();
    // "OutputType" must lie in 0 to 6.
    static long ReadOwnXML(TDWXML::CInputNode* node, CNullSensor& fresh);
    // Fails when any of the writes failed.
    static long WriteOwnXML(TDWXML::COutputNode* node, const CNullSensor& self, long status);

  private:
    int m_bFree;
    int m_nullOutputType = OT_UNKNOWN;
};

// "Free" or "Unavailable".
CString GetNullSensorName(const CSensor* placeholder);
OutputType GetNullSensorOutputType(const CSensor* placeholder);

// A new free placeholder for a channel of that kind.
CNullSensor* NewFreeChannel(OutputType channelType);
