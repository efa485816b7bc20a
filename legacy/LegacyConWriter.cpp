// WriteConFile for legacy ASCII configuration files: every line of the
// layout in order, each sensor kind's lines from the instrument's sensor of
// that kind and instance, or from a default sensor of that kind.

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "instruments/VantrelCTD.h"
#include "legacy/InstrumentLines.h"
#include "legacy/LegacyConFile.h"
#include "legacy/Selectors.h"
#include "legacy/SensorLines.h"

namespace {

constexpr std::size_t kPairsPerLine = 10;
constexpr std::size_t kFreeChannelPairs = 20;
// A full file is about 5,500 bytes.
constexpr std::size_t kConBytesReserved = 8192;
constexpr int kFileVersion[4] = {7, 26, 2, 0};

// Pressure codes of line 14 for the sensor the pressure block comes from.
constexpr int kCodeDigiquartz = 241;
constexpr int kCodeStrainGauge = 141;
constexpr int kCodeNoPressure = 267;

// Sensor IDs the format holds: up to 64, and the logarithmic PAR.
bool HasLegacyLines(int sensorID) {
    return sensorID <= 64 || sensorID == 76;
}

// Serial sensors of the Vantrel family whose channels the format cannot say.
bool SerialSensorFits(const CCTD& ctd) {
    const auto* vantrel = dynamic_cast<const CVantrelCTD*>(&ctd);
    if (!vantrel) {
        return true;
    }
    const int serial = vantrel->GetSerialSensor();
    return serial != CVantrelCTD::WETLABS_SERIAL_TRIPLET &&
           serial != CVantrelCTD::WETLABS_SERIAL_SEAOWL && serial != CVantrelCTD::SATLANTIC_SEAFET;
}

bool KindHasRows(int sensorID) {
    for (const SLegacySensorLines& row : LegacySensorLines()) {
        if (row.sensorID == sensorID) {
            return true;
        }
    }
    return false;
}

// The configuration fits the layout: an instrument with legacy lines, sensors
// with selectors, and no more sensors of a kind than the kind has lines for.
bool IsCompatible(const CCTD& ctd) {
    const SLegacyInstrument* instrument = FindLegacyInstrument(ctd.GetCTD_ID());
    if (!instrument || !instrument->write || !SerialSensorFits(ctd)) {
        return false;
    }
    if (ctd.DuplicateSensorCnt(7) > 1 || ctd.DuplicateSensorCnt(19) > 1 ||
        ctd.DuplicateSensorCnt(20) > 2 || ctd.DuplicateSensorCnt(21) > 2) {
        return false;
    }
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        const int sensorID = ctd.GetSensor(channel).GetSensorID();
        if (!HasLegacyLines(sensorID)) {
            return false;
        }
        // A third sensor of a kind with lines for two would be lost.
        if (KindHasRows(sensorID) && sensorID != SID_CONDUCTIVITY && sensorID != SID_TEMP_TDW2 &&
            !FindLegacySensorLines(sensorID, ctd.DuplicateSensorOrdinal(channel))) {
            return false;
        }
    }
    return true;
}

// Text for a whole line: its line ends become blanks and it is cut to what a
// reader's line buffer keeps, so that it reads back as written.
std::string LineText(const CString& text) {
    std::string line = text.str().substr(0, text.str().find('\0'));
    for (char& ch : line) {
        if (ch == '\n' || ch == '\r') {
            ch = ' ';
        }
    }
    line.resize(std::min(line.size(), CConLines::kLineBuffer - 2));
    return line;
}

// Where the composer keeps each line's values: the line's format and the
// index of its first value, one value for each conversion of the format.
struct SValueLayout {
    std::array<std::optional<CLineFormat>, kConLastLine + 1> format{};
    std::array<std::size_t, kConLastLine + 2> first{};
};

const SValueLayout& ValueLayout() {
    static const SValueLayout layout = [] {
        SValueLayout built;
        std::size_t next = 0;
        for (int line = 1; line <= kConLastLine; ++line) {
            built.first[line] = next;
            if (const char* format = LegacyLineFormat(line)) {
                built.format[line].emplace(format);
                next +=
                    static_cast<std::size_t>(std::count(format, format + std::strlen(format), '%'));
            }
        }
        built.first[kConLastLine + 1] = next;
        return built;
    }();
    return layout;
}

// A default sensor of each kind that has lines, made once: the lines of a
// kind the instrument does not carry are written from it.
const CSensor* DefaultSensor(int sensorID) {
    static const std::map<int, std::unique_ptr<const CSensor>> defaults = [] {
        std::map<int, std::unique_ptr<const CSensor>> made;
        for (const SLegacySensorLines& row : LegacySensorLines()) {
            if (!made.count(row.sensorID)) {
                made.emplace(row.sensorID, CreateSensorObject(row.sensorID));
            }
        }
        return made;
    }();
    const auto found = defaults.find(sensorID);
    return found == defaults.end() ? nullptr : found->second.get();
}

