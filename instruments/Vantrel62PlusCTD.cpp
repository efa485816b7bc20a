#include "instruments/Vantrel62PlusCTD.h"

IMPLEMENT_DYNCREATE(C62VantrelPlusCTD, C62V2VantrelCTD)

C62VantrelPlusCTD::C62VantrelPlusCTD() {
    m_serialSensor = CRange<int>(NO_SERIAL_SENSOR, NO_SERIAL_SENSOR, PRESSURE_TDW_58);
    DefaultConfig();
}
