// WriteConFile for legacy ASCII configuration files: every line of the
// layout in order, each sensor kind's lines from the instrument's sensor of
// that kind and instance, or from a default sensor of that kind.

#include <array>
#include <map>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "instruments/VantrelCTD.h"
#include "legacy/InstrumentLines.h"
#include "legacy/LegacyConFile.h"
#include "legacy/Selectors.h"
#include "legacy/SensorLines.h"

namespace {

constexpr int kPairsPerLine = 10;
constexpr int kFreeChannelPairs = 20;
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

// Formats values with a printf format of one conversion per value.
std::string FormatValues(const char* format, const double* values) {
    CString text;
    const std::string_view all(format);
    std::size_t at = all.find('%');
    for (int i = 0; at != std::string_view::npos; ++i) {
        const std::size_t next = all.find('%', at + 1);
        const std::string segment(
            all.substr(at, next == std::string_view::npos ? next : next - at));
        const std::size_t conversion = segment.find_first_of("dfeg", 1);
        if (conversion != std::string::npos && segment[conversion] == 'd') {
            text.AppendFormat(segment.c_str(), ClampToInt(values[i]));
        } else {
            text.AppendFormat(segment.c_str(), values[i]);
        }
        at = next;
    }
    return text.str();
}

// The sensors' lines, filled row by row: the instrument's own sensors win
// over default ones; between two of the same standing the earlier row wins.
class CSensorLineComposer {
  public:
    static constexpr int kMaxValues = 16;

    explicit CSensorLineComposer(const CCTD& ctd) : m_ctd(ctd) {}

    void AddRows() {
        for (const SLegacySensorLines& row : LegacySensorLines()) {
            const int channel = m_ctd.FindSensor(row.sensorID, row.instance);
            AddRow(row, channel >= 0 ? &m_ctd.GetSensor(channel) : Default(row.sensorID),
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

    void SetValue(int line, int position, double value, bool own) {
        SValue& slot = m_values[line][position - 1];
        const int standing = own ? 2 : 1;
        if (slot.standing < standing) {
            slot = {value, standing};
        }
    }

    bool HasText(int line) const { return m_texts[line].standing > 0; }
    const std::string& Text(int line) const { return m_texts[line].text; }
    std::array<double, kMaxValues> Values(int line) const {
        std::array<double, kMaxValues> values{};
        for (int i = 0; i < kMaxValues; ++i) {
            values[i] = m_values[line][i].value;
        }
        return values;
    }

  private:
    struct SText {
        std::string text;
        int standing = 0;
    };
    struct SValue {
        double value = 0.0;
        int standing = 0;
    };

    const CSensor* Default(int sensorID) {
        std::unique_ptr<CSensor>& sensor = m_defaults[sensorID];
        if (!sensor) {
            sensor.reset(CreateSensorObject(sensorID));
        }
        return sensor.get();
    }

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
        for (const SLegacyValue& value : row.values) {
            SetValue(value.line, value.position, value.get(*sensor), own);
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
    std::map<int, std::unique_ptr<CSensor>> m_defaults;
    std::array<SText, kConLastLine + 1> m_texts{};
    std::array<std::array<SValue, kMaxValues>, kConLastLine + 1> m_values{};
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

std::string PairsLine(const SelectorPairs& pairs, std::size_t from) {
    CString text;
    for (std::size_t i = from; i < from + kPairsPerLine; ++i) {
        const auto [selector, sub] = i < pairs.size() ? pairs[i] : std::pair{kFreeSelector, 0};
        text.AppendFormat("%d %d ", selector, sub);
    }
    return text.str();
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

std::string IntsLine(const std::vector<int>& values) {
    CString text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text.AppendFormat(i == 0 ? "%d" : " %d", values[i]);
    }
    return text.str();
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
    CString line;
    for (int n = 1; n <= kConLastLine; ++n) {
        line.Empty();
        const SConHeader& h = settings.header;
        switch (n) {
            case 39:
                line.Format("%d %d %d %d %d %1.12f %1.12f %d %d", h.freqAdded, h.scanFigure,
                            h.voltAdded, h.code, h.interface, h.rate, h.interval, h.scanTime,
                            h.deckUnit);
                break;
            case 40:
            case 41:
                line = PairsLine(pairs, n == 40 ? 0 : kPairsPerLine);
                break;
            case 42:
                for (int i = 0; i < kFreeChannelPairs; ++i) {
                    line.AppendFormat("%d %d ", kFreeSelector, 0);
                }
                break;
            case 43:
                line.Format("%d %1.12f %1.12f", settings.temperatureType, settings.mooredPressure,
                            settings.userTemperature);
                break;
            case 44:
                line.Format("%d", settings.firmwareCode);
                break;
            case 45:
                line = IntsLine(
                    std::vector<int>(std::begin(settings.line45), std::end(settings.line45)));
                break;
            case 186:
                line = IntsLine(settings.line186);
                break;
            case 235:
                line = IntsLine(settings.line235);
                break;
            case 236:
                line = IntsLine(settings.line236);
                break;
            case 257:
                line.Format("%d %d %d", settings.scanTimeAdded, ctd.GetbNMEA_TimeAdded(),
                            ctd.GetbNMEA_PC());
                break;
            case 260:
                line.Format("TW_ConfigCTD.dll FILEVERSION=%d.%d.%d.%d", kFileVersion[0],
                            kFileVersion[1], kFileVersion[2], kFileVersion[3]);
                break;
            default:
                if (composer.HasText(n)) {
                    line = composer.Text(n);
                } else if (const char* format = LegacyLineFormat(n)) {
                    line = FormatValues(format, composer.Values(n).data());
                }
                break;
        }
        out += line.str();
        out += '\n';
    }
    *text = std::move(out);
    return true;
}
