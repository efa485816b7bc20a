// Writes the example configurations of this folder into the folder given as
// the argument. The examples use invented serial numbers and plausible
// calibration values.

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/ConFile.h"
#include "legacy/LegacyConFile.h"
#include "platform/MessageBox.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"

namespace {

void CalibrateFixedSensors(C64V2VantrelCTD& ctd) {
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

// A legacy .con file beside each .xmlcon of the folder whose configuration
// the legacy format can hold.
bool WriteLegacyBeside(const std::string& folder) {
    bool ok = true;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".xmlcon") {
            continue;
        }
        std::unique_ptr<CCTD> ctd(CreateCTDObject(ReadCTDID(path.c_str())));
        std::string text;
        if (ctd && ReadConFile(path.c_str(), ctd.get()) && FormatLegacyConFile(*ctd, &text)) {
            ok = Write(path.substr(0, path.size() - 7) + ".con", *ctd) && ok;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-examples FOLDER\n";
        return 2;
    }
    s_bErrorToConsole = true;
    const std::string folder = std::string(argv[1]) + "/";
    C64V2VantrelCTD configured;
    Configure(configured);
    bool ok = WriteDefaults(folder);
    ok = Write(folder + "64plusV2-profiling.xmlcon", configured) && ok;
    ok = WriteLegacyBeside(folder) && ok;
    return ok ? 0 : 1;
}
