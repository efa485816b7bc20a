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

std::span<const SCoeffXml<CAltimeterSensor>> CAltimeterSensor::XmlItems() {
    using S = CAltimeterSensor;
    static const SCoeffXml<S> items[] = {
        XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.3f"),
        XmlDouble("Offset", &S::m_Offset, "%1.3f"),
    };
    return items;
}

std::span<const SCoeffLine<CAltimeterSensor>> CAltimeterSensor::ReportLines() {
    using S = CAltimeterSensor;
    static const SCoeffLine<S> lines[] = {
        LineFixed("Scale factor", &S::m_ScaleFactor, 3),
        LineFixed("Offset", &S::m_Offset, 3),
    };
    return lines;
}

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

std::span<const SCoeffXml<CSoundVelocitySensor>> CSoundVelocitySensor::XmlItems() {
    using S = CSoundVelocitySensor;
    static const SCoeffXml<S> items[] = {
        XmlDouble("A0", &S::m_A0, "%1.8f"),
        XmlDouble("A1", &S::m_A1, "%1.8f"),
        XmlDouble("A2", &S::m_A2, "%1.8f"),
    };
    return items;
}

std::span<const SCoeffLine<CSoundVelocitySensor>> CSoundVelocitySensor::ReportLines() {
    using S = CSoundVelocitySensor;
    static const SCoeffLine<S> lines[] = {
        LineFixed("A0", &S::m_A0, 8),
        LineFixed("A1", &S::m_A1, 8),
        LineFixed("A2", &S::m_A2, 8),
    };
    return lines;
}

std::span<const SCoeffXml<CSPAR_Sensor>> CSPAR_Sensor::XmlItems() {
    using S = CSPAR_Sensor;
    static const SCoeffXml<S> items[] = {
        XmlDouble("ConversionFactor", &S::m_ConversionFactor, "%1.8f"),
        XmlDouble("RatioMultiplier", &S::m_RatioMultiplier, "%1.8f"),
    };
    return items;
}

std::span<const SCoeffLine<CSPAR_Sensor>> CSPAR_Sensor::ReportLines() {
    using S = CSPAR_Sensor;
    static const SCoeffLine<S> lines[] = {
        LineFixed("Conversion factor", &S::m_ConversionFactor, 8),
        LineFixed("Ratio multiplier", &S::m_RatioMultiplier, 8),
    };
    return lines;
}

std::span<const SCoeffXml<CZapsSensor>> CZapsSensor::XmlItems() {
    using S = CZapsSensor;
    static const SCoeffXml<S> items[] = {
        XmlDouble("M", &S::m_M, "%1.6e"),
        XmlDouble("B", &S::m_B, "%1.6e"),
    };
    return items;
}

std::span<const SCoeffLine<CZapsSensor>> CZapsSensor::ReportLines() {
    using S = CZapsSensor;
    static const SCoeffLine<S> lines[] = {
        LineFixed("M", &S::m_M, 6),
        LineFixed("B", &S::m_B, 6),
    };
    return lines;
}
