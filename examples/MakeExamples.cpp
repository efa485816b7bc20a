// Writes the example configurations of this folder into the folder given as
// the argument. The examples use invented serial numbers and plausible
// calibration values.

#include <iostream>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/NimbrelCTD.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/OpticalSensors.h"
#include "sensors/OxygenSensors.h"
#include "sensors/OxygenTDW41Sensors.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"

namespace {

void CalibrateFixedSensors(CCTD& ctd) {
    auto& temperature = dynamic_cast<CTempVantrelPlusSensor&>(ctd.GetSensor(0));
    temperature.SetSerialNum("0412");
    temperature.SetCalDate("14-Mar-26");
    temperature.SetA0(1.2533e-3);
    temperature.SetA1(2.6141e-4);
    temperature.SetA2(-1.4478e-7);
    temperature.SetA3(1.4213e-7);

    auto& conductivity = dynamic_cast<CCondSensor&>(ctd.GetSensor(1));
    conductivity.SetSerialNum("0937");
    conductivity.SetCalDate("14-Mar-26");
    conductivity.SetG(-9.8346);
    conductivity.SetH(1.3985);
    conductivity.SetI(-1.6811e-3);
    conductivity.SetJ(1.8862e-4);

    auto& pressure = dynamic_cast<CPressureDruckSensor&>(ctd.GetSensor(2));
    pressure.SetSerialNum("5521876");
    pressure.SetCalDate("02-Feb-26");
    pressure.SetPA0(2.1057e-1);
    pressure.SetPA1(1.5508e-3);
    pressure.SetPA2(6.6519e-12);
    pressure.SetPTEMPA0(-6.3027e1);
    pressure.SetPTEMPA1(5.4121e1);
    pressure.SetPTEMPA2(-2.2219e-1);
    pressure.SetPTCA0(5.2471e5);
    pressure.SetPTCA1(1.1652e1);
    pressure.SetPTCA2(-1.6372e-1);
    pressure.SetPTCB0(2.5018e1);
    pressure.SetPTCB1(-3.5e-4);
}

// Six voltages, a SeaOWL on the serial port, surface PAR and NMEA.
void Configure(C64V2VantrelCTD& ctd) {
    CalibrateFixedSensors(ctd);
    ctd.SetSerialNum("01906123");
    ctd.SetNumVoltAdd(6);
    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("62148");
    altimeter->SetCalDate("20-Jan-26");
    altimeter->SetScaleFactor(15.0);
    ctd.ReplaceSensor(3, altimeter);
    CSensor* ntu = CreateSensorObject(67);  // WET Labs ECO-NTU
    ntu->SetSerialNum("NTU-3381");
    ntu->SetCalDate("11-Nov-25");
    ctd.ReplaceSensor(4, ntu);
    auto* ph = new CpH_Sensor;
    ph->SetSerialNum("1207");
    ph->SetCalDate("05-Jan-26");
    ph->SetSlope(4.5563);
    ph->SetOffset(2.5102);
    ctd.ReplaceSensor(5, ph);
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_SEAOWL);
    ctd.SetbSPAR_Added(1);
    auto& spar = dynamic_cast<CSPAR_Sensor&>(ctd.GetSensor(ctd.GetNumChannel() - 1));
    spar.SetSerialNum("20418");
    spar.SetCalDate("30-Sep-25");
    spar.SetConversionFactor(1606.0);
    spar.SetRatioMultiplier(0.3565);
    ctd.SetnScansToAvg(8);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    ctd.SetbNMEA_TimeAdded(1);
}

bool Write(const std::string& path, CCTD& ctd) {
    const long before = TWMessageCount();
    WriteConFile(path.c_str(), &ctd);
    return TWMessageCount() == before;
}

