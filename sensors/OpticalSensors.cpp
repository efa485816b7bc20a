#include "sensors/OpticalSensors.h"

#include <cstring>
#include <memory>

#include "core/SensorArray.h"

using namespace TDWXML;

IMPLEMENT_DYNAMIC(CLinearSensor, CSensor)
IMPLEMENT_DYNCREATE(CTurbidityWET_LabsECO_NTU_Sensor, CLinearSensor)
IMPLEMENT_DYNCREATE(CFluoroSeapointUltravioletSensor, CLinearSensor)
IMPLEMENT_DYNCREATE(CTurbidityWET_LabsECO_BB_Sensor, CLinearSensor)
IMPLEMENT_DYNCREATE(CFluoroWET_LabsSeaOWL_CHL_Sensor, CLinearSensor)
IMPLEMENT_DYNCREATE(CFluoroWET_LabsSeaOWL_FDOM_Sensor, CLinearSensor)
IMPLEMENT_DYNCREATE(CTurbidityWET_LabsSeaOWL_BB_Sensor, CLinearSensor)
IMPLEMENT_DYNAMIC(CDrHaardtSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroDrHaardtChloroSensor, CDrHaardtSensor)
IMPLEMENT_DYNCREATE(CFluoroDrHaardtPhycoSensor, CDrHaardtSensor)
IMPLEMENT_DYNCREATE(CFluoroDrHaardtYellowSensor, CDrHaardtSensor)
IMPLEMENT_DYNCREATE(COBS_DrHaardtTurbiditySensor, CDrHaardtSensor)
IMPLEMENT_DYNCREATE(CFluoroBiosphericalSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroChelseaAqua3Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroChelseaMiniSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroChelseaUV_AquaSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroSeapointSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroSeapointRhodaSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroSeatechSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroTurner10005Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroTurnerRangeSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroTurner10Au005Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroTurnerSCUFA_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroWetlabAC3Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroWetlabCDOM_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroWetlabECO_AFL_Sensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroWetlabWetstarSensor, CSensor)
IMPLEMENT_DYNCREATE(CFluoroTurnerCyclopsSensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_BackscatteranceSensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_ChelseaNepheloSensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_IFREMER_DirectSensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_IFREMER_MeasuredSensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_SeapointTurbiditySensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_SeatechLS6000Sensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_TurnerSCUFA_Sensor, CSensor)
IMPLEMENT_DYNCREATE(COBS_DA_3plusSensor, CSensor)
IMPLEMENT_DYNCREATE(CTransChelseaSensor, CSensor)
IMPLEMENT_DYNCREATE(CTransWET_LabsCStarSensor, CSensor)
IMPLEMENT_DYNCREATE(CTransWetlabAC3Sensor, CSensor)

