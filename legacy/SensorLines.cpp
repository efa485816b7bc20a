#include "legacy/SensorLines.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <initializer_list>
#include <span>
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

// The values of each kind. A kind with more than one set of lines lists its
// first set; the others are the same values moved to their own lines.

// The values at positions 1, 2, ... of one line.
template <class... Keys>
constexpr std::array<SLegacyValue, sizeof...(Keys)> OnLine(int line, Keys... keys) {
    int position = 0;
    return {SLegacyValue{line, ++position, keys}...};
}

struct SLineMove {
    int from;
    int to;
};
template <std::size_t N>
constexpr std::array<SLegacyValue, N> Moved(const SLegacyValue (&values)[N],
                                            std::initializer_list<SLineMove> moves) {
    std::array<SLegacyValue, N> moved{};
    for (std::size_t i = 0; i < N; ++i) {
        moved[i] = values[i];
        for (const SLineMove& move : moves) {
            moved[i].line = values[i].line == move.from ? move.to : moved[i].line;
        }
    }
    return moved;
}

#define TW_SET(group, n) group "[equation=" #n "]."
constexpr SLegacyValue kConductivitySet[] = {
    {2, 1, "M"},
    {2, 2, "A"},
    {2, 3, "B"},
    {2, 4, "C"},
    {2, 5, "D"},
    {2, 6, TW_SET("Coefficients", 0) "CPcor"},
    {3, 1, "CellConst"},
    {3, 2, "SeriesR"},
    {3, 3, "Slope"},
    {3, 4, "Offset"},
    {3, 5, kUsesNewSet},
    {110, 1, "G"},
    {110, 2, "H"},
    {110, 3, "I"},
    {110, 4, "J"},
    {110, 5, "CTcor"},
    {110, 6, TW_SET("Coefficients", 1) "CPcor"},
};
constexpr auto kConductivity =
    std::array{Moved(kConductivitySet, {}), Moved(kConductivitySet, {{2, 7}, {3, 8}, {110, 112}})};

constexpr SLegacyValue kTemperatureSet[] = {
    {5, 1, "F0_Old"}, {5, 2, "A"},      {5, 3, "B"},         {5, 4, "C"},    {5, 5, "D"},
    {5, 6, "Slope"},  {5, 7, "Offset"}, {5, 8, kUsesNewSet}, {111, 1, "F0"}, {111, 2, "G"},
    {111, 3, "H"},    {111, 4, "I"},    {111, 5, "J"}};
constexpr auto kTemperature =
    std::array{Moved(kTemperatureSet, {}), Moved(kTemperatureSet, {{5, 10}, {111, 113}})};

constexpr SLegacyValue kDigiquartz[] = {
    {12, 1, "T1"}, {12, 2, "T2"}, {12, 3, "T3"}, {12, 4, "T4"},    {13, 1, "C1"},    {13, 2, "C2"},
    {13, 3, "C3"}, {14, 1, "D1"}, {14, 2, "D2"}, {14, 3, "Slope"}, {14, 4, "Offset"}};
constexpr SLegacyValue kDigiquartzTC[] = {
    {12, 1, "T1"},    {12, 2, "T2"},     {12, 3, "T3"},     {12, 4, "T4"},    {12, 5, "T5"},
    {13, 1, "C1"},    {13, 2, "C2"},     {13, 3, "C3"},     {14, 1, "D1"},    {14, 2, "D2"},
    {14, 3, "Slope"}, {14, 4, "Offset"}, {14, 6, "AD590M"}, {14, 7, "AD590B"}};
constexpr SLegacyValue kStrainGauge[] = {
    {13, 1, "A1"}, {13, 2, "A0"}, {13, 4, "A2"}, {14, 4, "Offset"}};
constexpr SLegacyValue kDruck[] = {{189, 1, "PTEMPA0"}, {189, 2, "PTEMPA1"}, {189, 3, "PTEMPA2"},
                                   {189, 4, "PTCA0"},   {189, 5, "PTCA1"},   {189, 6, "PTCA2"},
                                   {190, 1, "PTCB0"},   {190, 2, "PTCB1"},   {190, 3, "PTCB2"},
                                   {190, 4, "PA0"},     {190, 5, "PA1"},     {190, 6, "PA2"},
                                   {190, 7, "Offset"}};
constexpr auto kTempPlus = OnLine(185, "A0", "A1", "A2", "A3", "Slope", "Offset");
constexpr auto kTempTDW94 = OnLine(247, "A0", "A1", "A2", "A3", "Slope", "Offset");

constexpr auto kpH = OnLine(19, "Slope", "Offset");
constexpr SLegacyValue kPAR1[] = {{21, 1, "CalibrationConstant"},
                                  {21, 2, "Multiplier"},
                                  {21, 3, "M"},
                                  {21, 4, "B"},
                                  {21, 7, "Offset"}};
