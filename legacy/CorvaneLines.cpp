// The TDW 56 Corvane: frequency temperature and conductivity, a strain-gauge
// pressure on channel 2 that its selector lines leave out, up to seven
// voltages and the surface PAR pair.

#include <cmath>

#include "instruments/CorvaneCTD.h"
#include "legacy/InstrumentLines.h"

namespace {

constexpr int kCode = 139;
// Line 44: the firmware code of each firmware-version setting.
constexpr int kFirmwareCodeOld = 280;
constexpr int kFirmwareCodeNew = 279;
// Line 39 field 7: the real-time data output rate as seconds per scan.
constexpr double kOutputRateSeconds[] = {1.0, 0.5, 0.25, 0.125};
constexpr int kPressureChannel = 2;

}  // namespace

void ReadCorvane56(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C56CorvaneCTD&>(ctd);
    const SConHeader& header = reader.Header();
    int rate = 0;
    for (int i = 1; i < 4; ++i) {
        rate = header.interval == kOutputRateSeconds[i] ? i : rate;
    }
    model.SetRealTimeDataOutputRate(rate);
    int firmware = 0;
    reader.Ints(44, &firmware, 1);
    model.SetFirmwareVersion(firmware == kFirmwareCodeOld ? 1 : 0);
    int line45[8];
    LegacyLines::ReadLine45(reader, line45);
    const int sparAdded = line45[4] != 0;
    model.SetNumVoltAdd(header.voltAdded - (sparAdded ? 2 : 0));
    model.SetbSPAR_Added(sparAdded);
    int scanTimeAdded = 0;
    if (LegacyLines::ReadScanTimeAdded(reader, &scanTimeAdded)) {
        model.SetScanTimeAdded(scanTimeAdded);
    }

    reader.PlaceSensor(0, SID_TEMP_TDW2, 0);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    reader.PlaceSensor(kPressureChannel, SID_PRESSURE_STRAIN_GAUGE, 0);
    // The pairs skip the pressure channel: pair n is channel n + 1.
    reader.ReadSelectorChannels(model.AddExtVoltFrom() - 1, model.GetNumVoltAdd(), 1);
    if (model.GetbSPAR_Added()) {
        reader.PlaceSensor(model.GetNumChannel() - 1, 51, 0);
    }
}

void WriteCorvane56(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C56CorvaneCTD&>(ctd);
    SConHeader& header = settings.header;
    header.code = kCode;
    header.voltAdded = model.GetNumVoltAdd() + (model.GetbSPAR_Added() ? 2 : 0);
    header.scanFigure = 3 * static_cast<int>(std::ceil(0.5 * header.voltAdded) + 4);
    header.rate = 8.0;
    header.interval = kOutputRateSeconds[model.GetRealTimeDataOutputRate().Get()];
    settings.firmwareCode =
        model.GetFirmwareVersion().Get() == 1 ? kFirmwareCodeOld : kFirmwareCodeNew;
    settings.line45[4] = model.GetbSPAR_Added();
    settings.scanTimeAdded = model.GetScanTimeAdded();
}

void PairsCorvane56(CCTD& ctd, SelectorPairs& pairs) {
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        if (channel != kPressureChannel) {
            pairs.push_back(LegacyPairOf(ctd, channel));
        }
    }
}
