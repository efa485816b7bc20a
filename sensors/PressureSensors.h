#pragma once
// Pressure sensors: Digiquartz with and without temperature compensation,
// strain gauges (voltage and Druck count), FGP and the serial TDW 58.

#include "core/CoeffSensor.h"

class CPressureTDW58Sensor : public CCoeffSensor<CPressureTDW58Sensor> {
    DECLARE_DYNCREATE(CPressureTDW58Sensor)
  public:
    static constexpr int kSensorID = SID_PRESSURE_TDW58;
    bool operator==(const CPressureTDW58Sensor&) const = default;
};
