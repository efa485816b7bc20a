// The thermosalinographs. The TDW 71 and 71 V2: frequency temperature and
// conductivity, an optional remote temperature on channel 2 (line 236), then
// the voltages. The TDW 47 LumoTSG: its outputs on line 235.

#include <cmath>

#include "instruments/TDW47LumoTSG.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "legacy/InstrumentLines.h"

namespace {

constexpr int kRemoteChannel = 2;
constexpr int kRemoteTDW2 = 1;
constexpr int kRemoteTDW83 = 2;

}  // namespace

void ReadThermosal71(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<CVantrelThermosalCTD&>(ctd);
    const SConHeader& header = reader.Header();
    int remoteType = 0;
    reader.Ints(236, &remoteType, 1);
    // Older files say a remote temperature only by the added frequency.
    if (header.freqAdded == 1 && remoteType == 0) {
        remoteType = kRemoteTDW2;
    }
    model.SetRemoteTempType(remoteType);
    model.SetnSampleInterval(ClampToInt(header.interval));
    model.SetNumVoltAdd(header.voltAdded);
    int scanTimeAdded = 0;
    if (LegacyLines::ReadScanTimeAdded(reader, &scanTimeAdded)) {
        model.SetScanTimeAdded(scanTimeAdded);
    }
    reader.PlaceSensor(0, SID_TEMP_TDW2, 0);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    if (model.GetRemoteTempType().Get() == kRemoteTDW2) {
        reader.PlaceSensor(kRemoteChannel, SID_TEMP_TDW2, 1);
    } else if (model.GetRemoteTempType().Get() == kRemoteTDW83) {
        reader.PlaceSensor(kRemoteChannel, SID_TEMP_TDW83, 0);
    }
    reader.ReadSelectorChannels(model.AddExtVoltFrom(), model.GetNumVoltAdd());
}

void WriteThermosal71(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const CVantrelThermosalCTD&>(ctd);
    SConHeader& header = settings.header;
    header.code = model.GetCTD_ID() == C71ThermosalCTD::kCTD_ID ? 140 : 2506;
    header.freqAdded = model.GetRemoteTempType().Get() != 0 ? 1 : 0;
    header.scanFigure =
        3 * static_cast<int>(std::ceil(0.5 * header.voltAdded) + 4 + header.freqAdded);
    header.interval = model.GetnSampleInterval().Get();
    settings.line236 = {model.GetRemoteTempType().Get()};
    settings.scanTimeAdded = model.GetScanTimeAdded();
}

// A TDW 83 on the remote channel is written as a second temperature.
void PairsThermosal71(CCTD& ctd, SelectorPairs& pairs) {
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        const bool remoteTDW83 =
            channel == kRemoteChannel && ctd.GetSensor(channel).GetSensorID() == SID_TEMP_TDW83;
        pairs.push_back(remoteTDW83 ? std::pair{0, 1} : LegacyPairOf(ctd, channel));
    }
}

// The LumoTSG has no fixed sensors of the legacy layout; its conductivity and
// TDW 83 are read from their lines so that they come back as written.
void ReadLumoTSG47(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C47ThermosalCTD&>(ctd);
    model.SetnSampleInterval(ClampToInt(reader.Header().interval));
    int outputs[5];
    reader.Ints(235, outputs, 5);
    model.SetbOutputCond(outputs[0]);
    model.SetbOutputSalinity(outputs[1]);
    model.SetbOutputSoundVelocity(outputs[2]);
    model.SetbUseJunctionBox(outputs[3]);
    model.SetbTDW83_Added(outputs[4]);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    if (model.GetbTDW83_Added()) {
        reader.PlaceSensor(model.GetNumChannel() - 1, SID_TEMP_TDW83, 0);
    }
}

void WriteLumoTSG47(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C47ThermosalCTD&>(ctd);
    settings.header.code = 2502;
    settings.header.interval = model.GetnSampleInterval().Get();
    settings.line235 = {model.GetbOutputCond(), model.GetbOutputSalinity(),
                        model.GetbOutputSoundVelocity(), model.GetbUseJunctionBox(),
                        model.GetbTDW83_Added()};
}
