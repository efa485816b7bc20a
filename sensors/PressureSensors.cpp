#include "sensors/PressureSensors.h"

IMPLEMENT_DYNCREATE(CPressureTDW58Sensor, CSensor)
