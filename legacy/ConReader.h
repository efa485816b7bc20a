#pragma once
// The working state of one read of a legacy ASCII configuration file: the
// file's lines, its header, the channel selectors and the sensors read so far.
// Each call of ReadConFile has its own, so reads on different threads do not
// meet. The instrument parts (InstrumentLines.h) use it to read their
// settings and place their sensors.

#include <array>
#include <memory>

#include "core/CTD.h"
#include "legacy/ConLines.h"

constexpr int kConChannels = 15;
constexpr int kConMinLines = 45;

// Line 39: the header every instrument shares.
struct SConHeader {
    int freqAdded = 0;      // 1: added (optional) frequency channels
    int scanFigure = 0;     // 2: written for other programs, not read
    int voltAdded = 0;      // 3: voltage channels added
    int code = 0;           // 4: the instrument code
    int interface = 0;      // 5: computer interface code (120 or 147)
    double rate = 0.0;      // 6: scan rate, or the instrument's own value
    double interval = 0.0;  // 7: sample interval, or the instrument's own value
    int scanTime = 0;       // 8: scan time added (TDW 812plus)
    int deckUnit = 0;       // 9: deck unit version (TDW 812plus)
};

class CConReader {
  public:
    explicit CConReader(const CConLines& lines);

    const CConLines& Lines() const { return m_lines; }
    const SConHeader& Header() const { return m_header; }
    // Integers of a line ("%d %d ..."); returns how many were read, the
    // others are 0.
    int Ints(int line, int* values, int count) const;

    // Reads the sensor kind's instance from its lines and holds it for the
    // channel; returns it, or null (nothing held) when the kind or instance
    // has no lines or the sensor cannot be made.
    CSensor* PlaceSensor(int channel, int sensorID, int instance);
    // Reads the channels whose selector pairs are pairFrom to pairFrom +
    // count - 1; each lands offset channels later.
    void ReadSelectorChannels(int pairFrom, int count, int offset = 0);

    // --- The steps of ReadConFile ---
    void ReadHeader();
    bool BothTurnersRead() const { return m_turner10005 && m_turner10Au005; }
    // Moves the held sensors onto the instrument's channels. A sensor read by
    // selector must suit its channel: the same kind the instrument put there,
    // or a free channel of its output type. Returns the first channel whose
    // sensor does not suit, or -1.
    int MoveSensorsInto(CCTD& ctd);

  private:
    void ReadGasTension(int channel);
    CSensor* Hold(int channel, std::unique_ptr<CSensor> sensor, bool bySelector);

    struct SPending {
        std::unique_ptr<CSensor> sensor;
        bool bySelector = false;
    };

    const CConLines& m_lines;
    SConHeader m_header;
    int m_selectors[kConChannels][2] = {};
    std::array<SPending, kConChannels> m_pending;
    bool m_turner10005 = false;
    bool m_turner10Au005 = false;
    int m_gasTensionCount = 0;
};
