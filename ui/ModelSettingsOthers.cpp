// The settings of the instruments outside the Vantrel CTD families: the
// TDW 47 LumoTSG, the TDW 94 Dartel, the TDW 812plus/814plus, the glider
// payload CTD and the TDW 73 Nimbrel.

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorRegistry.h"
#include "instruments/NimbrelCTD.h"
#include "instruments/PayloadCTD.h"
#include "instruments/SharedSettings.h"
#include "instruments/TDW47LumoTSG.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/TDW94DartelCTD.h"
#include "ui/ModelSettingsTable.h"

namespace ModelSettings {

namespace {

std::vector<SSetting> LumoTSG47() {
    using M = C47ThermosalCTD;
    return {
        Check("outputSoundVelocity", "Output sound velocity")
            .Flag(&M::GetbOutputSoundVelocity, &M::SetbOutputSoundVelocity),
        Check("tdw83Added", "TDW83 temperature added")
            .Flag(&M::GetbTDW83_Added, &M::SetbTDW83_Added)
            .ChangesChannels("Adds the TDW 83 remote temperature channel; off removes it."),
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Range(&M::GetnSampleInterval, &M::SetnSampleInterval)
            .Limits(SettingTag::SampleInterval),
        Check("outputConductivity", "Output conductivity")
            .Flag(&M::GetbOutputCond, &M::SetbOutputCond),
        Check("outputSalinity", "Output salinity")
            .Flag(&M::GetbOutputSalinity, &M::SetbOutputSalinity),
        Check("useJunctionBox", "Use junction box")
            .Flag(&M::GetbUseJunctionBox, &M::SetbUseJunctionBox),
        NmeaPosition("NMEA data added"),
    };
}

std::vector<SSetting> Dartel94() {
    return {
        Edit("scansToAverage", "Scans to average", "Scans to average")
            .Range(&C94DartelCTD::GetnScansToAvg, &C94DartelCTD::SetnScansToAvg)
            .Limits(SettingTag::ScansToAverage),
        NmeaToDeckUnit(),
        NmeaDepth(),
        NmeaPosition(),
        NmeaToPC(),
        NmeaTime(),
        SurfacePar<C94DartelCTD>(),
        ScanTimeAdded(),
    };
}

std::vector<SSetting> Plus812() {
    using M = C812PlusCTD;
    std::vector<CString> deckUnits;
    for (int version = 0; version < M::kNumDeckUnitVersions; ++version) {
        deckUnits.push_back(M::GetDeckUnitDescription(version));
    }
    return {
        SurfacePar<M>(),
        NmeaPosition(),
        Check("scanTimeAdded", "Scan time added")
            .Flag(&M::GetbScanTimeAdded, &M::SetbScanTimeAdded),
        NmeaToDeckUnit(),
        NmeaToPC(),
        NmeaDepth(),
        NmeaTime(),
        Combo("deckUnit", "Deck unit or STORAX", deckUnits)
            .Flag(&M::GetDeckUnitVersion, &M::SetDeckUnitVersion),
        Combo("frequencySuppressed", "Frequency channels suppressed", CountChoices(2))
            .Flag(&M::GetNumFreqSuppress, &M::SetNumFreqSuppress)
            .ChangesChannels("Removes that many frequency channels from the scan."),
        Combo("voltageWordsSuppressed", "Voltage words suppressed\n(1 word = 2 channels)",
              CountChoices(4))
            .Flag(&M::GetNumVoltWordSuppress, &M::SetNumVoltWordSuppress)
            .ChangesChannels("Removes two voltage channels per word from the scan."),
        Combo("computerInterface", "Computer interface", {"RS-232C", "IEEE-488 (GPIB)"})
            .Range(&CCTD::GetComputerInterface, &M::SetComputerInterface),
        Edit("scansToAverage", "Scans to average", "Scans to average")
            .Range(&M::GetnScansToAvg, &M::SetnScansToAvg)
            .Limits(SettingTag::ScansToAverage),
    };
}

// The payload's oxygen sensor is a TDW 41F on its one extra frequency
// channel.
int SetPayloadOxygen(CCTD& ctd, int on) {
    auto& payload = As<CPayloadCTD>(ctd);
    if (!on) {
        payload.SetNumFreqAdd(0);
    } else if (!payload.OxygenInstalled()) {
        payload.SetNumFreqAdd(1);
        payload.ReplaceSensor(payload.AddExtFreqFrom(), CreateSensorObject(SID_OXYGEN_TDW41F));
    }
    return payload.OxygenInstalled() == (on ? 1 : 0) ? 1 : 0;
}

std::vector<SSetting> Payload() {
    using M = CPayloadCTD;
    return {
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Value(&M::GetSampleInterval, &M::SetSampleInterval)
            .Limits(SettingTag::SampleInterval),
        Check("oxygenSensor", "Oxygen sensor")
            .Access([](const CCTD& ctd) { return As<M>(ctd).OxygenInstalled(); }, SetPayloadOxygen)
            .ChangesChannels("Adds the TDW 41F oxygen sensor on the extra frequency channel."),
    };
}

std::vector<SSetting> Nimbrel73() {
    using M = CNimbrel;
    return {
        Edit("sampleInterval", "Sample interval seconds", "Sample interval")
            .Number(&M::GetScanInterval, &M::SetSampleInterval)
            .Limits(SettingTag::SampleInterval),
        Check("pressureSensor", "Pressure sensor")
            .Flag(&M::GetPressureFlag, &M::SetPressureSensorPresent)
            .Means("A strain-gauge pressure sensor is fitted.")
            .ChangesChannels("Adds the pressure sensor at the end; off removes it."),
        Combo("oxygenSensor", "Oxygen sensor", {"None", "TDW 41I", "TDW 68"})
            .Value(&M::GetOxygenType, &M::SetOxygenSensorPresent)
            .ChangesChannels("Puts the chosen oxygen sensor on channel 3; \"None\" removes it."),
        // The deployment pressure stands in for a pressure sensor; the
        // latitude is used only when asked for.
        Edit("mooredPressure", "Deployment pressure dbar", "Deployment pressure")
            .Number(&M::GetMooredPressure, &M::SetMooredPressure)
            .EnabledBy("pressureSensor", 0),
        Edit("mooredLatitude", "Deployment latitude", "Deployment latitude")
            .Number(&M::GetMooredLatitude, &M::SetMooredLatitude)
            .EnabledBy("useMooredLatitude"),
        Check("useMooredLatitude", "Use deployment latitude in depth calculations")
            .Flag(&M::GetUseMooredLatitudeFlag, &M::SetUseMooredLatitudeFlag),
    };
}

}  // namespace

std::unique_ptr<CModelSettings> MakeOtherSettings(int ctdID) {
    std::vector<SSetting> settings;
    bool selectAndModify = true;
    switch (ctdID) {
        case CTD_47_THERMOSAL:
            settings = LumoTSG47();
            selectAndModify = false;
            break;
        case CTD_94_DARTEL:
            settings = Dartel94();
            break;
        case CTD_812PLUS:
            settings = Plus812();
            break;
        case CTD_PAYLOAD:
            settings = Payload();
            break;
        case CTD_73_NIMBREL:
            settings = Nimbrel73();
            break;
        default:
            return nullptr;
    }
    return std::make_unique<CTableSettings>(std::move(settings), LegacyFormatRefuses(ctdID),
                                            selectAndModify);
}

}  // namespace ModelSettings
