#include "legacy/ConReader.h"

#include "core/NullSensor.h"
#include "core/SensorArray.h"
#include "legacy/Selectors.h"
#include "legacy/SensorLines.h"
#include "platform/Diagnostics.h"

namespace {

constexpr const char* kIntConversions =
    "%d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d";
constexpr int kTurner10005 = 14;
constexpr int kTurner10Au005 = 16;
constexpr int kGasTensionDO = 22;
constexpr int kGasTensionN2 = 23;

}  // namespace

CConReader::CConReader(const CConLines& lines) : m_lines(lines) {}

int CConReader::Ints(int line, int* values, int count) const {
    double read[20];
    const int got = ScanLine(m_lines.Line(line), kIntConversions, read, count);
    for (int i = 0; i < count; ++i) {
        values[i] = ClampToInt(read[i]);
    }
    return got;
}

void CConReader::ReadHeader() {
    double fields[9];
    ScanLine(m_lines.Line(39), "%d %d %d %d %d %lf %lf %d %d", fields, 9);
    m_header.freqAdded = ClampToInt(fields[0]);
    m_header.scanFigure = ClampToInt(fields[1]);
    m_header.voltAdded = ClampToInt(fields[2]);
    m_header.code = ClampToInt(fields[3]);
    m_header.interface = ClampToInt(fields[4]);
    m_header.rate = fields[5];
    m_header.interval = fields[6];
    m_header.scanTime = ClampToInt(fields[7]);
    m_header.deckUnit = ClampToInt(fields[8]);

    int pairs[2 * kConChannels];
    Ints(40, pairs, 20);
    Ints(41, pairs + 20, 10);
    for (int channel = 0; channel < kConChannels; ++channel) {
        m_selectors[channel][0] = pairs[2 * channel];
        m_selectors[channel][1] = pairs[2 * channel + 1];
    }
}

CSensor* CConReader::Hold(int channel, std::unique_ptr<CSensor> sensor, bool bySelector) {
    if (channel < 0 || channel >= kConChannels) {
        return nullptr;
    }
    m_pending[channel] = {std::move(sensor), bySelector};
    return m_pending[channel].sensor.get();
}

CSensor* CConReader::PlaceSensor(int channel, int sensorID, int instance) {
    const SLegacySensorLines* row = FindLegacySensorLines(sensorID, instance);
    // Kinds without lines (bottles closed, the Turner range, ...) are placed
    // as they come; a kind with lines needs those of its instance.
    bool kindHasLines = false;
    for (const SLegacySensorLines& any : LegacySensorLines()) {
        kindHasLines = kindHasLines || any.sensorID == sensorID;
    }
    if (!row && (kindHasLines || instance != 0)) {
        return nullptr;
    }
    std::unique_ptr<CSensor> sensor(CreateSensorObject(sensorID));
    if (!sensor) {
        return nullptr;
    }
    if (row) {
        ReadLegacySensor(m_lines, *row, *sensor);
    }
    return Hold(channel, std::move(sensor), false);
}

void CConReader::ReadGasTension(int channel) {
    const int which = m_gasTensionCount++;
    if (which >= static_cast<int>(std::size(kGasTensionLines))) {
        CDiagnostics::Log("Failed to read .con file.  Unknown sensor type.", 0);
        return;
    }
    const SGasTensionLines& lines = kGasTensionLines[which];
    int type = 0;
    Ints(lines.typeLine, &type, 1);
    if (type != 1 && type != 2) {
        CDiagnostics::Log("Failed to read .con file. Unsupported GTD sensor type.", 0);
        return;
    }
    std::unique_ptr<CSensor> sensor(CreateSensorObject(type == 1 ? kGasTensionDO : kGasTensionN2));
    sensor->SetSerialNum(CString(m_lines.Line(lines.serialLine)));
    sensor->SetCalDate(CString(m_lines.Line(lines.dateLine)));
    Hold(channel, std::move(sensor), true);
}

void CConReader::ReadSelectorChannels(int pairFrom, int count, int offset) {
    for (int pair = pairFrom; pair < pairFrom + count && pair < kConChannels; ++pair) {
        if (pair < 0) {
            continue;
        }
        const int channel = pair + offset;
        const SSelectorTarget target = SelectorTarget(m_selectors[pair][0], m_selectors[pair][1]);
        switch (target.kind) {
            case SSelectorTarget::LeaveEmpty:
                break;
            case SSelectorTarget::GasTension:
                ReadGasTension(channel);
                break;
            case SSelectorTarget::Sensor:
                if (PlaceSensor(channel, target.sensorID, target.instance)) {
                    m_pending[channel].bySelector = true;
                    m_turner10005 = m_turner10005 || target.sensorID == kTurner10005;
                    m_turner10Au005 = m_turner10Au005 || target.sensorID == kTurner10Au005;
                } else {
                    CDiagnostics::Log("Failed to read .con file.  Unknown sensor type.", 0);
                }
                break;
            case SSelectorTarget::Unknown:
                CDiagnostics::Log(target.message, 0);
                break;
        }
    }
}

int CConReader::MoveSensorsInto(CCTD& ctd) {
    for (int channel = 0; channel < kConChannels; ++channel) {
        SPending& pending = m_pending[channel];
        if (!pending.sensor) {
            continue;
        }
        if (channel >= ctd.GetNumChannel()) {
            return channel;
        }
        const CSensor& there = ctd.GetSensor(channel);
        const auto* placeholder = dynamic_cast<const CNullSensor*>(&there);
        const bool suits = !pending.bySelector ||
                           there.GetSensorID() == pending.sensor->GetSensorID() ||
                           (placeholder && placeholder->GetbFree() &&
                            placeholder->GetNullOutputType() == pending.sensor->GetOutputType());
        if (!suits) {
            return channel;
        }
        ctd.ReplaceSensor(channel, pending.sensor.release());
    }
    return -1;
}
