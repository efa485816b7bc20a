#pragma once
// Auxiliary sensors: altimeter, bottle closure and bottom contact switches,
// light, sound velocity, the LISST-25A channels, Zaps, gas tension, methane,
// pH, oxidation-reduction potential, the user polynomial and the channel
// without coefficients.

#include "core/CoeffSensor.h"

class CAltimeterSensor : public CCoeffSensor<CAltimeterSensor> {
    DECLARE_DYNCREATE(CAltimeterSensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_ALTIMETER;
    bool operator==(const CAltimeterSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CAltimeterSensor)
};

class CBottlesClosedSensor : public CCoeffSensor<CBottlesClosedSensor> {
    DECLARE_DYNCREATE(CBottlesClosedSensor)
  public:
    static constexpr int kSensorID = SID_BOTTLES_CLOSED;
    static constexpr bool kSilentReport = true;
    bool operator==(const CBottlesClosedSensor&) const = default;

    // The number of bottles closed that the channel's frequency stands for;
    // -1 at 24000 Hz and above.
    static int BottlesClosed(double frequency);
};

class CBottomContactSensor : public CCoeffSensor<CBottomContactSensor> {
    DECLARE_DYNCREATE(CBottomContactSensor)
  public:
    static constexpr int kSensorID = SID_BOTTOM_CONTACT;
    static constexpr bool kSilentReport = true;
    bool operator==(const CBottomContactSensor&) const = default;
};

class CGTD_DO_Sensor : public CCoeffSensor<CGTD_DO_Sensor> {
    DECLARE_DYNCREATE(CGTD_DO_Sensor)
  public:
    static constexpr int kSensorID = SID_GTD_DO;
    bool operator==(const CGTD_DO_Sensor&) const = default;
};

class CGTD_N2_Sensor : public CCoeffSensor<CGTD_N2_Sensor> {
    DECLARE_DYNCREATE(CGTD_N2_Sensor)
  public:
    static constexpr int kSensorID = SID_GTD_N2;
    bool operator==(const CGTD_N2_Sensor&) const = default;
};

class CSoundVelocitySensor : public CCoeffSensor<CSoundVelocitySensor> {
    DECLARE_DYNCREATE(CSoundVelocitySensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
  public:
    static constexpr int kSensorID = SID_SOUND_VELOCITY;
    bool operator==(const CSoundVelocitySensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CSoundVelocitySensor)
};

class CSPAR_Sensor : public CCoeffSensor<CSPAR_Sensor> {
    DECLARE_DYNCREATE(CSPAR_Sensor)
    TW_SENSOR_VALUE(double, ConversionFactor, 0.0)
    TW_SENSOR_VALUE(double, RatioMultiplier, 0.0)
  public:
    static constexpr int kSensorID = SID_SPAR;
    static constexpr int kReportWidth = 18;
    bool operator==(const CSPAR_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CSPAR_Sensor)
};

class CSuspSedTransSensor : public CCoeffSensor<CSuspSedTransSensor> {
    DECLARE_DYNCREATE(CSuspSedTransSensor)
  public:
    static constexpr int kSensorID = SID_SUSP_SED_TRANS;
    static constexpr bool kSilentReport = true;
    bool operator==(const CSuspSedTransSensor&) const = default;
};

class CZapsSensor : public CCoeffSensor<CZapsSensor> {
    DECLARE_DYNCREATE(CZapsSensor)
    TW_SENSOR_VALUE(double, M, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
  public:
    static constexpr int kSensorID = SID_ZAPS;
    bool operator==(const CZapsSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CZapsSensor)
};

class CMethaneConcCAPSUM_Sensor : public CCoeffSensor<CMethaneConcCAPSUM_Sensor> {
    DECLARE_DYNCREATE(CMethaneConcCAPSUM_Sensor)
    TW_SENSOR_VALUE(double, D, 0.0)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, B0, 0.0)
    TW_SENSOR_VALUE(double, B1, 0.0)
    TW_SENSOR_VALUE(double, B2, 0.0)
  public:
    static constexpr int kSensorID = SID_METHANE_CONC;
    bool operator==(const CMethaneConcCAPSUM_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CMethaneConcCAPSUM_Sensor)
};

class CMethaneTempCAPSUM_Sensor : public CCoeffSensor<CMethaneTempCAPSUM_Sensor> {
    DECLARE_DYNCREATE(CMethaneTempCAPSUM_Sensor)
    TW_SENSOR_VALUE(double, T1, 0.0)
    TW_SENSOR_VALUE(double, T2, 0.0)
  public:
    static constexpr int kSensorID = SID_METHANE_TEMP;
    bool operator==(const CMethaneTempCAPSUM_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CMethaneTempCAPSUM_Sensor)
};

// Stands in for a sensor whose serial number and calibration date are edited
// without coefficients; ActualID names that sensor. ActualID is neither
// stored, copied by assignment nor compared.
class CNoCoeffSensor : public CCoeffSensor<CNoCoeffSensor> {
    DECLARE_DYNCREATE(CNoCoeffSensor)
  public:
    static constexpr int kSensorID = SID_NO_COEFFICIENT;
    static constexpr bool kSilentReport = true;

