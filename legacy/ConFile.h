#pragma once
// The configuration-file functions that hosts call: learn which instrument a
// file describes, read a file into an instrument object, write an instrument
// object to a file. A file the pre-reader recognises as an instrument
// configuration document (.xmlcon) is read as one, any other file as the
// legacy ASCII format; a path ending in ".con" (any case) is written in the
// legacy format.
//
// Failures are shown to the user through TWMessageBox, which routes them to
// standard error when the host sets s_bErrorToConsole; the few messages that
// are always shown in a message box say so.

#include <memory>

#include "core/CTD.h"
#include "platform/CString.h"
#include "platform/IOResult.h"

// The CTD ID of the instrument the file describes, or -1 when the file cannot
// be opened, is not a configuration file or names an unsupported instrument.
int ReadCTDID(const CString& path);

// Replaces *ctd by the file's configuration and returns 1; 0 on any failure,
// ctd then left as it was. ctd must be an object of the file's instrument
// (see ReadCTDID and CreateCTDObject).
int ReadConFile(const CString& path, CCTD* ctd);

// Saves the instrument: as .xmlcon unless the path ends in ".con" (any case)
// or has 4 characters or fewer. Failures are reported to the user; ctd is not
// changed.
void WriteConFile(const CString& path, CCTD* ctd);
// The same save without a message to the user: the outcome, with the
// system's reason when the file could not be written.
SIOResult WriteConFileResult(const CString& path, CCTD* ctd);

// The same functions with what happened as a value: *result holds the
// message the user is shown (the library's own first, then what the file
// says more), its place (line, or element path), the system's error code,
// and the warnings of a read that succeeded. The message is shown, as the
// functions above show it, only when show is set; a host with a window then
// sees the one-line reason (ReasonLine) as the message's detail.
int ReadCTDID(const CString& path, SIOResult* result, bool show);
int ReadConFile(const CString& path, CCTD* ctd, SIOResult* result, bool show);

// ReadCTDID, CreateCTDObject and ReadConFile in one read of the file (so a
// pipe works too), showing nothing: the instrument, or null with *result
// saying why.
std::unique_ptr<CCTD> ReadConfiguration(const CString& path, SIOResult* result);