// A moored TDW 62plus V2 with strain-gauge pressure, a fluorometer and a pH
// sensor on its voltages and a TDW 68 oxygen sensor on the serial port,
// sampling every five minutes.
bool WriteConfigured62PlusV2(const std::string& folder) {
    C62V2VantrelCTD ctd;
    ctd.SetSerialNum("01910457");
    ctd.SetPressureSensorType(2);
    CalibrateFixedSensors(ctd);
    ctd.SetNumVoltAdd(2);
    auto* fluorometer = new CFluoroSeatechSensor;
    fluorometer->SetSerialNum("STF-3121");
    fluorometer->SetCalDate("08-Dec-25");
    fluorometer->SetScaleFactor(10.0);
    fluorometer->SetOffset(0.012);
    ctd.ReplaceSensor(3, fluorometer);
    auto* ph = new CpH_Sensor;
    ph->SetSerialNum("1342");
    ph->SetCalDate("12-Jan-26");
    ph->SetSlope(4.4871);
    ph->SetOffset(2.4930);
    ctd.ReplaceSensor(4, ph);
    ctd.SetSerialSensor(CVantrelCTD::TDW_68_OPTICAL_OXYGEN);
    auto& oxygen = dynamic_cast<COxTDW_68_Sensor&>(ctd.GetSensor(5));
    oxygen.SetSerialNum("0688");
    oxygen.SetCalDate("21-Feb-26");
    oxygen.SetA0(1.0513);
    oxygen.SetA1(-1.5e-3);
    oxygen.SetA2(3.9e-1);
    oxygen.SetB0(-2.5e-1);
    oxygen.SetB1(1.6655);
    oxygen.SetC0(1.0681e-1);
    oxygen.SetC1(4.3515e-3);
    oxygen.SetC2(6.1009e-5);
    oxygen.SetTA0(7.0587e-4);
    oxygen.SetTA1(2.4846e-4);
    oxygen.SetTA2(-8.6004e-7);
    oxygen.SetTA3(1.3009e-7);
    oxygen.Setpcor(1.1e-2);
    ctd.SetdSampleInterval(300.0);
    return Write(folder + "62plusV2-configured.xmlcon", ctd);
}

// The file name stem of each model's examples, by CTD ID.
constexpr const char* kModelStems[NUM_CTD_IDS] = {
    "62",      "62plus", "64",       "64plus",   "71",   "56",      "47",      "94",
    "812plus", "70420S", "62plusV2", "64plusV2", "71V2", "payload", "nimbrel", "56plus"};

// The default configuration of every model that can be created.
bool WriteDefaults(const std::string& folder) {
    bool ok = true;
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
        if (ctd) {
            ok = Write(folder + kModelStems[ctdID] + "-default.xmlcon", *ctd) && ok;
        }
    }
    return ok;
}

// A primary and a secondary temperature, Digiquartz pressure, four voltages,
// surface PAR and NMEA through the deck unit, averaged to one scan a second.
bool Write812PlusConfigured(const std::string& folder) {
    C812PlusCTD ctd;
    ctd.SetSerialNum("0811245");
    ctd.SetNumFreqSuppress(1);
    ctd.SetNumVoltWordSuppress(2);
    auto& temperature = dynamic_cast<CTempTDW2Sensor&>(ctd.GetSensor(0));
    temperature.SetSerialNum("5102");
    temperature.SetCalDate("21-Apr-26");
    temperature.SetG(4.3506e-3);
    temperature.SetH(6.4016e-4);
    temperature.SetI(2.2731e-5);
    temperature.SetJ(2.1187e-6);
    auto* secondTemperature = new CTempTDW2Sensor;
    ctd.ReplaceSensor(3, secondTemperature);
    secondTemperature->SetSerialNum("5317");
    secondTemperature->SetCalDate("21-Apr-26");
    secondTemperature->SetG(4.3577e-3);
    secondTemperature->SetH(6.3908e-4);
    secondTemperature->SetI(2.2394e-5);
    secondTemperature->SetJ(2.0712e-6);

    auto& conductivity = dynamic_cast<CCondSensor&>(ctd.GetSensor(1));
    conductivity.SetSerialNum("3418");
    conductivity.SetCalDate("22-Apr-26");
    conductivity.SetG(-1.0352e1);
    conductivity.SetH(1.4467);
    conductivity.SetI(-1.1592e-3);
    conductivity.SetJ(1.7201e-4);

    auto& pressure = dynamic_cast<CPressureDigiquartzTC_Sensor&>(ctd.GetSensor(2));
    pressure.SetSerialNum("139017");
    pressure.SetCalDate("09-Jan-26");
    pressure.SetC1(-4.2911e4);
    pressure.SetC2(-1.7384e-1);
    pressure.SetC3(1.3126e-2);
    pressure.SetD1(3.8125e-2);
    pressure.SetT1(3.0119e1);
    pressure.SetT2(-3.1154e-4);
    pressure.SetT3(4.1672e-6);
    pressure.SetT4(3.4521e-9);

    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("1189");
    altimeter->SetCalDate("03-Mar-26");
    altimeter->SetScaleFactor(15.0);
    ctd.ReplaceSensor(4, altimeter);
    auto* ph = new CpH_Sensor;
    ph->SetSerialNum("0648");
    ph->SetCalDate("17-Feb-26");
    ph->SetSlope(4.6021);
    ph->SetOffset(2.4870);
    ctd.ReplaceSensor(5, ph);

    ctd.SetbSPAR_Added(1);
    auto& spar = dynamic_cast<CSPAR_Sensor&>(ctd.GetSensor(ctd.GetNumChannel() - 1));
    spar.SetSerialNum("20533");
    spar.SetCalDate("12-Oct-25");
    spar.SetConversionFactor(1584.0);
    spar.SetRatioMultiplier(0.3512);
    ctd.SetnScansToAvg(24);
    ctd.SetbNMEA_Added(1);
    ctd.SetbDepthAdded(1);
    return Write(folder + "812plus-configured.xmlcon", ctd);
}

