#pragma once
// The legacy ASCII configuration file (.con): a fixed-line text file in which
// every value has its own line number. ConFile.cpp hands these functions the
// files and paths that are not instrument configuration documents.

#include <string>

#include "core/CTD.h"
#include "legacy/ConMessages.h"
#include "platform/CString.h"
#include "platform/IOResult.h"

// The CTD ID that line 39 names, or -1; *result says why and *message holds
// what the user is to be shown.
int ReadLegacyCTDID(const CString& path, SIOResult* result, ConMessages::SMessage* message);

// Replaces *ctd by the file's configuration and returns 1; 0 on any failure,
// ctd then left as it was, with *result and *message as above. A file that
// ends early reads (the lines after it take their defaults), with a warning.
int ReadLegacyConFile(const CString& path, CCTD* ctd, SIOResult* result,
                      ConMessages::SMessage* message);

// The legacy text of a configuration; false (text untouched) when the format
// cannot hold it.
bool FormatLegacyConFile(CCTD& ctd, std::string* text);