constexpr auto kPAR2 = OnLine(210, "CalibrationConstant", "Multiplier", "M", "B", "Offset");
constexpr SLegacyValue kSPAR[] = {{21, 5, "ConversionFactor"}, {21, 6, "RatioMultiplier"}};

constexpr auto kTrans =
    std::array{OnLine(23, "M", "B", "PathLength"), OnLine(176, "M", "B", "PathLength")};
constexpr auto kFLF = OnLine(25, "ScaleFactor", "Offset");
constexpr auto kORP = OnLine(29, "M", "B", "Offset");
constexpr auto kBackscatter =
    std::array{OnLine(31, "Gain", "Offset"), OnLine(274, "Gain", "Offset")};
constexpr SLegacyValue kAltimeter[] = {{32, 1, "ScaleFactor"}, {32, 5, "Offset"}};
constexpr auto kIFREMER = OnLine(47, "Vm0", "Vd0", "D0", "K");
constexpr auto kNephelo = OnLine(49, "ClearWaterValue", "ScaleFactor");
constexpr auto kZaps = OnLine(51, "M", "B");

constexpr auto kUserPoly =
    std::array{OnLine(76, "A0", "A1", "A2", "A3"), OnLine(79, "A0", "A1", "A2", "A3"),
               OnLine(82, "A0", "A1", "A2", "A3")};

constexpr SLegacyValue kDrHaardtSet[] = {{85, 1, "A0"},
                                         {85, 2, "A1"},
                                         {85, 3, "B0"},
                                         {85, 4, "B1"},
                                         {85, 5, "ModuloBit", &kDrHaardtModuloBit},
                                         {85, 6, "GainRange", &kDrHaardtGainRange}};
constexpr auto kDrHaardt =
    std::array{Moved(kDrHaardtSet, {}), Moved(kDrHaardtSet, {{85, 88}}),
               Moved(kDrHaardtSet, {{85, 91}}), Moved(kDrHaardtSet, {{85, 156}})};

constexpr auto kSoundVelocity = OnLine(97, "A0", "A1", "A2");
constexpr auto kBiospherical = OnLine(100, "Cfn", "A1", "A2", "B");
constexpr SLegacyValue kLS6000Set[] = {
    {103, 1, "GainSetting", &kLS6000Gain}, {103, 2, "Slope"}, {103, 3, "Offset"}};
constexpr auto kLS6000 = std::array{Moved(kLS6000Set, {}), Moved(kLS6000Set, {{103, 173}})};
constexpr auto kAqua3 =
    std::array{OnLine(106, "ScaleFactor", "Slope", "Offset", "Vacetone", "VB", "V1"),
               OnLine(241, "ScaleFactor", "Slope", "Offset", "Vacetone", "VB", "V1")};
constexpr auto kTurner10005 = OnLine(109, "ScaleFactor", "Offset");
constexpr SLegacyValue kTurner10Au005[] = {{109, 3, "FullScaleConcentration"},
                                           {109, 4, "FullScaleVoltage"},
                                           {109, 5, "ZeroPointConcentratin"}};
constexpr auto kTransAC3 = OnLine(116, "Ch2o", "Vh2o", "VDark", "X");
constexpr SLegacyValue kFluoroAC3[] = {{116, 5, "Kv"}, {116, 6, "Vh2o"}, {116, 7, "AtoX"}};
constexpr auto kWetstar =
    std::array{OnLine(119, "Vblank", "ScaleFactor"), OnLine(213, "Vblank", "ScaleFactor")};

constexpr auto FGPLine(int n) {
    return OnLine(126 + 3 * n, "ScaleFactor", "Offset");
}
constexpr auto kFGP = std::array{FGPLine(0), FGPLine(1), FGPLine(2), FGPLine(3),
                                 FGPLine(4), FGPLine(5), FGPLine(6), FGPLine(7)};

constexpr SLegacyValue kSeapointTurbiditySet[] = {{150, 1, "GainSetting", &kSeapointTurbidityGain},
                                                  {150, 2, "ScaleFactor"}};
constexpr auto kSeapointTurbidity =
    std::array{Moved(kSeapointTurbiditySet, {}), Moved(kSeapointTurbiditySet, {{150, 153}})};
constexpr SLegacyValue kSeapointFluoroSet[] = {{162, 1, "GainSetting", &kSeapointFluoroGain},
                                               {162, 2, "Offset"}};
constexpr auto kSeapointFluoro =
    std::array{Moved(kSeapointFluoroSet, {}), Moved(kSeapointFluoroSet, {{162, 216}})};
// The rhodamine fluorometer keeps its gain as the Seapoint does.
constexpr auto kRhodamine = Moved(kSeapointFluoroSet, {{162, 225}});
constexpr auto kMinitracka = OnLine(159, "Vacetone", "Vacetone100", "Offset");
constexpr auto kSCUFA = std::array{OnLine(195, "ScaleFactor", "Offset", "Units", "MX", "MY", "B"),
                                   OnLine(219, "ScaleFactor", "Offset", "Units", "MX", "MY", "B")};
