#include "sensors/ConductivitySensor.h"

#include <tuple>

IMPLEMENT_DYNCREATE(CCondSensor, CSensor)

namespace {

bool ShowsSetGJ(const CCondSensor& sensor) {
    return sensor.GetbUseG_J() != 0;
}
bool ShowsSetAM(const CCondSensor& sensor) {
    return sensor.GetbUseG_J() == 0;
}
bool ShowsCell(const CCondSensor& sensor) {
    return sensor.IsWideRange();
}

}  // namespace

bool CCondSensor::IsWideRange() const {
    return GetSerialNum().Find('W') >= 0 || GetSerialNum().Find('w') >= 0;
}

bool CCondSensor::operator==(const CCondSensor& other) const {
    const auto always = [](const CCondSensor& s) {
        return std::tie(s.m_bUseG_J, s.m_A, s.m_B, s.m_C, s.m_D, s.m_M, s.m_Pcor, s.m_G, s.m_H,
                        s.m_I, s.m_J, s.m_CTcor, s.m_CPcor, s.m_Slope, s.m_Offset, s.m_WBOTC,
                        s.m_ConductivityType);
    };
    if (!CSensor::operator==(other) || always(*this) != always(other)) {
        return false;
    }
    return !IsWideRange() ||
           std::tie(m_CellConst, m_SeriesR) == std::tie(other.m_CellConst, other.m_SeriesR);
}

// ConductivityType and WBOTC may be missing (type 0, WBOTC 0.0); every other
// item, and both coefficient groups, must be there. Only the set in use
// shows in the report, with its own pressure correction.
TW_SENSOR_FIELDS(
    CCondSensor, Flag("UseG_J", &S::m_bUseG_J).Labelled("Use G, H, I, J coefficients"),
    Comment<S>("Cell const and series R are applicable only for wide range sensors."),
    Coeff("SeriesR", &S::m_SeriesR, "%1.4f").Fixed("Series R", 4, ShowsCell).Line(16),
    Coeff("CellConst", &S::m_CellConst, "%1.4f").Fixed("Cell Const", 4, ShowsCell).Line(15),
    Int("ConductivityType", &S::m_ConductivityType).Optional().Labelled("Conductivity type"),
    Group<S>("Coefficients", 0, "equation"),
    Coeff("A", &S::m_A, "%1.8e").Sci("A", 8, ShowsSetAM).Line(7),
    Coeff("B", &S::m_B, "%1.8e").Sci("B", 8, ShowsSetAM).Line(8),
    Coeff("C", &S::m_C, "%1.8e").Sci("C", 8, ShowsSetAM).Line(9),
    Coeff("D", &S::m_D, "%1.8e").Sci("D", 8, ShowsSetAM).Line(10),
    Coeff("M", &S::m_M, "%1.1f").Fixed("M", 1, ShowsSetAM).Line(11),
    Coeff("CPcor", &S::m_Pcor, "%1.8e").Sci("CPcor", 8, ShowsSetAM).Line(12), EndGroup<S>(),
    Group<S>("Coefficients", 1, "equation"),
    Coeff("G", &S::m_G, "%1.8e").Sci("G", 8, ShowsSetGJ).Line(1),
    Coeff("H", &S::m_H, "%1.8e").Sci("H", 8, ShowsSetGJ).Line(2),
    Coeff("I", &S::m_I, "%1.8e").Sci("I", 8, ShowsSetGJ).Line(3),
    Coeff("J", &S::m_J, "%1.8e").Sci("J", 8, ShowsSetGJ).Line(4),
    Coeff("CPcor", &S::m_CPcor, "%1.8e").Sci("CPcor", 8, ShowsSetGJ).Line(6),
    Coeff("CTcor", &S::m_CTcor, "%1.4e").Sci("CTcor", 4, ShowsSetGJ).Line(5),
    Comment<S>("WBOTC not applicable unless ConductivityType = 1."),
    Coeff("WBOTC", &S::m_WBOTC, "%1.8e").Optional(), EndGroup<S>(),
    Coeff("Slope", &S::m_Slope, "%1.8f").Fixed("Slope", 8).Line(13),
    Coeff("Offset", &S::m_Offset, "%1.5f").Fixed("Offset", 5).Line(14))