// The sensors' lines, filled row by row: the instrument's own sensors win
// over default ones; between two of the same standing the earlier row wins.
class CSensorLineComposer {
  public:
    explicit CSensorLineComposer(const CCTD& ctd)
        : m_ctd(ctd),
          m_layout(ValueLayout()),
          m_values(m_layout.first.back()),
          m_valueStanding(m_layout.first.back()) {}

    void AddRows() {
        for (const SLegacySensorLines& row : LegacySensorLines()) {
            const int channel = m_ctd.FindSensor(row.sensorID, row.instance);
            AddRow(row, channel >= 0 ? &m_ctd.GetSensor(channel) : DefaultSensor(row.sensorID),
                   channel >= 0);
        }
        AddGasTension();
    }

    void SetText(int line, const CString& text, bool own) {
        SText& slot = m_texts[line];
        const int standing = own ? 2 : 1;
        if (slot.standing < standing) {
            slot = {LineText(text), standing};
        }
    }

    // Positions beyond the line's format are not written.
    void SetValue(int line, int position, double value, bool own) {
        const std::size_t index = m_layout.first[line] + static_cast<std::size_t>(position - 1);
        const int standing = own ? 2 : 1;
        if (position >= 1 && index < m_layout.first[line + 1] &&
            m_valueStanding[index] < standing) {
            m_values[index] = value;
            m_valueStanding[index] = standing;
        }
    }

    // The line's text, or its values in its format; nothing for a line that
    // holds neither.
    void AppendLine(int line, std::string* out) const {
        if (m_texts[line].standing > 0) {
            *out += m_texts[line].text;
        } else if (const std::optional<CLineFormat>& format = m_layout.format[line]) {
            format->Append(&m_values[m_layout.first[line]], out);
        }
    }

  private:
    struct SText {
        std::string text;
        int standing = 0;
    };

    void AddRow(const SLegacySensorLines& row, const CSensor* sensor, bool own) {
        if (!sensor) {
            return;
        }
        if (row.serialLine) {
            SetText(row.serialLine, sensor->GetSerialNum(), own);
        }
        for (const int dateLine : {row.dateLine, row.oldDateLine}) {
            if (dateLine) {
                SetText(dateLine, sensor->GetCalDate(), own);
            }
        }
        if (row.nameLine) {
            SetText(row.nameLine, LegacySensorName(*sensor), own);
        }
        const std::vector<double> values = LegacyValues(*sensor, row);
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            SetValue(row.values[i].line, row.values[i].position, values[i], own);
        }
    }

    // The nth gas-tension device, of either kind, on the nth set of lines.
    void AddGasTension() {
        int which = 0;
        for (int channel = 0; channel < m_ctd.GetNumChannel(); ++channel) {
            const CSensor& sensor = m_ctd.GetSensor(channel);
            const int id = sensor.GetSensorID();
            if ((id != 22 && id != 23) || which >= static_cast<int>(std::size(kGasTensionLines))) {
                continue;
            }
            const SGasTensionLines& lines = kGasTensionLines[which++];
            SetText(lines.serialLine, sensor.GetSerialNum(), true);
            SetText(lines.dateLine, sensor.GetCalDate(), true);
            SetValue(lines.typeLine, 1, id == 22 ? 1 : 2, true);
        }
    }

    const CCTD& m_ctd;
    const SValueLayout& m_layout;
    std::array<SText, kConLastLine + 1> m_texts{};
    std::vector<double> m_values;
    std::vector<int> m_valueStanding;
};

// The pressure code of line 14 and the serial number and date of a Druck
// strain gauge, which has lines of its own but also names the block.
void ComposePressureBlock(const CCTD& ctd, const SConSettings& settings,
                          CSensorLineComposer& composer) {
    int code = kCodeNoPressure;
    if (ctd.FindSensor(SID_PRESSURE_DIGIQUARTZ_TC, 0) >= 0) {
        code = settings.pressureCodeTC;
    } else if (ctd.FindSensor(SID_PRESSURE_DIGIQUARTZ, 0) >= 0) {
        code = kCodeDigiquartz;
    } else if (ctd.FindSensor(SID_PRESSURE_STRAIN_GAUGE, 0) >= 0) {
        code = kCodeStrainGauge;
    } else if (const int druck = ctd.FindSensor(SID_PRESSURE_DRUCK, 0); druck >= 0) {
        code = kCodeStrainGauge;
        composer.SetText(11, ctd.GetSensor(druck).GetSerialNum(), true);
        composer.SetText(56, ctd.GetSensor(druck).GetCalDate(), true);
    }
    composer.SetValue(14, 5, code, true);
}

