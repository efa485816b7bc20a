#pragma once
// Oxygen sensors other than the TDW 41 family: the serial optical TDW 68, the
// Aanderaa Optode, and the polarographic sensors of Beckman/YSI and IOW, whose
// current and temperature outputs sit on separate channels and so are two
// sensor classes each.

#include "core/CoeffSensor.h"

class COxTDW_68_Sensor : public CCoeffSensor<COxTDW_68_Sensor> {
    DECLARE_DYNCREATE(COxTDW_68_Sensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
    TW_SENSOR_VALUE(double, B0, 0.0)
    TW_SENSOR_VALUE(double, B1, 0.0)
    TW_SENSOR_VALUE(double, C0, 0.0)
    TW_SENSOR_VALUE(double, C1, 0.0)
    TW_SENSOR_VALUE(double, C2, 0.0)
    TW_SENSOR_VALUE(double, TA0, 0.0)
    TW_SENSOR_VALUE(double, TA1, 0.0)
    TW_SENSOR_VALUE(double, TA2, 0.0)
    TW_SENSOR_VALUE(double, TA3, 0.0)
    TW_SENSOR_VALUE(double, pcor, 0.0)
  public:
    static constexpr int kSensorID = SID_OXYGEN_TDW68;
    static constexpr int kReportWidth = 20;
    bool operator==(const COxTDW_68_Sensor&) const = default;

    // The calibration as text: date, serial number, then one "name = value"
    // line per coefficient; no line break after the last.
    CString ToString() const;

    // Stops at the first element that cannot be written.
    static long WriteOwnXML(TDWXML::COutputNode* node, const COxTDW_68_Sensor& self,
                            long baseStatus);
    TW_DECLARE_SENSOR_FIELDS(COxTDW_68_Sensor)
};

// Its three elements are optional: a missing one keeps the default. Compared
// only through SensorObjectsEqual.
class COxOptodeSensor : public CCoeffSensor<COxOptodeSensor> {
    DECLARE_DYNCREATE(COxOptodeSensor)
    TW_SENSOR_VALUE(int, DoSalinityCorrection, 0)
    TW_SENSOR_VALUE(int, DoDepthCorrection, 0)
    TW_SENSOR_VALUE(double, InternalSalinity, 0.0)
  public:
    static constexpr int kSensorID = SID_OXYGEN_OPTODE;
    static constexpr int kReportWidth = 20;
    TW_DECLARE_SENSOR_FIELDS(COxOptodeSensor)

    friend class CCoeffSensor<COxOptodeSensor>;
    bool operator==(const COxOptodeSensor&) const = default;
};

class COxCurrentBeckmanSensor : public CCoeffSensor<COxCurrentBeckmanSensor> {
    DECLARE_DYNCREATE(COxCurrentBeckmanSensor)
    TW_SENSOR_VALUE(double, M, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, Soc, 0.0)
    TW_SENSOR_VALUE(double, Boc, 0.0)
    TW_SENSOR_VALUE(double, Tcor, 0.0)
    TW_SENSOR_VALUE(double, Pcor, 0.0)
    TW_SENSOR_VALUE(double, Tau, 0.0)
    TW_SENSOR_VALUE(double, Wt, 0.0)
  public:
    static constexpr int kSensorID = SID_OX_CURRENT_BECKMAN;
    bool operator==(const COxCurrentBeckmanSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COxCurrentBeckmanSensor)
};

class COxTempBeckmanSensor : public CCoeffSensor<COxTempBeckmanSensor> {
    DECLARE_DYNCREATE(COxTempBeckmanSensor)
    TW_SENSOR_VALUE(double, K, 0.0)
    TW_SENSOR_VALUE(double, C, 0.0)
  public:
    static constexpr int kSensorID = SID_OX_TEMP_BECKMAN;
    bool operator==(const COxTempBeckmanSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COxTempBeckmanSensor)
};

class COxCurrentIOW_Sensor : public CCoeffSensor<COxCurrentIOW_Sensor> {
    DECLARE_DYNCREATE(COxCurrentIOW_Sensor)
    TW_SENSOR_VALUE(double, B0, 0.0)
    TW_SENSOR_VALUE(double, B1, 0.0)
  public:
    static constexpr int kSensorID = SID_OX_CURRENT_IOW;
    bool operator==(const COxCurrentIOW_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COxCurrentIOW_Sensor)
};

class COxTempIOW_Sensor : public CCoeffSensor<COxTempIOW_Sensor> {
    DECLARE_DYNCREATE(COxTempIOW_Sensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
    TW_SENSOR_VALUE(double, A3, 0.0)
  public:
    static constexpr int kSensorID = SID_OX_TEMP_IOW;
    bool operator==(const COxTempIOW_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COxTempIOW_Sensor)
};
