#pragma once
// The messages of the configuration-file functions. Most go to standard
// error when the host sets s_bErrorToConsole; a few are always shown in a
// message box.

#include <string>

#include "platform/CString.h"
#include "platform/IOResult.h"
#include "platform/MessageBox.h"

namespace ConMessages {

constexpr const char* kUnsupported = "Unsupported Instrument Configuration File";
constexpr const char* kWrongInstrument = "Wrong Type of Instrument Configuration File";
constexpr const char* kWrongFile = "Wrong Type of File";
constexpr const char* kXmlFailed = "Failed to read .XMLCON file";
constexpr unsigned kWarning = MB_OK | MB_ICONWARNING;
constexpr unsigned kPlain = MB_OK;

enum class Route { ConsoleWhenAsked, AlwaysBox };

void Show(const CString& text, const char* caption, unsigned flags, Route route,
          const char* detail = nullptr);

// A message a reader would show, kept until the read is over: the reader
// records it, its caller shows it or, for a host that explains failures
// itself, does not.
struct SMessage {
    CString text;
    const char* caption = "";
    unsigned flags = kPlain;
    Route route = Route::ConsoleWhenAsked;

    // Shows it, when there is one, with the reason in full as its detail.
    void ShowWith(const std::string& detail) const;
};

// Records a refusal: the result fails with the message as one line, then
// what the file says more (more, when given), at the line; *message keeps it
// for showing. Returns 0, the failed status of the file functions.
int Refuse(SIOResult* result, SMessage* message, const CString& text, const char* caption,
           unsigned flags, Route route, const std::string& more = {}, int line = 0);

}  // namespace ConMessages
