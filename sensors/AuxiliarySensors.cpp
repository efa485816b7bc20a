#include "sensors/AuxiliarySensors.h"

IMPLEMENT_DYNCREATE(CAltimeterSensor, CSensor)
IMPLEMENT_DYNCREATE(CBottlesClosedSensor, CSensor)
IMPLEMENT_DYNCREATE(CBottomContactSensor, CSensor)
IMPLEMENT_DYNCREATE(CGTD_DO_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CGTD_N2_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CSoundVelocitySensor, CSensor)
IMPLEMENT_DYNCREATE(CSPAR_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CSuspSedTransSensor, CSensor)
IMPLEMENT_DYNCREATE(CZapsSensor, CSensor)

TW_SENSOR_XML_ITEMS(CAltimeterSensor, XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.3f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.3f"))

TW_SENSOR_REPORT_LINES(CAltimeterSensor, LineFixed("Scale factor", &S::m_ScaleFactor, 3),
                       LineFixed("Offset", &S::m_Offset, 3))

int CBottlesClosedSensor::BottlesClosed(double frequency) {
    struct SThreshold {
        double frequency;
        int bottles;
    };
    static constexpr SThreshold kThresholds[] = {
        {24000, -1}, {21402, 11}, {20566, 10}, {19657, 9}, {18686, 8}, {17361, 7},
        {16071, 6},  {14852, 5},  {13155, 4},  {11250, 3}, {9220, 2},  {6336, 1},
    };
    for (const SThreshold& threshold : kThresholds) {
        if (frequency >= threshold.frequency) {
            return threshold.bottles;
        }
    }
    return 0;
}

TW_SENSOR_XML_ITEMS(CSoundVelocitySensor, XmlDouble("A0", &S::m_A0, "%1.8f"),
                    XmlDouble("A1", &S::m_A1, "%1.8f"), XmlDouble("A2", &S::m_A2, "%1.8f"))

TW_SENSOR_REPORT_LINES(CSoundVelocitySensor, LineFixed("A0", &S::m_A0, 8),
                       LineFixed("A1", &S::m_A1, 8), LineFixed("A2", &S::m_A2, 8))

TW_SENSOR_XML_ITEMS(CSPAR_Sensor, XmlDouble("ConversionFactor", &S::m_ConversionFactor, "%1.8f"),
                    XmlDouble("RatioMultiplier", &S::m_RatioMultiplier, "%1.8f"))

TW_SENSOR_REPORT_LINES(CSPAR_Sensor, LineFixed("Conversion factor", &S::m_ConversionFactor, 8),
                       LineFixed("Ratio multiplier", &S::m_RatioMultiplier, 8))

TW_SENSOR_XML_ITEMS(CZapsSensor, XmlDouble("M", &S::m_M, "%1.6e"), XmlDouble("B", &S::m_B, "%1.6e"))

TW_SENSOR_REPORT_LINES(CZapsSensor, LineFixed("M", &S::m_M, 6), LineFixed("B", &S::m_B, 6))
