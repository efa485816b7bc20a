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
long ReadThroughFactory(T& sensor, CInputNode* node, std::span<const SCoeffXml<T>> items) {
    std::unique_ptr<CSensor> created(CreateSensorObject(sensor.GetSensorID()));
    auto* fresh = dynamic_cast<T*>(created.get());
    if (!fresh) {
        return E_OUT_OF_MEMORY;
    }
    const long baseStatus = fresh->ReadBaseXML(node);
    if (baseStatus == E_WRONG_OBJECT) {
        return baseStatus;
    }
    if (baseStatus != 0 || CoeffTable::Read<T>(node, *fresh, items) != 0 ||
        !CopySensorObject(&sensor, fresh)) {
        return E_FAIL_XML;
    }
    return S_OK_XML;
}

}  // namespace

CLinearSensor::CLinearSensor(const char* firstLabel, const char* firstTag, const char* secondLabel,
                             const char* secondTag, const char* firstFormat,
                             const char* secondFormat)
    : m_texts{firstLabel, firstTag, secondLabel, secondTag, firstFormat, secondFormat} {}

CLinearSensor::CLinearSensor(const SLinearTexts& texts) : m_texts(texts) {}

std::vector<SCoeffXml<CLinearSensor>> CLinearSensor::XmlItems() const {
    std::vector<SCoeffXml<CLinearSensor>> items{
        XmlDouble(m_texts.firstTag, &CLinearSensor::m_first, m_texts.firstFormat)};
    if (std::strcmp(m_texts.secondLabel, m_texts.secondTag) != 0) {
        items.push_back(XmlComment<CLinearSensor>(m_texts.secondLabel));
    }
    items.push_back(XmlDouble(m_texts.secondTag, &CLinearSensor::m_second, m_texts.secondFormat));
    return items;
}

long CLinearSensor::ReadXML(CInputNode* node) {
    return ReadThroughFactory<CLinearSensor>(*this, node, XmlItems());
}

long CLinearSensor::WriteXML(COutputNode* node) {
    const long baseStatus = WriteBaseXML(node);
    return CoeffTable::Write<CLinearSensor>(node, *this, XmlItems(), baseStatus);
}

void CLinearSensor::Report(std::ostream& os, int indent) const {
    constexpr int kWidth = 14;
    CSensor::Report(os, indent, kWidth);
    SetFloat(os, SF_FIXED, 6);
    ReportLine(os, indent, kWidth, m_texts.firstLabel, m_first);
    ReportLine(os, indent, kWidth, m_texts.secondLabel, m_second);
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
    return ReadThroughFactory(*this, node, XmlItems());
}

long CDrHaardtSensor::WriteXML(COutputNode* node) {
    const long baseStatus = WriteBaseXML(node);
    return CoeffTable::Write(node, *this, XmlItems(), baseStatus);
}

void CDrHaardtSensor::Report(std::ostream& os, int indent) const {
    CSensor::Report(os, indent, kReportWidth);
    CoeffTable::Report(os, indent, kReportWidth, *this, ReportLines());
}

std::span<const char* const> CDrHaardtSensor::ChoiceTexts(const char* tag) const {
    return CoeffTable::ChoiceTexts(*this, XmlItems(), ReportLines(), tag);
}

void CDrHaardtSensor::AssignFrom(const CSensor& other) {
    *this = static_cast<const CDrHaardtSensor&>(other);
}

bool CDrHaardtSensor::IsEqualTo(const CSensor& other) const {
    return *this == static_cast<const CDrHaardtSensor&>(other);
}

TW_SENSOR_XML_ITEMS(CDrHaardtSensor, XmlDouble("A0", &S::m_A0, "%1.8f"),
                    XmlDouble("A1", &S::m_A1, "%1.8f"), XmlDouble("B0", &S::m_B0, "%1.8f"),
                    XmlDouble("B1", &S::m_B1, "%1.8f"), XmlComment<S>("Gain range:"),
                    XmlComment<S>("   0 = Output Voltage Level"),
                    XmlComment<S>("   1 = Modulo Bit"), XmlComment<S>("   2 = None"),
                    XmlSelection("GainRange", &S::m_GainRange), XmlComment<S>("Modulo bit to use:"),
                    XmlComment<S>("    0 means 8"), XmlComment<S>("    1 means 9"),
                    XmlComment<S>("    2 means 10"), XmlComment<S>("    3 means 11"),
                    XmlComment<S>("    4 means None"), XmlSelection("ModuloBit", &S::m_ModuloBit))

namespace {
const char* const kGainRangeTexts[] = {"Output Voltage Level", "Modulo Bit", "None"};
const char* const kModuloBitTexts[] = {"8", "9", "10", "11", "None"};
}  // namespace

