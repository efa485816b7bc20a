#include "core/SensorRegistry.h"

#include <array>

namespace {

constexpr int kYes = 1;
constexpr int kNo = 0;

constexpr std::array<SSensorData, NUM_SENSOR_IDS> kRegistry = {{
    {"Altimeter", OT_VOLTAGE, kYes, "AltimeterSensor"},
    {"Bottles Closed, HB", OT_FREQUENCY, kNo, "BottlesClosedSensor"},
    {"Bottom Contact", OT_VOLTAGE, kNo, "BottomContactSensor"},
    {"Conductivity", OT_FREQUENCY, kYes, "ConductivitySensor"},
    {"Fluorometer, Biospherical Natural", OT_VOLTAGE, kYes, "FluoroBiosphericalSensor"},
    {"Fluorometer, Chelsea Aqua 3", OT_VOLTAGE, kYes, "FluoroChelseaAqua3Sensor"},
    {"Fluorometer, Chelsea Minitracka", OT_VOLTAGE, kYes, "FluoroChelseaMinitrackaSensor"},
    {"Fluorometer, Chelsea UV Aquatracka", OT_VOLTAGE, kYes, "FluoroChelseaUV_AquaSensor"},
    {"Fluorometer, Dr. Haardt Chlorophyll a", OT_VOLTAGE, kYes, "FluoroDrHaardtChloroSensor"},
    {"Fluorometer, Dr. Haardt Phycoerythrin", OT_VOLTAGE, kYes, "FluoroDrHaardtPhycoSensor"},
    {"Fluorometer, Dr. Haardt Yellow Sub.", OT_VOLTAGE, kYes, "FluoroDrHaardtYellowSensor"},
    {"Fluorometer, Seapoint", OT_VOLTAGE, kYes, "FluoroSeapointSensor"},
    {"Fluorometer, Seapoint Rhodamine", OT_VOLTAGE, kYes, "FluoroSeapointRhodaSensor"},
    {"Fluorometer, Seatech/WET Labs FLF", OT_VOLTAGE, kYes, "FluoroSeatechWetlabsFLF_Sensor"},
    {"Fluorometer, Turner 10-005, Fluorescence", OT_VOLTAGE, kYes, "FluoroTurner10005Sensor"},
    {"Fluorometer, Turner 10-005, Range", OT_VOLTAGE, kNo, "FluoroTurnerRangeSensor"},
    {"Fluorometer, Turner 10-Au-005", OT_VOLTAGE, kYes, "FluoroTurner10Au005Sensor"},
    {"Fluorometer, Turner SCUFA", OT_VOLTAGE, kYes, "FluoroTurnerSCUFA_Sensor"},
    {"Fluorometer, WET Labs AC3", OT_VOLTAGE, kYes, "FluoroWetlabAC3Sensor"},
    {"Fluorometer, WET Labs ECO CDOM", OT_VOLTAGE, kYes, "FluoroWetlabCDOM_Sensor"},
    {"Fluorometer, WET Labs ECO-AFL/FL", OT_VOLTAGE, kYes, "FluoroWetlabECO_AFL_FL_Sensor"},
    {"Fluorometer, WET Labs WETstar", OT_VOLTAGE, kYes, "FluoroWetlabWetstarSensor"},
    {"Gas Tension, Dissolved Oxygen", OT_SERIAL, kYes, "GTD_DO_Sensor"},
    {"Gas Tension, Nitrogen", OT_SERIAL, kYes, "GTD_N2_Sensor"},
    {"Methane Conc., Franatech METS", OT_VOLTAGE, kYes, "MethaneConcCAPSUM_Sensor"},
    {"Methane Gas Temp., Franatech METS", OT_VOLTAGE, kYes, "MethaneTempCAPSUM_Sensor"},
    {"No Coefficient Sensor", OT_VOLTAGE, kYes, "NoCoefficientsSensor"},
    {"", OT_UNKNOWN, kNo, "NotInUse"},
    {"OBS, Backscatterance (D & A)", OT_VOLTAGE, kYes, "OBS_DA_3BackscatteranceSensor"},
    {"OBS, Chelsea Nephelometer", OT_VOLTAGE, kYes, "OBS_ChelseaNepheloSensor"},
    {"OBS, Dr. Haardt Turbidity", OT_VOLTAGE, kYes, "OBS_DrHaardtTurbiditySensor"},
    {"OBS, IFREMER Direct", OT_VOLTAGE, kNo, "OBS_IFREMER_DirectSensor"},
    {"OBS, IFREMER Measured", OT_VOLTAGE, kYes, "OBS_IFREMER_MeasuredSensor"},
    {"Turbidity Meter, Seapoint", OT_VOLTAGE, kYes, "OBS_SeapointTurbiditySensor"},
    {"OBS, Seatech LS6000/WET Labs LBSS", OT_VOLTAGE, kYes, "SeatechLS6000WetlabsLBSS_Sensor"},
    {"OBS, Turner SCUFA", OT_VOLTAGE, kYes, "OBS_TurnerSCUFA_Sensor"},
    {"Oxygen Current, Beckman/YSI", OT_VOLTAGE, kYes, "OxygenSensor"},
    {"Oxygen Current, IOW", OT_VOLTAGE, kYes, "OxygenSensor"},
    {"Oxygen, TDW 41", OT_VOLTAGE, kYes, "OxygenSensor"},
    {"Oxygen Temperature, Beckman/YSI", OT_VOLTAGE, kYes, "OxygenSensor"},
    {"Oxygen Temperature, IOW", OT_VOLTAGE, kYes, "OxygenSensor"},
    {"Oxidation Reduction Potential", OT_VOLTAGE, kYes, "OxidationReductionPotentialSensor"},
    {"PAR/Irradiance, Biospherical/Licor", OT_VOLTAGE, kYes, "PAR_BiosphericalLicorChelseaSensor"},
    {"pH", OT_VOLTAGE, kYes, "pH_Sensor"},
    {"Pressure, Digiquartz", OT_FREQUENCY, kYes, "PressureSensor"},
    {"Pressure, Digiquartz with TC", OT_FREQUENCY, kYes, "PressureSensor"},
    {"Pressure, Strain Gauge", OT_COUNT, kYes, "PressureSensor"},
    {"Pressure, FGP", OT_VOLTAGE, kYes, "PressureFGP_Sensor"},
    {"Pressure, TDW 58", OT_SERIAL, kYes, "PressureSensor"},
    {"Pressure, Strain Gauge", OT_PRESSURE_VOLTAGE, kYes, "PressureSensor"},
    {"Sound Velocity, IOW", OT_FREQUENCY, kYes, "SoundVelocitySensor"},
    {"SPAR/Surface Irradiance", OT_SPAR_VOLTAGE, kYes, "SPAR_Sensor"},
    {"LISST-25A, Scattering", OT_VOLTAGE, kYes, "SuspSedScatterSensor"},
    {"LISST-25A, Transmission", OT_VOLTAGE, kNo, "SuspSedTransSensor"},
    {"Temperature", OT_UNKNOWN, kNo, "TempNoCoeffSensor"},
    {"Temperature", OT_FREQUENCY, kYes, "TemperatureSensor"},
    {"Temperature, TDW 83", OT_SERIAL, kYes, "TemperatureSensor"},
    {"Temperature", OT_COUNT, kYes, "TemperatureSensor"},
    {"Temperature", OT_COUNT, kYes, "TemperatureSensor"},
    {"Transmissometer, Chelsea/Seatech", OT_VOLTAGE, kYes, "TransChelseaSeatechWetlabCStarSensor"},
    {"Transmissometer, WET Labs AC3", OT_VOLTAGE, kYes, "TransWetlabAC3Sensor"},
    {"User Polynomial", OT_VOLTAGE, kYes, "UserPolynomialSensor"},
    {"Zaps", OT_VOLTAGE, kYes, "ZapsSensor"},
    {"OBS, D & A OBS 3+", OT_VOLTAGE, kYes, "OBS_3plusSensor"},
    {"Oxygen Optode, Aanderaa", OT_SERIAL, kYes, "OptodeOxygenAanderaa"},
    {"Oxygen, TDW 41F", OT_FREQUENCY, kYes, "OxygenSensor"},
    {"Oxygen, TDW 41I", OT_FREQUENCY, kYes, "OxygenSensor"},
    {"Turbidity Meter, WET Labs, ECO-NTU", OT_VOLTAGE, kYes, "TurbidityMeter"},
    {"Fluorometer, Turner Cyclops", OT_VOLTAGE, kYes, "Fluorometer"},
    {"Fluorometer, Seapoint Ultraviolet", OT_VOLTAGE, kYes, "Fluorometer"},
    {"OBS, WET Labs, ECO-BB", OT_VOLTAGE, kYes, "TurbidityMeter"},
    {"Transmissometer, WET Labs C-Star", OT_VOLTAGE, kYes, "WET_LabsCStar"},
    {"Oxygen, TDW 68", OT_SERIAL, kYes, "OxygenSensor"},
    {"Fluorescence, WET Labs SeaOwl-CHL", OT_SERIAL, kYes, "ChloroWetlabSeaOWLSensor"},
    {"Fluorescence, WET Labs SeaOwl-FDOM", OT_SERIAL, kYes, "FDOMWetlabSeaOWLSensor"},
    {"Turbidity, WET Labs SeaOwl-BB", OT_SERIAL, kYes, "TurbidityWetlabSeaOWLSensor"},
    {"PAR/Logarithmic, Satlantic", OT_VOLTAGE, kYes, "PARLog_SatlanticSensor"},
    {"pH/Internal, SeaFET", OT_SERIAL, kYes, "InternalpHSeaFETSensor"},
    {"pH/External, SeaFET", OT_SERIAL, kYes, "ExternalpHSeaFETSensor"},
}};

constexpr const char* kOutputTypeNames[] = {"Unknown",          "Frequency",    "A/D voltage",
                                            "Pressure voltage", "SPAR voltage", "Count",
                                            "Serial RS-232"};

}  // namespace

const char* GetOutputTypeName(int outputType) {
    return (outputType >= OT_UNKNOWN && outputType <= OT_SERIAL) ? kOutputTypeNames[outputType]
                                                                 : kOutputTypeNames[OT_UNKNOWN];
}

const SSensorData* GetSensorData(int sensorID) {
    if (sensorID < 0 || sensorID >= NUM_SENSOR_IDS) {
        return nullptr;
    }
    return &kRegistry[static_cast<std::size_t>(sensorID)];
}

int MaxSensorTypeAllowed(int sensorID) {
    switch (sensorID) {
        case 3:
        case 5:
        case 7:
        case 11:
        case 17:
        case 22:
        case 23:
        case 28:
        case 33:
        case 34:
        case 35:
        case 36:
        case 38:
        case 39:
        case 42:
        case 48:
        case 55:
        case 56:
        case 59:
        case 63:
        case 69:
        case 72:
        case 73:
        case 74:
        case 75:
            return 2;
        case 61:
            return 3;
        case 19:
        case 20:
        case 21:
        case 67:
        case 70:
        case 71:
            return 6;
        case 68:
            return 7;
        case 47:
            return 8;
        default:
            return 1;
    }
}
