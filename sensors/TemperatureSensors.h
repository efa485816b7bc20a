#pragma once
// Temperature sensors: frequency output (TDW 2), the serial remote TDW 83, the
// count outputs of the TDW 94 and the Vantrel plus instruments, and a channel
// without coefficients.

#include "core/CoeffSensor.h"

class CTempTDW83Sensor : public CCoeffSensor<CTempTDW83Sensor> {
    DECLARE_DYNCREATE(CTempTDW83Sensor)
  public:
    static constexpr int kSensorID = SID_TEMP_TDW83;
    bool operator==(const CTempTDW83Sensor&) const = default;
};

class CTempNoCoeffSensor : public CCoeffSensor<CTempNoCoeffSensor> {
    DECLARE_DYNCREATE(CTempNoCoeffSensor)
  public:
    static constexpr int kSensorID = SID_TEMP_NO_COEFF;
    bool operator==(const CTempNoCoeffSensor&) const = default;
};
