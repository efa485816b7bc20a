#include "core/SensorWriteOptions.h"

namespace {
// Each thread's own: a write on one thread never changes what another writes.
thread_local bool s_bWriteVersion = false;
thread_local bool s_bWriteComment = false;
CString& Comment() {
    thread_local CString text;
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
