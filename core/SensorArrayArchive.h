#pragma once
// The archive form of a sensor array: the number of sensors, then each
// sensor's ID followed by what the sensor's own Serialize stores (nothing for
// every sensor class, so that an array loads back as default sensors of the
// same IDs in the same order).

#include "core/SensorArray.h"
#include "platform/Archive.h"

// Stores the array or loads it, as the archive was opened. Loading empties the
// array first; a sensor ID the factory cannot make raises the archive's
// bad-format exception, and a short archive its end-of-file exception, with
// the sensors loaded before it kept in the array.
void Serialize(CArchive& archive, CSensorArray& sensors);
