#pragma once
// Module-wide switches that change how every sensor element is written. The
// configuration document sets the version switch while it writes; the sensor
// header document sets the comment switch before each sensor it writes.

#include "platform/CString.h"

class CSensorWriteOptions {
  public:
    // The file version every sensor element carries when the switch is on.
    static constexpr const char* kFileVersion = "7.26.2.0";

    static bool GetWriteVersionInSensors();
    static void SetWriteVersionInSensors(bool on);

    // When set, every sensor element written carries the comment text.
    static bool GetWriteSensorComment();
    static const CString& GetSensorComment();
    static void SetSensorComment(const CString& text, bool write);
};
