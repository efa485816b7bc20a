#pragma once
// The factory, copy and comparison of instruments, over the catalogue of
// models.

#include "core/CTD.h"
#include "core/CTDModels.h"

// A new default object of the model, owned by the caller; null for any other
// ID and for a model this build does not contain.
CCTD* CreateCTDObject(int ctdID);
// 1 after assigning from into to; 0 and nothing changed when either is null or
// their classes differ.
int CopyCTDObject(CCTD* to, const CCTD* from);
// Both null: 1; one null or different classes: 0; else the model's equality.
int CTD_ObjectsEqual(const CCTD* a, const CCTD* b);
// The channel of the (ordinal+1)-th TDW 41 oxygen sensor, searching the
// voltage kind, then the 41F, then the 41I; -1 when there is none.
int Find_TDW41_Sensor_Channel(const CCTD* ctd, int ordinal);