// A TDW 56plus with an altimeter, a TDW 41 oxygen sensor and a pH sensor on
// its voltages, a TDW 68 oxygen sensor on serial channel 1 and surface PAR.
C56PlusCTD Configured56Plus(int usage) {
    C56PlusCTD ctd;
    ctd.SetSerialNum("56P-0317");
    auto* temperature = new CTempTDW2Sensor;
    temperature->SetSerialNum("5731");
    temperature->SetCalDate("09-Apr-26");
    temperature->SetG(4.3684e-3);
    temperature->SetH(6.4321e-4);
    temperature->SetI(2.2851e-5);
    temperature->SetJ(2.0157e-6);
    temperature->SetF0(1000.0);
    ctd.SetDefaultSensor(0, temperature);
    auto* conductivity = new CCondSensor;
    conductivity->SetSerialNum("4118");
    conductivity->SetCalDate("09-Apr-26");
    conductivity->SetG(-10.1092);
    conductivity->SetH(1.5238);
    conductivity->SetI(-2.1377e-3);
    conductivity->SetJ(2.3012e-4);
    ctd.SetDefaultSensor(1, conductivity);
    auto* pressure = new CPressureDruckSensor;
    pressure->SetSerialNum("6612094");
    pressure->SetCalDate("21-Mar-26");
    pressure->SetPA0(1.2904e-1);
    pressure->SetPA1(1.5317e-3);
    pressure->SetPTCA0(5.2408e5);
    pressure->SetPTCB0(2.4987e1);
    ctd.SetDefaultSensor(2, pressure);

    auto* altimeter = new CAltimeterSensor;
    altimeter->SetSerialNum("41877");
    altimeter->SetCalDate("12-Jan-26");
    altimeter->SetScaleFactor(15.0);
    ctd.SetExternalVoltageSensor(0, altimeter);
    auto* oxygen = new COxTDW_Sensor;
    oxygen->SetSerialNum("2290");
    oxygen->SetCalDate("02-Mar-26");
    oxygen->SetSoc2007(0.4471);
    oxygen->SetVoffset2007(-0.5014);
    oxygen->SetA(-3.1867e-3);
    oxygen->SetB(1.7612e-4);
    oxygen->SetC(-2.5263e-6);
    oxygen->SetE(0.036);
    ctd.SetExternalVoltageSensor(1, oxygen);
    auto* ph = new CpH_Sensor;
    ph->SetSerialNum("0876");
    ph->SetCalDate("15-Feb-26");
    ph->SetSlope(4.6120);
    ph->SetOffset(2.4983);
    ctd.SetExternalVoltageSensor(4, ph);
    ctd.SetExternalVoltageExported(0, 1);
    ctd.SetExternalVoltageExported(1, 1);

    S56SerialChannel optode;
    optode.storage = 1;
    optode.type = CVantrelCTD::TDW_68_OPTICAL_OXYGEN;
    auto* serialOxygen = new COxTDW_68_Sensor;
    serialOxygen->SetSerialNum("6804412");
    serialOxygen->SetCalDate("28-Feb-26");
    serialOxygen->SetA0(1.0513);
    serialOxygen->SetB0(-0.2497);
    serialOxygen->SetC0(0.1067);
    optode.sensors.Add(serialOxygen);
    ctd.SetSerialChannel(0, optode);

    auto* spar = new CSPAR_Sensor;
    spar->SetSerialNum("20771");
    spar->SetCalDate("30-Sep-25");
    spar->SetConversionFactor(1580.0);
    spar->SetRatioMultiplier(0.3612);
    ctd.SetSparSensor(spar);
    ctd.SetUsage(usage);
    return ctd;
}

