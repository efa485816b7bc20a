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

IMPLEMENT_DYNCREATE(CMethaneConcCAPSUM_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CMethaneTempCAPSUM_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CNoCoeffSensor, CSensor)
IMPLEMENT_DYNCREATE(COxidationRedPotSensor, CSensor)
IMPLEMENT_DYNCREATE(CPAR_BiosphericalSensor, CSensor)
IMPLEMENT_DYNCREATE(CpH_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CpHInt_Sensor, CpH_Sensor)
IMPLEMENT_DYNCREATE(CpHExt_Sensor, CpH_Sensor)
IMPLEMENT_DYNCREATE(CSuspSedScatterSensor, CSensor)
IMPLEMENT_DYNCREATE(CUserPolySensor, CSensor)
IMPLEMENT_DYNCREATE(CPARLog_SatlanticSensor, CSensor)

TW_SENSOR_XML_ITEMS(CMethaneConcCAPSUM_Sensor, XmlDouble("A0", &S::m_A0, "%1.8f"),
                    XmlDouble("A1", &S::m_A1, "%1.8f"), XmlDouble("B0", &S::m_B0, "%1.8f"),
                    XmlDouble("B1", &S::m_B1, "%1.8f"), XmlDouble("B2", &S::m_B2, "%1.8f"),
                    XmlDouble("D", &S::m_D, "%1.8f"))

TW_SENSOR_REPORT_LINES(CMethaneConcCAPSUM_Sensor, LineFixed("D", &S::m_D, 8),
                       LineFixed("A0", &S::m_A0, 8), LineFixed("A1", &S::m_A1, 8),
                       LineFixed("B0", &S::m_B0, 8), LineFixed("B1", &S::m_B1, 8),
                       LineFixed("B2", &S::m_B2, 8))

TW_SENSOR_XML_ITEMS(CMethaneTempCAPSUM_Sensor, XmlDouble("T1", &S::m_T1, "%1.8f"),
                    XmlDouble("T2", &S::m_T2, "%1.8f"))

TW_SENSOR_REPORT_LINES(CMethaneTempCAPSUM_Sensor, LineFixed("T1", &S::m_T1, 8),
                       LineFixed("T2", &S::m_T2, 8))

TW_SENSOR_XML_ITEMS(COxidationRedPotSensor, XmlDouble("B", &S::m_B, "%1.6f"),
                    XmlDouble("M", &S::m_M, "%1.6f"), XmlDouble("Offset", &S::m_Offset, "%1.1f"))

TW_SENSOR_REPORT_LINES(COxidationRedPotSensor, LineFixed("M", &S::m_M, 6),
                       LineFixed("B", &S::m_B, 6), LineFixed("Offset (mV)", &S::m_Offset, 1))

TW_SENSOR_XML_ITEMS(CPAR_BiosphericalSensor, XmlDouble("M", &S::m_M, "%1.8f"),
                    XmlDouble("B", &S::m_B, "%1.8f"),
                    XmlDouble("CalibrationConstant", &S::m_CalibrationConstant, "%1.8f"),
                    XmlDouble("Multiplier", &S::m_Multiplier, "%1.8f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.8f"))

TW_SENSOR_REPORT_LINES(CPAR_BiosphericalSensor, LineFixed("M", &S::m_M, 8),
                       LineFixed("B", &S::m_B, 8),
                       LineFixed("Calibration constant", &S::m_CalibrationConstant, 8),
                       LineFixed("Multiplier", &S::m_Multiplier, 8),
                       LineFixed("Offset", &S::m_Offset, 8))

TW_SENSOR_XML_ITEMS(CpH_Sensor, XmlDoubleFormatOf("Slope", &S::m_Slope, &S::m_lpszFormat),
                    XmlDoubleFormatOf("Offset", &S::m_Offset, &S::m_lpszFormat))

TW_SENSOR_REPORT_LINES(CpH_Sensor, LineFixed("pH slope", &S::m_Slope, 4),
                       LineFixed("pH offset", &S::m_Offset, 4))

TW_SENSOR_XML_ITEMS(CSuspSedScatterSensor,
                    XmlDouble("TotalVolumeConcConst", &S::m_TotalVolConcConst, "%1.3f"),
                    XmlDouble("SauterMeanDiameter", &S::m_SauterMeanDiameter, "%1.3f"),
                    XmlDouble("CleanWaterScatteringOutput", &S::m_CleanScatterOutput, "%1.3f"),
                    XmlDouble("CleanWaterTransmissionOutput", &S::m_CleanTransOutput, "%1.3f"))

TW_SENSOR_REPORT_LINES(CSuspSedScatterSensor,
                       LineFixed("Total volume conc. constant", &S::m_TotalVolConcConst, 3),
                       LineFixed("Sauter mean diameter", &S::m_SauterMeanDiameter, 3),
                       LineFixed("Clean h2o scattering output", &S::m_CleanScatterOutput, 3),
                       LineFixed("Clean h2o transmission output", &S::m_CleanTransOutput, 3))

TW_SENSOR_XML_ITEMS(CUserPolySensor, XmlText("SensorName", &S::m_ActualName, S::kNameBuffer),
                    XmlDouble("A0", &S::m_A0, "%1.8f"), XmlDouble("A1", &S::m_A1, "%1.8f"),
                    XmlDouble("A2", &S::m_A2, "%1.8f"), XmlDouble("A3", &S::m_A3, "%1.8f"))

TW_SENSOR_REPORT_LINES(CUserPolySensor, LineText("Sensor name", &S::m_ActualName),
                       LineFixed("A0", &S::m_A0, 8), LineFixed("A1", &S::m_A1, 8),
                       LineFixed("A2", &S::m_A2, 8), LineFixed("A3", &S::m_A3, 8))

TW_SENSOR_XML_ITEMS(CPARLog_SatlanticSensor, XmlDouble("a0", &S::m_A0, "%1.8f"),
                    XmlDouble("a1", &S::m_A1, "%1.8f"), XmlDouble("Im", &S::m_Im, "%1.8f"))

TW_SENSOR_REPORT_LINES(CPARLog_SatlanticSensor, LineFixed("a0", &S::m_A0, 8),
                       LineFixed("a1", &S::m_A1, 8), LineFixed("Im", &S::m_Im, 8))
