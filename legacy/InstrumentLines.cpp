#include "legacy/InstrumentLines.h"

#include "core/Catalogue.h"
#include "legacy/Selectors.h"

namespace {

// Every instrument code a file may name. The TDW 56plus Corvane is known but
// has no legacy lines: it is recognised and refused.
const SLegacyInstrument kInstruments[] = {
    {136, CTD_62_VANTREL, &ReadVantrelMoored, &WriteVantrelMoored, nullptr},
    {2500, CTD_62PLUS_VANTREL, &ReadVantrelMoored, &WriteVantrelMoored, nullptr},
    {137, CTD_64_VANTREL, &ReadVantrel64, &WriteVantrel64, &PairsVantrel64},
    {2501, CTD_64PLUS_VANTREL, &ReadVantrelProfiler, &WriteVantrelProfiler, nullptr},
    {140, CTD_71_THERMOSAL, &ReadThermosal71, &WriteThermosal71, &PairsThermosal71},
    {139, CTD_56_CORVANE, &ReadCorvane56, &WriteCorvane56, &PairsCorvane56},
    {2502, CTD_47_THERMOSAL, &ReadLumoTSG47, &WriteLumoTSG47, nullptr},
    {2503, CTD_94_DARTEL, &ReadDartel94, &WriteDartel94, nullptr},
    {8, CTD_812PLUS, &Read812Plus, &Write812Plus, nullptr},
    {2504, CTD_62V2_VANTREL, &ReadVantrelMoored, &WriteVantrelMoored, nullptr},
    {2505, CTD_64V2_VANTREL, &ReadVantrelProfiler, &WriteVantrelProfiler, nullptr},
    {2506, CTD_71V2_THERMOSAL, &ReadThermosal71, &WriteThermosal71, &PairsThermosal71},
    {15, CTD_56PLUS_CORVANE, nullptr, nullptr, nullptr},
};

}  // namespace

const SLegacyInstrument* FindLegacyInstrumentByCode(int code) {
    for (const SLegacyInstrument& instrument : kInstruments) {
        if (instrument.code == code) {
            return &instrument;
        }
    }
    return nullptr;
}

const SLegacyInstrument* FindLegacyInstrument(int ctdID) {
    for (const SLegacyInstrument& instrument : kInstruments) {
        if (instrument.ctdID == ctdID) {
            return &instrument;
        }
    }
    return nullptr;
}

namespace LegacyLines {

int ReadLine45(const CConReader& reader, int values[8]) {
    return reader.Ints(45, values, 8);
}

bool ReadScanTimeAdded(const CConReader& reader, int* scanTimeAdded) {
    return reader.Ints(257, scanTimeAdded, 1) >= 1;
}

}  // namespace LegacyLines

std::pair<int, int> LegacyPairOf(CCTD& ctd, int channel) {
    // A sensor without a selector of its own (only the No Coefficient Sensor
    // can be one) is written as a free channel: the reader then leaves the
    // channel as the instrument makes it.
    int selector = kFreeSelector;
    int sub = 0;
    MapSensorIDtoSelectors(&ctd, channel, &selector, &sub);
    return {selector, sub};
}
