#pragma once
// What each instrument keeps on the lines of a legacy ASCII configuration
// file beyond the sensors' own lines: its settings, its fixed sensors, which
// channels are read by selector, and the header lines the writer fills.

#include <utility>
#include <vector>

#include "core/CTD.h"
#include "legacy/ConReader.h"

// The instrument lines the writer fills (the sensors' lines come from
// SensorLines.h).
struct SConSettings {
    SConHeader header;        // line 39
    int temperatureType = 0;  // line 43 "%d %1.12f %1.12f"
    double mooredPressure = 0.0;
    double userTemperature = 0.0;
    int firmwareCode = 0;      // line 44
    int line45[8] = {};        // SPAR, NMEA and depth at positions 5, 6, 8
    std::vector<int> line186;  // the plus instruments' settings; none: empty
    std::vector<int> line235;  // the TDW 47 LumoTSG's outputs
    std::vector<int> line236;  // the thermosalinographs' remote temperature
    int scanTimeAdded = 0;     // line 257, value 1
    int pressureCodeTC = 242;  // line 14: the code of the Digiquartz with TC
};

using SelectorPairs = std::vector<std::pair<int, int>>;

struct SLegacyInstrument {
    int code;  // line 39, field 4
    int ctdID;
    // Sets the working instrument's settings from the file, reads its fixed
    // sensors and its channels by selector. Null for an instrument this
    // build cannot read.
    void (*read)(CConReader& reader, CCTD& ctd);
    void (*write)(const CCTD& ctd, SConSettings& settings);
    // The pairs of lines 40 and 41 where they differ from one pair per
    // channel; null otherwise.
    void (*pairs)(CCTD& ctd, SelectorPairs& pairs);
};

// The row of an instrument code or of a CTD ID; null when there is none.
const SLegacyInstrument* FindLegacyInstrumentByCode(int code);
const SLegacyInstrument* FindLegacyInstrument(int ctdID);

// Instrument parts that several models share.
namespace LegacyLines {

// Line 45 read "%d %d %d %d %d %d %d %d"; returns the count read.
int ReadLine45(const CConReader& reader, int values[8]);
// Line 257 value 1, when present.
bool ReadScanTimeAdded(const CConReader& reader, int* scanTimeAdded);

}  // namespace LegacyLines

// The selector pair of the channel (free channel for a sensor without one).
std::pair<int, int> LegacyPairOf(CCTD& ctd, int channel);

// The parts of each family.
void ReadVantrelProfiler(CConReader& reader, CCTD& ctd);
void WriteVantrelProfiler(const CCTD& ctd, SConSettings& settings);
void ReadVantrelMoored(CConReader& reader, CCTD& ctd);
void WriteVantrelMoored(const CCTD& ctd, SConSettings& settings);
void ReadVantrel64(CConReader& reader, CCTD& ctd);
void WriteVantrel64(const CCTD& ctd, SConSettings& settings);
void PairsVantrel64(CCTD& ctd, SelectorPairs& pairs);
void ReadCorvane56(CConReader& reader, CCTD& ctd);
void WriteCorvane56(const CCTD& ctd, SConSettings& settings);
void PairsCorvane56(CCTD& ctd, SelectorPairs& pairs);
void ReadDartel94(CConReader& reader, CCTD& ctd);
void WriteDartel94(const CCTD& ctd, SConSettings& settings);
void Read812Plus(CConReader& reader, CCTD& ctd);
void Write812Plus(const CCTD& ctd, SConSettings& settings);
void ReadThermosal71(CConReader& reader, CCTD& ctd);
void WriteThermosal71(const CCTD& ctd, SConSettings& settings);
void PairsThermosal71(CCTD& ctd, SelectorPairs& pairs);
void ReadLumoTSG47(CConReader& reader, CCTD& ctd);
void WriteLumoTSG47(const CCTD& ctd, SConSettings& settings);
