#include "legacy/SensorLines.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "legacy/ConLines.h"

// Each listed code gives its setting, any other code the remaining setting,
// which is written back as otherCode.
struct SLegacyCodes {
    struct SCode {
        int code;
        int setting;
    };
    std::span<const SCode> codes;
    int otherSetting;
    int otherCode;

    int Setting(int code) const {
        const auto found = std::ranges::find(codes, code, &SCode::code);
        return found == codes.end() ? otherSetting : found->setting;
    }
    int Code(int setting) const {
        const auto found = std::ranges::find(codes, setting, &SCode::setting);
        return found == codes.end() ? otherCode : found->code;
    }
};

namespace {

using SCode = SLegacyCodes::SCode;
constexpr SCode kSeapointFluoroGains[] = {{30, 0}, {3, 1}, {10, 2}};
constexpr SLegacyCodes kSeapointFluoroGain{kSeapointFluoroGains, 3, 1};
constexpr SCode kSeapointTurbidityGains[] = {{5, 1}, {20, 2}, {100, 3}};
constexpr SLegacyCodes kSeapointTurbidityGain{kSeapointTurbidityGains, 0, 1};
// Gain codes 186 to 192 are settings 0 to 6; 0 and 194 both mean setting 8.
constexpr SCode kLS6000Gains[] = {{186, 0}, {187, 1}, {188, 2}, {189, 3}, {190, 4},
                                  {191, 5}, {192, 6}, {194, 8}, {0, 8}};
constexpr SLegacyCodes kLS6000Gain{kLS6000Gains, 7, 193};
constexpr SCode kDrHaardtModuloBits[] = {{277, 0}, {281, 1}, {282, 2}, {283, 3}};
constexpr SLegacyCodes kDrHaardtModuloBit{kDrHaardtModuloBits, 4, 0};
constexpr SCode kDrHaardtGainRanges[] = {{1306, 0}, {1307, 1}};
constexpr SLegacyCodes kDrHaardtGainRange{kDrHaardtGainRanges, 2, 0};

// The field that says which of two coefficient sets is in use, and the
// user polynomial's name.
constexpr const char* kUsesNewSet = "UseG_J";
constexpr const char* kNameField = "SensorName";

// The values of each kind, one array per set of lines.

#define TW_TWO(k1, k2, line) \
    {                        \
        {line, 1, k1}, {     \
            line, 2, k2      \
        }                    \
    }
#define TW_THREE(k1, k2, k3, line)      \
    {                                   \
        {line, 1, k1}, {line, 2, k2}, { \
            line, 3, k3                 \
        }                               \
    }

#define TW_COND_SET(n) "Coefficients[equation=" #n "]."
constexpr SLegacyValue kConductivity[2][17] = {
#define TW_COND_LINES(l1, l2, l3)                                                                  \
    {                                                                                              \
        {l1, 1, "M"}, {l1, 2, "A"}, {l1, 3, "B"}, {l1, 4, "C"}, {l1, 5, "D"},                      \
            {l1, 6, TW_COND_SET(0) "CPcor"}, {l2, 1, "CellConst"}, {l2, 2, "SeriesR"},             \
            {l2, 3, "Slope"}, {l2, 4, "Offset"}, {l2, 5, kUsesNewSet}, {l3, 1, "G"}, {l3, 2, "H"}, \
            {l3, 3, "I"}, {l3, 4, "J"}, {l3, 5, "CTcor"}, {                                        \
            l3, 6, TW_COND_SET(1) "CPcor"                                                          \
        }                                                                                          \
    }
    TW_COND_LINES(2, 3, 110),
    TW_COND_LINES(7, 8, 112),
#undef TW_COND_LINES
};
#undef TW_COND_SET

constexpr SLegacyValue kTemperature[2][13] = {
#define TW_TEMP_LINES(l1, l2)                                                         \
    {                                                                                 \
        {l1, 1, "F0_Old"}, {l1, 2, "A"}, {l1, 3, "B"}, {l1, 4, "C"}, {l1, 5, "D"},    \
            {l1, 6, "Slope"}, {l1, 7, "Offset"}, {l1, 8, kUsesNewSet}, {l2, 1, "F0"}, \
            {l2, 2, "G"}, {l2, 3, "H"}, {l2, 4, "I"}, {                               \
            l2, 5, "J"                                                                \
        }                                                                             \
    }
    TW_TEMP_LINES(5, 111),
    TW_TEMP_LINES(10, 113),
#undef TW_TEMP_LINES
};

constexpr SLegacyValue kDigiquartzTC[] = {
    {12, 1, "T1"},    {12, 2, "T2"},     {12, 3, "T3"},     {12, 4, "T4"},    {12, 5, "T5"},
    {13, 1, "C1"},    {13, 2, "C2"},     {13, 3, "C3"},     {14, 1, "D1"},    {14, 2, "D2"},
    {14, 3, "Slope"}, {14, 4, "Offset"}, {14, 6, "AD590M"}, {14, 7, "AD590B"}};
constexpr SLegacyValue kDigiquartz[] = {
    {12, 1, "T1"}, {12, 2, "T2"}, {12, 3, "T3"}, {12, 4, "T4"},    {13, 1, "C1"},    {13, 2, "C2"},
    {13, 3, "C3"}, {14, 1, "D1"}, {14, 2, "D2"}, {14, 3, "Slope"}, {14, 4, "Offset"}};
constexpr SLegacyValue kStrainGauge[] = {
    {13, 1, "A1"}, {13, 2, "A0"}, {13, 4, "A2"}, {14, 4, "Offset"}};
constexpr SLegacyValue kDruck[] = {{189, 1, "PTEMPA0"}, {189, 2, "PTEMPA1"}, {189, 3, "PTEMPA2"},
                                   {189, 4, "PTCA0"},   {189, 5, "PTCA1"},   {189, 6, "PTCA2"},
                                   {190, 1, "PTCB0"},   {190, 2, "PTCB1"},   {190, 3, "PTCB2"},
                                   {190, 4, "PA0"},     {190, 5, "PA1"},     {190, 6, "PA2"},
                                   {190, 7, "Offset"}};

#define TW_COUNT_TEMP_LINES(line)                                                                 \
    {                                                                                             \
        {line, 1, "A0"}, {line, 2, "A1"}, {line, 3, "A2"}, {line, 4, "A3"}, {line, 5, "Slope"}, { \
            line, 6, "Offset"                                                                     \
        }                                                                                         \
    }
constexpr SLegacyValue kTempPlus[] = TW_COUNT_TEMP_LINES(185);
constexpr SLegacyValue kTempTDW94[] = TW_COUNT_TEMP_LINES(247);
#undef TW_COUNT_TEMP_LINES

constexpr SLegacyValue kpH[] = TW_TWO("Slope", "Offset", 19);

#define TW_PAR_LINE(line, offsetPosition)                                                          \
    {                                                                                              \
        {line, 1, "CalibrationConstant"}, {line, 2, "Multiplier"}, {line, 3, "M"}, {line, 4, "B"}, \
        {                                                                                          \
            line, offsetPosition, "Offset"                                                         \
        }                                                                                          \
    }
constexpr SLegacyValue kPAR1[] = TW_PAR_LINE(21, 7);
constexpr SLegacyValue kPAR2[] = TW_PAR_LINE(210, 5);
#undef TW_PAR_LINE
constexpr SLegacyValue kSPAR[] = {{21, 5, "ConversionFactor"}, {21, 6, "RatioMultiplier"}};

constexpr SLegacyValue kTrans[2][3] = {TW_THREE("M", "B", "PathLength", 23),
                                       TW_THREE("M", "B", "PathLength", 176)};
constexpr SLegacyValue kFLF[] = TW_TWO("ScaleFactor", "Offset", 25);
constexpr SLegacyValue kORP[] = TW_THREE("M", "B", "Offset", 29);
constexpr SLegacyValue kBackscatter[2][2] = {TW_TWO("Gain", "Offset", 31),
                                             TW_TWO("Gain", "Offset", 274)};
constexpr SLegacyValue kAltimeter[] = {{32, 1, "ScaleFactor"}, {32, 5, "Offset"}};
constexpr SLegacyValue kIFREMER[] = {{47, 1, "Vm0"}, {47, 2, "Vd0"}, {47, 3, "D0"}, {47, 4, "K"}};
constexpr SLegacyValue kNephelo[] = TW_TWO("ClearWaterValue", "ScaleFactor", 49);
constexpr SLegacyValue kZaps[] = TW_TWO("M", "B", 51);

constexpr SLegacyValue kUserPoly[3][4] = {
#define TW_POLY_LINES(line)                                  \
    {                                                        \
        {line, 1, "A0"}, {line, 2, "A1"}, {line, 3, "A2"}, { \
            line, 4, "A3"                                    \
        }                                                    \
    }
    TW_POLY_LINES(76), TW_POLY_LINES(79), TW_POLY_LINES(82)
#undef TW_POLY_LINES
};

constexpr SLegacyValue kDrHaardt[4][6] = {
#define TW_HAARDT_LINES(line)                                               \
    {                                                                       \
        {line, 1, "A0"}, {line, 2, "A1"}, {line, 3, "B0"}, {line, 4, "B1"}, \
            {line, 5, "ModuloBit", &kDrHaardtModuloBit}, {                  \
            line, 6, "GainRange", &kDrHaardtGainRange                       \
        }                                                                   \
    }
    TW_HAARDT_LINES(85), TW_HAARDT_LINES(88), TW_HAARDT_LINES(91), TW_HAARDT_LINES(156)
#undef TW_HAARDT_LINES
};

constexpr SLegacyValue kSoundVelocity[] = TW_THREE("A0", "A1", "A2", 97);
constexpr SLegacyValue kBiospherical[] = {
    {100, 1, "Cfn"}, {100, 2, "A1"}, {100, 3, "A2"}, {100, 4, "B"}};
constexpr SLegacyValue kLS6000[2][3] = {
#define TW_LS6000_LINES(line)                                         \
    {                                                                 \
        {line, 1, "GainSetting", &kLS6000Gain}, {line, 2, "Slope"}, { \
            line, 3, "Offset"                                         \
        }                                                             \
    }
    TW_LS6000_LINES(103), TW_LS6000_LINES(173)
#undef TW_LS6000_LINES
};
constexpr SLegacyValue kAqua3[2][6] = {
#define TW_AQUA3_LINES(line)                                                                      \
    {                                                                                             \
        {line, 1, "ScaleFactor"}, {line, 2, "Slope"}, {line, 3, "Offset"}, {line, 4, "Vacetone"}, \
            {line, 5, "VB"}, {                                                                    \
            line, 6, "V1"                                                                         \
        }                                                                                         \
    }
    TW_AQUA3_LINES(106), TW_AQUA3_LINES(241)
#undef TW_AQUA3_LINES
};
constexpr SLegacyValue kTurner10005[] = TW_TWO("ScaleFactor", "Offset", 109);
constexpr SLegacyValue kTurner10Au005[] = {{109, 3, "FullScaleConcentration"},
                                           {109, 4, "FullScaleVoltage"},
                                           {109, 5, "ZeroPointConcentratin"}};
constexpr SLegacyValue kTransAC3[] = {
    {116, 1, "Ch2o"}, {116, 2, "Vh2o"}, {116, 3, "VDark"}, {116, 4, "X"}};
constexpr SLegacyValue kFluoroAC3[] = {{116, 5, "Kv"}, {116, 6, "Vh2o"}, {116, 7, "AtoX"}};
constexpr SLegacyValue kWetstar[2][2] = {TW_TWO("Vblank", "ScaleFactor", 119),
                                         TW_TWO("Vblank", "ScaleFactor", 213)};

constexpr SLegacyValue kFGP[8][2] = {
#define TW_FGP_LINES(n) TW_TWO("ScaleFactor", "Offset", 126 + 3 * (n))
    TW_FGP_LINES(0), TW_FGP_LINES(1), TW_FGP_LINES(2), TW_FGP_LINES(3), TW_FGP_LINES(4),
    TW_FGP_LINES(5), TW_FGP_LINES(6), TW_FGP_LINES(7)
#undef TW_FGP_LINES
};

#define TW_GAIN_LINE(line, codes, second)   \
    {                                       \
        {line, 1, "GainSetting", &codes}, { \
            line, 2, second                 \
        }                                   \
    }
constexpr SLegacyValue kSeapointTurbidity[2][2] = {
    TW_GAIN_LINE(150, kSeapointTurbidityGain, "ScaleFactor"),
    TW_GAIN_LINE(153, kSeapointTurbidityGain, "ScaleFactor")};
constexpr SLegacyValue kSeapointFluoro[2][2] = {TW_GAIN_LINE(162, kSeapointFluoroGain, "Offset"),
                                                TW_GAIN_LINE(216, kSeapointFluoroGain, "Offset")};
constexpr SLegacyValue kRhodamine[] = TW_GAIN_LINE(225, kSeapointFluoroGain, "Offset");
#undef TW_GAIN_LINE
constexpr SLegacyValue kMinitracka[] = TW_THREE("Vacetone", "Vacetone100", "Offset", 159);
constexpr SLegacyValue kSCUFA[2][6] = {
#define TW_SCUFA_LINES(line)                                                                \
    {                                                                                       \
        {line, 1, "ScaleFactor"}, {line, 2, "Offset"}, {line, 3, "Units"}, {line, 4, "MX"}, \
            {line, 5, "MY"}, {                                                              \
            line, 6, "B"                                                                    \
        }                                                                                   \
    }
    TW_SCUFA_LINES(195), TW_SCUFA_LINES(219)
#undef TW_SCUFA_LINES
};
constexpr SLegacyValue kSCUFA_OBS[2][2] = {TW_TWO("ScaleFactor", "Offset", 198),
                                           TW_TWO("ScaleFactor", "Offset", 250)};
constexpr SLegacyValue kECO_AFL[2][2] = {TW_TWO("Vblank", "ScaleFactor", 201),
                                         TW_TWO("Vblank", "ScaleFactor", 272)};
constexpr SLegacyValue kMethaneConc[] = {{207, 1, "D"},  {207, 2, "A0"}, {207, 3, "A1"},
                                         {207, 4, "B0"}, {207, 5, "B1"}, {207, 6, "B2"}};
constexpr SLegacyValue kMethaneTemp[] = {{207, 7, "T1"}, {207, 8, "T2"}};
constexpr SLegacyValue kCDOM[] = TW_TWO("Vblank", "ScaleFactor", 222);
constexpr SLegacyValue kLISST[] = {{234, 1, "TotalVolumeConcConst"},
                                   {234, 2, "SauterMeanDiameter"},
                                   {234, 3, "CleanWaterScatteringOutput"},
                                   {234, 4, "CleanWaterTransmissionOutput"}};
constexpr SLegacyValue kUV_Aqua[] = TW_TWO("A", "B", 244);
constexpr SLegacyValue kOBS3plus[2][3] = {TW_THREE("A0", "A1", "A2", 253),
                                          TW_THREE("A0", "A1", "A2", 256)};
constexpr SLegacyValue kOptode[] =
    TW_THREE("DoSalinityCorrection", "DoDepthCorrection", "InternalSalinity", 278);
constexpr SLegacyValue kPARLog[] = TW_THREE("a0", "a1", "Im", 281);

constexpr SLegacyValue kBeckmanCurrent[2][8] = {
#define TW_BECKMAN_LINES(l1, l2)                                                    \
    {                                                                               \
        {l1, 1, "M"}, {l1, 2, "B"}, {l1, 5, "Soc"}, {l1, 6, "Tcor"}, {l2, 1, "Wt"}, \
            {l2, 2, "Pcor"}, {l2, 3, "Tau"}, {                                      \
            l2, 4, "Boc"                                                            \
        }                                                                           \
    }
    TW_BECKMAN_LINES(16, 17), TW_BECKMAN_LINES(72, 73)
#undef TW_BECKMAN_LINES
};
constexpr SLegacyValue kBeckmanTemp[2][2] = {{{16, 3, "K"}, {16, 4, "C"}},
                                             {{72, 3, "K"}, {72, 4, "C"}}};
constexpr SLegacyValue kIOWCurrent[] = {{94, 5, "B0"}, {94, 6, "B1"}};
constexpr SLegacyValue kIOWTemp[] = {{94, 1, "A0"}, {94, 2, "A1"}, {94, 3, "A2"}, {94, 4, "A3"}};
#define TW_TDW41_SET(n) "CalibrationCoefficients[equation=" #n "]."
constexpr SLegacyValue kTDW41[2][19] = {
#define TW_TDW41_LINES(l1, l2, l3)                                                             \
    {                                                                                          \
        {l1, 1, TW_TDW41_SET(0) "Soc"}, {l1, 2, "Tcor"}, {l1, 3, TW_TDW41_SET(0) "offset"},    \
            {l2, 1, "Pcor"}, {l2, 2, "Tau"}, {l2, 3, "Boc"}, {l3, 1, "Use2007Equation"},       \
            {l3, 2, TW_TDW41_SET(1) "Soc"}, {l3, 3, "A"}, {l3, 4, "B"}, {l3, 5, "C"},          \
            {l3, 6, "E"}, {l3, 7, TW_TDW41_SET(1) "offset"}, {l3, 8, "Tau20"}, {l3, 10, "D1"}, \
            {l3, 11, "D2"}, {l3, 12, "H1"}, {l3, 13, "H2"}, {                                  \
            l3, 14, "H3"                                                                       \
        }                                                                                      \
    }
    TW_TDW41_LINES(165, 166, 258), TW_TDW41_LINES(169, 170, 259)
#undef TW_TDW41_LINES
};
#undef TW_TDW41_SET

#undef TW_THREE
#undef TW_TWO

// Serial, date and values of a kind; the tables below name only what
// differs.
constexpr SLegacySensorLines Row(int id, int instance, int serial, int date,
                                 std::span<const SLegacyValue> values = {}) {
    return {id, instance, serial, date, 0, 0, values};
}

const SLegacySensorLines kRows[] = {
    {SID_CONDUCTIVITY, 0, 1, 120, 52, 0, kConductivity[0]},
    {SID_CONDUCTIVITY, 1, 6, 122, 54, 0, kConductivity[1]},
    {SID_TEMP_TDW2, 0, 4, 121, 53, 0, kTemperature[0]},
    {SID_TEMP_TDW2, 1, 9, 123, 55, 0, kTemperature[1]},
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
    {SID_USER_POLY, 0, 74, 75, 0, 202, kUserPoly[0]},
    {SID_USER_POLY, 1, 77, 78, 0, 203, kUserPoly[1]},
    {SID_USER_POLY, 2, 80, 81, 0, 204, kUserPoly[2]},
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

namespace {

// The position of each of the row's values among the sensor's fields.
std::vector<int> ValueFields(const CSensor& sensor, const SLegacySensorLines& row) {
    const std::vector<SSensorField> fields = sensor.Fields();
    std::vector<int> positions;
    positions.reserve(row.values.size());
    for (const SLegacyValue& value : row.values) {
        positions.push_back(FindField(fields, value.key));
        assert(positions.back() >= 0 && "a legacy value names a field the sensor lacks");
    }
    return positions;
}

void Take(const SLegacyValue& value, CSensor& sensor, int field, double number) {
    if (field >= 0) {
        sensor.SetFieldValue(static_cast<std::size_t>(field),
                             value.codes ? value.codes->Setting(ClampToInt(number)) : number);
    }
}

bool UsesOldDate(const CSensor& sensor) {
    const int field = sensor.FindField(kUsesNewSet);
    return field >= 0 && sensor.GetFieldValue(static_cast<std::size_t>(field)) == 0;
}

}  // namespace

void SLegacyValue::set(CSensor& sensor, double value) const {
    Take(*this, sensor, sensor.FindField(key), value);
}

void ReadLegacySensor(const CConLines& lines, const SLegacySensorLines& row, CSensor& sensor) {
    if (row.serialLine) {
        sensor.SetSerialNum(CString(lines.Line(row.serialLine)));
    }
    const std::vector<int> fields = ValueFields(sensor, row);
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
        for (std::size_t j = 0; j < row.values.size(); ++j) {
            const SLegacyValue& value = row.values[j];
            if (value.line == line) {
                Take(value, sensor, fields[j], values[value.position - 1]);
            }
        }
    }
    if (row.nameLine) {
        const int field = sensor.FindField(kNameField);
        if (field >= 0) {
            sensor.SetFieldText(static_cast<std::size_t>(field), CString(lines.Line(row.nameLine)));
        }
    }
    const int dateLine = row.oldDateLine && UsesOldDate(sensor) ? row.oldDateLine : row.dateLine;
    if (dateLine) {
        sensor.SetCalDate(CString(lines.Line(dateLine)));
    }
}

CString LegacySensorName(const CSensor& sensor) {
    const int field = sensor.FindField(kNameField);
    return field >= 0 ? sensor.GetFieldText(static_cast<std::size_t>(field)) : CString();
}

std::vector<double> LegacyValues(const CSensor& sensor, const SLegacySensorLines& row) {
    const std::vector<int> fields = ValueFields(sensor, row);
    std::vector<double> values;
    values.reserve(row.values.size());
    for (std::size_t i = 0; i < row.values.size(); ++i) {
        const SLegacyValue& value = row.values[i];
        const double held =
            fields[i] >= 0 ? sensor.GetFieldValue(static_cast<std::size_t>(fields[i])) : 0.0;
        values.push_back(value.codes ? value.codes->Code(ClampToInt(held)) : held);
    }
    return values;
}
