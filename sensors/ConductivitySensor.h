#pragma once
// The frequency-output conductivity cell: two complete coefficient sets, each
// with its own pressure correction, and the cell constant and series
// resistance of wide-range cells.

#include "core/CoeffSensor.h"

class CCondSensor : public CCoeffSensor<CCondSensor> {
    DECLARE_DYNCREATE(CCondSensor)
    // 1: the G, H, I, J set is in use; 0: the older A, B, C, D, M set.
    TW_SENSOR_VALUE(int, bUseG_J, 1)
    TW_SENSOR_VALUE(double, A, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, C, 0.0)
    TW_SENSOR_VALUE(double, D, 0.0)
    TW_SENSOR_VALUE(double, M, 0.0)
    // Pressure correction of the older set ("CPcor" of its group in XML).
    TW_SENSOR_VALUE(double, Pcor, -9.57e-8)
    TW_SENSOR_VALUE(double, G, 0.0)
    TW_SENSOR_VALUE(double, H, 0.0)
    TW_SENSOR_VALUE(double, I, 0.0)
    TW_SENSOR_VALUE(double, J, 0.0)
    TW_SENSOR_VALUE(double, CTcor, 3.25e-6)
    TW_SENSOR_VALUE(double, CPcor, -9.57e-8)
    // Used only with ConductivityType 1.
    TW_SENSOR_VALUE(double, WBOTC, 0.0)
    TW_SENSOR_VALUE(double, Slope, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
    TW_SENSOR_VALUE(double, CellConst, 2000.0)
    TW_SENSOR_VALUE(double, SeriesR, 0.0)
    TW_SENSOR_VALUE(int, ConductivityType, 0)
  public:
    static constexpr int kSensorID = SID_CONDUCTIVITY;

    // A wide-range cell has "W" or "w" in its serial number. Only such a cell
    // reports its cell constant and series resistance and counts them for
    // equality; every cell stores them.
    bool IsWideRange() const;

    // Every member but CellConst and SeriesR; those two as well when the left
    // operand is a wide-range cell.
    bool operator==(const CCondSensor& other) const;

    TW_DECLARE_SENSOR_FIELDS(CCondSensor)
};
