#pragma once
// The four NMEA option elements that every Vantrel document holds, in the
// order they are written: position, depth, time, device connected to the PC.

#include "core/CTD.h"
#include "instruments/ElementReader.h"

void WriteNmeaElements(TDWXML::COutputNode* node, const CCTD& ctd);
// Position is required; depth, time and the PC connection are off when
// missing.
void ReadNmeaElements(CElementReader& read, CCTD& ctd);
