#include "sensors/OxygenSensors.h"

IMPLEMENT_DYNCREATE(COxTDW_68_Sensor, CSensor)
IMPLEMENT_DYNCREATE(COxOptodeSensor, CSensor)
IMPLEMENT_DYNCREATE(COxCurrentBeckmanSensor, CSensor)
IMPLEMENT_DYNCREATE(COxTempBeckmanSensor, CSensor)
IMPLEMENT_DYNCREATE(COxCurrentIOW_Sensor, CSensor)
IMPLEMENT_DYNCREATE(COxTempIOW_Sensor, CSensor)

TW_SENSOR_XML_ITEMS(COxTDW_68_Sensor, XmlDouble("A0", &S::m_A0, "%1.6e"),
                    XmlDouble("A1", &S::m_A1, "%1.6e"), XmlDouble("A2", &S::m_A2, "%1.6e"),
                    XmlDouble("B0", &S::m_B0, "%1.6e"), XmlDouble("B1", &S::m_B1, "%1.6e"),
                    XmlDouble("C0", &S::m_C0, "%1.6e"), XmlDouble("C1", &S::m_C1, "%1.6e"),
                    XmlDouble("C2", &S::m_C2, "%1.6e"), XmlDouble("TA0", &S::m_TA0, "%1.6e"),
                    XmlDouble("TA1", &S::m_TA1, "%1.6e"), XmlDouble("TA2", &S::m_TA2, "%1.6e"),
                    XmlDouble("TA3", &S::m_TA3, "%1.6e"), XmlDouble("pcor", &S::m_pcor, "%1.6e"))

TW_SENSOR_REPORT_LINES(COxTDW_68_Sensor, LineSci("A0", &S::m_A0, 6), LineSci("A1", &S::m_A1, 6),
                       LineSci("A2", &S::m_A2, 6), LineSci("B0", &S::m_B0, 6),
                       LineSci("B1", &S::m_B1, 6), LineSci("C0", &S::m_C0, 6),
                       LineSci("C1", &S::m_C1, 6), LineSci("C2", &S::m_C2, 6),
                       LineSci("TA0", &S::m_TA0, 6), LineSci("TA1", &S::m_TA1, 6),
                       LineSci("TA2", &S::m_TA2, 6), LineSci("TA3", &S::m_TA3, 6),
                       LineSci("pcor", &S::m_pcor, 6))

long COxTDW_68_Sensor::WriteOwnXML(TDWXML::COutputNode* node, const COxTDW_68_Sensor& self,
                                   long baseStatus) {
    for (const SCoeffXml<COxTDW_68_Sensor>& item : XmlItems()) {
        if (node->WriteDouble(item.tag, self.*item.dbl, item.format, -1, "index") != 0) {
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
    for (const SCoeffXml<COxTDW_68_Sensor>& item : XmlItems()) {
        text.AppendFormat("\n%s = %1.6e", item.tag, this->*item.dbl);
    }
    return text;
}

TW_SENSOR_XML_ITEMS(COxOptodeSensor,
                    XmlInt("DoSalinityCorrection", &S::m_DoSalinityCorrection, true),
                    XmlInt("DoDepthCorrection", &S::m_DoDepthCorrection, true),
                    XmlOptionalDouble("InternalSalinity", &S::m_InternalSalinity, nullptr))

TW_SENSOR_REPORT_LINES(COxOptodeSensor, LineDouble("Internal salinity", &S::m_InternalSalinity),
                       LineInt("Salinity correction", &S::m_DoSalinityCorrection),
                       LineInt("Depth correction", &S::m_DoDepthCorrection))

TW_SENSOR_XML_ITEMS(COxCurrentBeckmanSensor, XmlDouble("M", &S::m_M, "%1.4e"),
                    XmlDouble("B", &S::m_B, "%1.4e"), XmlDouble("Soc", &S::m_Soc, "%1.4f"),
                    XmlDouble("Boc", &S::m_Boc, "%1.4f"), XmlDouble("Tcor", &S::m_Tcor, "%1.4f"),
                    XmlDouble("Pcor", &S::m_Pcor, "%1.2e"), XmlDouble("Tau", &S::m_Tau, "%1.1f"),
                    XmlDouble("Wt", &S::m_Wt, "%1.2f"))

TW_SENSOR_REPORT_LINES(COxCurrentBeckmanSensor, LineSci("M", &S::m_M, 4), LineSci("B", &S::m_B, 4),
                       LineFixed("Soc", &S::m_Soc, 4), LineFixed("Boc", &S::m_Boc, 4),
                       LineFixed("Tcor", &S::m_Tcor, 4), LineSci("Pcor", &S::m_Pcor, 2),
                       LineFixed("Tau", &S::m_Tau, 1), LineFixed("Wt", &S::m_Wt, 2))

TW_SENSOR_XML_ITEMS(COxTempBeckmanSensor, XmlDouble("K", &S::m_K, "%1.4f"),
                    XmlDouble("C", &S::m_C, "%1.4f"))

TW_SENSOR_REPORT_LINES(COxTempBeckmanSensor, LineFixed("K", &S::m_K, 4), LineFixed("C", &S::m_C, 4))

TW_SENSOR_XML_ITEMS(COxCurrentIOW_Sensor, XmlDouble("B0", &S::m_B0, "%1.8f"),
                    XmlDouble("B1", &S::m_B1, "%1.8f"))

TW_SENSOR_REPORT_LINES(COxCurrentIOW_Sensor, LineFixed("B0", &S::m_B0, 8),
                       LineFixed("B1", &S::m_B1, 8))

TW_SENSOR_XML_ITEMS(COxTempIOW_Sensor, XmlDouble("A0", &S::m_A0, "%1.8f"),
                    XmlDouble("A1", &S::m_A1, "%1.8f"), XmlDouble("A2", &S::m_A2, "%1.8f"),
                    XmlDouble("A3", &S::m_A3, "%1.8f"))

TW_SENSOR_REPORT_LINES(COxTempIOW_Sensor, LineFixed("A0", &S::m_A0, 8),
                       LineFixed("A1", &S::m_A1, 8), LineFixed("A2", &S::m_A2, 8),
                       LineFixed("A3", &S::m_A3, 8))
