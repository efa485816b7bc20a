// The Vantrel CTDs: temperature on channel 0, conductivity on channel 1, the
// pressure sensor (where there is one) on channel 2 chosen by the pressure
// code of line 14, then the voltages and serial channels read by selector.
// The moored ones (TDW 62, 62plus V2) keep their moored pressure on line 43,
// the profiling ones (TDW 64plus, 64plus V2) their settings on line 186.

#include <cmath>

#include "instruments/Vantrel62CTD.h"
#include "instruments/Vantrel62V2CTD.h"
#include "instruments/Vantrel64CTD.h"
#include "instruments/Vantrel64PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "legacy/InstrumentLines.h"
#include "sensors/PressureSensors.h"

namespace {

constexpr int kPressureCodeTC = 242;
constexpr int kPressureCodeDigiquartz = 241;
constexpr int kPressureCodeStrainGauge = 141;
constexpr int kMoored = 1;
constexpr int kPressureChannel = 2;
constexpr int kSparSensor = 51;

// The pressure code: the fifth value of line 14.
int PressureCode(const CConReader& reader) {
    double values[5];
    ScanLine(reader.Lines().Line(14), "%lf %lf %lf %lf %d", values, 5);
    return ClampToInt(values[4]);
}

// Temperature and conductivity, and the pressure sensor of the kind the
// instrument now has on its pressure channel (none: -1). A Digiquartz placed
// by the pressure code does not include its AD590 pair.
void PlaceFixedSensors(CConReader& reader, int temperatureID, int pressureID) {
    reader.PlaceSensor(0, temperatureID, 0);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    CSensor* pressure =
        pressureID < 0 ? nullptr : reader.PlaceSensor(kPressureChannel, pressureID, 0);
    if (auto* digiquartz = dynamic_cast<CPressureDigiquartzTC_Sensor*>(pressure)) {
        digiquartz->SetbIncludeMB(0);
    }
}

int PressureSensorOn(const CCTD& ctd, bool hasPressure) {
    return hasPressure ? ctd.GetSensor(kPressureChannel).GetSensorID() : -1;
}

void ReadScanTimeAdded(const CConReader& reader, CVantrelCTD& ctd) {
    int scanTimeAdded = 0;
    if (LegacyLines::ReadScanTimeAdded(reader, &scanTimeAdded)) {
        ctd.SetScanTimeAdded(scanTimeAdded);
    }
}

void PlaceSpar(CConReader& reader, const CVantrelSurfaceParCTD& ctd) {
    if (ctd.GetbSPAR_Added()) {
        reader.PlaceSensor(ctd.GetNumChannel() - 1, kSparSensor, 0);
    }
}

// The moored types (0 Digiquartz, 1 with temperature compensation, 2 strain
// gauge, 3 none) by pressure code.
int MooredPressureType(int code) {
    switch (code) {
        case kPressureCodeDigiquartz:
            return CVantrelMooredCTD::kPressureDigiquartz;
        case kPressureCodeTC:
            return CVantrelMooredCTD::kPressureDigiquartzTC;
        case kPressureCodeStrainGauge:
            return CVantrelMooredCTD::kPressureStrainGauge;
        default:
            return CVantrelMooredCTD::kNoPressure;
    }
}

}  // namespace

// The TDW 62, 62plus and 62plus V2. The instrument keeps any pressure sensor on
// channel 2, the strain gauge too, which its files list among the channels.
void ReadVantrelMoored(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<CVantrelMooredCTD&>(ctd);
    const SConHeader& header = reader.Header();
    double line43[3];
    ScanLine(reader.Lines().Line(43), "%d %lf %lf", line43, 3);
    model.SetPressureSensorType(MooredPressureType(PressureCode(reader)));
    model.SetNumVoltAdd(header.voltAdded);
    model.SetTempType(line43[0] == 0 ? 1 : 0);
    model.SetdMooredPressure(line43[1]);
    model.SetdUserSuppliedTemp(line43[2]);
    int temperatureID = SID_TEMP_TDW2;
    // The TDW 62plus is a kind of 62plus V2.
    if (auto* v2 = dynamic_cast<C62V2VantrelCTD*>(&model)) {
        int serialSensor = 0;
        reader.Ints(186, &serialSensor, 1);
        v2->SetSerialSensor(serialSensor);
        v2->SetdSampleInterval(header.interval);
        temperatureID = SID_TEMP_VANTREL_PLUS;
    } else if (auto* tdw62 = dynamic_cast<C62VantrelCTD*>(&model)) {
        tdw62->SetnSampleInterval(ClampToInt(header.interval));
        int firmware = 0;
        reader.Ints(44, &firmware, 1);
        tdw62->SetFirmwareVersion(firmware == 810 ? 1 : 0);
        ReadScanTimeAdded(reader, *tdw62);
    }
    const bool hasPressure = model.GetPressureSensorType().Get() != CVantrelMooredCTD::kNoPressure;
    PlaceFixedSensors(reader, temperatureID, PressureSensorOn(model, hasPressure));
    const int voltageFrom = model.AddExtVoltFrom();
    reader.ReadSelectorChannels(voltageFrom, model.GetNumChannel() - voltageFrom);
}

