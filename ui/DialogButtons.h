#pragma once
// The OK and Cancel buttons that end the bottom row of most dialogs.

#include "platform/Form.h"

namespace DialogButtonIds {
inline constexpr const char* kOk = "ok";
inline constexpr const char* kCancel = "cancel";
}  // namespace DialogButtonIds

// Appends "OK" (the default button) and "Cancel" (the cancel button) to the
// bottom row.
void AddOkCancel(CFormDialog& dialog);
