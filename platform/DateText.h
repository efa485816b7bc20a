#pragma once
// Calibration dates as text. A time value is shown as "%m/%d/%Y" in local
// time. DateStrToTime accepts "mm/dd/yyyy", "yyyy-mm-dd", "dd-Mon-yyyy",
// "dd Mon yyyy" and "Mon dd yyyy" (month names in English, any case; two-digit
// years 70..99 mean 19xx, 00..69 mean 20xx).

#include "platform/CString.h"
#include "platform/CTime.h"

CString TimeToDateStr(const CTime& time);
// 0 and the local midnight of that date in time; nonzero (and time unchanged)
// when the text is not a valid date.
int DateStrToTime(const char* text, CTime& time);
// Tells the user that the text is not a date, and which forms are accepted.
void EditDateError(const char* text);
