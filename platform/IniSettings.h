#pragma once
// Per-user settings files in INI form ([section], key=value), and the
// per-user folders they live in.
//
// Sections and keys are found without regard to case. A missing or damaged
// file, section or key reads as the default; a write replaces the file in one
// step (a temporary file beside it, renamed over it), so a failed write
// leaves the file as it was.

#include "platform/CString.h"

// The folder "Tidewren/IniFiles" with a trailing '/': below LOCALAPPDATA when
// that variable is set, else below XDG_CONFIG_HOME (default ~/.config). Both
// folders are created when missing; when they cannot be, the base folder
// itself.
CString GetSettingsFolder();

// The user's own folder: USERPROFILE when set, else HOME. False, with the
// folder left empty, when neither is set.
bool GetUserProfileFolder(CString& folder);

// The key's value, or the default.
CString ReadIniText(const CString& file, const char* section, const char* key,
                    const char* defaultText);
// Stores the value under the key, keeping the rest of the file (a damaged
// file is replaced by one holding only this key); false when the file cannot
// be written.
bool WriteIniText(const CString& file, const char* section, const char* key, const CString& value);
