#pragma once
// User messages. A host with a window installs a handler that shows a modal
// message box; with none installed, or when s_bErrorToConsole is set, the
// text and a line end go to standard error.

#include <functional>

// Button and icon flags, combined with '|'.
enum : unsigned {
    MB_OK = 0x0000,
    MB_OKCANCEL = 0x0001,
    MB_YESNOCANCEL = 0x0003,
    MB_YESNO = 0x0004,
    MB_ICONERROR = 0x0010,
    MB_ICONQUESTION = 0x0020,
    MB_ICONWARNING = 0x0030,
    MB_ICONINFORMATION = 0x0040,
};

// The button the user chose.
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Hosts without a window set this: every message then goes to standard error.
extern bool s_bErrorToConsole;

// Where a message goes: as the host asks (standard error when it sets
// s_bErrorToConsole), or to the message box handler whatever the flag says.
enum class MessageRoute { asHostAsks, alwaysBox };

// Shows the message and returns the button chosen. On standard error the
// answer is the first button (IDOK, or IDYES for yes/no questions). The
// detail, when given, is what a host with a window shows beneath the message
// on request (the reason in full, the log file to look in); standard error
// does not get it.
int TWMessageBox(const char* text, const char* caption, unsigned flags = MB_OK | MB_ICONERROR);
int TWMessageBox(const char* text, const char* caption, unsigned flags, MessageRoute route,
                 const char* detail = nullptr);

// The detail of the message being shown, for a handler to show; empty outside
// a handler's call or when the message has none.
const char* TWMessageDetail();

using MessageBoxHandler = std::function<int(const char* text, const char* caption, unsigned flags)>;
// Installs the handler for the calling thread and returns the one it
// replaces; an empty handler restores standard error.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// How many messages the calling thread has shown since it started. Library
// functions that report failures only through a message (and return
// nothing) are checked this way by hosts without a window.
long TWMessageCount();
