#pragma once
// Where each sensor kind keeps its calibration in a legacy ASCII
// configuration file: a serial-number line, a calibration-date line and
// coefficient values at fixed positions of fixed lines. Several lines are
// shared: each kind reads and writes only its own positions.
//
// The table is keyed by sensor ID and instance (the first or second sensor of
// a kind, the nth FGP pressure or user polynomial); it names each value by
// the key of the sensor's field that holds it, so the readers and the writer
// share one description with every other tier. Every value is a field: what
// a line holds beyond the sensors' fields (the pressure code, the gas-tension
// type) the instrument's own lines write.

#include <span>
#include <string_view>
#include <vector>

#include "core/CTD.h"
#include "core/Sensor.h"
#include "platform/CString.h"

// The last line of the layout.
constexpr int kConLastLine = 281;

// A selection that the file holds as an instrument code, not as its number.
struct SLegacyCodes;

// One coefficient of a sensor: its line, its position there (from 1) and the
// key of its field.
struct SLegacyValue {
    int line;
    int position;
    const char* key;
    const SLegacyCodes* codes = nullptr;

    // Takes the number as a read of the line does: a selection out of range,
    // or a code of none, keeps the sensor's setting.
    void set(CSensor& sensor, double value) const;
};

struct SLegacySensorLines {
    int sensorID;
    int instance;
    int serialLine;  // 0: none
    int dateLine;    // 0: none
    // Conductivity and TDW 2 temperature keep the date of the older
    // coefficient set on another line; the reader takes that one when the
    // sensor's "UseG_J" is off, the writer writes both.
    int oldDateLine;
    // A user polynomial's own name ("SensorName"): the whole line.
    int nameLine;
    std::span<const SLegacyValue> values;
};

// Every row, in the order in which the writer gives way: where two rows claim
// one line, the earlier row's sensor is written unless only the later one is
// on the instrument.
std::span<const SLegacySensorLines> LegacySensorLines();

// The row of a sensor kind and instance; null when it has no lines.
const SLegacySensorLines* FindLegacySensorLines(int sensorID, int instance);

// The gas-tension rows (serial, date and the type line "%d" of the nth
// device, 1 dissolved oxygen, 2 nitrogen). Their instance counts the devices
// on the instrument whatever their kind.
struct SGasTensionLines {
    int serialLine;
    int dateLine;
    int typeLine;
};
constexpr SGasTensionLines kGasTensionLines[] = {{226, 227, 228}, {229, 230, 231}};

// The printf format of a coefficient line's values, or null for a line
// without values. The reader scans the same conversions.
const char* LegacyLineFormat(int line);

// A user polynomial's own name; empty for any other sensor.
CString LegacySensorName(const CSensor& sensor);

// The row's values as the sensor holds them, in the order of row.values (a
// coded selection as its code).
std::vector<double> LegacyValues(const CSensor& sensor, const SLegacySensorLines& row);

// Fills a new sensor from its row: serial number, date, name and coefficient
// values (values the line does not hold are 0).
class CConLines;
void ReadLegacySensor(const CConLines& lines, const SLegacySensorLines& row, CSensor& sensor);
