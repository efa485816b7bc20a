#pragma once
// The sensor factory, copying and comparison of sensors, and the ordered
// sensor array that every instrument owns (index = channel; it owns its
// elements, and a channel without a sensor holds a CNullSensor).

#include "core/Sensor.h"
#include "platform/ObArray.h"

using CSensorArray = CTypedPtrArray<CObArray, CSensor*>;

// A new default object of the sensor ID's class, owned by the caller; null for
// IDs outside 0 to 78, for 26, and for a class this build does not contain.
CSensor* CreateSensorObject(int sensorID);

// 1 after assigning from into to; 0 and nothing changed when either is null,
// their classes differ, or from is no real sensor ID.
int CopySensorObject(CSensor* to, const CSensor* from);

// Both null: 1; one null or different classes: 0; else the class's equality.
int SensorObjectsEqual(const CSensor* a, const CSensor* b);

// Deletes every element and leaves the array empty.
void Empty(CSensorArray& array);
// Deep copy: each element a new object of the source element's class.
void Assign(CSensorArray& to, const CSensorArray& from);

bool operator==(const CSensorArray& a, const CSensorArray& b);
