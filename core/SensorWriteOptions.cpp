#include "core/SensorWriteOptions.h"

namespace {
bool s_bWriteVersion = false;
bool s_bWriteComment = false;
CString& Comment() {
    static CString text;
    return text;
}
}  // namespace

bool CSensorWriteOptions::GetWriteVersionInSensors() {
    return s_bWriteVersion;
}
void CSensorWriteOptions::SetWriteVersionInSensors(bool on) {
    s_bWriteVersion = on;
}
bool CSensorWriteOptions::GetWriteSensorComment() {
    return s_bWriteComment;
}
const CString& CSensorWriteOptions::GetSensorComment() {
    return Comment();
}

void CSensorWriteOptions::SetSensorComment(const CString& text, bool write) {
    Comment() = text;
    s_bWriteComment = write;
}
