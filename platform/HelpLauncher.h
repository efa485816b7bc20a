#pragma once
// Opening a page of the program's help in the desktop's browser. A host with
// a window installs a handler that opens it through its toolkit; with none
// installed xdg-open opens it.
//
// The pages live in one folder: $TW_CONFIGCTD_HELP_DIR when set, else
// share/tw-configctd/help beside the program's bin folder (installed), else
// the help folder of the build tree the program was built in.

#include <functional>

#include "platform/CString.h"

// Opens the page of that help context; the diagnostics log records the
// context first. False when the page is missing or nothing could open it
// (the user was told).
bool TWLaunchHelp(int contextID, const CString& pageName);

// The help folder in use, with a trailing '/'; empty when none holds pages.
CString TWHelpFolder();

using HelpHandler = std::function<bool(const CString& pagePath)>;
// Installs the handler and returns the one it replaces; an empty handler
// restores xdg-open.
HelpHandler SetHelpHandler(HelpHandler handler);
