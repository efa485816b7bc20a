// The settings of the Vantrel CTDs (the TDW 62 and 64 families), the TDW 71
// thermosalinographs and the TDW 56 Corvane.

#include "core/Catalogue.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/SharedSettings.h"
#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel62PlusCTD.h"
#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64CTD.h"
#include "instruments/Vantrel64PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "ui/ModelSettingsTable.h"

namespace ModelSettings {

SSetting ScanTimeAdded() {
    return Check("scanTimeAdded", "Scan time added")
        .Flag(&CVantrelCTD::GetScanTimeAdded, &CVantrelCTD::SetScanTimeAdded)
        .Means("The acquisition program appends the time of each scan (8 characters).");
}

// The TDW 62plus models keep no scan time in their file: the choice would be
// lost on saving, so it is shown but not offered.
SSetting ScanTimeNotStored(int ctdID) {
    SSetting setting = Check("scanTimeAdded", "Scan time added");
    setting.shownOnly = true;
    setting.toolTip =
        CString("The ") + GetCTD_Data(ctdID)->name + " does not store this setting in its file.";
    return setting;
}

SSetting ExternalVoltages(int ctdID) {
    return Combo("externalVoltages", "External voltage channels",
                 CountChoices(GetCTD_Data(ctdID)->numVoltAddMax))
        .Access([](const CCTD& ctd) { return ctd.GetNumVoltAdd(); },
                [](CCTD& ctd, int count) {
                    As<CVantrelCTD>(ctd).SetNumVoltAdd(count);
                    return ctd.GetNumVoltAdd() == count ? 1 : 0;
                })
        .Means("How many of the instrument's external voltage inputs are in the scan.")
        .ChangesChannels(
            "Adds free \"A/D voltage\" channels after the last voltage channel; fewer "
            "channels remove the last ones with their sensors.");
}

SSetting SerialSensor(std::string id, int last, int except) {
    SSetting setting = Combo(std::move(id), "Serial RS-232C sensor", {});
    for (int serial = CVantrelCTD::NO_SERIAL_SENSOR; serial <= last; ++serial) {
        if (serial != except) {
            setting.choices.push_back(CVantrelCTD::SerialSensorReportName(serial));
            setting.values.push_back(serial);
        }
    }
    return setting;
}

namespace {

constexpr const char* kSerialChannels =
    "Puts the chosen serial sensor's channels after the external voltage channels, in place of "
    "the previous serial sensor's.";

// --- The moored CTDs (TDW 62, 62plus, 62plus V2) ---

SSetting MooredPressureType() {
    return Combo("pressureType", "Pressure sensor type",
                 {"Digiquartz without Temp Comp", "Digiquartz with Temp Comp", "Strain Gauge",
                  "No Pressure Sensor"})
        .Range(&CVantrelMooredCTD::GetPressureSensorType, &CVantrelMooredCTD::SetPressureSensorType)
        .Means("The pressure sensor fitted, if any.")
        .ChangesChannels(
            "Puts a new pressure sensor of that type on channel 3; \"No Pressure Sensor\" "
            "removes the pressure channel.");
}

// Without a pressure sensor the instrument works with a fixed moored
// pressure, adjusted with the water temperature or one the user gives.
std::vector<SSetting> MooredPressureData() {
    return {
        Edit("mooredPressure", "Moored pressure dbar", "Moored pressure")
            .Range(&CVantrelMooredCTD::GetdMooredPressure, &CVantrelMooredCTD::SetdMooredPressure)
            .Limits(SettingTag::MooredPressure),
        Radio("tempType", "Adjust pressure with",
              {"Water Temperature", "User Supplied Temperature"})
            .Range(&CVantrelMooredCTD::GetTempType, &CVantrelMooredCTD::SetTempType),
        Edit("userTemperature", "User supplied temperature C", "User supplied temperature")
            .Range(&CVantrelMooredCTD::GetdUserSuppliedTemp,
                   &CVantrelMooredCTD::SetdUserSuppliedTemp)
            .Limits(SettingTag::UserSuppliedTemperature)
            .EnabledBy("tempType"),
    };
}

// "Data..." beside the pressure type: the moored pressure data, which only
// an instrument without a pressure sensor uses.
SSetting MooredPressureDataButton() {
    return Button("pressureData", "Data...",
                  [](CCTD& ctd) {
                      const CTableSettings settings(MooredPressureData(), false);
                      CSettingsForm form("Moored Pressure Data", settings, ctd);
                      TWRunModal(form);
                  })
        .EnabledBy("pressureType", CVantrelMooredCTD::kNoPressure);
}

SSetting MooredSerialSensor(int last) {
    return SerialSensor("serialSensor", last, -1)
        .Value(&C62V2VantrelCTD::GetSerialSensor, &C62V2VantrelCTD::SetSerialSensor)
        .Means("The sensor on the instrument's RS-232 serial port.")
        .ChangesChannels(kSerialChannels);
}

std::vector<SSetting> Vantrel62() {
    return {
        MooredPressureType(),
        MooredPressureDataButton(),
        ExternalVoltages(C62VantrelCTD::kCTD_ID),
        Combo("firmwareVersion", "Firmware version", {"Version >= 4.0", "Version < 4.0"})
            .Range(&C62VantrelCTD::GetFirmwareVersion, &C62VantrelCTD::SetFirmwareVersion),
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Range(&C62VantrelCTD::GetnSampleInterval, &C62VantrelCTD::SetnSampleInterval)
            .Limits(SettingTag::SampleInterval),
        NmeaPosition(),
        ScanTimeAdded(),
    };
}

// The 62plus models always run moored: the mode shows it, and the scans to
// average, which only profiling uses, stay disabled.
std::vector<SSetting> Vantrel62Plus(int ctdID, int lastSerialSensor) {
    SSetting mode = Combo("mode", "Mode", {"Profile", "Moored"})
                        .Access([](const CCTD&) { return CVantrelProfilerCTD::kModeMoored; }, {});
    mode.shownOnly = true;
    mode.toolTip = "This instrument always runs moored.";
    SSetting scansToAverage = Edit("scansToAverage", "Scans to average", "Scans to average");
    scansToAverage.shownOnly = true;
    scansToAverage.toolTip = "Only a profiling instrument averages scans.";
    return {
        MooredPressureType(),
        MooredPressureDataButton(),
        ExternalVoltages(ctdID),
        MooredSerialSensor(lastSerialSensor),
        mode,
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Range(&C62V2VantrelCTD::GetdSampleInterval, &C62V2VantrelCTD::SetdSampleInterval)
            .Limits(SettingTag::SampleInterval),
        scansToAverage,
        NmeaPosition(),
        ScanTimeNotStored(ctdID),
    };
}

// --- The profiling CTDs (TDW 64, 64plus, 64plus V2) ---

SSetting ProfilerPressureType() {
    return Combo("pressureType", "Pressure sensor type",
                 {"Digiquartz with Temp Comp", "Strain Gauge"})
        .Range(&CVantrelSurfaceParCTD::GetPressureSensorType,
               &CVantrelSurfaceParCTD::SetPressureSensorType)
        .Means("The pressure sensor fitted.")
        .ChangesChannels("Puts a new pressure sensor of that type on channel 3.");
}

std::vector<SSetting> Vantrel64() {
    return {
        ProfilerPressureType(),
        ExternalVoltages(C64VantrelCTD::kCTD_ID),
        Combo("firmwareVersion", "Firmware version", {"Version >= 3.0", "Version < 3.0"})
            .Range(&C64VantrelCTD::GetFirmwareVersion, &C64VantrelCTD::SetFirmwareVersion),
        Edit("halfSecondIntervals", "0.5 second intervals", "0.5 second intervals")
            .Range(&C64VantrelCTD::GetnHalfSecIntervals, &C64VantrelCTD::SetnHalfSecIntervals)
            .Limits(SettingTag::HalfSecondIntervals),
        SurfacePar<CVantrelSurfaceParCTD>(),
        NmeaPosition(),
        ScanTimeAdded(),
        NmeaToDeckUnit(),
        NmeaDepth(),
        NmeaToPC(),
        NmeaTime(),
    };
}

// Profile mode averages scans, moored mode samples at an interval and has no
// surface PAR. The mode applies at once: leaving profile mode drops the
// surface PAR channels (and on the 64plus V2 a gas tension serial sensor).
template <class M>
std::vector<SSetting> ProfilerModeSettings(int ctdID, const SSetting* serialSensor) {
    std::vector<SSetting> settings = {
        ProfilerPressureType(),
        ExternalVoltages(ctdID),
        Combo("mode", "Mode", {"Profile", "Moored"})
            .Range(&CVantrelProfilerCTD::GetMode, &M::SetMode)
            .Means("Profile: scans at 4 Hz, averaged. Moored: one sample per sample interval.")
            .ChangesChannels(
                "Moored removes the surface PAR channels and a gas tension or TDW 58 serial "
                "sensor."),
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Range(&CVantrelProfilerCTD::GetnSampleInterval,
                   &CVantrelProfilerCTD::SetnSampleInterval)
            .Limits(SettingTag::SampleInterval)
            .EnabledBy("mode", CVantrelProfilerCTD::kModeMoored),
        NmeaToDeckUnit(),
        NmeaDepth(),
        Edit("scansToAverage", "Scans to average", "Scans to average")
            .Range(&CVantrelProfilerCTD::GetnScansToAvg, &CVantrelProfilerCTD::SetnScansToAvg)
            .Limits(SettingTag::ScansToAverage)
            .EnabledBy("mode", CVantrelProfilerCTD::kModeProfile),
        NmeaPosition(),
        NmeaToPC(),
        NmeaTime(),
        SurfacePar<CVantrelSurfaceParCTD>().EnabledBy("mode", CVantrelProfilerCTD::kModeProfile),
        ScanTimeAdded(),
    };
    if (serialSensor != nullptr) {
        settings.insert(settings.begin() + 2, *serialSensor);
    }
    return settings;
}

std::vector<SSetting> Vantrel64V2() {
    // The instrument has no TDW 58 port.
    const SSetting serialSensor =
        SerialSensor("serialSensor", CVantrelCTD::SATLANTIC_SEAFET, CVantrelCTD::PRESSURE_TDW_58)
            .Value(&C64V2VantrelCTD::GetSerialSensor, &C64V2VantrelCTD::SetSerialSensor)
            .Means("The sensor on the instrument's RS-232 serial port.")
            .ChangesChannels(kSerialChannels);
    return ProfilerModeSettings<C64V2VantrelCTD>(C64V2VantrelCTD::kCTD_ID, &serialSensor);
}

// --- The TDW 71 thermosalinographs and the TDW 56 Corvane ---

SSetting RemoteTemperature() {
    return Combo("remoteTemperature", "Remote temperature", {"None", "TDW 2", "TDW 83"})
        .Range(&CVantrelThermosalCTD::GetRemoteTempType, &CVantrelThermosalCTD::SetRemoteTempType)
        .Means("The remote temperature sensor at the seawater intake, if any.")
        .ChangesChannels("Adds the remote temperature sensor's channel; \"None\" removes it.");
}

// The TDW 71 V2 shows no NMEA device or time.
std::vector<SSetting> Thermosal71(int ctdID) {
    std::vector<SSetting> settings = {
        ExternalVoltages(ctdID),
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Range(&CVantrelThermosalCTD::GetnSampleInterval,
                   &CVantrelThermosalCTD::SetnSampleInterval)
            .Limits(SettingTag::SampleInterval),
        NmeaPosition(),
        NmeaDepth(),
        RemoteTemperature(),
    };
    if (ctdID == C71ThermosalCTD::kCTD_ID) {
        settings.push_back(NmeaToDeckUnit());
        settings.push_back(NmeaToPC());
        settings.push_back(NmeaTime());
    }
    settings.push_back(ScanTimeAdded());
    return settings;
}

std::vector<SSetting> Corvane56() {
    return {
        ExternalVoltages(C56CorvaneCTD::kCTD_ID),
        Combo("firmwareVersion", "Firmware version", {"Version >= 2.0", "Version < 2.0"})
            .Range(&C56CorvaneCTD::GetFirmwareVersion, &C56CorvaneCTD::SetFirmwareVersion),
        Combo("outputRate", "Real-time data output rate",
              {"1 scan/sec", "2 scans/sec", "4 scans/sec", "8 scans/sec"})
            .Range(&C56CorvaneCTD::GetRealTimeDataOutputRate,
                   &C56CorvaneCTD::SetRealTimeDataOutputRate),
        SurfacePar<C56CorvaneCTD>(),
        NmeaPosition(),
        NmeaToDeckUnit(),
        NmeaDepth(),
        NmeaToPC(),
        NmeaTime(),
        ScanTimeAdded(),
    };
}

}  // namespace

std::unique_ptr<CModelSettings> MakeVantrelSettings(int ctdID) {
    std::vector<SSetting> settings;
    switch (ctdID) {
        case CTD_62_VANTREL:
            settings = Vantrel62();
            break;
        case CTD_62PLUS_VANTREL:
            settings = Vantrel62Plus(ctdID, CVantrelCTD::PRESSURE_TDW_58);
            break;
        case CTD_62V2_VANTREL:
            settings = Vantrel62Plus(ctdID, CVantrelCTD::SATLANTIC_SEAFET);
            break;
        case CTD_64_VANTREL:
            settings = Vantrel64();
            break;
        case CTD_64PLUS_VANTREL:
            settings = ProfilerModeSettings<CVantrelProfilerCTD>(ctdID, nullptr);
            break;
        case CTD_64V2_VANTREL:
            settings = Vantrel64V2();
            break;
        case CTD_71_THERMOSAL:
        case CTD_71V2_THERMOSAL:
            settings = Thermosal71(ctdID);
            break;
        case CTD_56_CORVANE:
            settings = Corvane56();
            break;
        default:
            return nullptr;
    }
    return std::make_unique<CTableSettings>(std::move(settings), LegacyFormatRefuses(ctdID));
}

}  // namespace ModelSettings