// count pairs from the pair at from; free channels after the instrument's.
void AppendPairs(const SelectorPairs& pairs, std::size_t from, std::size_t count,
                 std::string* out) {
    for (std::size_t i = from; i < from + count; ++i) {
        const auto [selector, sub] = i < pairs.size() ? pairs[i] : std::pair{kFreeSelector, 0};
        const double values[] = {static_cast<double>(selector), static_cast<double>(sub)};
        FormatLine("%d %d ", values, out);
    }
}

SelectorPairs ChannelPairs(CCTD& ctd, const SLegacyInstrument& instrument) {
    SelectorPairs pairs;
    if (instrument.pairs) {
        instrument.pairs(ctd, pairs);
        return pairs;
    }
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        pairs.push_back(LegacyPairOf(ctd, channel));
    }
    return pairs;
}

// The settings every instrument writes the same way; the instrument's part
// then changes what it keeps differently.
SConSettings CommonSettings(const CCTD& ctd) {
    SConSettings settings;
    SConHeader& header = settings.header;
    header.freqAdded = ctd.GetNumFreqAdd();
    header.scanFigure = ctd.GetScanLen() - (ctd.GetbNMEA_Added() ? 14 : 0);
    header.voltAdded = ctd.GetNumVoltAdd();
    header.interface = ctd.GetComputerInterface().Get() == 1 ? 120 : 147;
    settings.line45[5] = ctd.GetbNMEA_Added();
    settings.line45[7] = ctd.GetbDepthAdded();
    return settings;
}

void AppendInts(const int* values, std::size_t count, std::string* out) {
    for (std::size_t i = 0; i < count; ++i) {
        const double value = values[i];
        FormatLine(i == 0 ? "%d" : " %d", &value, out);
    }
}

void AppendInts(const std::vector<int>& values, std::string* out) {
    AppendInts(values.data(), values.size(), out);
}

}  // namespace

bool FormatLegacyConFile(CCTD& ctd, std::string* text) {
    if (!IsCompatible(ctd)) {
        return false;
    }
    const SLegacyInstrument& instrument = *FindLegacyInstrument(ctd.GetCTD_ID());
    SConSettings settings = CommonSettings(ctd);
    instrument.write(ctd, settings);
    const SelectorPairs pairs = ChannelPairs(ctd, instrument);

    CSensorLineComposer composer(ctd);
    composer.AddRows();
    ComposePressureBlock(ctd, settings, composer);

    std::string out;
    out.reserve(kConBytesReserved);
    const SConHeader& h = settings.header;
    for (int n = 1; n <= kConLastLine; ++n) {
        switch (n) {
            case 39: {
                const double values[] = {static_cast<double>(h.freqAdded),
                                         static_cast<double>(h.scanFigure),
                                         static_cast<double>(h.voltAdded),
                                         static_cast<double>(h.code),
                                         static_cast<double>(h.interface),
                                         h.rate,
                                         h.interval,
                                         static_cast<double>(h.scanTime),
                                         static_cast<double>(h.deckUnit)};
                FormatLine("%d %d %d %d %d %1.12f %1.12f %d %d", values, &out);
                break;
            }
            case 40:
            case 41:
                AppendPairs(pairs, n == 40 ? 0 : kPairsPerLine, kPairsPerLine, &out);
                break;
            case 42:
                AppendPairs({}, 0, kFreeChannelPairs, &out);
                break;
            case 43: {
                const double values[] = {static_cast<double>(settings.temperatureType),
                                         settings.mooredPressure, settings.userTemperature};
                FormatLine("%d %1.12f %1.12f", values, &out);
                break;
            }
            case 44:
                AppendInts(&settings.firmwareCode, 1, &out);
                break;
            case 45:
                AppendInts(settings.line45, std::size(settings.line45), &out);
                break;
            case 186:
                AppendInts(settings.line186, &out);
                break;
            case 235:
                AppendInts(settings.line235, &out);
                break;
            case 236:
                AppendInts(settings.line236, &out);
                break;
            case 257: {
                const int values[] = {settings.scanTimeAdded, ctd.GetbNMEA_TimeAdded(),
                                      ctd.GetbNMEA_PC()};
                AppendInts(values, std::size(values), &out);
                break;
            }
            case 260: {
                const double values[] = {kFileVersion[0], kFileVersion[1], kFileVersion[2],
                                         kFileVersion[3]};
                FormatLine("TW_ConfigCTD.dll FILEVERSION=%d.%d.%d.%d", values, &out);
                break;
            }
            default:
                composer.AppendLine(n, &out);
                break;
        }
        out += '\n';
    }
    *text = std::move(out);
    return true;
}
