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
// item, and both coefficient groups, must be there.
TW_SENSOR_XML_ITEMS(
    CCondSensor, XmlInt("UseG_J", &S::m_bUseG_J),
    XmlComment<S>("Cell const and series R are applicable only for wide range sensors."),
    XmlDouble("SeriesR", &S::m_SeriesR, "%1.4f"), XmlDouble("CellConst", &S::m_CellConst, "%1.4f"),
    XmlInt("ConductivityType", &S::m_ConductivityType, true),
    XmlOpenGroup<S>("Coefficients", 0, "equation"), XmlDouble("A", &S::m_A, "%1.8e"),
    XmlDouble("B", &S::m_B, "%1.8e"), XmlDouble("C", &S::m_C, "%1.8e"),
    XmlDouble("D", &S::m_D, "%1.8e"), XmlDouble("M", &S::m_M, "%1.1f"),
    XmlDouble("CPcor", &S::m_Pcor, "%1.8e"), XmlCloseGroup<S>(),
    XmlOpenGroup<S>("Coefficients", 1, "equation"), XmlDouble("G", &S::m_G, "%1.8e"),
    XmlDouble("H", &S::m_H, "%1.8e"), XmlDouble("I", &S::m_I, "%1.8e"),
    XmlDouble("J", &S::m_J, "%1.8e"), XmlDouble("CPcor", &S::m_CPcor, "%1.8e"),
    XmlDouble("CTcor", &S::m_CTcor, "%1.4e"),
    XmlComment<S>("WBOTC not applicable unless ConductivityType = 1."),
    XmlOptionalDouble("WBOTC", &S::m_WBOTC, "%1.8e"), XmlCloseGroup<S>(),
    XmlDouble("Slope", &S::m_Slope, "%1.8f"), XmlDouble("Offset", &S::m_Offset, "%1.5f"))

// Only the set in use shows, with its own pressure correction.
TW_SENSOR_REPORT_LINES(CCondSensor, LineSci("G", &S::m_G, 8, ShowsSetGJ),
                       LineSci("H", &S::m_H, 8, ShowsSetGJ), LineSci("I", &S::m_I, 8, ShowsSetGJ),
                       LineSci("J", &S::m_J, 8, ShowsSetGJ),
                       LineSci("CTcor", &S::m_CTcor, 4, ShowsSetGJ),
                       LineSci("CPcor", &S::m_CPcor, 8, ShowsSetGJ),
                       LineSci("A", &S::m_A, 8, ShowsSetAM), LineSci("B", &S::m_B, 8, ShowsSetAM),
                       LineSci("C", &S::m_C, 8, ShowsSetAM), LineSci("D", &S::m_D, 8, ShowsSetAM),
                       LineFixed("M", &S::m_M, 1, ShowsSetAM),
                       LineSci("CPcor", &S::m_Pcor, 8, ShowsSetAM),
                       LineFixed("Slope", &S::m_Slope, 8), LineFixed("Offset", &S::m_Offset, 5),
                       LineFixed("Cell Const", &S::m_CellConst, 4, ShowsCell),
                       LineFixed("Series R", &S::m_SeriesR, 4, ShowsCell))
