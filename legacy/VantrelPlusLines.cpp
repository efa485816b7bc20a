// The Vantrel plus instruments: count-output temperature on channel 0,
// conductivity on channel 1, pressure on channel 2 chosen by the pressure
// code of line 14, their settings on line 186.

#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/InstrumentLines.h"
#include "sensors/PressureSensors.h"

namespace {

constexpr int kPressureCodeTC = 242;
constexpr int kPressureCodeDigiquartz = 241;
constexpr int kPressureCodeStrainGauge = 141;
constexpr int kMoored = 1;
constexpr int kPressureChannel = 2;

// The pressure code: the fifth value of line 14.
int PressureCode(const CConReader& reader) {
    double values[5];
    ScanLine(reader.Lines().Line(14), "%lf %lf %lf %lf %d", values, 5);
    return ClampToInt(values[4]);
}

// Temperature, conductivity and the pressure sensor (when there is one).
// The Digiquartz placed by the code does not include its AD590 pair.
void PlaceFixedSensors(CConReader& reader, int pressureID) {
    reader.PlaceSensor(0, SID_TEMP_VANTREL_PLUS, 0);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    CSensor* pressure =
        pressureID < 0 ? nullptr : reader.PlaceSensor(kPressureChannel, pressureID, 0);
    if (auto* digiquartz = dynamic_cast<CPressureDigiquartzTC_Sensor*>(pressure)) {
        digiquartz->SetbIncludeMB(0);
    }
}

}  // namespace

void ReadVantrel64V2(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C64V2VantrelCTD&>(ctd);
    const SConHeader& header = reader.Header();
    int settings[3];
    reader.Ints(186, settings, 3);
    int line45[8];
    LegacyLines::ReadLine45(reader, line45);
    const int sparAdded = line45[4] != 0;
    const int pressureCode = PressureCode(reader);

    // The setters keep the channels in step; the mode first, since it may
    // drop a serial sensor, and the scans to average before the pressure
    // type, so that the count is kept as written.
    model.SetMode(settings[2]);
    model.SetnScansToAvg(settings[1]);
    model.SetPressureSensorType(pressureCode == kPressureCodeTC ? 0 : 1);
    model.SetSerialSensor(settings[0]);
    model.SetnSampleInterval(ClampToInt(header.interval));
    model.SetNumVoltAdd(header.voltAdded - (sparAdded ? 2 : 0));
    model.SetbSPAR_Added(sparAdded);
    int scanTimeAdded = 0;
    if (model.GetMode().Get() != kMoored &&
        LegacyLines::ReadScanTimeAdded(reader, &scanTimeAdded)) {
        model.SetScanTimeAdded(scanTimeAdded);
    }

    PlaceFixedSensors(
        reader, pressureCode == kPressureCodeTC ? SID_PRESSURE_DIGIQUARTZ_TC : SID_PRESSURE_DRUCK);
    const int voltageFrom = model.AddExtVoltFrom();
    reader.ReadSelectorChannels(voltageFrom,
                                model.GetNumVoltAdd() + model.GetnSerial(model.GetSerialSensor()));
    if (model.GetbSPAR_Added()) {
        reader.PlaceSensor(model.GetNumChannel() - 1, 51, 0);
    }
}

void WriteVantrel64V2(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C64V2VantrelCTD&>(ctd);
    SConHeader& header = settings.header;
    header.code = 2505;
    header.scanFigure = (model.GetScanLen() - model.NmeaHexLength()) / 2;
    header.voltAdded = model.GetNumVoltAdd() + (model.GetbSPAR_Added() ? 2 : 0);
    header.interval = model.GetnSampleInterval().Get();
    settings.line45[4] = model.GetbSPAR_Added();
    settings.line186 = {model.GetSerialSensor(), model.GetnScansToAvg().Get(),
                        model.GetMode().Get()};
    settings.scanTimeAdded = model.GetScanTimeAdded();
}

namespace {

// The TDW 62plus V2's pressure types (0 Digiquartz, 1 with temperature
// compensation, 2 strain gauge, 3 none) by pressure code.
struct SPressureChoice {
    int code;
    int type;
    int sensorID;
};
constexpr SPressureChoice k62V2Pressures[] = {
    {kPressureCodeDigiquartz, 0, SID_PRESSURE_DIGIQUARTZ},
    {kPressureCodeTC, 1, SID_PRESSURE_DIGIQUARTZ_TC},
    {kPressureCodeStrainGauge, 2, SID_PRESSURE_DRUCK},
};
constexpr int k62V2NoPressure = 3;

}  // namespace

void ReadVantrel62V2(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C62V2VantrelCTD&>(ctd);
    const SConHeader& header = reader.Header();
    SPressureChoice pressure{0, k62V2NoPressure, -1};
    for (const SPressureChoice& choice : k62V2Pressures) {
        pressure = choice.code == PressureCode(reader) ? choice : pressure;
    }
    double line43[3];
    ScanLine(reader.Lines().Line(43), "%d %lf %lf", line43, 3);
    int serialSensor = 0;
    reader.Ints(186, &serialSensor, 1);

    model.SetPressureSensorType(pressure.type);
    model.SetNumVoltAdd(header.voltAdded);
    model.SetSerialSensor(serialSensor);
    model.SetdSampleInterval(header.interval);
    model.SetTempType(line43[0] == 0 ? 1 : 0);
    model.SetdMooredPressure(line43[1]);
    model.SetdUserSuppliedTemp(line43[2]);

    PlaceFixedSensors(reader, pressure.sensorID);
    const int voltageFrom = model.AddExtVoltFrom();
    reader.ReadSelectorChannels(voltageFrom, model.GetNumChannel() - voltageFrom);
}

void WriteVantrel62V2(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C62V2VantrelCTD&>(ctd);
    SConHeader& header = settings.header;
    header.code = 2504;
    header.scanFigure = (model.GetScanLen() - model.NmeaHexLength()) / 2;
    header.interval = model.GetdSampleInterval().Get();
    settings.temperatureType = model.GetTempType().Get() == 1 ? 0 : 1;
    settings.mooredPressure = model.GetdMooredPressure().Get();
    settings.userTemperature = model.GetdUserSuppliedTemp().Get();
    settings.line186 = {model.GetSerialSensor(), 0, 0};
}
