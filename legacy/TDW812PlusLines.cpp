// The TDW 812plus/814plus: frequency temperature and conductivity and a
// Digiquartz with temperature compensation, then the added frequency and
// voltage channels; its deck unit settings on line 39, the suppressed words
// on line 45.

#include "instruments/TDW812PlusCTD.h"
#include "legacy/InstrumentLines.h"

namespace {

constexpr int kCode = 8;
constexpr int kInterfaceGPIB = 120;
constexpr int kInterfaceRS232 = 147;
// Line 14: its Digiquartz's code differs from the Vantrels'.
constexpr int kPressureCode = 130;
constexpr double kScanRate = 24.0;

}  // namespace

void Read812Plus(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C812PlusCTD&>(ctd);
    const SConHeader& header = reader.Header();
    model.SetComputerInterface(header.interface == kInterfaceGPIB ? 1 : 0);
    model.SetnScansToAvg(ClampToInt(header.interval));
    model.SetbScanTimeAdded(header.scanTime);
    model.SetDeckUnitVersion(header.deckUnit);
    int line45[8];
    LegacyLines::ReadLine45(reader, line45);
    model.SetNumFreqSuppress(line45[1]);
    model.SetNumVoltWordSuppress(line45[2]);
    model.SetbSPAR_Added(line45[4] != 0);

    reader.PlaceSensor(0, SID_TEMP_TDW2, 0);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    reader.PlaceSensor(2, SID_PRESSURE_DIGIQUARTZ_TC, 0);
    reader.ReadSelectorChannels(model.AddExtFreqFrom(),
                                model.GetNumFreqAdd() + model.GetNumVoltAdd());
    if (model.GetbSPAR_Added()) {
        reader.PlaceSensor(model.GetNumChannel() - 1, 51, 0);
    }
}

void Write812Plus(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C812PlusCTD&>(ctd);
    SConHeader& header = settings.header;
    header.freqAdded = 0;
    header.scanFigure = model.GetScanLen() - (model.GetbNMEA_Added() ? 7 : 0) -
                        (model.GetbDepthAdded() ? 3 : 0) - (model.GetbNMEA_TimeAdded() ? 4 : 0) -
                        (model.GetbScanTimeAdded() ? 4 : 0);
    header.voltAdded = model.GetNumVoltAdd() + (model.GetbSPAR_Added() ? 2 : 0);
    header.code = kCode;
    header.interface = model.GetComputerInterface().Get() == 1 ? kInterfaceGPIB : kInterfaceRS232;
    header.rate = kScanRate;
    header.interval = model.GetnScansToAvg().Get();
    header.scanTime = model.GetbScanTimeAdded();
    header.deckUnit = model.GetDeckUnitVersion();
    settings.line45[1] = model.GetNumFreqSuppress();
    settings.line45[2] = model.GetNumVoltWordSuppress();
    settings.line45[4] = model.GetbSPAR_Added();
    settings.pressureCodeTC = kPressureCode;
}
