#pragma once
// The legacy ASCII configuration file (.con): a fixed-line text file in which
// every value has its own line number. ConFile.cpp hands these functions the
// files and paths that are not instrument configuration documents.

#include "core/CTD.h"
#include "platform/CString.h"

// The CTD ID that line 39 names, or -1 (the user is told why).
int ReadLegacyCTDID(const CString& path);

// Replaces *ctd by the file's configuration and returns 1; 0 on any failure,
// ctd then left as it was.
int ReadLegacyConFile(const CString& path, CCTD* ctd);

// The legacy text of a configuration; false (text untouched) when the format
// cannot hold it.
bool FormatLegacyConFile(CCTD& ctd, std::string* text);
