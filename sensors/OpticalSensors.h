#pragma once
// Fluorometers, turbidity (OBS) sensors and transmissometers.

#include "core/CoeffSensor.h"

class CFluoroTurnerRangeSensor : public CCoeffSensor<CFluoroTurnerRangeSensor> {
    DECLARE_DYNCREATE(CFluoroTurnerRangeSensor)
  public:
    static constexpr int kSensorID = SID_FLUORO_TURNER_RANGE;
    static constexpr bool kSilentReport = true;
    bool operator==(const CFluoroTurnerRangeSensor&) const = default;

    // The scale factor that the range output voltage selects.
    static double CalcScaleFactor(double volts);
};

class COBS_IFREMER_DirectSensor : public CCoeffSensor<COBS_IFREMER_DirectSensor> {
    DECLARE_DYNCREATE(COBS_IFREMER_DirectSensor)
  public:
    static constexpr int kSensorID = SID_OBS_IFREMER_DIRECT;
    static constexpr bool kSilentReport = true;
    bool operator==(const COBS_IFREMER_DirectSensor&) const = default;
};
