#include "instruments/NmeaElements.h"

void WriteNmeaElements(TDWXML::COutputNode* node, const CCTD& ctd) {
    node->WriteInt("NmeaPositionDataAdded", ctd.GetbNMEA_Added());
    node->WriteInt("NmeaDepthDataAdded", ctd.GetbDepthAdded());
    node->WriteInt("NmeaTimeAdded", ctd.GetbNMEA_TimeAdded());
    node->WriteInt("NmeaDeviceConnectedToPC", ctd.GetbNMEA_PC());
}

void ReadNmeaElements(CElementReader& read, CCTD& ctd) {
    ctd.SetbNMEA_Added(read.Int("NmeaPositionDataAdded", 0, true));
    ctd.SetbDepthAdded(read.Int("NmeaDepthDataAdded", 0, false));
    ctd.SetbNMEA_TimeAdded(read.Int("NmeaTimeAdded", 0, false));
    ctd.SetbNMEA_PC(read.Int("NmeaDeviceConnectedToPC", 0, false));
}
