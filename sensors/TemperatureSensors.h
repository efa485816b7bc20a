#pragma once
// Temperature sensors: frequency output (TDW 2), the serial remote TDW 83, the
// count outputs of the TDW 94 and the Vantrel plus instruments, and a channel
// without coefficients.

#include "core/CoeffSensor.h"

class CTempTDW2Sensor : public CCoeffSensor<CTempTDW2Sensor> {
    DECLARE_DYNCREATE(CTempTDW2Sensor)
    // 1: the G, H, I, J, F0 set is in use; 0: the older A, B, C, D, F0_Old set.
    // Both sets are always held, stored and compared; the flag only chooses
    // the set that the report shows.
    TW_SENSOR_VALUE(int, bUseG_J, 1)
    TW_SENSOR_VALUE(double, A, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, C, 0.0)
    TW_SENSOR_VALUE(double, D, 0.0)
    TW_SENSOR_VALUE(double, F0_Old, 0.0)
    TW_SENSOR_VALUE(double, G, 0.0)
    TW_SENSOR_VALUE(double, H, 0.0)
    TW_SENSOR_VALUE(double, I, 0.0)
    TW_SENSOR_VALUE(double, J, 0.0)
    TW_SENSOR_VALUE(double, F0, 1000.0)
    TW_SENSOR_VALUE(double, Slope, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_TEMP_TDW2;
    bool operator==(const CTempTDW2Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CTempTDW2Sensor)
};

class CTempTDW83Sensor : public CCoeffSensor<CTempTDW83Sensor> {
    DECLARE_DYNCREATE(CTempTDW83Sensor)
  public:
    static constexpr int kSensorID = SID_TEMP_TDW83;
    bool operator==(const CTempTDW83Sensor&) const = default;
};

// The coefficients and report lines that the count-output sensors share. A
// class names its ID and whether its XML holds Offset before Slope.
template <class Derived>
class CTempCountSensor : public CCoeffSensor<Derived> {
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
    TW_SENSOR_VALUE(double, A3, 0.0)
    TW_SENSOR_VALUE(double, Slope, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    bool operator==(const CTempCountSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(Derived)
};

class CTempTDW94Sensor : public CTempCountSensor<CTempTDW94Sensor> {
    DECLARE_DYNCREATE(CTempTDW94Sensor)
  public:
    static constexpr int kSensorID = SID_TEMP_TDW94;
    static constexpr bool kOffsetBeforeSlope = true;
    bool operator==(const CTempTDW94Sensor&) const = default;
};

class CTempVantrelPlusSensor : public CTempCountSensor<CTempVantrelPlusSensor> {
    DECLARE_DYNCREATE(CTempVantrelPlusSensor)
  public:
    static constexpr int kSensorID = SID_TEMP_VANTREL_PLUS;
    static constexpr bool kOffsetBeforeSlope = false;
    bool operator==(const CTempVantrelPlusSensor&) const = default;
};

extern template class CTempCountSensor<CTempTDW94Sensor>;
extern template class CTempCountSensor<CTempVantrelPlusSensor>;

class CTempNoCoeffSensor : public CCoeffSensor<CTempNoCoeffSensor> {
    DECLARE_DYNCREATE(CTempNoCoeffSensor)
  public:
    static constexpr int kSensorID = SID_TEMP_NO_COEFF;
    bool operator==(const CTempNoCoeffSensor&) const = default;
};
