#pragma once
// Fluorometers, turbidity (OBS) sensors and transmissometers.
//
// Most are plain table-described sensors. Two families share a class
// behaviour and differ only in sensor ID: the linear sensors (CLinearSensor)
// and the Dr. Haardt sensors (CDrHaardtSensor); both read through a fresh
// object from the sensor factory and are compared only through
// SensorObjectsEqual. Kinds that are alike but unrelated (the two Seapoint
// fluorometers, the two beam transmissometers) share a class template.

#include <array>
#include <cstddef>

#include "core/CoeffSensor.h"

// The texts of the selections, one per value from 0.
inline constexpr const char* kDrHaardtGainRangeTexts[] = {"Output Voltage Level", "Modulo Bit",
                                                          "None"};
inline constexpr const char* kDrHaardtModuloBitTexts[] = {"8", "9", "10", "11", "None"};
inline constexpr const char* kScufaUnitsTexts[] = {"RFU",  "ppb",  "ppm",   "ppt",
                                                   "ug/L", "ng/L", "mg/m^3"};
inline constexpr const char* kSeapointTurbidityGainTexts[] = {"1 x", "5 x", "20 x", "100 x"};
inline constexpr const char* kLS6000GainTexts[] = {
    "Full Scale Range = 2.25 NTU", "Full Scale Range = 7.5 NTU", "Full Scale Range = 25 NTU",
    "Full Scale Range = 75 NTU",   "Full Scale Range = 225 NTU", "Full Scale Range = 250 NTU",
    "Full Scale Range = 750 NTU",  "Full Scale Range = 33 mg/l", "Full Scale Range = 100 mg/l"};
// The comment before a gain setting stored as its index.
inline constexpr const char* kGainIndexComment =
    "The following is an array index, not the actual gain setting.";

// The six texts that make a CLinearSensor of one kind. They are constants of
// the program and are not owned.
struct SLinearTexts {
    const char* firstLabel;
    const char* firstTag;
    const char* secondLabel;
    const char* secondTag;
    const char* firstFormat;
    const char* secondFormat;
};

// A sensor with two calibration values (a scale factor or range, and a dark
// output or offset) whose report labels, element tags and write formats each
// subclass gives. When the second label differs from its tag, the label is
// written as a comment before the element. Compared only through
// SensorObjectsEqual: the same sensor ID, common items and both values.
class CLinearSensor : public CSensor {
    DECLARE_DYNAMIC(CLinearSensor)
  public:
    CLinearSensor(const char* firstLabel, const char* firstTag, const char* secondLabel,
                  const char* secondTag, const char* firstFormat, const char* secondFormat);
    explicit CLinearSensor(const SLinearTexts& texts);

    double GetFirstCoefficient() const { return m_first; }
    void SetFirstCoefficient(double value) { m_first = value; }
    double GetSecondCoefficient() const { return m_second; }
    void SetSecondCoefficient(double value) { m_second = value; }
    const SLinearTexts& GetTexts() const { return m_texts; }

    // Reads into a fresh object of this sensor's ID from the sensor factory.
    long ReadXML(TDWXML::CInputNode* node) override;
    long WriteXML(TDWXML::COutputNode* node) override;
    void Report(std::ostream& os, int indent) const override;
    // Copies the common items and both values; the texts stay.
    void AssignFrom(const CSensor& other) override;
    bool IsEqualTo(const CSensor& other) const override;
    std::span<const SCoeffField<CLinearSensor>> FieldTable() const {
        return {m_fields.data(), m_fieldCount};
    }
    TW_SENSOR_FIELD_ACCESS(*this, FieldTable())

  private:
    double m_first = 0.0;
    double m_second = 0.0;
    SLinearTexts m_texts;
    // Made from the texts: the first value, the second's comment when it has
    // one, the second value. Held in place, since a read makes a sensor for
    // every channel and copies it.
    std::array<SCoeffField<CLinearSensor>, 3> m_fields{};
    std::size_t m_fieldCount = 0;
};