TW_SENSOR_REPORT_LINES(CDrHaardtSensor,
                       LineChoice("Gain range switch", &S::m_GainRange, kGainRangeTexts),
                       LineChoice<S>("Modulo bit to use", &S::m_ModuloBit, kModuloBitTexts,
                                     [](const S& sensor) {
                                         return sensor.m_GainRange.Get() == kGainRangeModuloBit;
                                     }),
                       LineFixed("A0", &S::m_A0, 8), LineFixed("A1", &S::m_A1, 8),
                       LineFixed("B0", &S::m_B0, 8), LineFixed("B1", &S::m_B1, 8))

TW_SENSOR_XML_ITEMS(CFluoroBiosphericalSensor, XmlDouble("A1", &S::m_A1, "%1.8f"),
                    XmlDouble("A2", &S::m_A2, "%1.8f"), XmlDouble("B", &S::m_B, "%1.8f"),
                    XmlDouble("Cfn", &S::m_Cfn, "%1.8f"))

TW_SENSOR_REPORT_LINES(CFluoroBiosphericalSensor, LineFixed("Cfn", &S::m_Cfn, 8),
                       LineFixed("A1", &S::m_A1, 8), LineFixed("A2", &S::m_A2, 8),
                       LineFixed("B", &S::m_B, 8))

TW_SENSOR_XML_ITEMS(CFluoroChelseaAqua3Sensor, XmlDouble("VB", &S::m_VB, "%1.6f"),
                    XmlDouble("V1", &S::m_V1, "%1.6f"),
                    XmlDouble("Vacetone", &S::m_Vacetone, "%1.6f"),
                    XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.6f"),
                    XmlDouble("Slope", &S::m_Slope, "%1.6f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.6f"))

TW_SENSOR_REPORT_LINES(CFluoroChelseaAqua3Sensor, LineFixed("VB", &S::m_VB, 6),
                       LineFixed("V1", &S::m_V1, 6), LineFixed("Vacetone", &S::m_Vacetone, 6),
                       LineFixed("Scale factor", &S::m_ScaleFactor, 6),
                       LineFixed("Slope", &S::m_Slope, 6), LineFixed("Offset", &S::m_Offset, 6))

TW_SENSOR_XML_ITEMS(CFluoroChelseaMiniSensor, XmlDouble("Vacetone", &S::m_Vacetone, "%1.3f"),
                    XmlDouble("Vacetone100", &S::m_Vacetone100, "%1.3f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.3f"))

TW_SENSOR_REPORT_LINES(CFluoroChelseaMiniSensor, LineFixed("Vacetone", &S::m_Vacetone, 3),
                       LineFixed("Vacetone - 100", &S::m_Vacetone100, 3),
                       LineFixed("Offset", &S::m_Offset, 3))

TW_SENSOR_XML_ITEMS(CFluoroChelseaUV_AquaSensor, XmlDouble("A", &S::m_A, "%1.6f"),
                    XmlDouble("B", &S::m_B, "%1.6f"))

TW_SENSOR_REPORT_LINES(CFluoroChelseaUV_AquaSensor, LineFixed("A", &S::m_A, 6),
                       LineFixed("B", &S::m_B, 6))

// The micro sign is the single byte 0xB5.
const char* const kSeapointFluoroGainTexts[4] = {"30 x, 0-5 \xB5g/l", "10 x, 0-15 \xB5g/l",
                                                 "3 x, 0-50 \xB5g/l", "1 x, 0-150 \xB5g/l"};

TW_SENSOR_XML_ITEMS(CFluoroSeatechSensor, XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.6e"),
                    XmlDouble("Offset", &S::m_Offset, "%1.3f"))

TW_SENSOR_REPORT_LINES(CFluoroSeatechSensor, LineSci("Scale factor", &S::m_ScaleFactor, 6),
                       LineFixed("Offset", &S::m_Offset, 3))

