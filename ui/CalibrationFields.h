#pragma once
// What the calibration form needs to know beyond what a sensor's element
// says: which elements each view leaves out, the set switch of the views that
// have one, nicer labels for some tags, and which integer elements are
// on/off switches (the sensor itself names the texts of a choice).

#include <pugixml.hpp>

#include "platform/CString.h"
#include "ui/CalibrationForm.h"

// True when the view leaves out the element (and, for a group, all of it).
bool CalibrationViewHides(ECalibrationView view, pugi::xml_node element);

// The tag of the element whose change switches to the form of the other
// coefficient set; null for a view without one.
const char* CalibrationViewSwitch(ECalibrationView view);

// The label of a coefficient element: a nicer text for some tags, else the tag.
CString CalibrationLabel(const char* tag);

// True for an integer element that is an on/off switch (shown as a check box).
bool IsCalibrationCheck(const char* tag);
