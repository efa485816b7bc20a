#pragma once
// Which of a sensor's fields each view of the calibration form leaves out,
// and the set switch of the views that have one.

#include "core/SensorField.h"
#include "ui/CalibrationForm.h"

// True when the view leaves out the field (and, for a group, all of it).
bool CalibrationViewHides(ECalibrationView view, const SSensorField& field);

// The key of the field whose change switches to the form of the other
// coefficient set; null for a view without one.
const char* CalibrationViewSwitch(ECalibrationView view);
