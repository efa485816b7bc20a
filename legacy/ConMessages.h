#pragma once
// The messages of the legacy file functions. Most go to standard error when
// the host sets s_bErrorToConsole; a few are always shown in a message box.

#include "platform/CString.h"
#include "platform/MessageBox.h"

namespace ConMessages {

constexpr const char* kUnsupported = "Unsupported Instrument Configuration File";
constexpr const char* kWrongInstrument = "Wrong Type of Instrument Configuration File";
constexpr const char* kWrongFile = "Wrong Type of File";
constexpr unsigned kWarning = MB_OK | MB_ICONWARNING;
constexpr unsigned kPlain = MB_OK;

enum class Route { ConsoleWhenAsked, AlwaysBox };

void Show(const CString& text, const char* caption, unsigned flags, Route route);

}  // namespace ConMessages