// For processing the files uploaded from the storage card.
bool Write56PlusStored(const std::string& folder) {
    C56PlusCTD ctd = Configured56Plus(C56PlusCTD::USAGE_STORED_XML_FILE);
    return Write(folder + "56plus-stored.xmlcon", ctd);
}

// Real-time acquisition through a deck unit with NMEA position and time.
bool Write56PlusWavecap(const std::string& folder) {
    C56PlusCTD ctd = Configured56Plus(C56PlusCTD::USAGE_WAVECAP_HEX_FILE);
    ctd.SetUsingDeckUnitFlag(1);
    ctd.SetConsoleBaud(C56PlusCTD::CONSOLE_BAUD_4800);
    ctd.SetHistoricRate(C56PlusCTD::HISTORIC_RATE__FASTER);
    ctd.SetbSPAR_Added(1);
    ctd.SetbNMEA_Added(1);
    ctd.SetbNMEA_TimeAdded(1);
    ctd.SetScanTimeAdded(1);
    return Write(folder + "56plus-wavecap.xmlcon", ctd);
}

// A TDW 73 Nimbrel moored at 54 degrees south with a TDW 41I oxygen sensor
// and a pressure sensor, sampling every 15 minutes.
bool WriteNimbrelConfigured(const std::string& folder) {
    CNimbrel ctd;
    ctd.SetSerialNum("7301566");
    auto& temperature = dynamic_cast<CTempVantrelPlusSensor&>(ctd.GetSensor(0));
    temperature.SetSerialNum("7301566");
    temperature.SetCalDate("06-May-26");
    temperature.SetA0(-1.0392e-4);
    temperature.SetA1(3.1087e-4);
    temperature.SetA2(-4.5201e-6);
    temperature.SetA3(2.0514e-7);
    auto& conductivity = dynamic_cast<CCondSensor&>(ctd.GetSensor(1));
    conductivity.SetSerialNum("7301566");
    conductivity.SetCalDate("06-May-26");
    conductivity.SetG(-0.9871);
    conductivity.SetH(0.1467);
    conductivity.SetI(-3.0214e-4);
    conductivity.SetJ(4.1102e-5);
    ctd.SetOxygenSensorPresent(CNimbrel::OXYGEN_TDW41);
    auto& oxygen = dynamic_cast<COxTDW_I_Sensor&>(ctd.GetSensor(2));
    oxygen.SetSerialNum("4311208");
    oxygen.SetCalDate("29-Apr-26");
    oxygen.SetSoc2007(0.5192);
    oxygen.SetVoffset2007(-0.4873);
    oxygen.SetA(-4.0113e-3);
    oxygen.SetB(2.0471e-4);
    oxygen.SetC(-2.9914e-6);
    oxygen.SetE(0.036);
    ctd.SetPressureSensorPresent(1);
    auto& pressure = dynamic_cast<CPressureDruckSensor&>(ctd.GetSensor(3));
    pressure.SetSerialNum("3381027");
    pressure.SetCalDate("18-Apr-26");
    pressure.SetPA0(-4.0517e-1);
    pressure.SetPA1(2.1048e-3);
    pressure.SetPTCA0(5.2391e5);
    ctd.SetSampleInterval(900.0);
    ctd.SetMooredPressure(1500.0);
    ctd.SetUseMooredLatitudeFlag(1);
    ctd.SetMooredLatitude(-54.2);
    ctd.SetDeviceType("TDW 73");
    ctd.SetFirmwareVersion("2.3.1");
    return Write(folder + "nimbrel-configured.xmlcon", ctd);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-examples FOLDER\n";
        return 2;
    }
    s_bErrorToConsole = true;
    const std::string folder = std::string(argv[1]) + "/";
    C64V2VantrelCTD profiling;
    Configure(profiling);
    bool ok = WriteDefaults(folder);
    ok = Write(folder + "64plusV2-profiling.xmlcon", profiling) && ok;
    ok = WriteConfigured62PlusV2(folder) && ok;
    ok = Write812PlusConfigured(folder) && ok;
    ok = Write56PlusStored(folder) && ok;
    ok = Write56PlusWavecap(folder) && ok;
    ok = WriteNimbrelConfigured(folder) && ok;
    return ok ? 0 : 1;
}
