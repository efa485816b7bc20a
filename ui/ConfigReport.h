#pragma once
// The configuration report of a dialog: written to a unique file in the
// report folder below the temporary folder and shown in the report viewer,
// which offers a copy under the configuration's name with the extension
// "txt" and deletes the file when it closes.

#include "core/CTD.h"
#include "platform/CString.h"

// Writes the report of ctd (with the configuration's file path, empty for a
// new configuration, and whether it changed after it was opened) and starts
// the viewer; false when the file could not be written or no viewer started
// (the reason is shown or logged).
bool ShowConfigurationReport(const CCTD& ctd, const CString& configPath, int changed);

// The folder report files go to, "Tidewren/ConfigReport" below $TMPDIR (or
// /tmp), with a trailing '/'; created when missing. False, with the user told
// or the reason logged, when it cannot be had.
bool GetReportFolder(CString& folder);