// A CLinearSensor subclass: its ID and a constructor that gives the texts and
// the defaults.
#define TW_LINEAR_SENSOR(Class, ID)                     \
    class Class : public CLinearSensor {                \
        DECLARE_DYNCREATE(Class)                        \
      public:                                           \
        Class();                                        \
        int GetSensorID() const override { return ID; } \
    };                                                  \
    static_assert(kSensorRowNames<Class, ID>, "the sensor table gives " #ID " to another class");

TW_LINEAR_SENSOR(CTurbidityWET_LabsECO_NTU_Sensor, SID_TURBIDITY_ECO_NTU)
TW_LINEAR_SENSOR(CFluoroSeapointUltravioletSensor, SID_FLUORO_SEAPOINT_UV)
TW_LINEAR_SENSOR(CTurbidityWET_LabsECO_BB_Sensor, SID_TURBIDITY_ECO_BB)
TW_LINEAR_SENSOR(CFluoroWET_LabsSeaOWL_CHL_Sensor, SID_FLUORO_SEAOWL_CHL)
TW_LINEAR_SENSOR(CFluoroWET_LabsSeaOWL_FDOM_Sensor, SID_FLUORO_SEAOWL_FDOM)
TW_LINEAR_SENSOR(CTurbidityWET_LabsSeaOWL_BB_Sensor, SID_TURBIDITY_SEAOWL_BB)

// Dr. Haardt fluorometers and turbidity sensor: two coefficient pairs, a gain
// range switch and, when the switch is "Modulo Bit", the modulo bit in use.
class CDrHaardtSensor : public CSensor {
    DECLARE_DYNAMIC(CDrHaardtSensor)
    TW_SENSOR_SELECTION(GainRange, 2, kDrHaardtGainRangeTexts)
    TW_SENSOR_SELECTION(ModuloBit, 4, kDrHaardtModuloBitTexts)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 1.0)
    TW_SENSOR_VALUE(double, B0, 0.0)
    TW_SENSOR_VALUE(double, B1, 1.0)
  public:
    static constexpr int kReportWidth = 18;
    static constexpr int kGainRangeModuloBit = 1;

    // Reads into a fresh object of this sensor's ID from the sensor factory;
    // both selections must lie within their limits.
    long ReadXML(TDWXML::CInputNode* node) override;
    long WriteXML(TDWXML::COutputNode* node) override;
    void Report(std::ostream& os, int indent) const override;
    void AssignFrom(const CSensor& other) override;
    bool IsEqualTo(const CSensor& other) const override;
    TW_DECLARE_SENSOR_FIELDS(CDrHaardtSensor)
    TW_SENSOR_FIELD_ACCESS(*this, FieldTable())
  public:
    bool operator==(const CDrHaardtSensor&) const = default;
};

