#pragma once
// Auxiliary sensors: altimeter, bottle closure and bottom contact switches,
// light, sound velocity, the LISST-25A channels, Zaps and gas tension.

#include "core/CoeffSensor.h"

class CAltimeterSensor : public CCoeffSensor<CAltimeterSensor> {
    DECLARE_DYNCREATE(CAltimeterSensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = 0;
    bool operator==(const CAltimeterSensor&) const = default;
    TW_DECLARE_SENSOR_TABLES(CAltimeterSensor)
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
    static constexpr int kSensorID = 22;
    bool operator==(const CGTD_DO_Sensor&) const = default;
};

class CGTD_N2_Sensor : public CCoeffSensor<CGTD_N2_Sensor> {
    DECLARE_DYNCREATE(CGTD_N2_Sensor)
  public:
    static constexpr int kSensorID = 23;
    bool operator==(const CGTD_N2_Sensor&) const = default;
};

class CSoundVelocitySensor : public CCoeffSensor<CSoundVelocitySensor> {
    DECLARE_DYNCREATE(CSoundVelocitySensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
  public:
    static constexpr int kSensorID = 50;
    bool operator==(const CSoundVelocitySensor&) const = default;
    TW_DECLARE_SENSOR_TABLES(CSoundVelocitySensor)
};

class CSPAR_Sensor : public CCoeffSensor<CSPAR_Sensor> {
    DECLARE_DYNCREATE(CSPAR_Sensor)
    TW_SENSOR_VALUE(double, ConversionFactor, 0.0)
    TW_SENSOR_VALUE(double, RatioMultiplier, 0.0)
  public:
    static constexpr int kSensorID = 51;
    static constexpr int kReportWidth = 18;
    bool operator==(const CSPAR_Sensor&) const = default;
    TW_DECLARE_SENSOR_TABLES(CSPAR_Sensor)
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
    static constexpr int kSensorID = 62;
    bool operator==(const CZapsSensor&) const = default;
    TW_DECLARE_SENSOR_TABLES(CZapsSensor)
};
