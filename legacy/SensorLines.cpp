#include "legacy/SensorLines.h"

#include <algorithm>
#include <string>
#include <type_traits>

#include "legacy/ConLines.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/OpticalSensors.h"
#include "sensors/OxygenSensors.h"
#include "sensors/OxygenTDW41Sensors.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"

namespace {

// A coefficient through its Get<Name>/Set<Name> pair.
template <class S, auto Getter, auto Setter>
struct Plain {
    static double Get(const CSensor& sensor) {
        const auto* own = dynamic_cast<const S*>(&sensor);
        return own ? static_cast<double>((own->*Getter)()) : 0.0;
    }
    static void Set(CSensor& sensor, double value) {
        auto* own = dynamic_cast<S*>(&sensor);
        if (!own) {
            return;
        }
        using T = std::remove_cvref_t<decltype((own->*Getter)())>;
        if constexpr (std::is_integral_v<T>) {
            (own->*Setter)(ClampToInt(value));
        } else {
            (own->*Setter)(value);
        }
    }
};

// A selection held in the file as the number itself; a number outside its
// limits leaves the default.
template <class S, auto Getter, auto Setter>
struct Choice {
    static double Get(const CSensor& sensor) {
        const auto* own = dynamic_cast<const S*>(&sensor);
        return own ? (own->*Getter)().Get() : 0.0;
    }
    static void Set(CSensor& sensor, double value) {
        if (auto* own = dynamic_cast<S*>(&sensor)) {
            (own->*Setter)(ClampToInt(value));
        }
    }
};

// A selection held in the file as an instrument code: each listed code gives
// its setting, any other code the remaining setting, which is written back as
// otherCode.
struct SCode {
    int code;
    int setting;
};
struct SCodeMap {
    std::span<const SCode> codes;
    int otherSetting;
    int otherCode;
};

template <class S, auto Getter, auto Setter, const SCodeMap* Map>
struct Coded {
    static double Get(const CSensor& sensor) {
        const auto* own = dynamic_cast<const S*>(&sensor);
        const int setting = own ? (own->*Getter)().Get() : Map->otherSetting;
        for (const SCode& code : Map->codes) {
            if (code.setting == setting) {
                return code.code;
            }
        }
        return Map->otherCode;
    }
    static void Set(CSensor& sensor, double value) {
        auto* own = dynamic_cast<S*>(&sensor);
        if (!own) {
            return;
        }
        const int code = ClampToInt(value);
        int setting = Map->otherSetting;
        for (const SCode& entry : Map->codes) {
            if (entry.code == code) {
                setting = entry.setting;
                break;
            }
        }
        (own->*Setter)(setting);
    }
};

constexpr SCode kSeapointFluoroGains[] = {{30, 0}, {3, 1}, {10, 2}};
constexpr SCodeMap kSeapointFluoroGain{kSeapointFluoroGains, 3, 1};
constexpr SCode kSeapointTurbidityGains[] = {{5, 1}, {20, 2}, {100, 3}};
constexpr SCodeMap kSeapointTurbidityGain{kSeapointTurbidityGains, 0, 1};
// Gain codes 186 to 192 are settings 0 to 6; 0 and 194 both mean setting 8.
constexpr SCode kLS6000Gains[] = {{186, 0}, {187, 1}, {188, 2}, {189, 3}, {190, 4},
                                  {191, 5}, {192, 6}, {194, 8}, {0, 8}};
constexpr SCodeMap kLS6000Gain{kLS6000Gains, 7, 193};
constexpr SCode kDrHaardtModuloBits[] = {{277, 0}, {281, 1}, {282, 2}, {283, 3}};
constexpr SCodeMap kDrHaardtModuloBit{kDrHaardtModuloBits, 4, 0};
constexpr SCode kDrHaardtGainRanges[] = {{1306, 0}, {1307, 1}};
constexpr SCodeMap kDrHaardtGainRange{kDrHaardtGainRanges, 2, 0};

template <class Binding>
constexpr SLegacyValue At(int line, int position) {
    return {line, position, &Binding::Get, &Binding::Set};
}

#define TW_PLAIN(Class, Name) Plain<Class, &Class::Get##Name, &Class::Set##Name>
#define TW_CHOICE(Class, Name) Choice<Class, &Class::Get##Name, &Class::Set##Name>
#define TW_CODED(Class, Name, Map) Coded<Class, &Class::Get##Name, &Class::Set##Name, &Map>
#define TW_AT(Class, Name, line, position) At<TW_PLAIN(Class, Name)>(line, position)

// The values of each kind, one array per set of lines.

using Cond = CCondSensor;
constexpr SLegacyValue kConductivity[2][17] = {
#define TW_COND_LINES(l1, l2, l3)                                                                  \
    {                                                                                              \
        TW_AT(Cond, M, l1, 1), TW_AT(Cond, A, l1, 2), TW_AT(Cond, B, l1, 3),                       \
            TW_AT(Cond, C, l1, 4), TW_AT(Cond, D, l1, 5), TW_AT(Cond, Pcor, l1, 6),                \
            TW_AT(Cond, CellConst, l2, 1), TW_AT(Cond, SeriesR, l2, 2), TW_AT(Cond, Slope, l2, 3), \
            TW_AT(Cond, Offset, l2, 4), TW_AT(Cond, bUseG_J, l2, 5), TW_AT(Cond, G, l3, 1),        \
            TW_AT(Cond, H, l3, 2), TW_AT(Cond, I, l3, 3), TW_AT(Cond, J, l3, 4),                   \
            TW_AT(Cond, CTcor, l3, 5), TW_AT(Cond, CPcor, l3, 6)                                   \
    }
    TW_COND_LINES(2, 3, 110),
    TW_COND_LINES(7, 8, 112),
#undef TW_COND_LINES
};

using Temp = CTempTDW2Sensor;
constexpr SLegacyValue kTemperature[2][13] = {
#define TW_TEMP_LINES(l1, l2)                                                                \
    {                                                                                        \
        TW_AT(Temp, F0_Old, l1, 1), TW_AT(Temp, A, l1, 2), TW_AT(Temp, B, l1, 3),            \
            TW_AT(Temp, C, l1, 4), TW_AT(Temp, D, l1, 5), TW_AT(Temp, Slope, l1, 6),         \
            TW_AT(Temp, Offset, l1, 7), TW_AT(Temp, bUseG_J, l1, 8), TW_AT(Temp, F0, l2, 1), \
            TW_AT(Temp, G, l2, 2), TW_AT(Temp, H, l2, 3), TW_AT(Temp, I, l2, 4),             \
            TW_AT(Temp, J, l2, 5)                                                            \
    }
    TW_TEMP_LINES(5, 111),
    TW_TEMP_LINES(10, 113),
#undef TW_TEMP_LINES
};

using DQTC = CPressureDigiquartzTC_Sensor;
constexpr SLegacyValue kDigiquartzTC[] = {
    TW_AT(DQTC, T1, 12, 1),     TW_AT(DQTC, T2, 12, 2),    TW_AT(DQTC, T3, 12, 3),
    TW_AT(DQTC, T4, 12, 4),     TW_AT(DQTC, T5, 12, 5),    TW_AT(DQTC, C1, 13, 1),
    TW_AT(DQTC, C2, 13, 2),     TW_AT(DQTC, C3, 13, 3),    TW_AT(DQTC, D1, 14, 1),
    TW_AT(DQTC, D2, 14, 2),     TW_AT(DQTC, Slope, 14, 3), TW_AT(DQTC, Offset, 14, 4),
    TW_AT(DQTC, AD590M, 14, 6), TW_AT(DQTC, AD590B, 14, 7)};
using DQ = CPressureDigiquartzSensor;
constexpr SLegacyValue kDigiquartz[] = {
    TW_AT(DQ, T1, 12, 1), TW_AT(DQ, T2, 12, 2),    TW_AT(DQ, T3, 12, 3),    TW_AT(DQ, T4, 12, 4),
    TW_AT(DQ, C1, 13, 1), TW_AT(DQ, C2, 13, 2),    TW_AT(DQ, C3, 13, 3),    TW_AT(DQ, D1, 14, 1),
    TW_AT(DQ, D2, 14, 2), TW_AT(DQ, Slope, 14, 3), TW_AT(DQ, Offset, 14, 4)};
using Strain = CPressureStrainGaugeSensor;
constexpr SLegacyValue kStrainGauge[] = {TW_AT(Strain, A1, 13, 1), TW_AT(Strain, A0, 13, 2),
                                         TW_AT(Strain, A2, 13, 4), TW_AT(Strain, Offset, 14, 4)};
using Druck = CPressureDruckSensor;
constexpr SLegacyValue kDruck[] = {
    TW_AT(Druck, PTEMPA0, 189, 1), TW_AT(Druck, PTEMPA1, 189, 2), TW_AT(Druck, PTEMPA2, 189, 3),
    TW_AT(Druck, PTCA0, 189, 4),   TW_AT(Druck, PTCA1, 189, 5),   TW_AT(Druck, PTCA2, 189, 6),
    TW_AT(Druck, PTCB0, 190, 1),   TW_AT(Druck, PTCB1, 190, 2),   TW_AT(Druck, PTCB2, 190, 3),
    TW_AT(Druck, PA0, 190, 4),     TW_AT(Druck, PA1, 190, 5),     TW_AT(Druck, PA2, 190, 6),
    TW_AT(Druck, Offset, 190, 7)};

#define TW_COUNT_TEMP_LINES(Class, line)                                                           \
    {                                                                                              \
        TW_AT(Class, A0, line, 1), TW_AT(Class, A1, line, 2), TW_AT(Class, A2, line, 3),           \
            TW_AT(Class, A3, line, 4), TW_AT(Class, Slope, line, 5), TW_AT(Class, Offset, line, 6) \
    }
constexpr SLegacyValue kTempPlus[] = TW_COUNT_TEMP_LINES(CTempVantrelPlusSensor, 185);
constexpr SLegacyValue kTempTDW94[] = TW_COUNT_TEMP_LINES(CTempTDW94Sensor, 247);
#undef TW_COUNT_TEMP_LINES

constexpr SLegacyValue kpH[] = {TW_AT(CpH_Sensor, Slope, 19, 1), TW_AT(CpH_Sensor, Offset, 19, 2)};

using PAR = CPAR_BiosphericalSensor;
constexpr SLegacyValue kPAR1[] = {TW_AT(PAR, CalibrationConstant, 21, 1),
                                  TW_AT(PAR, Multiplier, 21, 2), TW_AT(PAR, M, 21, 3),
                                  TW_AT(PAR, B, 21, 4), TW_AT(PAR, Offset, 21, 7)};
constexpr SLegacyValue kPAR2[] = {TW_AT(PAR, CalibrationConstant, 210, 1),
                                  TW_AT(PAR, Multiplier, 210, 2), TW_AT(PAR, M, 210, 3),
                                  TW_AT(PAR, B, 210, 4), TW_AT(PAR, Offset, 210, 5)};
constexpr SLegacyValue kSPAR[] = {TW_AT(CSPAR_Sensor, ConversionFactor, 21, 5),
                                  TW_AT(CSPAR_Sensor, RatioMultiplier, 21, 6)};

#define TW_THREE(Class, N1, N2, N3, line) \
    { TW_AT(Class, N1, line, 1), TW_AT(Class, N2, line, 2), TW_AT(Class, N3, line, 3) }
#define TW_TWO(Class, N1, N2, line) \
    { TW_AT(Class, N1, line, 1), TW_AT(Class, N2, line, 2) }

constexpr SLegacyValue kTrans[2][3] = {TW_THREE(CTransChelseaSensor, M, B, PathLength, 23),
                                       TW_THREE(CTransChelseaSensor, M, B, PathLength, 176)};
constexpr SLegacyValue kFLF[] = TW_TWO(CFluoroSeatechSensor, ScaleFactor, Offset, 25);
constexpr SLegacyValue kORP[] = TW_THREE(COxidationRedPotSensor, M, B, Offset, 29);
constexpr SLegacyValue kBackscatter[2][2] = {TW_TWO(COBS_BackscatteranceSensor, Gain, Offset, 31),
                                             TW_TWO(COBS_BackscatteranceSensor, Gain, Offset, 274)};
constexpr SLegacyValue kAltimeter[] = {TW_AT(CAltimeterSensor, ScaleFactor, 32, 1),
                                       TW_AT(CAltimeterSensor, Offset, 32, 5)};
using IFREMER = COBS_IFREMER_MeasuredSensor;
constexpr SLegacyValue kIFREMER[] = {TW_AT(IFREMER, Vm0, 47, 1), TW_AT(IFREMER, Vd0, 47, 2),
                                     TW_AT(IFREMER, D0, 47, 3), TW_AT(IFREMER, K, 47, 4)};
constexpr SLegacyValue kNephelo[] =
    TW_TWO(COBS_ChelseaNepheloSensor, ClearWaterValue, ScaleFactor, 49);
constexpr SLegacyValue kZaps[] = TW_TWO(CZapsSensor, M, B, 51);

using Poly = CUserPolySensor;
constexpr SLegacyValue kUserPoly[3][4] = {
#define TW_POLY_LINES(line)                                                           \
    {                                                                                 \
        TW_AT(Poly, A0, line, 1), TW_AT(Poly, A1, line, 2), TW_AT(Poly, A2, line, 3), \
            TW_AT(Poly, A3, line, 4)                                                  \
    }
    TW_POLY_LINES(76), TW_POLY_LINES(79), TW_POLY_LINES(82)
#undef TW_POLY_LINES
};

using Haardt = CDrHaardtSensor;
constexpr SLegacyValue kDrHaardt[4][6] = {
#define TW_HAARDT_LINES(line)                                                               \
    {                                                                                       \
        TW_AT(Haardt, A0, line, 1), TW_AT(Haardt, A1, line, 2), TW_AT(Haardt, B0, line, 3), \
            TW_AT(Haardt, B1, line, 4),                                                     \
            At<TW_CODED(Haardt, ModuloBit, kDrHaardtModuloBit)>(line, 5),                   \
            At<TW_CODED(Haardt, GainRange, kDrHaardtGainRange)>(line, 6)                    \
    }
    TW_HAARDT_LINES(85), TW_HAARDT_LINES(88), TW_HAARDT_LINES(91), TW_HAARDT_LINES(156)
#undef TW_HAARDT_LINES
};

constexpr SLegacyValue kSoundVelocity[] = TW_THREE(CSoundVelocitySensor, A0, A1, A2, 97);
using Bio = CFluoroBiosphericalSensor;
constexpr SLegacyValue kBiospherical[] = {TW_AT(Bio, Cfn, 100, 1), TW_AT(Bio, A1, 100, 2),
                                          TW_AT(Bio, A2, 100, 3), TW_AT(Bio, B, 100, 4)};
using LS6000 = COBS_SeatechLS6000Sensor;
constexpr SLegacyValue kLS6000[2][3] = {
#define TW_LS6000_LINES(line)                                                                   \
    {                                                                                           \
        At<TW_CODED(LS6000, GainSetting, kLS6000Gain)>(line, 1), TW_AT(LS6000, Slope, line, 2), \
            TW_AT(LS6000, Offset, line, 3)                                                      \
    }
    TW_LS6000_LINES(103), TW_LS6000_LINES(173)
#undef TW_LS6000_LINES
};
using Aqua3 = CFluoroChelseaAqua3Sensor;
constexpr SLegacyValue kAqua3[2][6] = {
#define TW_AQUA3_LINES(line)                                                \
    {                                                                       \
        TW_AT(Aqua3, ScaleFactor, line, 1), TW_AT(Aqua3, Slope, line, 2),   \
            TW_AT(Aqua3, Offset, line, 3), TW_AT(Aqua3, Vacetone, line, 4), \
            TW_AT(Aqua3, VB, line, 5), TW_AT(Aqua3, V1, line, 6)            \
    }
    TW_AQUA3_LINES(106), TW_AQUA3_LINES(241)
#undef TW_AQUA3_LINES
};
constexpr SLegacyValue kTurner10005[] = TW_TWO(CFluoroTurner10005Sensor, ScaleFactor, Offset, 109);
using Au = CFluoroTurner10Au005Sensor;
constexpr SLegacyValue kTurner10Au005[] = {TW_AT(Au, FullScaleConc, 109, 3),
                                           TW_AT(Au, FullScaleVolt, 109, 4),
                                           TW_AT(Au, ZeroPointConc, 109, 5)};
using TransAC3 = CTransWetlabAC3Sensor;
constexpr SLegacyValue kTransAC3[] = {TW_AT(TransAC3, Ch2o, 116, 1), TW_AT(TransAC3, Vh2o, 116, 2),
                                      TW_AT(TransAC3, VDark, 116, 3), TW_AT(TransAC3, X, 116, 4)};
using FluoroAC3 = CFluoroWetlabAC3Sensor;
constexpr SLegacyValue kFluoroAC3[] = {TW_AT(FluoroAC3, Kv, 116, 5), TW_AT(FluoroAC3, Vh2o, 116, 6),
                                       TW_AT(FluoroAC3, AtoX, 116, 7)};
constexpr SLegacyValue kWetstar[2][2] = {
    TW_TWO(CFluoroWetlabWetstarSensor, Vblank, ScaleFactor, 119),
    TW_TWO(CFluoroWetlabWetstarSensor, Vblank, ScaleFactor, 213)};

constexpr int kFGP_Count = 8;
constexpr SLegacyValue kFGP[kFGP_Count][2] = {
#define TW_FGP_LINES(n) TW_TWO(CPressureFGP_Sensor, ScaleFactor, Offset, 126 + 3 * (n))
    TW_FGP_LINES(0), TW_FGP_LINES(1), TW_FGP_LINES(2), TW_FGP_LINES(3), TW_FGP_LINES(4),
    TW_FGP_LINES(5), TW_FGP_LINES(6), TW_FGP_LINES(7)
#undef TW_FGP_LINES
};

using Turbidity = COBS_SeapointTurbiditySensor;
constexpr SLegacyValue kSeapointTurbidity[2][2] = {
    {At<TW_CODED(Turbidity, GainSetting, kSeapointTurbidityGain)>(150, 1),
     TW_AT(Turbidity, ScaleFactor, 150, 2)},
    {At<TW_CODED(Turbidity, GainSetting, kSeapointTurbidityGain)>(153, 1),
     TW_AT(Turbidity, ScaleFactor, 153, 2)}};
constexpr SLegacyValue kMinitracka[] =
    TW_THREE(CFluoroChelseaMiniSensor, Vacetone, Vacetone100, Offset, 159);
using Seapoint = CFluoroSeapointSensor;
constexpr SLegacyValue kSeapointFluoro[2][2] = {
    {At<TW_CODED(Seapoint, GainSetting, kSeapointFluoroGain)>(162, 1),
     TW_AT(Seapoint, Offset, 162, 2)},
    {At<TW_CODED(Seapoint, GainSetting, kSeapointFluoroGain)>(216, 1),
     TW_AT(Seapoint, Offset, 216, 2)}};
using Rhodamine = CFluoroSeapointRhodaSensor;
constexpr SLegacyValue kRhodamine[] = {
    At<TW_CODED(Rhodamine, GainSetting, kSeapointFluoroGain)>(225, 1),
    TW_AT(Rhodamine, Offset, 225, 2)};
using SCUFA = CFluoroTurnerSCUFA_Sensor;
constexpr SLegacyValue kSCUFA[2][6] = {
#define TW_SCUFA_LINES(line)                                                 \
    {                                                                        \
        TW_AT(SCUFA, ScaleFactor, line, 1), TW_AT(SCUFA, Offset, line, 2),   \
            At<TW_CHOICE(SCUFA, Units)>(line, 3), TW_AT(SCUFA, MX, line, 4), \
            TW_AT(SCUFA, MY, line, 5), TW_AT(SCUFA, B, line, 6)              \
    }
    TW_SCUFA_LINES(195), TW_SCUFA_LINES(219)
#undef TW_SCUFA_LINES
};
constexpr SLegacyValue kSCUFA_OBS[2][2] = {
    TW_TWO(COBS_TurnerSCUFA_Sensor, ScaleFactor, Offset, 198),
    TW_TWO(COBS_TurnerSCUFA_Sensor, ScaleFactor, Offset, 250)};
constexpr SLegacyValue kECO_AFL[2][2] = {
    TW_TWO(CFluoroWetlabECO_AFL_Sensor, Vblank, ScaleFactor, 201),
    TW_TWO(CFluoroWetlabECO_AFL_Sensor, Vblank, ScaleFactor, 272)};
using MethaneConc = CMethaneConcCAPSUM_Sensor;
constexpr SLegacyValue kMethaneConc[] = {
    TW_AT(MethaneConc, D, 207, 1),  TW_AT(MethaneConc, A0, 207, 2), TW_AT(MethaneConc, A1, 207, 3),
    TW_AT(MethaneConc, B0, 207, 4), TW_AT(MethaneConc, B1, 207, 5), TW_AT(MethaneConc, B2, 207, 6)};
constexpr SLegacyValue kMethaneTemp[] = {TW_AT(CMethaneTempCAPSUM_Sensor, T1, 207, 7),
                                         TW_AT(CMethaneTempCAPSUM_Sensor, T2, 207, 8)};
constexpr SLegacyValue kCDOM[] = TW_TWO(CFluoroWetlabCDOM_Sensor, Vblank, ScaleFactor, 222);
using LISST = CSuspSedScatterSensor;
constexpr SLegacyValue kLISST[] = {
    TW_AT(LISST, TotalVolConcConst, 234, 1), TW_AT(LISST, SauterMeanDiameter, 234, 2),
    TW_AT(LISST, CleanScatterOutput, 234, 3), TW_AT(LISST, CleanTransOutput, 234, 4)};
constexpr SLegacyValue kUV_Aqua[] = TW_TWO(CFluoroChelseaUV_AquaSensor, A, B, 244);
constexpr SLegacyValue kOBS3plus[2][3] = {TW_THREE(COBS_DA_3plusSensor, A0, A1, A2, 253),
                                          TW_THREE(COBS_DA_3plusSensor, A0, A1, A2, 256)};
// The optode's two integers and one double, kept in that order.
constexpr SLegacyValue kOptode[] =
    TW_THREE(COxOptodeSensor, DoSalinityCorrection, DoDepthCorrection, InternalSalinity, 278);
constexpr SLegacyValue kPARLog[] = TW_THREE(CPARLog_SatlanticSensor, A0, A1, Im, 281);

using Beckman = COxCurrentBeckmanSensor;
constexpr SLegacyValue kBeckmanCurrent[2][8] = {
#define TW_BECKMAN_LINES(l1, l2)                                                                 \
    {                                                                                            \
        TW_AT(Beckman, M, l1, 1), TW_AT(Beckman, B, l1, 2), TW_AT(Beckman, Soc, l1, 5),          \
            TW_AT(Beckman, Tcor, l1, 6), TW_AT(Beckman, Wt, l2, 1), TW_AT(Beckman, Pcor, l2, 2), \
            TW_AT(Beckman, Tau, l2, 3), TW_AT(Beckman, Boc, l2, 4)                               \
    }
    TW_BECKMAN_LINES(16, 17), TW_BECKMAN_LINES(72, 73)
#undef TW_BECKMAN_LINES
};
constexpr SLegacyValue kBeckmanTemp[2][2] = {
    {TW_AT(COxTempBeckmanSensor, K, 16, 3), TW_AT(COxTempBeckmanSensor, C, 16, 4)},
    {TW_AT(COxTempBeckmanSensor, K, 72, 3), TW_AT(COxTempBeckmanSensor, C, 72, 4)}};
constexpr SLegacyValue kIOWCurrent[] = {TW_AT(COxCurrentIOW_Sensor, B0, 94, 5),
                                        TW_AT(COxCurrentIOW_Sensor, B1, 94, 6)};
using IOWTemp = COxTempIOW_Sensor;
constexpr SLegacyValue kIOWTemp[] = {TW_AT(IOWTemp, A0, 94, 1), TW_AT(IOWTemp, A1, 94, 2),
                                     TW_AT(IOWTemp, A2, 94, 3), TW_AT(IOWTemp, A3, 94, 4)};
using TDW41 = COxTDW_Sensor;
constexpr SLegacyValue kTDW41[2][19] = {
#define TW_TDW41_LINES(l1, l2, l3)                                                                \
    {                                                                                             \
        TW_AT(TDW41, Soc, l1, 1), TW_AT(TDW41, Tcor, l1, 2), TW_AT(TDW41, Offset, l1, 3),         \
            TW_AT(TDW41, Pcor, l2, 1), TW_AT(TDW41, Tau, l2, 2), TW_AT(TDW41, Boc, l2, 3),        \
            TW_AT(TDW41, Use2007Equations, l3, 1), TW_AT(TDW41, Soc2007, l3, 2),                  \
            TW_AT(TDW41, A, l3, 3), TW_AT(TDW41, B, l3, 4), TW_AT(TDW41, C, l3, 5),               \
            TW_AT(TDW41, E, l3, 6), TW_AT(TDW41, Voffset2007, l3, 7), TW_AT(TDW41, Tau20, l3, 8), \
            TW_AT(TDW41, D1, l3, 10), TW_AT(TDW41, D2, l3, 11), TW_AT(TDW41, H1, l3, 12),         \
            TW_AT(TDW41, H2, l3, 13), TW_AT(TDW41, H3, l3, 14)                                    \
    }
    TW_TDW41_LINES(165, 166, 258), TW_TDW41_LINES(169, 170, 259)
#undef TW_TDW41_LINES
};

#undef TW_THREE
#undef TW_TWO

template <class S>
bool UsesOldDate(const CSensor& sensor) {
    const auto* own = dynamic_cast<const S*>(&sensor);
    return own && !own->GetbUseG_J();
}

// Serial, date and values of a kind; the tables below name only what
// differs.
constexpr SLegacySensorLines Row(int id, int instance, int serial, int date,
                                 std::span<const SLegacyValue> values = {}) {
    return {id, instance, serial, date, 0, nullptr, 0, values};
}

const SLegacySensorLines kRows[] = {
    {SID_CONDUCTIVITY, 0, 1, 120, 52, &UsesOldDate<Cond>, 0, kConductivity[0]},
    {SID_CONDUCTIVITY, 1, 6, 122, 54, &UsesOldDate<Cond>, 0, kConductivity[1]},
    {SID_TEMP_TDW2, 0, 4, 121, 53, &UsesOldDate<Temp>, 0, kTemperature[0]},
    {SID_TEMP_TDW2, 1, 9, 123, 55, &UsesOldDate<Temp>, 0, kTemperature[1]},
    // The pressure block: the Digiquartz with temperature compensation first,
    // so that its defaults fill what another pressure sensor leaves.
    Row(SID_PRESSURE_DIGIQUARTZ_TC, 0, 11, 56, kDigiquartzTC),
    Row(SID_PRESSURE_DIGIQUARTZ, 0, 11, 56, kDigiquartz),
    Row(SID_PRESSURE_STRAIN_GAUGE, 0, 11, 56, kStrainGauge),
    Row(SID_OX_CURRENT_BECKMAN, 0, 15, 57, kBeckmanCurrent[0]),
    Row(SID_PH, 0, 18, 58, kpH),
    Row(SID_PAR_BIOSPHERICAL, 0, 20, 59, kPAR1),
    Row(SID_SPAR, 0, 181, 182, kSPAR),
    Row(SID_TRANS_CHELSEA, 0, 22, 60, kTrans[0]),
    Row(SID_FLUORO_SEATECH, 0, 24, 61, kFLF),
    Row(SID_OXIDATION_RED_POT, 0, 28, 63, kORP),
    Row(SID_OBS_BACKSCATTERANCE, 0, 30, 64, kBackscatter[0]),
    Row(SID_ALTIMETER, 0, 177, 178, kAltimeter),
    Row(SID_OBS_IFREMER_MEASURED, 0, 261, 67, kIFREMER),
    Row(SID_OBS_CHELSEA_NEPHELO, 0, 48, 68, kNephelo),
    Row(SID_ZAPS, 0, 50, 69, kZaps),
    Row(SID_OX_CURRENT_BECKMAN, 1, 70, 71, kBeckmanCurrent[1]),
    {SID_USER_POLY, 0, 74, 75, 0, nullptr, 202, kUserPoly[0]},
    {SID_USER_POLY, 1, 77, 78, 0, nullptr, 203, kUserPoly[1]},
    {SID_USER_POLY, 2, 80, 81, 0, nullptr, 204, kUserPoly[2]},
    Row(SID_FLUORO_DR_HAARDT_CHLORO, 0, 83, 84, kDrHaardt[0]),
    Row(SID_FLUORO_DR_HAARDT_PHYCO, 0, 86, 87, kDrHaardt[1]),
    Row(SID_OBS_DR_HAARDT_TURBIDITY, 0, 89, 90, kDrHaardt[2]),
    Row(SID_FLUORO_DR_HAARDT_YELLOW, 0, 154, 155, kDrHaardt[3]),
    Row(SID_OX_CURRENT_IOW, 0, 92, 93, kIOWCurrent),
    Row(SID_SOUND_VELOCITY, 0, 95, 96, kSoundVelocity),
    Row(SID_FLUORO_BIOSPHERICAL, 0, 98, 99, kBiospherical),
    Row(SID_OBS_SEATECH_LS6000, 0, 101, 102, kLS6000[0]),
    Row(SID_OXYGEN_TDW41, 0, 163, 164, kTDW41[0]),
    Row(SID_OXYGEN_TDW41, 1, 167, 168, kTDW41[1]),
    Row(SID_OBS_SEATECH_LS6000, 1, 171, 172, kLS6000[1]),
    Row(SID_FLUORO_CHELSEA_AQUA3, 0, 104, 105, kAqua3[0]),
    Row(SID_FLUORO_CHELSEA_AQUA3, 1, 239, 240, kAqua3[1]),
    Row(SID_FLUORO_TURNER_10005, 0, 107, 108, kTurner10005),
    Row(SID_FLUORO_TURNER_10AU005, 0, 107, 108, kTurner10Au005),
    Row(SID_TRANS_WETLAB_AC3, 0, 114, 115, kTransAC3),
    Row(SID_FLUORO_WETLAB_AC3, 0, 179, 180, kFluoroAC3),
    Row(SID_FLUORO_WETLAB_WETSTAR, 0, 117, 118, kWetstar[0]),
    Row(SID_FLUORO_WETLAB_WETSTAR, 1, 211, 212, kWetstar[1]),
    Row(SID_PRESSURE_FGP, 0, 124, 125, kFGP[0]),
    Row(SID_PRESSURE_FGP, 1, 127, 128, kFGP[1]),
    Row(SID_PRESSURE_FGP, 2, 130, 131, kFGP[2]),
    Row(SID_PRESSURE_FGP, 3, 133, 134, kFGP[3]),
    Row(SID_PRESSURE_FGP, 4, 136, 137, kFGP[4]),
    Row(SID_PRESSURE_FGP, 5, 139, 140, kFGP[5]),
    Row(SID_PRESSURE_FGP, 6, 142, 143, kFGP[6]),
    Row(SID_PRESSURE_FGP, 7, 145, 146, kFGP[7]),
    Row(SID_OBS_SEAPOINT_TURBIDITY, 0, 148, 149, kSeapointTurbidity[0]),
    Row(SID_OBS_SEAPOINT_TURBIDITY, 1, 151, 152, kSeapointTurbidity[1]),
    Row(SID_FLUORO_CHELSEA_MINI, 0, 157, 158, kMinitracka),
    Row(SID_FLUORO_SEAPOINT, 0, 160, 161, kSeapointFluoro[0]),
    Row(SID_FLUORO_SEAPOINT, 1, 214, 215, kSeapointFluoro[1]),
    Row(SID_TRANS_CHELSEA, 1, 174, 175, kTrans[1]),
    Row(SID_TEMP_VANTREL_PLUS, 0, 183, 184, kTempPlus),
    Row(SID_PRESSURE_DRUCK, 0, 187, 188, kDruck),
    Row(SID_TEMP_TDW83, 0, 191, 192),
    Row(SID_FLUORO_TURNER_SCUFA, 0, 193, 194, kSCUFA[0]),
    Row(SID_FLUORO_TURNER_SCUFA, 1, 217, 218, kSCUFA[1]),
    Row(SID_OBS_TURNER_SCUFA, 0, 196, 197, kSCUFA_OBS[0]),
    Row(SID_OBS_TURNER_SCUFA, 1, 248, 249, kSCUFA_OBS[1]),
    Row(SID_FLUORO_WETLAB_ECO_AFL, 0, 199, 200, kECO_AFL[0]),
    Row(SID_FLUORO_WETLAB_ECO_AFL, 1, 270, 271, kECO_AFL[1]),
    Row(SID_METHANE_CONC, 0, 205, 206, kMethaneConc),
    Row(SID_METHANE_TEMP, 0, 269, 268, kMethaneTemp),
    Row(SID_PAR_BIOSPHERICAL, 1, 208, 209, kPAR2),
    Row(SID_FLUORO_WETLAB_CDOM, 0, 220, 221, kCDOM),
    Row(SID_FLUORO_SEAPOINT_RHODA, 0, 223, 224, kRhodamine),
    Row(SID_SUSP_SED_SCATTER, 0, 232, 233, kLISST),
    Row(SID_PRESSURE_TDW58, 0, 237, 238),
    Row(SID_FLUORO_CHELSEA_UV_AQUA, 0, 242, 243, kUV_Aqua),
    Row(SID_TEMP_TDW94, 0, 245, 246, kTempTDW94),
    Row(SID_OBS_DA_3PLUS, 0, 251, 252, kOBS3plus[0]),
    Row(SID_OBS_DA_3PLUS, 1, 254, 255, kOBS3plus[1]),
    Row(SID_OX_TEMP_BECKMAN, 0, 263, 262, kBeckmanTemp[0]),
    Row(SID_OX_TEMP_BECKMAN, 1, 265, 264, kBeckmanTemp[1]),
    Row(SID_OX_TEMP_IOW, 0, 267, 266, kIOWTemp),
    Row(SID_OBS_BACKSCATTERANCE, 1, 273, 275, kBackscatter[1]),
    Row(SID_OXYGEN_OPTODE, 0, 276, 277, kOptode),
    Row(SID_PAR_LOG_SATLANTIC, 0, 279, 280, kPARLog),
};

#undef TW_AT
#undef TW_PLAIN
#undef TW_CHOICE
#undef TW_CODED

// Formats of the coefficient lines; the lines of sensor kinds that are no
// longer read hold zeros in their formats.
struct SLineFormat {
    int line;
    const char* format;
};

constexpr const char* kSixE = "%1.8e %1.8e %1.8e %1.8e %1.8e %1.8e";
constexpr const char* kFiveE = "%1.8e %1.8e %1.8e %1.8e %1.8e";
constexpr const char* kFourE = "%1.8e %1.8e %1.8e %1.8e";
constexpr const char* kThreeE = "%1.8e %1.8e %1.8e";
constexpr const char* kTwoE = "%1.8e %1.8e";
constexpr const char* kGainE = "%d %1.8e";
constexpr const char* kTDW41Extended =
    "%d % 12.4e % 6.4le % 6.4le % 6.4le % 6.4le % 6.4lf % 6.4lf % 6.4le % 7.5le % 7.5le % 6.4le "
    "% 6.4le % 6.4le";

constexpr SLineFormat kLineFormats[] = {
    {2, "%1.1f %1.8e %1.8e %1.8e %1.8e %1.8e"},
    {3, "%1.4f %1.4f %1.8f %1.5f %d"},
    {5, "%1.3f %1.8e %1.8e %1.8e %1.8e %1.8f %1.4f %d"},
    {7, "%1.1f %1.8e %1.8e %1.8e %1.8e %1.8e"},
    {8, "%1.4f %1.4f %1.8f %1.5f %d"},
    {10, "%1.3f %1.8e %1.8e %1.8e %1.8e %1.8f %1.4f %d"},
    {12, "%1.6e %1.6e %1.6e %1.6e %1.6e"},
    {13, "%1.6e %1.6e %1.6e %1.6e"},
    {14, "%1.6e %1.6e %1.8f %1.5f %d %1.6e %1.6e"},
    {16, kSixE},
    {17, kFourE},
    {19, "%1.4f %1.4f %1.4f"},
    {21, "%1.8f %1.8f %1.8f %1.8f %1.8f %1.8f %1.8f"},
    {23, kThreeE},
    {25, "%1.6e %1.3f"},
    {27, "%1.6f %1.6f %1.6f %1.6f"},
    {29, "%1.6f %1.6f %1.1f"},
    {31, kTwoE},
    {32, "%1.3f %1.3f %1.3f %1.3f %1.3f"},
    {34, "%1.4f %1.5e"},
    {35, "%1.4f %1.4f %1.9e %1.9e %1.9e"},
    {37, "%1.9e %1.9e %1.9e"},
    {38, "%1.3f %1.3f %1.3f"},
    {47, kFourE},
    {49, kTwoE},
    {51, kTwoE},
    {72, kSixE},
    {73, kFourE},
    {76, kFourE},
    {79, kFourE},
    {82, kFourE},
    {85, "%1.8e %1.8e %1.8e %1.8e %d %d"},
    {88, "%1.8e %1.8e %1.8e %1.8e %d %d"},
    {91, "%1.8e %1.8e %1.8e %1.8e %d %d"},
    {94, kSixE},
    {97, kThreeE},
    {100, kFourE},
    {103, "%d %1.8e %1.8e"},
    {106, kSixE},
    {109, kFiveE},
    {110, kSixE},
    {111, kFiveE},
    {112, kSixE},
    {113, kFiveE},
    {116, "%1.8e %1.8e %1.8e %1.8e %1.8e %1.8e %1.8e"},
    {119, kTwoE},
    {126, kTwoE},
    {129, kTwoE},
    {132, kTwoE},
    {135, kTwoE},
    {138, kTwoE},
    {141, kTwoE},
    {144, kTwoE},
    {147, kTwoE},
    {150, kGainE},
    {153, kGainE},
    {156, "%1.8e %1.8e %1.8e %1.8e %d %d"},
    {159, kThreeE},
    {162, kGainE},
    {165, kThreeE},
    {166, kThreeE},
    {169, kThreeE},
    {170, kThreeE},
    {173, "%d %1.8e %1.8e"},
    {176, kThreeE},
    {185, kSixE},
    {189, kSixE},
    {190, "%1.8e %1.8e %1.8e %1.8e %1.8e %1.8e %1.8e"},
    {195, "%1.8e %1.8e %d %1.8e %1.8e %1.8e"},
    {198, kTwoE},
    {201, kTwoE},
    {207, "%1.8e %1.8e %1.8e %1.8e %1.8e %1.8e %1.8e %1.8e"},
    {210, kFiveE},
    {213, kTwoE},
    {216, kGainE},
    {219, "%1.8e %1.8e %d %1.8e %1.8e %1.8e"},
    {222, kTwoE},
    {225, kGainE},
    {228, "%d"},
    {231, "%d"},
    {234, kFourE},
    {241, kSixE},
    {244, kTwoE},
    {247, kSixE},
    {250, kTwoE},
    {253, kThreeE},
    {256, kThreeE},
    {258, kTDW41Extended},
    {259, kTDW41Extended},
    {272, kTwoE},
    {274, kTwoE},
    {278, "%d %d %1.8e"},
    {281, kThreeE},
};

}  // namespace

