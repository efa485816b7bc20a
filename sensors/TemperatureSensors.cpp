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

// Only one set shows in the report; "F0" is the reference frequency of that
// set.
TW_SENSOR_FIELDS(CTempTDW2Sensor,
                 Flag("UseG_J", &S::m_bUseG_J).Labelled("Use G, H, I, J coefficients"),
                 Coeff("A", &S::m_A, "%1.8e").Sci("A", 8, ShowsSetAD).Line(6),
                 Coeff("B", &S::m_B, "%1.8e").Sci("B", 8, ShowsSetAD).Line(7),
                 Coeff("C", &S::m_C, "%1.8e").Sci("C", 8, ShowsSetAD).Line(8),
                 Coeff("D", &S::m_D, "%1.8e").Sci("D", 8, ShowsSetAD).Line(9),
                 Coeff("F0_Old", &S::m_F0_Old, "%1.3f").Fixed("F0", 3, ShowsSetAD).Line(10),
                 Coeff("G", &S::m_G, "%1.8e").Sci("G", 8, ShowsSetGJ).Line(1),
                 Coeff("H", &S::m_H, "%1.8e").Sci("H", 8, ShowsSetGJ).Line(2),
                 Coeff("I", &S::m_I, "%1.8e").Sci("I", 8, ShowsSetGJ).Line(3),
                 Coeff("J", &S::m_J, "%1.8e").Sci("J", 8, ShowsSetGJ).Line(4),
                 Coeff("F0", &S::m_F0, "%1.3f").Fixed("F0", 3, ShowsSetGJ).Line(5),
                 Coeff("Slope", &S::m_Slope, "%1.8f").Fixed("Slope", 8).Line(11),
                 Coeff("Offset", &S::m_Offset, "%1.4f").Fixed("Offset", 4).Line(12))

template <class Derived>
std::span<const SCoeffField<Derived>> CTempCountSensor<Derived>::FieldTable() {
    using S = CTempCountSensor;
    using namespace SensorFields;
    const auto slope = Coeff<Derived>("Slope", &S::m_Slope, "%1.8f").Fixed("Slope", 8).Line(5);
    const auto offset = Coeff<Derived>("Offset", &S::m_Offset, "%1.4f").Fixed("Offset", 4).Line(6);
    static const SCoeffField<Derived> fields[] = {
        Coeff<Derived>("A0", &S::m_A0, "%1.8e").Sci("A0", 8).Line(1),
        Coeff<Derived>("A1", &S::m_A1, "%1.8e").Sci("A1", 8).Line(2),
        Coeff<Derived>("A2", &S::m_A2, "%1.8e").Sci("A2", 8).Line(3),
        Coeff<Derived>("A3", &S::m_A3, "%1.8e").Sci("A3", 8).Line(4),
        Derived::kOffsetBeforeSlope ? offset : slope,
        Derived::kOffsetBeforeSlope ? slope : offset,
    };
    return fields;
}

template class CTempCountSensor<CTempTDW94Sensor>;
template class CTempCountSensor<CTempVantrelPlusSensor>;