    CNoCoeffSensor() = default;
    CNoCoeffSensor(const CNoCoeffSensor&) = default;
    CNoCoeffSensor& operator=(const CNoCoeffSensor& other) {
        CSensor::operator=(other);
        return *this;
    }
    bool operator==(const CNoCoeffSensor& other) const { return CSensor::operator==(other); }

    int GetActualID() const { return m_actualID; }
    void SetActualID(int actualID) { m_actualID = actualID; }

  private:
    int m_actualID = kSensorID;
};

class COxidationRedPotSensor : public CCoeffSensor<COxidationRedPotSensor> {
    DECLARE_DYNCREATE(COxidationRedPotSensor)
    TW_SENSOR_VALUE(double, M, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_OXIDATION_RED_POT;
    bool operator==(const COxidationRedPotSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COxidationRedPotSensor)
};

class CPAR_BiosphericalSensor : public CCoeffSensor<CPAR_BiosphericalSensor> {
    DECLARE_DYNCREATE(CPAR_BiosphericalSensor)
    TW_SENSOR_VALUE(double, M, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, CalibrationConstant, 0.0)
    TW_SENSOR_VALUE(double, Multiplier, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_PAR_BIOSPHERICAL;
    static constexpr int kReportWidth = 21;
    bool operator==(const CPAR_BiosphericalSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CPAR_BiosphericalSensor)
};

// pH electrode. Both elements are written with the class's number format
// (GetLpszFormat); the report always shows four decimals.
class CpH_Sensor : public CCoeffSensor<CpH_Sensor> {
    DECLARE_DYNCREATE(CpH_Sensor)
    TW_SENSOR_VALUE(double, Slope, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_PH;
    CpH_Sensor() = default;
    const char* GetLpszFormat() const { return m_lpszFormat; }
    TW_DECLARE_SENSOR_FIELDS(CpH_Sensor)

  protected:
    CpH_Sensor(double slope, const char* format) : m_Slope(slope), m_lpszFormat(format) {}

  public:
    // The format is the class's own constant, not part of the calibration.
    bool operator==(const CpH_Sensor& other) const {
        return CSensor::operator==(other) && m_Slope == other.m_Slope && m_Offset == other.m_Offset;
    }

  private:
    const char* m_lpszFormat = "%1.4f";
};

// The SeaFET electrodes: slope 1.0 by default, written with six decimals.
#define TW_SEAFET_PH_SENSOR(Class, ID)                     \
    class Class : public CCoeffSensor<Class, CpH_Sensor> { \
        DECLARE_DYNCREATE(Class)                           \
      public:                                              \
        static constexpr int kSensorID = ID;               \
        Class() : CCoeffSensor(1.0, "%1.6f") {}            \
        bool operator==(const Class&) const = default;     \
        using CpH_Sensor::FieldTable;                      \
    };

TW_SEAFET_PH_SENSOR(CpHInt_Sensor, SID_PH_SEAFET_INTERNAL)
TW_SEAFET_PH_SENSOR(CpHExt_Sensor, SID_PH_SEAFET_EXTERNAL)

class CSuspSedScatterSensor : public CCoeffSensor<CSuspSedScatterSensor> {
    DECLARE_DYNCREATE(CSuspSedScatterSensor)
    TW_SENSOR_VALUE(double, TotalVolConcConst, 0.0)
    TW_SENSOR_VALUE(double, SauterMeanDiameter, 0.0)
    TW_SENSOR_VALUE(double, CleanScatterOutput, 0.0)
    TW_SENSOR_VALUE(double, CleanTransOutput, 0.0)
  public:
    static constexpr int kSensorID = SID_SUSP_SED_SCATTER;
    static constexpr int kReportWidth = 30;
    bool operator==(const CSuspSedScatterSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CSuspSedScatterSensor)
};

// A voltage channel with a name that the user gives and a cubic.
class CUserPolySensor : public CCoeffSensor<CUserPolySensor> {
    DECLARE_DYNCREATE(CUserPolySensor)
    TW_SENSOR_VALUE(CString, ActualName, "")
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
    TW_SENSOR_VALUE(double, A3, 0.0)
  public:
    static constexpr int kSensorID = SID_USER_POLY;
    // A name is read up to 259 characters.
    static constexpr int kNameBuffer = 260;
    bool operator==(const CUserPolySensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CUserPolySensor)
};

class CPARLog_SatlanticSensor : public CCoeffSensor<CPARLog_SatlanticSensor> {
    DECLARE_DYNCREATE(CPARLog_SatlanticSensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, Im, 0.0)
  public:
    static constexpr int kSensorID = SID_PAR_LOG_SATLANTIC;
    static constexpr int kReportWidth = 21;
    bool operator==(const CPARLog_SatlanticSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CPARLog_SatlanticSensor)
};
