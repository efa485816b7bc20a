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
// lost one of them would otherwise convert with a silent zero.
TW_SENSOR_XML_ITEMS(
    COxTDW_Base, XmlInt("Use2007Equation", &S::m_Use2007Equations, true),
    XmlOpenGroup<S>("CalibrationCoefficients", 0, "equation"),
    XmlComment<S>("Coefficients for Owens-Millard equation."), XmlDouble("Boc", &S::m_Boc, "%1.4f"),
    XmlDouble("Soc", &S::m_Soc, "%1.4e"), XmlDouble("offset", &S::m_Offset, "%1.4f"),
    XmlDouble("Pcor", &S::m_Pcor, "%1.2e"), XmlDouble("Tcor", &S::m_Tcor, "%1.4f"),
    XmlDouble("Tau", &S::m_Tau, "%1.1f"), XmlCloseGroup<S>(),
    XmlOpenGroup<S>("CalibrationCoefficients", 1, "equation"),
    XmlComment<S>("Coefficients for Tidewren equation - TDW calibration in 2007 and later."),
    XmlDouble("Soc", &S::m_Soc2007, "%1.4e"), XmlDouble("offset", &S::m_Voffset2007, "% 6.4lf"),
    XmlDouble("A", &S::m_A, "% 6.4le"), XmlDouble("B", &S::m_B, "% 6.4le"),
    XmlDouble("C", &S::m_C, "% 6.4le"), XmlConstant<S>("D0", S::kD0, "% 6.4le"),
    XmlDouble("D1", &S::m_D1, "% 7.5le"), XmlDouble("D2", &S::m_D2, "% 7.5le"),
    XmlDouble("E", &S::m_E, "% 6.4le"), XmlDouble("Tau20", &S::m_Tau20, "% 6.4lf"),
    XmlOptionalDouble("H1", &S::m_H1, "% 6.4le"), XmlOptionalDouble("H2", &S::m_H2, "% 6.4le"),
    XmlOptionalDouble("H3", &S::m_H3, "% 6.4le"), XmlCloseGroup<S>())

// Only the set in use shows; the Tidewren set lists E and Tau20 before D1
// and D2.
TW_SENSOR_REPORT_LINES(
    COxTDW_Base, LineSci("Soc", &S::m_Soc, 4, UsesOwensMillard),
    LineFixed("Boc", &S::m_Boc, 4, UsesOwensMillard),
    LineFixed("Offset", &S::m_Offset, 4, UsesOwensMillard),
    LineFixed("Tcor", &S::m_Tcor, 4, UsesOwensMillard),
    LineSci("Pcor", &S::m_Pcor, 2, UsesOwensMillard),
    LineFixed("Tau", &S::m_Tau, 1, UsesOwensMillard),
    LineSci("Soc", &S::m_Soc2007, 5, UsesTidewren),
    LineSci("Offset", &S::m_Voffset2007, 5, UsesTidewren), LineSci("A", &S::m_A, 5, UsesTidewren),
    LineSci("B", &S::m_B, 5, UsesTidewren), LineSci("C", &S::m_C, 5, UsesTidewren),
    LineSci("E", &S::m_E, 5, UsesTidewren), LineSci("Tau20", &S::m_Tau20, 5, UsesTidewren),
    LineSci("D1", &S::m_D1, 5, UsesTidewren), LineSci("D2", &S::m_D2, 5, UsesTidewren),
    LineSci("H1", &S::m_H1, 5, UsesTidewren), LineSci("H2", &S::m_H2, 5, UsesTidewren),
    LineSci("H3", &S::m_H3, 5, UsesTidewren))

long COxTDW_Base::_ReadXML_(TDWXML::CInputNode* node) {
    if (ReadBaseXML(node) == TDWXML::E_WRONG_OBJECT) {
        return TDWXML::E_WRONG_OBJECT;
    }
    return CoeffTable::Read(node, *this, XmlItems()) == 0 ? TDWXML::S_OK_XML : TDWXML::E_FAIL_XML;
}

void COxTDW_Base::ReportOwn(std::ostream& os, int indent, const COxTDW_Base& self) {
    ReportLine(os, indent, kLabelWidth, "Equation",
               UsesTidewren(self) ? "Tidewren" : "Owens-Millard");
    CoeffTable::Report(os, indent, kLabelWidth, self, ReportLines());
}