namespace {

// Reads the element into a fresh object that the sensor factory makes for the
// sensor's own ID, and copies it into the sensor only when the common items
// and every own item were read.
template <class T>
long ReadThroughFactory(T& sensor, CInputNode* node, std::span<const SCoeffField<T>> fields) {
    std::unique_ptr<CSensor> created(CreateSensorObject(sensor.GetSensorID()));
    auto* fresh = dynamic_cast<T*>(created.get());
    if (!fresh) {
        return E_OUT_OF_MEMORY;
    }
    const long baseStatus = fresh->ReadBaseXML(node);
    if (baseStatus == E_WRONG_OBJECT) {
        return baseStatus;
    }
    if (baseStatus != 0 || CoeffTable::Read<T>(node, *fresh, fields) != 0 ||
        !CopySensorObject(&sensor, fresh)) {
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

}  // namespace

CLinearSensor::CLinearSensor(const char* firstLabel, const char* firstTag, const char* secondLabel,
                             const char* secondTag, const char* firstFormat,
                             const char* secondFormat)
    : CLinearSensor(
          SLinearTexts{firstLabel, firstTag, secondLabel, secondTag, firstFormat, secondFormat}) {}

CLinearSensor::CLinearSensor(const SLinearTexts& texts) : m_texts(texts) {
    using namespace SensorFields;
    using S = CLinearSensor;
    constexpr int kDecimals = 6;
    m_fields[m_fieldCount++] =
        Coeff(texts.firstTag, &S::m_first, texts.firstFormat).Fixed(texts.firstLabel, kDecimals);
    if (std::strcmp(texts.secondLabel, texts.secondTag) != 0) {
        m_fields[m_fieldCount++] = Comment<S>(texts.secondLabel);
    }
    m_fields[m_fieldCount++] = Coeff(texts.secondTag, &S::m_second, texts.secondFormat)
                                   .Fixed(texts.secondLabel, kDecimals);
}

long CLinearSensor::ReadXML(CInputNode* node) {
    return ReadThroughFactory(*this, node, FieldTable());
}

long CLinearSensor::WriteXML(COutputNode* node) {
    const long baseStatus = WriteBaseXML(node);
    return CoeffTable::Write(node, *this, FieldTable(), baseStatus);
}

void CLinearSensor::Report(std::ostream& os, int indent) const {
    constexpr int kWidth = 14;
    CSensor::Report(os, indent, kWidth);
    CoeffTable::Report(os, indent, kWidth, *this, FieldTable());
}

void CLinearSensor::AssignFrom(const CSensor& other) {
    const auto& source = static_cast<const CLinearSensor&>(other);
    CSensor::operator=(source);
    m_first = source.m_first;
    m_second = source.m_second;
}

bool CLinearSensor::IsEqualTo(const CSensor& other) const {
    const auto& that = static_cast<const CLinearSensor&>(other);
    return GetSensorID() == that.GetSensorID() && CSensor::operator==(that) &&
           m_first == that.m_first && m_second == that.m_second;
}

namespace {

constexpr SLinearTexts kEcoNtuTexts = {"ScaleFactor", "ScaleFactor", "Dark output",
                                       "DarkVoltage", "%1.6lf",      "%1.6lf"};
constexpr SLinearTexts kSeapointUvTexts = {"Range",  "Range",  "Offset",
                                           "Offset", "%1.1lf", "%1.4lf"};
// The ECO-BB and the three SeaOWL sensors.
constexpr SLinearTexts kEcoBbTexts = {"ScaleFactor", "ScaleFactor", "Dark output",
                                      "DarkVoltage", "%1.3e",       "%1.3e"};

}  // namespace

CTurbidityWET_LabsECO_NTU_Sensor::CTurbidityWET_LabsECO_NTU_Sensor() : CLinearSensor(kEcoNtuTexts) {
    SetFirstCoefficient(1.0);
}
CFluoroSeapointUltravioletSensor::CFluoroSeapointUltravioletSensor()
    : CLinearSensor(kSeapointUvTexts) {
    SetFirstCoefficient(1500.0);
}
CTurbidityWET_LabsECO_BB_Sensor::CTurbidityWET_LabsECO_BB_Sensor() : CLinearSensor(kEcoBbTexts) {
    SetFirstCoefficient(1.0);
}
CFluoroWET_LabsSeaOWL_CHL_Sensor::CFluoroWET_LabsSeaOWL_CHL_Sensor() : CLinearSensor(kEcoBbTexts) {
    SetFirstCoefficient(1.0);
}
CFluoroWET_LabsSeaOWL_FDOM_Sensor::CFluoroWET_LabsSeaOWL_FDOM_Sensor()
    : CLinearSensor(kEcoBbTexts) {
    SetFirstCoefficient(1.0);
}
CTurbidityWET_LabsSeaOWL_BB_Sensor::CTurbidityWET_LabsSeaOWL_BB_Sensor()
    : CLinearSensor(kEcoBbTexts) {
    SetFirstCoefficient(1.0);
}

double CFluoroTurnerRangeSensor::CalcScaleFactor(double volts) {
    if (volts < 0.2) {
        return 1.0;
    }
    if (volts <= 0.55) {
        return 3.16;
    }
    if (volts < 0.85) {
        return 10.0;
    }
    return 31.0;
}

long CDrHaardtSensor::ReadXML(CInputNode* node) {
    return ReadThroughFactory(*this, node, FieldTable());
}

long CDrHaardtSensor::WriteXML(COutputNode* node) {
    const long baseStatus = WriteBaseXML(node);
    return CoeffTable::Write(node, *this, FieldTable(), baseStatus);
}

void CDrHaardtSensor::Report(std::ostream& os, int indent) const {
    CSensor::Report(os, indent, kReportWidth);
    CoeffTable::Report(os, indent, kReportWidth, *this, FieldTable());
}

void CDrHaardtSensor::AssignFrom(const CSensor& other) {
    *this = static_cast<const CDrHaardtSensor&>(other);
}

bool CDrHaardtSensor::IsEqualTo(const CSensor& other) const {
    return *this == static_cast<const CDrHaardtSensor&>(other);
}

TW_SENSOR_FIELDS(CDrHaardtSensor, Coeff("A0", &S::m_A0, "%1.8f").Fixed("A0", 8).Line(3),
                 Coeff("A1", &S::m_A1, "%1.8f").Fixed("A1", 8).Line(4),
                 Coeff("B0", &S::m_B0, "%1.8f").Fixed("B0", 8).Line(5),
                 Coeff("B1", &S::m_B1, "%1.8f").Fixed("B1", 8).Line(6), Comment<S>("Gain range:"),
                 Comment<S>("   0 = Output Voltage Level"), Comment<S>("   1 = Modulo Bit"),
                 Comment<S>("   2 = None"),
                 Choice("GainRange", &S::m_GainRange).Shown("Gain range switch").Line(1),
                 Comment<S>("Modulo bit to use:"), Comment<S>("    0 means 8"),
                 Comment<S>("    1 means 9"), Comment<S>("    2 means 10"),
                 Comment<S>("    3 means 11"), Comment<S>("    4 means None"),
                 Choice("ModuloBit", &S::m_ModuloBit)
                     .Shown("Modulo bit to use",
                            [](const S& sensor) {
                                return sensor.m_GainRange.Get() == kGainRangeModuloBit;
                            })
                     .Line(2))

TW_SENSOR_FIELDS(CFluoroBiosphericalSensor, Coeff("A1", &S::m_A1, "%1.8f").Fixed("A1", 8).Line(2),
                 Coeff("A2", &S::m_A2, "%1.8f").Fixed("A2", 8).Line(3),
                 Coeff("B", &S::m_B, "%1.8f").Fixed("B", 8).Line(4),
                 Coeff("Cfn", &S::m_Cfn, "%1.8f").Fixed("Cfn", 8).Line(1))

TW_SENSOR_FIELDS(CFluoroChelseaAqua3Sensor, Coeff("VB", &S::m_VB, "%1.6f").Fixed("VB", 6),
                 Coeff("V1", &S::m_V1, "%1.6f").Fixed("V1", 6),
                 Coeff("Vacetone", &S::m_Vacetone, "%1.6f").Fixed("Vacetone", 6),
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.6f").Fixed("Scale factor", 6),
                 Coeff("Slope", &S::m_Slope, "%1.6f").Fixed("Slope", 6),
                 Coeff("Offset", &S::m_Offset, "%1.6f").Fixed("Offset", 6))

TW_SENSOR_FIELDS(CFluoroChelseaMiniSensor,
                 Coeff("Vacetone", &S::m_Vacetone, "%1.3f").Fixed("Vacetone", 3),
                 Coeff("Vacetone100", &S::m_Vacetone100, "%1.3f").Fixed("Vacetone - 100", 3),
                 Coeff("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3))

TW_SENSOR_FIELDS(CFluoroChelseaUV_AquaSensor, Coeff("A", &S::m_A, "%1.6f").Fixed("A", 6),
                 Coeff("B", &S::m_B, "%1.6f").Fixed("B", 6))

TW_SENSOR_FIELDS(CFluoroSeatechSensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.6e").Sci("Scale factor", 6),
                 Coeff("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3))

TW_SENSOR_FIELDS(CFluoroTurner10005Sensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.6f").Fixed("Scale factor", 6),
                 Coeff("Offset", &S::m_Offset, "%1.6f").Fixed("Offset", 6))

TW_SENSOR_FIELDS(
    CFluoroTurner10Au005Sensor,
    Coeff("FullScaleConcentration", &S::m_FullScaleConc, "%1.6f")
        .Fixed("Full scale concentration", 6)
        .Line(3),
    Coeff("FullScaleVoltage", &S::m_FullScaleVolt, "%1.6f").Fixed("Full scale voltage", 6).Line(1),
    Coeff("ZeroPointConcentratin", &S::m_ZeroPointConc, "%1.6f")
        .Fixed("Zero point concentration", 6)
        .Line(2))

TW_SENSOR_FIELDS(CFluoroTurnerSCUFA_Sensor, Coeff("B", &S::m_B, "%1.8e").Sci("B", 8).Line(6),
                 Coeff("MX", &S::m_MX, "%1.8e").Sci("MX", 8).Line(4),
                 Coeff("MY", &S::m_MY, "%1.8e").Sci("MY", 8).Line(5),
                 Choice("Units", &S::m_Units).Shown("Units").Line(3),
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.8e").Sci("Scale factor", 8).Line(1),
                 Coeff("Offset", &S::m_Offset, "%1.8e").Sci("Offset", 8).Line(2))

TW_SENSOR_FIELDS(CFluoroWetlabAC3Sensor, Coeff("Kv", &S::m_Kv, "%1.3f").Fixed("Kv", 3),
                 Coeff("Vh2o", &S::m_Vh2o, "%1.3f").Fixed("Vh2o", 3),
                 Coeff("AtoX", &S::m_AtoX, "%1.3f").Fixed("A^X", 3))

TW_SENSOR_FIELDS(CFluoroWetlabCDOM_Sensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.3f").Fixed("Scale factor", 3).Line(2),
                 Comment<S>("Dark output"),
                 Coeff("Vblank", &S::m_Vblank, "%1.3f").Fixed("Dark output", 3).Line(1))

TW_SENSOR_FIELDS(CFluoroWetlabECO_AFL_Sensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.8e").Sci("Scale factor", 8).Line(2),
                 Comment<S>("Dark output"),
                 Coeff("Vblank", &S::m_Vblank, "%1.4f").Fixed("Dark output", 4).Line(1))

TW_SENSOR_FIELDS(CFluoroWetlabWetstarSensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.3f").Fixed("Scale factor", 3).Line(2),
                 Comment<S>("Blank output"),
                 Coeff("Vblank", &S::m_Vblank, "%1.3f").Fixed("Blank output", 3).Line(1))

TW_SENSOR_FIELDS(CFluoroTurnerCyclopsSensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.8e").Fixed("ScaleFactor", 4),
                 Coeff("Offset", &S::m_Offset, "%1.8e").Sci("Offset", 6),
                 Comment<S>("1 = C, Chlorophyll"), Comment<S>("2 = R, Rhodamine"),
                 Comment<S>("3 = F, Fluorescein"), Comment<S>("4 = P, Phycocyanin"),
                 Comment<S>("5 = E, Phycoerythrin"), Comment<S>("6 = U, CDOM"),
                 Comment<S>("7 = O, CrudeOil"), Comment<S>("8 = B, OpticalBrightness"),
                 Comment<S>("9 = T, Turbidity"), Comment<S>("10 = G, Refined Fuels"),
                 Int("MeasuredParameter", &S::m_MeasuredParameter).Shown("MeasuredParameter"))

TW_SENSOR_FIELDS(COBS_BackscatteranceSensor, Coeff("Gain", &S::m_Gain, "%1.2f").Fixed("Gain", 2),
                 Coeff("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3))

TW_SENSOR_FIELDS(
    COBS_ChelseaNepheloSensor,
    Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.6f").Fixed("Scale factor", 6).Line(2),
    Coeff("ClearWaterValue", &S::m_ClearWaterValue, "%1.6f").Fixed("Clear water value", 6).Line(1))

TW_SENSOR_FIELDS(COBS_IFREMER_MeasuredSensor, Coeff("D0", &S::m_D0, "%1.6f").Fixed("D0", 6).Line(3),
                 Coeff("K", &S::m_K, "%1.6f").Fixed("K", 6).Line(4),
                 Coeff("Vd0", &S::m_Vd0, "%1.6f").Fixed("Vd0", 6).Line(2),
                 Coeff("Vm0", &S::m_Vm0, "%1.6f").Fixed("Vm0", 6).Line(1))

TW_SENSOR_FIELDS(COBS_SeapointTurbiditySensor, Comment<S>(kGainIndexComment),
                 Choice("GainSetting", &S::m_GainSetting).Shown("Gain setting"),
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.3f").Fixed("Scale factor", 3))

TW_SENSOR_FIELDS(COBS_SeatechLS6000Sensor, Comment<S>(kGainIndexComment),
                 Choice("GainSetting", &S::m_GainSetting).Shown("Gain setting").Line(1),
                 Coeff("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3).Line(3),
                 Coeff("Slope", &S::m_Slope, "%1.3f").Fixed("Slope", 3).Line(2))

TW_SENSOR_FIELDS(COBS_TurnerSCUFA_Sensor,
                 Coeff("ScaleFactor", &S::m_ScaleFactor, "%1.8e").Sci("Scale factor", 8),
                 Coeff("Offset", &S::m_Offset, "%1.8e").Sci("Offset", 8))

TW_SENSOR_FIELDS(COBS_DA_3plusSensor, Coeff("A0", &S::m_A0, "%1.8e").Fixed("A0", 4),
                 Coeff("A1", &S::m_A1, "%1.8e").Sci("A1", 6),
                 Coeff("A2", &S::m_A2, "%1.8e").Sci("A2", 6))

TW_SENSOR_FIELDS(CTransWetlabAC3Sensor, Coeff("Ch2o", &S::m_Ch2o, "%1.4f").Fixed("Ch2o", 4),
                 Coeff("Vh2o", &S::m_Vh2o, "%1.3f").Fixed("Vh2o", 3),
                 Coeff("VDark", &S::m_VDark, "%1.3f").Fixed("VDark", 3),
                 Coeff("X", &S::m_X, "%1.2f").Fixed("X", 2))
