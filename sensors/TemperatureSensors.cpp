#include "sensors/TemperatureSensors.h"

IMPLEMENT_DYNCREATE(CTempTDW2Sensor, CSensor)
IMPLEMENT_DYNCREATE(CTempTDW83Sensor, CSensor)
IMPLEMENT_DYNCREATE(CTempTDW94Sensor, CSensor)
IMPLEMENT_DYNCREATE(CTempVantrelPlusSensor, CSensor)
IMPLEMENT_DYNCREATE(CTempNoCoeffSensor, CSensor)

namespace {

bool ShowsSetGJ(const CTempTDW2Sensor& sensor) {
    return sensor.GetbUseG_J() != 0;
}
bool ShowsSetAD(const CTempTDW2Sensor& sensor) {
    return sensor.GetbUseG_J() == 0;
}

}  // namespace

TW_SENSOR_XML_ITEMS(CTempTDW2Sensor, XmlInt("UseG_J", &S::m_bUseG_J),
                    XmlDouble("A", &S::m_A, "%1.8e"), XmlDouble("B", &S::m_B, "%1.8e"),
                    XmlDouble("C", &S::m_C, "%1.8e"), XmlDouble("D", &S::m_D, "%1.8e"),
                    XmlDouble("F0_Old", &S::m_F0_Old, "%1.3f"), XmlDouble("G", &S::m_G, "%1.8e"),
                    XmlDouble("H", &S::m_H, "%1.8e"), XmlDouble("I", &S::m_I, "%1.8e"),
                    XmlDouble("J", &S::m_J, "%1.8e"), XmlDouble("F0", &S::m_F0, "%1.3f"),
                    XmlDouble("Slope", &S::m_Slope, "%1.8f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.4f"))

// Only one set shows; "F0" is the reference frequency of that set.
TW_SENSOR_REPORT_LINES(CTempTDW2Sensor, LineSci("G", &S::m_G, 8, ShowsSetGJ),
                       LineSci("H", &S::m_H, 8, ShowsSetGJ), LineSci("I", &S::m_I, 8, ShowsSetGJ),
                       LineSci("J", &S::m_J, 8, ShowsSetGJ),
                       LineFixed("F0", &S::m_F0, 3, ShowsSetGJ),
                       LineSci("A", &S::m_A, 8, ShowsSetAD), LineSci("B", &S::m_B, 8, ShowsSetAD),
                       LineSci("C", &S::m_C, 8, ShowsSetAD), LineSci("D", &S::m_D, 8, ShowsSetAD),
                       LineFixed("F0", &S::m_F0_Old, 3, ShowsSetAD),
                       LineFixed("Slope", &S::m_Slope, 8), LineFixed("Offset", &S::m_Offset, 4))

template <class Derived>
std::span<const SCoeffXml<Derived>> CTempCountSensor<Derived>::XmlItems() {
    using S = CTempCountSensor;
    const SCoeffXml<Derived> slope = XmlDouble<Derived>("Slope", &S::m_Slope, "%1.8f");
    const SCoeffXml<Derived> offset = XmlDouble<Derived>("Offset", &S::m_Offset, "%1.4f");
    static const SCoeffXml<Derived> items[] = {
        XmlDouble<Derived>("A0", &S::m_A0, "%1.8e"),  XmlDouble<Derived>("A1", &S::m_A1, "%1.8e"),
        XmlDouble<Derived>("A2", &S::m_A2, "%1.8e"),  XmlDouble<Derived>("A3", &S::m_A3, "%1.8e"),
        Derived::kOffsetBeforeSlope ? offset : slope, Derived::kOffsetBeforeSlope ? slope : offset,
    };
    return items;
}

template <class Derived>
std::span<const SCoeffLine<Derived>> CTempCountSensor<Derived>::ReportLines() {
    using S = CTempCountSensor;
    static const SCoeffLine<Derived> lines[] = {
        LineSci<Derived>("A0", &S::m_A0, 8),         LineSci<Derived>("A1", &S::m_A1, 8),
        LineSci<Derived>("A2", &S::m_A2, 8),         LineSci<Derived>("A3", &S::m_A3, 8),
        LineFixed<Derived>("Slope", &S::m_Slope, 8), LineFixed<Derived>("Offset", &S::m_Offset, 4),
    };
    return lines;
}

template class CTempCountSensor<CTempTDW94Sensor>;
template class CTempCountSensor<CTempVantrelPlusSensor>;