void WriteVantrelMoored(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const CVantrelMooredCTD&>(ctd);
    SConHeader& header = settings.header;
    settings.temperatureType = model.GetTempType().Get() == 1 ? 0 : 1;
    settings.mooredPressure = model.GetdMooredPressure().Get();
    settings.userTemperature = model.GetdUserSuppliedTemp().Get();
    if (const auto* v2 = dynamic_cast<const C62V2VantrelCTD*>(&model)) {
        header.code = model.GetCTD_ID() == C62V2VantrelCTD::kCTD_ID ? 2504 : 2500;
        header.scanFigure = (model.GetScanLen() - model.NmeaHexLength()) / 2;
        header.interval = v2->GetdSampleInterval().Get();
        settings.line186 = {v2->GetSerialSensor(), 0, 0};
    } else if (const auto* tdw62 = dynamic_cast<const C62VantrelCTD*>(&model)) {
        header.code = 136;
        header.scanFigure = 3 * static_cast<int>(std::ceil(0.5 * header.voltAdded) + 4);
        header.interval = tdw62->GetnSampleInterval().Get();
        settings.firmwareCode = tdw62->GetFirmwareVersion().Get() == 1 ? 810 : 811;
        settings.scanTimeAdded = tdw62->GetScanTimeAdded();
    }
}

// The TDW 64plus and 64plus V2.
void ReadVantrelProfiler(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<CVantrelProfilerCTD&>(ctd);
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
    if (auto* v2 = dynamic_cast<C64V2VantrelCTD*>(&model)) {
        v2->SetSerialSensor(settings[0]);
    }
    model.SetnSampleInterval(ClampToInt(header.interval));
    model.SetNumVoltAdd(header.voltAdded - (sparAdded ? 2 : 0));
    model.SetbSPAR_Added(sparAdded);
    if (model.GetMode().Get() != kMoored) {
        ReadScanTimeAdded(reader, model);
    }

    PlaceFixedSensors(reader, SID_TEMP_VANTREL_PLUS, PressureSensorOn(model, true));
    reader.ReadSelectorChannels(model.AddExtVoltFrom(),
                                model.GetNumVoltAdd() + model.GetnSerial(model.GetSerialSensor()));
    PlaceSpar(reader, model);
}

void WriteVantrelProfiler(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const CVantrelProfilerCTD&>(ctd);
    SConHeader& header = settings.header;
    header.code = model.GetCTD_ID() == C64V2VantrelCTD::kCTD_ID ? 2505 : 2501;
    header.scanFigure = (model.GetScanLen() - model.NmeaHexLength()) / 2;
    header.voltAdded = model.GetNumVoltAdd() + (model.GetbSPAR_Added() ? 2 : 0);
    header.interval = model.GetnSampleInterval().Get();
    settings.line45[4] = model.GetbSPAR_Added();
    settings.line186 = {model.GetSerialSensor(), model.GetnScansToAvg().Get(),
                        model.GetMode().Get()};
    settings.scanTimeAdded = model.GetScanTimeAdded();
}

// The TDW 64. Its files leave a strain gauge out of the selector lines and
// list the voltages from the channel after conductivity; the instrument keeps
// the strain gauge on channel 2, so each voltage lands one channel later.
void ReadVantrel64(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C64VantrelCTD&>(ctd);
    const SConHeader& header = reader.Header();
    model.SetnHalfSecIntervals(header.rate == 0 ? 0 : ClampToInt(2.0 / header.rate + 0.5));
    int firmware = 0;
    reader.Ints(44, &firmware, 1);
    model.SetFirmwareVersion(firmware == 755 ? 1 : 0);
    int line45[8];
    LegacyLines::ReadLine45(reader, line45);
    const int sparAdded = line45[4] != 0;
    const bool digiquartz = PressureCode(reader) == kPressureCodeTC;
    model.SetPressureSensorType(digiquartz ? 0 : 1);
    model.SetNumVoltAdd(header.voltAdded - (sparAdded ? 2 : 0));
    model.SetbSPAR_Added(sparAdded);
    ReadScanTimeAdded(reader, model);

    PlaceFixedSensors(reader, SID_TEMP_TDW2, PressureSensorOn(model, true));
    reader.ReadSelectorChannels(model.AddExtVoltFrom() - (digiquartz ? 0 : 1),
                                model.GetNumVoltAdd(), digiquartz ? 0 : 1);
    PlaceSpar(reader, model);
}

void WriteVantrel64(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C64VantrelCTD&>(ctd);
    SConHeader& header = settings.header;
    header.code = 137;
    header.voltAdded = model.GetNumVoltAdd() + (model.GetbSPAR_Added() ? 2 : 0);
    header.scanFigure = 3 * (header.voltAdded / 2 + 4);
    const int halfSeconds = model.GetnHalfSecIntervals().Get();
    header.rate = halfSeconds == 0 ? 0.0 : 2.0 / halfSeconds;
    settings.firmwareCode = model.GetFirmwareVersion().Get() == 1 ? 755 : 756;
    settings.line45[4] = model.GetbSPAR_Added();
    settings.scanTimeAdded = model.GetScanTimeAdded();
}

void PairsVantrel64(CCTD& ctd, SelectorPairs& pairs) {
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        if (ctd.GetSensor(channel).GetSensorID() != SID_PRESSURE_STRAIN_GAUGE) {
            pairs.push_back(LegacyPairOf(ctd, channel));
        }
    }
}
