#include "sensors/TemperatureSensors.h"

IMPLEMENT_DYNCREATE(CTempTDW83Sensor, CSensor)
IMPLEMENT_DYNCREATE(CTempNoCoeffSensor, CSensor)
