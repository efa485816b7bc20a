#pragma once
// Pressure sensors: Digiquartz with and without temperature compensation,
// strain gauges (voltage and Druck count), FGP and the serial TDW 58.

#include "core/CoeffSensor.h"

class CPressureDigiquartzSensor : public CCoeffSensor<CPressureDigiquartzSensor> {
    DECLARE_DYNCREATE(CPressureDigiquartzSensor)
    TW_SENSOR_VALUE(double, C1, 0.0)
    TW_SENSOR_VALUE(double, C2, 0.0)
    TW_SENSOR_VALUE(double, C3, 0.0)
    // Held, copied and compared, but neither stored in XML nor reported.
    TW_SENSOR_VALUE(double, C4, 0.0)
    TW_SENSOR_VALUE(double, D1, 0.0)
    TW_SENSOR_VALUE(double, D2, 0.0)
    TW_SENSOR_VALUE(double, T1, 0.0)
    TW_SENSOR_VALUE(double, T2, 0.0)
    TW_SENSOR_VALUE(double, T3, 0.0)
    TW_SENSOR_VALUE(double, T4, 0.0)
    TW_SENSOR_VALUE(double, Slope, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_PRESSURE_DIGIQUARTZ;
    bool operator==(const CPressureDigiquartzSensor&) const = default;

    // Reads into a fresh object that the sensor factory makes for this
    // sensor's own ID (E_OUT_OF_MEMORY when it makes none) and takes only the
    // Digiquartz part of it, so that a subclass can read its own items after.
    long ReadXML(TDWXML::CInputNode* node) override;

    // The report in two halves, between which a subclass puts lines of its
    // own: the common lines and C1 to T4, then Slope and Offset. The report of
    // this class is the two halves with label width 14.
    void Report1(std::ostream& os, int indent, int width) const;
    void Report2(std::ostream& os, int indent, int width) const;

    TW_DECLARE_SENSOR_FIELDS(CPressureDigiquartzSensor)
};

class CPressureDigiquartzTC_Sensor
    : public CCoeffSensor<CPressureDigiquartzTC_Sensor, CPressureDigiquartzSensor> {
    DECLARE_DYNCREATE(CPressureDigiquartzTC_Sensor)
    TW_SENSOR_VALUE(double, T5, 0.0)
    // 1: AD590M and AD590B are present and in use; XML without either of them
    // clears it.
    TW_SENSOR_VALUE(int, bIncludeMB, 1)
    TW_SENSOR_VALUE(double, AD590M, 0.0125)
    TW_SENSOR_VALUE(double, AD590B, -10.0)
  public:
    static constexpr int kSensorID = SID_PRESSURE_DIGIQUARTZ_TC;

    // The Digiquartz part and T5, and AD590M and AD590B when the left operand
    // includes them; bIncludeMB itself is not compared.
    bool operator==(const CPressureDigiquartzTC_Sensor& other) const;

    // The Digiquartz read, then T5 (required) and the AD590 pair (optional,
    // both or neither).
    long ReadXML(TDWXML::CInputNode* node) override;
    static long WriteOwnXML(TDWXML::COutputNode* node, const CPressureDigiquartzTC_Sensor& self,
                            long status);
    void Report(std::ostream& os, int indent) const override;

    // The Digiquartz fields, then its own.
    std::vector<SSensorField> Fields() const override;
    CString GetFieldText(std::size_t field) const override;
    bool SetFieldText(std::size_t field, const CString& text) override;
    double GetFieldValue(std::size_t field) const override;
    bool SetFieldValue(std::size_t field, double value) override;

    TW_DECLARE_SENSOR_FIELDS(CPressureDigiquartzTC_Sensor)
};

// The count-output strain gauge with a temperature-compensated polynomial.
class CPressureDruckSensor : public CCoeffSensor<CPressureDruckSensor> {
    DECLARE_DYNCREATE(CPressureDruckSensor)
    TW_SENSOR_VALUE(double, PA0, 0.0)
    TW_SENSOR_VALUE(double, PA1, 0.0)
    TW_SENSOR_VALUE(double, PA2, 0.0)
    TW_SENSOR_VALUE(double, PTEMPA0, 0.0)
    TW_SENSOR_VALUE(double, PTEMPA1, 0.0)
    TW_SENSOR_VALUE(double, PTEMPA2, 0.0)
    TW_SENSOR_VALUE(double, PTCA0, 0.0)
    TW_SENSOR_VALUE(double, PTCA1, 0.0)
    TW_SENSOR_VALUE(double, PTCA2, 0.0)
    TW_SENSOR_VALUE(double, PTCB0, 0.0)
    TW_SENSOR_VALUE(double, PTCB1, 0.0)
    TW_SENSOR_VALUE(double, PTCB2, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_PRESSURE_DRUCK;
    bool operator==(const CPressureDruckSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CPressureDruckSensor)
};

class CPressureFGP_Sensor : public CCoeffSensor<CPressureFGP_Sensor> {
    DECLARE_DYNCREATE(CPressureFGP_Sensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_PRESSURE_FGP;
    bool operator==(const CPressureFGP_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CPressureFGP_Sensor)
};

class CPressureTDW58Sensor : public CCoeffSensor<CPressureTDW58Sensor> {
    DECLARE_DYNCREATE(CPressureTDW58Sensor)
  public:
    static constexpr int kSensorID = SID_PRESSURE_TDW58;
    bool operator==(const CPressureTDW58Sensor&) const = default;
};

// The voltage-output strain gauge with a quadratic polynomial.
class CPressureStrainGaugeSensor : public CCoeffSensor<CPressureStrainGaugeSensor> {
    DECLARE_DYNCREATE(CPressureStrainGaugeSensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_PRESSURE_STRAIN_GAUGE;
    bool operator==(const CPressureStrainGaugeSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CPressureStrainGaugeSensor)
};