constexpr auto kSCUFA_OBS =
    std::array{OnLine(198, "ScaleFactor", "Offset"), OnLine(250, "ScaleFactor", "Offset")};
constexpr auto kECO_AFL =
    std::array{OnLine(201, "Vblank", "ScaleFactor"), OnLine(272, "Vblank", "ScaleFactor")};
constexpr auto kMethaneConc = OnLine(207, "D", "A0", "A1", "B0", "B1", "B2");
constexpr SLegacyValue kMethaneTemp[] = {{207, 7, "T1"}, {207, 8, "T2"}};
constexpr auto kCDOM = OnLine(222, "Vblank", "ScaleFactor");
constexpr auto kLISST = OnLine(234, "TotalVolumeConcConst", "SauterMeanDiameter",
                               "CleanWaterScatteringOutput", "CleanWaterTransmissionOutput");
constexpr auto kUV_Aqua = OnLine(244, "A", "B");
constexpr auto kOBS3plus = std::array{OnLine(253, "A0", "A1", "A2"), OnLine(256, "A0", "A1", "A2")};
constexpr auto kOptode =
    OnLine(278, "DoSalinityCorrection", "DoDepthCorrection", "InternalSalinity");
constexpr auto kPARLog = OnLine(281, "a0", "a1", "Im");

constexpr SLegacyValue kBeckmanCurrentSet[] = {{16, 1, "M"},    {16, 2, "B"},  {16, 5, "Soc"},
                                               {16, 6, "Tcor"}, {17, 1, "Wt"}, {17, 2, "Pcor"},
                                               {17, 3, "Tau"},  {17, 4, "Boc"}};
constexpr auto kBeckmanCurrent =
    std::array{Moved(kBeckmanCurrentSet, {}), Moved(kBeckmanCurrentSet, {{16, 72}, {17, 73}})};
constexpr SLegacyValue kBeckmanTempSet[] = {{16, 3, "K"}, {16, 4, "C"}};
constexpr auto kBeckmanTemp =
    std::array{Moved(kBeckmanTempSet, {}), Moved(kBeckmanTempSet, {{16, 72}})};
constexpr SLegacyValue kIOWCurrent[] = {{94, 5, "B0"}, {94, 6, "B1"}};
constexpr auto kIOWTemp = OnLine(94, "A0", "A1", "A2", "A3");
constexpr SLegacyValue kTDW41Set[] = {
    {165, 1, TW_SET("CalibrationCoefficients", 0) "Soc"},
    {165, 2, "Tcor"},
    {165, 3, TW_SET("CalibrationCoefficients", 0) "offset"},
    {166, 1, "Pcor"},
    {166, 2, "Tau"},
    {166, 3, "Boc"},
    {258, 1, "Use2007Equation"},
    {258, 2, TW_SET("CalibrationCoefficients", 1) "Soc"},
    {258, 3, "A"},
    {258, 4, "B"},
    {258, 5, "C"},
    {258, 6, "E"},
    {258, 7, TW_SET("CalibrationCoefficients", 1) "offset"},
    {258, 8, "Tau20"},
    {258, 10, "D1"},
    {258, 11, "D2"},
    {258, 12, "H1"},
    {258, 13, "H2"},
    {258, 14, "H3"},
};
#undef TW_SET
constexpr auto kTDW41 =
    std::array{Moved(kTDW41Set, {}), Moved(kTDW41Set, {{165, 169}, {166, 170}, {258, 259}})};

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

// The position of each of the row's values among the fields.
std::vector<int> ValueFields(std::span<const SSensorField> fields, const SLegacySensorLines& row) {
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

bool UsesOldDate(const CSensor& sensor, std::span<const SSensorField> fields) {
    const int field = FindField(fields, kUsesNewSet);
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
    // Described once: setting values adds fields after the others at most
    // (the Digiquartz's AD590 pair), so every position stays where it is.
    const std::vector<SSensorField> described = sensor.Fields();
    const std::vector<int> fields = ValueFields(described, row);
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
        const int field = FindField(described, kNameField);
        if (field >= 0) {
            sensor.SetFieldText(static_cast<std::size_t>(field), CString(lines.Line(row.nameLine)));
        }
    }
    const int dateLine =
        row.oldDateLine && UsesOldDate(sensor, described) ? row.oldDateLine : row.dateLine;
    if (dateLine) {
        sensor.SetCalDate(CString(lines.Line(dateLine)));
    }
}

CString LegacySensorName(const CSensor& sensor) {
    const int field = sensor.FindField(kNameField);
    return field >= 0 ? sensor.GetFieldText(static_cast<std::size_t>(field)) : CString();
}

std::vector<double> LegacyValues(const CSensor& sensor, const SLegacySensorLines& row) {
    const std::vector<int> fields = ValueFields(sensor.Fields(), row);
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
