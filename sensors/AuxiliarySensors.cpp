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

TW_SENSOR_FIELDS(CAltimeterSensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.3f").Fixed("Scale factor", 3),
                 Coeff("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3))

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

TW_SENSOR_FIELDS(CSoundVelocitySensor, Coeff("A0", &S::m_A0, "%1.8f").Fixed("A0", 8),
                 Coeff("A1", &S::m_A1, "%1.8f").Fixed("A1", 8),
                 Coeff("A2", &S::m_A2, "%1.8f").Fixed("A2", 8))

TW_SENSOR_FIELDS(
    CSPAR_Sensor,
    Coeff("ConversionFactor", &S::m_ConversionFactor, "%1.8f").Fixed("Conversion factor", 8),
    Coeff("RatioMultiplier", &S::m_RatioMultiplier, "%1.8f").Fixed("Ratio multiplier", 8))

TW_SENSOR_FIELDS(CZapsSensor, Coeff("M", &S::m_M, "%1.6e").Fixed("M", 6),
                 Coeff("B", &S::m_B, "%1.6e").Fixed("B", 6))

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

TW_SENSOR_FIELDS(CMethaneConcCAPSUM_Sensor, Coeff("A0", &S::m_A0, "%1.8f").Fixed("A0", 8).Line(2),
                 Coeff("A1", &S::m_A1, "%1.8f").Fixed("A1", 8).Line(3),
                 Coeff("B0", &S::m_B0, "%1.8f").Fixed("B0", 8).Line(4),
                 Coeff("B1", &S::m_B1, "%1.8f").Fixed("B1", 8).Line(5),
                 Coeff("B2", &S::m_B2, "%1.8f").Fixed("B2", 8).Line(6),
                 Coeff("D", &S::m_D, "%1.8f").Fixed("D", 8).Line(1))

TW_SENSOR_FIELDS(CMethaneTempCAPSUM_Sensor, Coeff("T1", &S::m_T1, "%1.8f").Fixed("T1", 8),
                 Coeff("T2", &S::m_T2, "%1.8f").Fixed("T2", 8))

TW_SENSOR_FIELDS(COxidationRedPotSensor, Coeff("B", &S::m_B, "%1.6f").Fixed("B", 6).Line(2),
                 Coeff("M", &S::m_M, "%1.6f").Fixed("M", 6).Line(1),
                 Coeff("Offset", &S::m_Offset, "%1.1f").Fixed("Offset (mV)", 1).Line(3))

TW_SENSOR_FIELDS(CPAR_BiosphericalSensor, Coeff("M", &S::m_M, "%1.8f").Fixed("M", 8),
                 Coeff("B", &S::m_B, "%1.8f").Fixed("B", 8),
                 Coeff("CalibrationConstant", &S::m_CalibrationConstant, "%1.8f")
                     .Fixed("Calibration constant", 8),
                 Coeff("Multiplier", &S::m_Multiplier, "%1.8f").Fixed("Multiplier", 8),
                 Coeff("Offset", &S::m_Offset, "%1.8f").Fixed("Offset", 8))

TW_SENSOR_FIELDS(
    CpH_Sensor,
    CoeffFormatOf("Slope", &S::m_Slope, &S::m_lpszFormat).Fixed("pH slope", 4).Labelled("Slope"),
    CoeffFormatOf("Offset", &S::m_Offset, &S::m_lpszFormat)
        .Fixed("pH offset", 4)
        .Labelled("Offset"))

TW_SENSOR_FIELDS(
    CSuspSedScatterSensor,
    Coeff("TotalVolumeConcConst", &S::m_TotalVolConcConst, "%1.3f")
        .Fixed("Total volume conc. constant", 3),
    Coeff("SauterMeanDiameter", &S::m_SauterMeanDiameter, "%1.3f").Fixed("Sauter mean diameter", 3),
    Coeff("CleanWaterScatteringOutput", &S::m_CleanScatterOutput, "%1.3f")
        .Fixed("Clean h2o scattering output", 3),
    Coeff("CleanWaterTransmissionOutput", &S::m_CleanTransOutput, "%1.3f")
        .Fixed("Clean h2o transmission output", 3))

TW_SENSOR_FIELDS(CUserPolySensor,
                 Text("SensorName", &S::m_ActualName, S::kNameBuffer).Shown("Sensor name"),
                 Coeff("A0", &S::m_A0, "%1.8f").Fixed("A0", 8),
                 Coeff("A1", &S::m_A1, "%1.8f").Fixed("A1", 8),
                 Coeff("A2", &S::m_A2, "%1.8f").Fixed("A2", 8),
                 Coeff("A3", &S::m_A3, "%1.8f").Fixed("A3", 8))

TW_SENSOR_FIELDS(CPARLog_SatlanticSensor, Coeff("a0", &S::m_A0, "%1.8f").Fixed("a0", 8),
                 Coeff("a1", &S::m_A1, "%1.8f").Fixed("a1", 8),
                 Coeff("Im", &S::m_Im, "%1.8f").Fixed("Im", 8))
