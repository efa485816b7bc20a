#include "sensors/OpticalSensors.h"

IMPLEMENT_DYNCREATE(CFluoroTurnerRangeSensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_IFREMER_DirectSensor, CSensor)

double CFluoroTurnerRangeSensor::CalcScaleFactor(double volts) {
    if (volts < 0.2) {
        return 1.0;
    }
    if (volts <= 0.55) {
        return 3.16;
    }
    if (volts < 0.85) {
        return 10.0;
    }
    return 31.0;
}
