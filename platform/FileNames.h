#pragma once
// File-name helpers. Paths use '/' (a '\\' is also taken as a separator).

#include "platform/CString.h"

CString ExtractFileName(const CString& path);   // after the last separator
CString ExtractDirectory(const CString& path);  // up to and with the last separator
CString ExtractExtension(const CString& path);  // from the last '.' of the name, with it
bool IsFile(const CString& path);               // an existing regular file
bool IsReadOnly(const CString& path);           // exists and may not be written
// Creates the folder and its parents when missing; true when it exists after.
bool GetOrCreateFolder(const CString& path);
