#pragma once
// The calibration dialogs of the sensor kinds, one exported function each.
// Every one opens the calibration form (ui/CalibrationForm.h) on the sensor
// and returns the form's result: IDOK when the sensor took the edits, IDCANCEL
// when it was left as it was.
//
// TW_CALIBRATION_DIALOGS is the one table of them: the function's name, the
// view of the sensor's elements it shows, and the sensor IDs whose dialog it
// is (DisplaySensorDialog opens it for those). A function without IDs is
// opened by DisplaySensorDialog's own rules (the conductivity and temperature
// sets) or only when called by name.

#include "core/Sensor.h"

#define TW_CALIBRATION_DIALOGS(X)                           \
    X(AltimeterCalDlg, AllCoefficients, 0)                  \
    X(CondCalDlg, ConductivityGJ)                           \
    X(CondOldCalDlg, ConductivityOld)                       \
    X(CondType1CalDlg, ConductivityType1)                   \
    X(DispFluoroSeapointCalDlg, AllCoefficients, 11)        \
    X(DispFluoroSeapointRhodaCalDlg, AllCoefficients, 12)   \
    X(FluoroBiosphericalCalDlg, AllCoefficients, 4)         \
    X(FluoroChelseaAqua3CalDlg, AllCoefficients, 5)         \
    X(FluoroChelseaMiniCalDlg, AllCoefficients, 6)          \
    X(FluoroChelseaUV_AquaCalDlg, AllCoefficients, 7)       \
    X(FluoroDrHaardtChloroCalDlg, AllCoefficients, 8)       \
    X(FluoroDrHaardtPhycoCalDlg, AllCoefficients, 9)        \
    X(FluoroDrHaardtYellowCalDlg, AllCoefficients, 10)      \
    X(FluoroSeatechCalDlg, AllCoefficients, 13)             \
    X(FluoroTurner10005CalDlg, AllCoefficients, 14)         \
    X(FluoroTurner10Au005CalDlg, AllCoefficients, 16)       \
    X(FluoroTurnerCyclopsCalDlg, AllCoefficients, 68)       \
    X(FluoroTurnerSCUFA_CalDlg, AllCoefficients, 17)        \
    X(FluoroWetlabAC3CalDlg, AllCoefficients, 18)           \
    X(FluoroWetlabCDOM_CalDlg, AllCoefficients, 19)         \
    X(FluoroWetlabECO_AFL_CalDlg, AllCoefficients, 20)      \
    X(FluoroWetlabWetstarCalDlg, AllCoefficients, 21)       \
    X(MethaneConcCAPSUM_CalDlg, AllCoefficients, 24)        \
    X(MethaneTempCAPSUM_CalDlg, AllCoefficients, 25)        \
    X(NoCoeffCalDlg, SerialAndDateOnly, 22, 23, 26, 48, 56) \
    X(OBS_BackscatteranceCalDlg, AllCoefficients, 28)       \
    X(OBS_ChelseaNepheloCalDlg, AllCoefficients, 29)        \
    X(OBS_DA_3plusCalDlg, AllCoefficients, 63)              \
    X(OBS_DrHaardtTurbidityCalDlg, AllCoefficients, 30)     \
    X(OBS_IFREMER_MeasuredCalDlg, AllCoefficients, 32)      \
    X(OBS_SeapointTurbidityCalDlg, AllCoefficients, 33)     \
    X(OBS_SeatechLS6000CalDlg, AllCoefficients, 34)         \
    X(OBS_TurnerSCUFA_CalDlg, AllCoefficients, 35)          \
    X(OxCurrentBeckmanCalDlg, AllCoefficients, 36)          \
    X(OxCurrentIOW_CalDlg, AllCoefficients, 37)             \
    X(OxOptodeCalDlg, AllCoefficients, 64)                  \
    X(OxTDW_68_CalDlg, AllCoefficients, 72)                 \
    X(OxTDW_CalDlg, AllCoefficients, 38, 65, 66)            \
    X(OxTempBeckmanCalDlg, AllCoefficients, 39)             \
    X(OxTempIOW_CalDlg, AllCoefficients, 40)                \
    X(OxidationRedPotCalDlg, AllCoefficients, 41)           \
    X(PARLog_SatlanticCalDlg, AllCoefficients, 76)          \
    X(PAR_BiosphericalCalDlg, AllCoefficients, 42)          \
    X(PressureDigiquartzCalDlg, AllCoefficients, 44)        \
    X(PressureDigiquartzTC_CalDlg, AllCoefficients, 45)     \
    X(PressureDruckCalDlg, AllCoefficients, 46)             \
    X(PressureFGP_CalDlg, AllCoefficients, 47)              \
    X(PressureStrainGaugeCalDlg, AllCoefficients, 49)       \
    X(SPAR_CalDlg, AllCoefficients, 51)                     \
    X(SoundVelocityCalDlg, AllCoefficients, 50)             \
    X(SuspSedScatterCalDlg, AllCoefficients, 52)            \
    X(TempTDW83CalDlg, AllCoefficients)                     \
    X(TempTDW2CalDlg, TemperatureGJ)                        \
    X(TempTDW2OldCalDlg, TemperatureOld)                    \
    X(TempTDW94CalDlg, AllCoefficients, 57)                 \
    X(TempVantrelPlusCalDlg, AllCoefficients, 58)           \
    X(TransChelseaCalDlg, AllCoefficients, 59)              \
    X(TransWetlabAC3CalDlg, AllCoefficients, 60)            \
    X(UserPolyCalDlg, AllCoefficients, 61)                  \
    X(ZapsCalDlg, AllCoefficients, 62)                      \
    X(pH_CalDlg, AllCoefficients, 43, 77, 78)               \
    X(WetlabECO_SeaOWL_CalDlg, AllCoefficients, 67, 70, 73, 74, 75)

#define TW_DECLARE_CALIBRATION_DIALOG(Name, View, ...) int Name(CSensor* sensor);
TW_CALIBRATION_DIALOGS(TW_DECLARE_CALIBRATION_DIALOG)
#undef TW_DECLARE_CALIBRATION_DIALOG

// The WET Labs C-Star transmissometer's dialog, told whether its channel is a
// WET Labs serial channel (the form then says so above the fields).
int TransWetlabCStarCalDlg(CSensor* sensor, int wetLabsSerial);