std::span<const SLegacySensorLines> LegacySensorLines() {
    return kRows;
}

const SLegacySensorLines* FindLegacySensorLines(int sensorID, int instance) {
    for (const SLegacySensorLines& row : kRows) {
        if (row.sensorID == sensorID && row.instance == instance) {
            return &row;
        }
    }
    return nullptr;
}

const char* LegacyLineFormat(int line) {
    for (const SLineFormat& entry : kLineFormats) {
        if (entry.line == line) {
            return entry.format;
        }
    }
    return nullptr;
}

void ReadLegacySensor(const CConLines& lines, const SLegacySensorLines& row, CSensor& sensor) {
    if (row.serialLine) {
        sensor.SetSerialNum(CString(lines.Line(row.serialLine)));
    }
    // Each coefficient line once, with as many values as this kind takes.
    constexpr int kMaxValues = 16;
    for (std::size_t i = 0; i < row.values.size(); ++i) {
        const int line = row.values[i].line;
        bool seen = false;
        int count = 0;
        for (std::size_t j = 0; j < row.values.size(); ++j) {
            seen = seen || (j < i && row.values[j].line == line);
            if (row.values[j].line == line) {
                count = std::max(count, row.values[j].position);
            }
        }
        if (seen) {
            continue;
        }
        double values[kMaxValues];
        ScanLine(lines.Line(line), LegacyLineFormat(line), values, count);
        for (const SLegacyValue& value : row.values) {
            if (value.line == line) {
                value.set(sensor, values[value.position - 1]);
            }
        }
    }
    if (row.nameLine) {
        if (auto* poly = dynamic_cast<CUserPolySensor*>(&sensor)) {
            poly->SetActualName(CString(lines.Line(row.nameLine)));
        }
    }
    const int dateLine =
        row.usesOldDate && row.usesOldDate(sensor) ? row.oldDateLine : row.dateLine;
    if (dateLine) {
        sensor.SetCalDate(CString(lines.Line(dateLine)));
    }
}

CString LegacySensorName(const CSensor& sensor) {
    const auto* poly = dynamic_cast<const CUserPolySensor*>(&sensor);
    return poly ? poly->GetActualName() : CString();
}
