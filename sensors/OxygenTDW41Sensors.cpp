#include "sensors/OxygenTDW41Sensors.h"

IMPLEMENT_DYNAMIC(COxTDW_Base, CSensor)
IMPLEMENT_DYNCREATE(COxTDW_Sensor, COxTDW_Base)
IMPLEMENT_DYNCREATE(COxTDW_F_Sensor, COxTDW_Base)
IMPLEMENT_DYNCREATE(COxTDW_I_Sensor, COxTDW_Base)

namespace {

constexpr int kLabelWidth = 14;

bool UsesTidewren(const COxTDW_Base& sensor) {
    return sensor.GetUse2007Equations() != 0;
}
bool UsesOwensMillard(const COxTDW_Base& sensor) {
    return sensor.GetUse2007Equations() == 0;
}

}  // namespace

// Both groups are always written. Reading needs both groups and, in the
// Owens-Millard group, every coefficient. In the Tidewren group a file may
// lack H1, H2 and H3 (the sensor keeps their defaults); every other
// coefficient of that group is required as well: a sensor whose calibration
// lost one of them would otherwise convert with a silent zero. Only the set
// in use shows in the report; the Tidewren set lists E and Tau20 before D1
// and D2.
TW_SENSOR_FIELDS(
    COxTDW_Base,
    Flag("Use2007Equation", &S::m_Use2007Equations).Optional().Labelled("Use 2007 equation"),
    Group<S>("CalibrationCoefficients", 0, "equation"),
    Comment<S>("Coefficients for Owens-Millard equation."),
    Coeff("Boc", &S::m_Boc, "%1.4f").Fixed("Boc", 4, UsesOwensMillard).Line(2),
    Coeff("Soc", &S::m_Soc, "%1.4e").Sci("Soc", 4, UsesOwensMillard).Line(1),
    Coeff("offset", &S::m_Offset, "%1.4f").Fixed("Offset", 4, UsesOwensMillard).Line(3),
    Coeff("Pcor", &S::m_Pcor, "%1.2e").Sci("Pcor", 2, UsesOwensMillard).Line(5),
    Coeff("Tcor", &S::m_Tcor, "%1.4f").Fixed("Tcor", 4, UsesOwensMillard).Line(4),
    Coeff("Tau", &S::m_Tau, "%1.1f").Fixed("Tau", 1, UsesOwensMillard).Line(6), EndGroup<S>(),
    Group<S>("CalibrationCoefficients", 1, "equation"),
    Comment<S>("Coefficients for Tidewren equation - TDW calibration in 2007 and later."),
    Coeff("Soc", &S::m_Soc2007, "%1.4e").Sci("Soc", 5, UsesTidewren).Line(7),
    Coeff("offset", &S::m_Voffset2007, "% 6.4lf").Sci("Offset", 5, UsesTidewren).Line(8),
    Coeff("A", &S::m_A, "% 6.4le").Sci("A", 5, UsesTidewren).Line(9),
    Coeff("B", &S::m_B, "% 6.4le").Sci("B", 5, UsesTidewren).Line(10),
    Coeff("C", &S::m_C, "% 6.4le").Sci("C", 5, UsesTidewren).Line(11),
    Constant<S>("D0", S::kD0, "% 6.4le"),
    Coeff("D1", &S::m_D1, "% 7.5le").Sci("D1", 5, UsesTidewren).Line(14),
    Coeff("D2", &S::m_D2, "% 7.5le").Sci("D2", 5, UsesTidewren).Line(15),
    Coeff("E", &S::m_E, "% 6.4le").Sci("E", 5, UsesTidewren).Line(12),
    Coeff("Tau20", &S::m_Tau20, "% 6.4lf").Sci("Tau20", 5, UsesTidewren).Line(13),
    Coeff("H1", &S::m_H1, "% 6.4le").Optional().Sci("H1", 5, UsesTidewren).Line(16),
    Coeff("H2", &S::m_H2, "% 6.4le").Optional().Sci("H2", 5, UsesTidewren).Line(17),
    Coeff("H3", &S::m_H3, "% 6.4le").Optional().Sci("H3", 5, UsesTidewren).Line(18), EndGroup<S>())

long COxTDW_Base::_ReadXML_(TDWXML::CInputNode* node) {
    if (ReadBaseXML(node) == TDWXML::E_WRONG_OBJECT) {
        return TDWXML::E_WRONG_OBJECT;
    }
    return CoeffTable::Read(node, *this, FieldTable()) == 0 ? TDWXML::S_OK_XML : TDWXML::E_FAIL_XML;
}

void COxTDW_Base::ReportOwn(std::ostream& os, int indent, const COxTDW_Base& self) {
    ReportLine(os, indent, kLabelWidth, "Equation",
               UsesTidewren(self) ? "Tidewren" : "Owens-Millard");
    CoeffTable::Report(os, indent, kLabelWidth, self, FieldTable());
}
