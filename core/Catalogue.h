#pragma once
// The instrument catalogue: for each CTD ID (0 to 15) the model's name, class
// and channel limits, and the factory, copy and comparison of instruments.

#include "core/CTD.h"

enum CTD_ID {
    CTD_62_VANTREL = 0,
    CTD_62PLUS_VANTREL = 1,
    CTD_64_VANTREL = 2,
    CTD_64PLUS_VANTREL = 3,
    CTD_71_THERMOSAL = 4,
    CTD_56_CORVANE = 5,
    CTD_47_THERMOSAL = 6,
    CTD_94_DARTEL = 7,
    CTD_812PLUS = 8,
    CTD_70420S_UCTD = 9,
    CTD_62V2_VANTREL = 10,
    CTD_64V2_VANTREL = 11,
    CTD_71V2_THERMOSAL = 12,
    CTD_PAYLOAD = 13,
    CTD_73_NIMBREL = 14,
    CTD_56PLUS_CORVANE = 15,
};

constexpr int NUM_CTD_IDS = 16;

struct SCTD_Data {
    const char* name;
    int numFreqAddMax;
    int numVoltAddMax;
    int numChannelLock;
    int numChannelMin;
    int numChannelMax;
    const int* fixedSensors;  // sensor IDs of the leading channels
    int numFixedSensors;
    const char* className;
};

// The row of a CTD ID, or null outside 0 to 15.
const SCTD_Data* GetCTD_Data(int ctdID);

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
