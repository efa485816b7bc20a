#pragma once
// The sensor commands of a channel grid: choosing a channel's sensor and
// editing its calibration.

#include "core/CTD.h"
#include "core/Sensor.h"

// Shows the sensor chooser for the channel; the chosen sensor ID, or -1.
int DisplaySelectSensorDialog(const CCTD& ctd, int channel);

// The grid command Select: the chooser, the selection limits, the new
// sensor on the channel and its calibration dialog. 1 when the channel's
// sensor was replaced, else 0.
int SelectSensorForChannel(CCTD& ctd, int channel);

// Opens the calibration dialog of the sensor on the channel; the dialog's
// result (IDOK when the sensor was changed).
int CalibrateSensor(CCTD& ctd, int channel);

// Opens the calibration dialog that matches the sensor's ID.
int DisplaySensorDialog(CSensor* sensor, int wetLabsSerial);