#define TW_DR_HAARDT_SENSOR(Class, ID)                  \
    class Class : public CDrHaardtSensor {              \
        DECLARE_DYNCREATE(Class)                        \
      public:                                           \
        int GetSensorID() const override { return ID; } \
    };                                                  \
    static_assert(kSensorRowNames<Class, ID>, "the sensor table gives " #ID " to another class");

TW_DR_HAARDT_SENSOR(CFluoroDrHaardtChloroSensor, SID_FLUORO_DR_HAARDT_CHLORO)
TW_DR_HAARDT_SENSOR(CFluoroDrHaardtPhycoSensor, SID_FLUORO_DR_HAARDT_PHYCO)
TW_DR_HAARDT_SENSOR(CFluoroDrHaardtYellowSensor, SID_FLUORO_DR_HAARDT_YELLOW)
TW_DR_HAARDT_SENSOR(COBS_DrHaardtTurbiditySensor, SID_OBS_DR_HAARDT_TURBIDITY)

class CFluoroBiosphericalSensor : public CCoeffSensor<CFluoroBiosphericalSensor> {
    DECLARE_DYNCREATE(CFluoroBiosphericalSensor)
    TW_SENSOR_VALUE(double, Cfn, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_BIOSPHERICAL;
    bool operator==(const CFluoroBiosphericalSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroBiosphericalSensor)
};

class CFluoroChelseaAqua3Sensor : public CCoeffSensor<CFluoroChelseaAqua3Sensor> {
    DECLARE_DYNCREATE(CFluoroChelseaAqua3Sensor)
    TW_SENSOR_VALUE(double, VB, 0.0)
    TW_SENSOR_VALUE(double, V1, 0.0)
    TW_SENSOR_VALUE(double, Vacetone, 0.0)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Slope, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_CHELSEA_AQUA3;
    bool operator==(const CFluoroChelseaAqua3Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroChelseaAqua3Sensor)
};

class CFluoroChelseaMiniSensor : public CCoeffSensor<CFluoroChelseaMiniSensor> {
    DECLARE_DYNCREATE(CFluoroChelseaMiniSensor)
    TW_SENSOR_VALUE(double, Vacetone, 0.0)
    TW_SENSOR_VALUE(double, Vacetone100, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_CHELSEA_MINI;
    static constexpr int kReportWidth = 15;
    bool operator==(const CFluoroChelseaMiniSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroChelseaMiniSensor)
};

class CFluoroChelseaUV_AquaSensor : public CCoeffSensor<CFluoroChelseaUV_AquaSensor> {
    DECLARE_DYNCREATE(CFluoroChelseaUV_AquaSensor)
    TW_SENSOR_VALUE(double, A, 0.001)
    TW_SENSOR_VALUE(double, B, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_CHELSEA_UV_AQUA;
    bool operator==(const CFluoroChelseaUV_AquaSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroChelseaUV_AquaSensor)
};

// The texts of the Seapoint fluorometer gain settings, by index. The micro
// sign is the single byte 0xB5.
inline constexpr const char* kSeapointFluoroGainTexts[] = {
    "30 x, 0-5 \xB5g/l", "10 x, 0-15 \xB5g/l", "3 x, 0-50 \xB5g/l", "1 x, 0-150 \xB5g/l"};

// The Seapoint fluorometers (chlorophyll and rhodamine): a gain setting stored
// as its index, and an offset.
template <class Derived>
class CFluoroSeapointKind : public CCoeffSensor<Derived> {
    TW_SENSOR_SELECTION(GainSetting, 0, kSeapointFluoroGainTexts)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    bool operator==(const CFluoroSeapointKind&) const = default;

    static std::span<const SCoeffField<Derived>> FieldTable() {
        using S = CFluoroSeapointKind;
        using namespace SensorFields;
        static const SCoeffField<Derived> fields[] = {
            Comment<Derived>(kGainIndexComment),
            Choice<Derived>("GainSetting", &S::m_GainSetting).Shown("Gain setting"),
            Coeff<Derived>("Offset", &S::m_Offset, "%1.3f").Fixed("Offset", 3),
        };
        return fields;
    }
};

class CFluoroSeapointSensor : public CFluoroSeapointKind<CFluoroSeapointSensor> {
    DECLARE_DYNCREATE(CFluoroSeapointSensor)
  public:
    static constexpr int kSensorID = SID_FLUORO_SEAPOINT;
    bool operator==(const CFluoroSeapointSensor&) const = default;
};

class CFluoroSeapointRhodaSensor : public CFluoroSeapointKind<CFluoroSeapointRhodaSensor> {
    DECLARE_DYNCREATE(CFluoroSeapointRhodaSensor)
  public:
    static constexpr int kSensorID = SID_FLUORO_SEAPOINT_RHODA;
    bool operator==(const CFluoroSeapointRhodaSensor&) const = default;
};

class CFluoroSeatechSensor : public CCoeffSensor<CFluoroSeatechSensor> {
    DECLARE_DYNCREATE(CFluoroSeatechSensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_SEATECH;
    bool operator==(const CFluoroSeatechSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroSeatechSensor)
};

class CFluoroTurner10005Sensor : public CCoeffSensor<CFluoroTurner10005Sensor> {
    DECLARE_DYNCREATE(CFluoroTurner10005Sensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_TURNER_10005;
    bool operator==(const CFluoroTurner10005Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroTurner10005Sensor)
};

class CFluoroTurnerRangeSensor : public CCoeffSensor<CFluoroTurnerRangeSensor> {
    DECLARE_DYNCREATE(CFluoroTurnerRangeSensor)
  public:
    static constexpr int kSensorID = SID_FLUORO_TURNER_RANGE;
    static constexpr bool kSilentReport = true;
    bool operator==(const CFluoroTurnerRangeSensor&) const = default;

    // The scale factor that the range output voltage selects.
    static double CalcScaleFactor(double volts);
};

// Its zero-point element is spelled "ZeroPointConcentratin"; a file must
// spell it so.
class CFluoroTurner10Au005Sensor : public CCoeffSensor<CFluoroTurner10Au005Sensor> {
    DECLARE_DYNCREATE(CFluoroTurner10Au005Sensor)
    TW_SENSOR_VALUE(double, FullScaleVolt, 0.0)
    TW_SENSOR_VALUE(double, ZeroPointConc, 0.0)
    TW_SENSOR_VALUE(double, FullScaleConc, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_TURNER_10AU005;
    static constexpr int kReportWidth = 25;
    bool operator==(const CFluoroTurner10Au005Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroTurner10Au005Sensor)
};

class CFluoroTurnerSCUFA_Sensor : public CCoeffSensor<CFluoroTurnerSCUFA_Sensor> {
    DECLARE_DYNCREATE(CFluoroTurnerSCUFA_Sensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
    TW_SENSOR_SELECTION(Units, 6, kScufaUnitsTexts)
    TW_SENSOR_VALUE(double, MX, 1.0)
    TW_SENSOR_VALUE(double, MY, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_TURNER_SCUFA;
    bool operator==(const CFluoroTurnerSCUFA_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroTurnerSCUFA_Sensor)
};

class CFluoroWetlabAC3Sensor : public CCoeffSensor<CFluoroWetlabAC3Sensor> {
    DECLARE_DYNCREATE(CFluoroWetlabAC3Sensor)
    TW_SENSOR_VALUE(double, Kv, 0.0)
    TW_SENSOR_VALUE(double, Vh2o, 0.0)
    TW_SENSOR_VALUE(double, AtoX, 0.0)
  public:
    static constexpr int kSensorID = SID_FLUORO_WETLAB_AC3;
    bool operator==(const CFluoroWetlabAC3Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CFluoroWetlabAC3Sensor)
};

// The WET Labs fluorometers with a blank (dark) output and a scale factor.
#define TW_WETLAB_FLUORO_SENSOR(Class, ID)             \
    class Class : public CCoeffSensor<Class> {         \
        DECLARE_DYNCREATE(Class)                       \
        TW_SENSOR_VALUE(double, Vblank, 0.0)           \
        TW_SENSOR_VALUE(double, ScaleFactor, 1.0)      \
      public:                                          \
        static constexpr int kSensorID = ID;           \
        bool operator==(const Class&) const = default; \
        TW_DECLARE_SENSOR_FIELDS(Class)                \
    };

TW_WETLAB_FLUORO_SENSOR(CFluoroWetlabCDOM_Sensor, SID_FLUORO_WETLAB_CDOM)
TW_WETLAB_FLUORO_SENSOR(CFluoroWetlabECO_AFL_Sensor, SID_FLUORO_WETLAB_ECO_AFL)
TW_WETLAB_FLUORO_SENSOR(CFluoroWetlabWetstarSensor, SID_FLUORO_WETLAB_WETSTAR)

// Turner Cyclops: the measured parameter is a number from 1 to 10 that the
// element's comments explain. Compared only through SensorObjectsEqual.
class CFluoroTurnerCyclopsSensor : public CCoeffSensor<CFluoroTurnerCyclopsSensor> {
    DECLARE_DYNCREATE(CFluoroTurnerCyclopsSensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
    TW_SENSOR_VALUE(int, MeasuredParameter, 1)
  public:
    static constexpr int kSensorID = SID_FLUORO_TURNER_CYCLOPS;
    TW_DECLARE_SENSOR_FIELDS(CFluoroTurnerCyclopsSensor)

    friend class CCoeffSensor<CFluoroTurnerCyclopsSensor>;
    bool operator==(const CFluoroTurnerCyclopsSensor&) const = default;
};

class COBS_BackscatteranceSensor : public CCoeffSensor<COBS_BackscatteranceSensor> {
    DECLARE_DYNCREATE(COBS_BackscatteranceSensor)
    TW_SENSOR_VALUE(double, Gain, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_OBS_BACKSCATTERANCE;
    bool operator==(const COBS_BackscatteranceSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_BackscatteranceSensor)
};

class COBS_ChelseaNepheloSensor : public CCoeffSensor<COBS_ChelseaNepheloSensor> {
    DECLARE_DYNCREATE(COBS_ChelseaNepheloSensor)
    TW_SENSOR_VALUE(double, ClearWaterValue, 0.0)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
  public:
    static constexpr int kSensorID = SID_OBS_CHELSEA_NEPHELO;
    static constexpr int kReportWidth = 18;
    bool operator==(const COBS_ChelseaNepheloSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_ChelseaNepheloSensor)
};

class COBS_IFREMER_MeasuredSensor : public CCoeffSensor<COBS_IFREMER_MeasuredSensor> {
    DECLARE_DYNCREATE(COBS_IFREMER_MeasuredSensor)
    TW_SENSOR_VALUE(double, Vm0, 0.0)
    TW_SENSOR_VALUE(double, Vd0, 0.0)
    TW_SENSOR_VALUE(double, D0, 0.0)
    TW_SENSOR_VALUE(double, K, 1.0)
  public:
    static constexpr int kSensorID = SID_OBS_IFREMER_MEASURED;
    bool operator==(const COBS_IFREMER_MeasuredSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_IFREMER_MeasuredSensor)
};

class COBS_SeapointTurbiditySensor : public CCoeffSensor<COBS_SeapointTurbiditySensor> {
    DECLARE_DYNCREATE(COBS_SeapointTurbiditySensor)
    TW_SENSOR_SELECTION(GainSetting, 0, kSeapointTurbidityGainTexts)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
  public:
    static constexpr int kSensorID = SID_OBS_SEAPOINT_TURBIDITY;
    bool operator==(const COBS_SeapointTurbiditySensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_SeapointTurbiditySensor)
};

class COBS_SeatechLS6000Sensor : public CCoeffSensor<COBS_SeatechLS6000Sensor> {
    DECLARE_DYNCREATE(COBS_SeatechLS6000Sensor)
    TW_SENSOR_SELECTION(GainSetting, 7, kLS6000GainTexts)
    TW_SENSOR_VALUE(double, Slope, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_OBS_SEATECH_LS6000;
    bool operator==(const COBS_SeatechLS6000Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_SeatechLS6000Sensor)
};

class COBS_TurnerSCUFA_Sensor : public CCoeffSensor<COBS_TurnerSCUFA_Sensor> {
    DECLARE_DYNCREATE(COBS_TurnerSCUFA_Sensor)
    TW_SENSOR_VALUE(double, ScaleFactor, 1.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
  public:
    static constexpr int kSensorID = SID_OBS_TURNER_SCUFA;
    bool operator==(const COBS_TurnerSCUFA_Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_TurnerSCUFA_Sensor)
};

class COBS_DA_3plusSensor : public CCoeffSensor<COBS_DA_3plusSensor> {
    DECLARE_DYNCREATE(COBS_DA_3plusSensor)
    TW_SENSOR_VALUE(double, A0, 0.0)
    TW_SENSOR_VALUE(double, A1, 0.0)
    TW_SENSOR_VALUE(double, A2, 0.0)
  public:
    static constexpr int kSensorID = SID_OBS_DA_3PLUS;
    bool operator==(const COBS_DA_3plusSensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(COBS_DA_3plusSensor)
};

// The beam transmissometers of Chelsea/Seatech and the WET Labs C-Star.
template <class Derived>
class CTransBeamKind : public CCoeffSensor<Derived> {
    TW_SENSOR_VALUE(double, M, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, PathLength, 0.0)
  public:
    bool operator==(const CTransBeamKind&) const = default;

    static std::span<const SCoeffField<Derived>> FieldTable() {
        using S = CTransBeamKind;
        using namespace SensorFields;
        static const SCoeffField<Derived> fields[] = {
            Coeff<Derived>("M", &S::m_M, "%1.4f").Fixed("M", 4),
            Coeff<Derived>("B", &S::m_B, "%1.4f").Fixed("B", 4),
            Coeff<Derived>("PathLength", &S::m_PathLength, "%1.3f").Fixed("Path length", 3),
        };
        return fields;
    }
};

class CTransChelseaSensor : public CTransBeamKind<CTransChelseaSensor> {
    DECLARE_DYNCREATE(CTransChelseaSensor)
  public:
    static constexpr int kSensorID = SID_TRANS_CHELSEA;
    bool operator==(const CTransChelseaSensor&) const = default;
};

class CTransWET_LabsCStarSensor : public CTransBeamKind<CTransWET_LabsCStarSensor> {
    DECLARE_DYNCREATE(CTransWET_LabsCStarSensor)
  public:
    static constexpr int kSensorID = SID_TRANS_CSTAR;
    bool operator==(const CTransWET_LabsCStarSensor&) const = default;
};

class CTransWetlabAC3Sensor : public CCoeffSensor<CTransWetlabAC3Sensor> {
    DECLARE_DYNCREATE(CTransWetlabAC3Sensor)
    TW_SENSOR_VALUE(double, Ch2o, 0.0)
    TW_SENSOR_VALUE(double, Vh2o, 0.0)
    TW_SENSOR_VALUE(double, VDark, 0.0)
    TW_SENSOR_VALUE(double, X, 0.0)
  public:
    static constexpr int kSensorID = SID_TRANS_WETLAB_AC3;
    bool operator==(const CTransWetlabAC3Sensor&) const = default;
    TW_DECLARE_SENSOR_FIELDS(CTransWetlabAC3Sensor)
};

class COBS_IFREMER_DirectSensor : public CCoeffSensor<COBS_IFREMER_DirectSensor> {
    DECLARE_DYNCREATE(COBS_IFREMER_DirectSensor)
  public:
    static constexpr int kSensorID = SID_OBS_IFREMER_DIRECT;
    static constexpr bool kSilentReport = true;
    bool operator==(const COBS_IFREMER_DirectSensor&) const = default;
};
