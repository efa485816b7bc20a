#include "sensors/OxygenSensors.h"

IMPLEMENT_DYNCREATE(COxTDW_68_Sensor, CSensor)
IMPLEMENT_DYNCREATE(COxOptodeSensor, CSensor)
IMPLEMENT_DYNCREATE(COxCurrentBeckmanSensor, CSensor)
IMPLEMENT_DYNCREATE(COxTempBeckmanSensor, CSensor)
IMPLEMENT_DYNCREATE(COxCurrentIOW_Sensor, CSensor)
IMPLEMENT_DYNCREATE(COxTempIOW_Sensor, CSensor)

TW_SENSOR_FIELDS(
    COxTDW_68_Sensor, Coeff("A0", &S::m_A0, "%1.6e").Sci("A0", 6),
    Coeff("A1", &S::m_A1, "%1.6e").Sci("A1", 6), Coeff("A2", &S::m_A2, "%1.6e").Sci("A2", 6),
    Coeff("B0", &S::m_B0, "%1.6e").Sci("B0", 6), Coeff("B1", &S::m_B1, "%1.6e").Sci("B1", 6),
    Coeff("C0", &S::m_C0, "%1.6e").Sci("C0", 6), Coeff("C1", &S::m_C1, "%1.6e").Sci("C1", 6),
    Coeff("C2", &S::m_C2, "%1.6e").Sci("C2", 6), Coeff("TA0", &S::m_TA0, "%1.6e").Sci("TA0", 6),
    Coeff("TA1", &S::m_TA1, "%1.6e").Sci("TA1", 6), Coeff("TA2", &S::m_TA2, "%1.6e").Sci("TA2", 6),
    Coeff("TA3", &S::m_TA3, "%1.6e").Sci("TA3", 6),
    Coeff("pcor", &S::m_pcor, "%1.6e").Sci("pcor", 6))

long COxTDW_68_Sensor::WriteOwnXML(TDWXML::COutputNode* node, const COxTDW_68_Sensor& self,
                                   long baseStatus) {
    for (const SCoeffField<COxTDW_68_Sensor>& field : FieldTable()) {
        if (node->WriteDouble(field.tag, self.*field.dbl, field.format, -1, "index") != 0) {
            return TDWXML::E_FAIL_XML;
        }
    }
    return baseStatus;
}

CString COxTDW_68_Sensor::ToString() const {
    CString text;
    text.Format("Cal date: %s\nSerial number: %s", GetCalDate().GetString(),
                GetSerialNum().GetString());
    // The element tags are the coefficient names.
    for (const SCoeffField<COxTDW_68_Sensor>& field : FieldTable()) {
        text.AppendFormat("\n%s = %1.6e", field.tag, this->*field.dbl);
    }
    return text;
}

TW_SENSOR_FIELDS(
    COxOptodeSensor,
    Flag("DoSalinityCorrection", &S::m_DoSalinityCorrection)
        .Optional()
        .Shown("Salinity correction")
        .Line(2),
    Flag("DoDepthCorrection", &S::m_DoDepthCorrection).Optional().Shown("Depth correction").Line(3),
    Coeff("InternalSalinity", &S::m_InternalSalinity, nullptr)
        .Optional()
        .Shown("Internal salinity")
        .Line(1))

TW_SENSOR_FIELDS(COxCurrentBeckmanSensor, Coeff("M", &S::m_M, "%1.4e").Sci("M", 4),
                 Coeff("B", &S::m_B, "%1.4e").Sci("B", 4),
                 Coeff("Soc", &S::m_Soc, "%1.4f").Fixed("Soc", 4),
                 Coeff("Boc", &S::m_Boc, "%1.4f").Fixed("Boc", 4),
                 Coeff("Tcor", &S::m_Tcor, "%1.4f").Fixed("Tcor", 4),
                 Coeff("Pcor", &S::m_Pcor, "%1.2e").Sci("Pcor", 2),
                 Coeff("Tau", &S::m_Tau, "%1.1f").Fixed("Tau", 1),
                 Coeff("Wt", &S::m_Wt, "%1.2f").Fixed("Wt", 2))

TW_SENSOR_FIELDS(COxTempBeckmanSensor, Coeff("K", &S::m_K, "%1.4f").Fixed("K", 4),
                 Coeff("C", &S::m_C, "%1.4f").Fixed("C", 4))

TW_SENSOR_FIELDS(COxCurrentIOW_Sensor, Coeff("B0", &S::m_B0, "%1.8f").Fixed("B0", 8),
                 Coeff("B1", &S::m_B1, "%1.8f").Fixed("B1", 8))

TW_SENSOR_FIELDS(COxTempIOW_Sensor, Coeff("A0", &S::m_A0, "%1.8f").Fixed("A0", 8),
                 Coeff("A1", &S::m_A1, "%1.8f").Fixed("A1", 8),
                 Coeff("A2", &S::m_A2, "%1.8f").Fixed("A2", 8),
                 Coeff("A3", &S::m_A3, "%1.8f").Fixed("A3", 8))