TW_SENSOR_XML_ITEMS(CFluoroTurner10005Sensor, XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.6f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.6f"))

TW_SENSOR_REPORT_LINES(CFluoroTurner10005Sensor, LineFixed("Scale factor", &S::m_ScaleFactor, 6),
                       LineFixed("Offset", &S::m_Offset, 6))

TW_SENSOR_XML_ITEMS(CFluoroTurner10Au005Sensor,
                    XmlDouble("FullScaleConcentration", &S::m_FullScaleConc, "%1.6f"),
                    XmlDouble("FullScaleVoltage", &S::m_FullScaleVolt, "%1.6f"),
                    XmlDouble("ZeroPointConcentratin", &S::m_ZeroPointConc, "%1.6f"))

TW_SENSOR_REPORT_LINES(CFluoroTurner10Au005Sensor,
                       LineFixed("Full scale voltage", &S::m_FullScaleVolt, 6),
                       LineFixed("Zero point concentration", &S::m_ZeroPointConc, 6),
                       LineFixed("Full scale concentration", &S::m_FullScaleConc, 6))

namespace {
const char* const kScufaUnitsTexts[] = {"RFU", "ppb", "ppm", "ppt", "ug/L", "ng/L", "mg/m^3"};
}  // namespace

TW_SENSOR_XML_ITEMS(CFluoroTurnerSCUFA_Sensor, XmlDouble("B", &S::m_B, "%1.8e"),
                    XmlDouble("MX", &S::m_MX, "%1.8e"), XmlDouble("MY", &S::m_MY, "%1.8e"),
                    XmlSelection("Units", &S::m_Units),
                    XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.8e"),
                    XmlDouble("Offset", &S::m_Offset, "%1.8e"))

TW_SENSOR_REPORT_LINES(CFluoroTurnerSCUFA_Sensor, LineSci("Scale factor", &S::m_ScaleFactor, 8),
                       LineSci("Offset", &S::m_Offset, 8),
                       LineChoice("Units", &S::m_Units, kScufaUnitsTexts),
                       LineSci("MX", &S::m_MX, 8), LineSci("MY", &S::m_MY, 8),
                       LineSci("B", &S::m_B, 8))

TW_SENSOR_XML_ITEMS(CFluoroWetlabAC3Sensor, XmlDouble("Kv", &S::m_Kv, "%1.3f"),
                    XmlDouble("Vh2o", &S::m_Vh2o, "%1.3f"), XmlDouble("AtoX", &S::m_AtoX, "%1.3f"))

TW_SENSOR_REPORT_LINES(CFluoroWetlabAC3Sensor, LineFixed("Kv", &S::m_Kv, 3),
                       LineFixed("Vh2o", &S::m_Vh2o, 3), LineFixed("A^X", &S::m_AtoX, 3))

TW_SENSOR_XML_ITEMS(CFluoroWetlabCDOM_Sensor, XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.3f"),
                    XmlComment<S>("Dark output"), XmlDouble("Vblank", &S::m_Vblank, "%1.3f"))

TW_SENSOR_REPORT_LINES(CFluoroWetlabCDOM_Sensor, LineFixed("Dark output", &S::m_Vblank, 3),
                       LineFixed("Scale factor", &S::m_ScaleFactor, 3))

TW_SENSOR_XML_ITEMS(CFluoroWetlabECO_AFL_Sensor,
                    XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.8e"),
                    XmlComment<S>("Dark output"), XmlDouble("Vblank", &S::m_Vblank, "%1.4f"))

TW_SENSOR_REPORT_LINES(CFluoroWetlabECO_AFL_Sensor, LineFixed("Dark output", &S::m_Vblank, 4),
                       LineSci("Scale factor", &S::m_ScaleFactor, 8))

TW_SENSOR_XML_ITEMS(CFluoroWetlabWetstarSensor,
                    XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.3f"),
                    XmlComment<S>("Blank output"), XmlDouble("Vblank", &S::m_Vblank, "%1.3f"))

TW_SENSOR_REPORT_LINES(CFluoroWetlabWetstarSensor, LineFixed("Blank output", &S::m_Vblank, 3),
                       LineFixed("Scale factor", &S::m_ScaleFactor, 3))

TW_SENSOR_XML_ITEMS(CFluoroTurnerCyclopsSensor,
                    XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.8e"),
                    XmlDouble("Offset", &S::m_Offset, "%1.8e"), XmlComment<S>("1 = C, Chlorophyll"),
                    XmlComment<S>("2 = R, Rhodamine"), XmlComment<S>("3 = F, Fluorescein"),
                    XmlComment<S>("4 = P, Phycocyanin"), XmlComment<S>("5 = E, Phycoerythrin"),
                    XmlComment<S>("6 = U, CDOM"), XmlComment<S>("7 = O, CrudeOil"),
                    XmlComment<S>("8 = B, OpticalBrightness"), XmlComment<S>("9 = T, Turbidity"),
                    XmlComment<S>("10 = G, Refined Fuels"),
                    XmlInt("MeasuredParameter", &S::m_MeasuredParameter))

TW_SENSOR_REPORT_LINES(CFluoroTurnerCyclopsSensor, LineFixed("ScaleFactor", &S::m_ScaleFactor, 4),
                       LineSci("Offset", &S::m_Offset, 6),
                       LineInt("MeasuredParameter", &S::m_MeasuredParameter))

TW_SENSOR_XML_ITEMS(COBS_BackscatteranceSensor, XmlDouble("Gain", &S::m_Gain, "%1.2f"),
                    XmlDouble("Offset", &S::m_Offset, "%1.3f"))

TW_SENSOR_REPORT_LINES(COBS_BackscatteranceSensor, LineFixed("Gain", &S::m_Gain, 2),
                       LineFixed("Offset", &S::m_Offset, 3))

TW_SENSOR_XML_ITEMS(COBS_ChelseaNepheloSensor, XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.6f"),
                    XmlDouble("ClearWaterValue", &S::m_ClearWaterValue, "%1.6f"))

TW_SENSOR_REPORT_LINES(COBS_ChelseaNepheloSensor,
                       LineFixed("Clear water value", &S::m_ClearWaterValue, 6),
                       LineFixed("Scale factor", &S::m_ScaleFactor, 6))

TW_SENSOR_XML_ITEMS(COBS_IFREMER_MeasuredSensor, XmlDouble("D0", &S::m_D0, "%1.6f"),
                    XmlDouble("K", &S::m_K, "%1.6f"), XmlDouble("Vd0", &S::m_Vd0, "%1.6f"),
                    XmlDouble("Vm0", &S::m_Vm0, "%1.6f"))

TW_SENSOR_REPORT_LINES(COBS_IFREMER_MeasuredSensor, LineFixed("Vm0", &S::m_Vm0, 6),
                       LineFixed("Vd0", &S::m_Vd0, 6), LineFixed("D0", &S::m_D0, 6),
                       LineFixed("K", &S::m_K, 6))

namespace {
constexpr const char* kGainIndexComment =
    "The following is an array index, not the actual gain setting.";
const char* const kSeapointTurbidityGainTexts[] = {"1 x", "5 x", "20 x", "100 x"};
const char* const kLS6000GainTexts[] = {
    "Full Scale Range = 2.25 NTU", "Full Scale Range = 7.5 NTU", "Full Scale Range = 25 NTU",
    "Full Scale Range = 75 NTU",   "Full Scale Range = 225 NTU", "Full Scale Range = 250 NTU",
    "Full Scale Range = 750 NTU",  "Full Scale Range = 33 mg/l", "Full Scale Range = 100 mg/l"};
}  // namespace

TW_SENSOR_XML_ITEMS(COBS_SeapointTurbiditySensor, XmlComment<S>(kGainIndexComment),
                    XmlSelection("GainSetting", &S::m_GainSetting),
                    XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.3f"))

TW_SENSOR_REPORT_LINES(COBS_SeapointTurbiditySensor,
                       LineChoice("Gain setting", &S::m_GainSetting, kSeapointTurbidityGainTexts),
                       LineFixed("Scale factor", &S::m_ScaleFactor, 3))

TW_SENSOR_XML_ITEMS(COBS_SeatechLS6000Sensor, XmlComment<S>(kGainIndexComment),
                    XmlSelection("GainSetting", &S::m_GainSetting),
                    XmlDouble("Offset", &S::m_Offset, "%1.3f"),
                    XmlDouble("Slope", &S::m_Slope, "%1.3f"))

TW_SENSOR_REPORT_LINES(COBS_SeatechLS6000Sensor,
                       LineChoice("Gain setting", &S::m_GainSetting, kLS6000GainTexts),
                       LineFixed("Slope", &S::m_Slope, 3), LineFixed("Offset", &S::m_Offset, 3))

TW_SENSOR_XML_ITEMS(COBS_TurnerSCUFA_Sensor, XmlDouble("ScaleFactor", &S::m_ScaleFactor, "%1.8e"),
                    XmlDouble("Offset", &S::m_Offset, "%1.8e"))

TW_SENSOR_REPORT_LINES(COBS_TurnerSCUFA_Sensor, LineSci("Scale factor", &S::m_ScaleFactor, 8),
                       LineSci("Offset", &S::m_Offset, 8))

TW_SENSOR_XML_ITEMS(COBS_DA_3plusSensor, XmlDouble("A0", &S::m_A0, "%1.8e"),
                    XmlDouble("A1", &S::m_A1, "%1.8e"), XmlDouble("A2", &S::m_A2, "%1.8e"))

TW_SENSOR_REPORT_LINES(COBS_DA_3plusSensor, LineFixed("A0", &S::m_A0, 4),
                       LineSci("A1", &S::m_A1, 6), LineSci("A2", &S::m_A2, 6))

TW_SENSOR_XML_ITEMS(CTransWetlabAC3Sensor, XmlDouble("Ch2o", &S::m_Ch2o, "%1.4f"),
                    XmlDouble("Vh2o", &S::m_Vh2o, "%1.3f"),
                    XmlDouble("VDark", &S::m_VDark, "%1.3f"), XmlDouble("X", &S::m_X, "%1.2f"))

TW_SENSOR_REPORT_LINES(CTransWetlabAC3Sensor, LineFixed("Ch2o", &S::m_Ch2o, 4),
                       LineFixed("Vh2o", &S::m_Vh2o, 3), LineFixed("VDark", &S::m_VDark, 3),
                       LineFixed("X", &S::m_X, 2))
