// The TDW 94 Dartel: fixed channels (count temperature, conductivity, Druck
// strain gauge), the scans to average on line 186, surface PAR on line 45.

#include "instruments/TDW94DartelCTD.h"
#include "legacy/InstrumentLines.h"

void ReadDartel94(CConReader& reader, CCTD& ctd) {
    auto& model = dynamic_cast<C94DartelCTD&>(ctd);
    int line186[2];
    reader.Ints(186, line186, 2);
    model.SetnScansToAvg(line186[1]);
    int line45[8];
    LegacyLines::ReadLine45(reader, line45);
    model.SetbSPAR_Added(line45[4] != 0);
    int scanTimeAdded = 0;
    if (LegacyLines::ReadScanTimeAdded(reader, &scanTimeAdded)) {
        model.SetScanTimeAdded(scanTimeAdded);
    }
    reader.PlaceSensor(0, SID_TEMP_TDW94, 0);
    reader.PlaceSensor(1, SID_CONDUCTIVITY, 0);
    reader.PlaceSensor(2, SID_PRESSURE_DRUCK, 0);
    // The surface PAR sensor has lines of its own; they are kept too.
    if (model.GetbSPAR_Added()) {
        reader.PlaceSensor(model.GetNumChannel() - 1, 51, 0);
    }
}

void WriteDartel94(const CCTD& ctd, SConSettings& settings) {
    const auto& model = dynamic_cast<const C94DartelCTD&>(ctd);
    settings.header.code = 2503;
    settings.header.scanFigure = (model.GetScanLen() - model.NmeaHexLength()) / 2;
    settings.line45[4] = model.GetbSPAR_Added();
    settings.line186 = {0, model.GetnScansToAvg().Get()};
    settings.scanTimeAdded = model.GetScanTimeAdded();
}
