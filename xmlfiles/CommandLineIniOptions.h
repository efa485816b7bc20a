#pragma once
// CCommandLineIniOptions: the values a data-conversion host took from its
// command line or its settings and passes to the sensor header document, so
// that the document can say which calibration values were overridden. A zero
// means that the value was not given.

namespace Config2004 {

class CCommandLineIniOptions {
  public:
    CCommandLineIniOptions() = default;
    CCommandLineIniOptions(const CCommandLineIniOptions&) = default;
    CCommandLineIniOptions& operator=(const CCommandLineIniOptions&) = default;
    virtual ~CCommandLineIniOptions() = default;

    // Every value equal, doubles compared exactly.
    bool operator==(const CCommandLineIniOptions&) const = default;

    // Correction of the primary temperature sensor.
    double GetdT0pcor() const { return m_dT0pcor; }
    void SetdT0pcor(double value) { m_dT0pcor = value; }
    // Correction of every further temperature sensor.
    double GetdT1pcor() const { return m_dT1pcor; }
    void SetdT1pcor(double value) { m_dT1pcor = value; }
    // The conductivity wrap value of a TDW 71.
    double GetdWrap71Cond() const { return m_dWrap71Cond; }
    void SetdWrap71Cond(double value) { m_dWrap71Cond = value; }
    // A host setting that the sensor header does not use.
    int GetnHostOption() const { return m_nHostOption; }
    void SetnHostOption(int value) { m_nHostOption = value; }
    // Nonzero: the host wraps the conductivity frequency of a TDW 62.
    int GetnWrap62CondFreq() const { return m_nWrap62CondFreq; }
    void SetnWrap62CondFreq(int value) { m_nWrap62CondFreq = value; }

  private:
    double m_dT0pcor = 0.0;
    double m_dT1pcor = 0.0;
    double m_dWrap71Cond = 0.0;
    int m_nHostOption = 0;
    int m_nWrap62CondFreq = 0;
};

}  // namespace Config2004
