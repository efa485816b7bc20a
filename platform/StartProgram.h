#pragma once
// Starting a program of the desktop on a file (a viewer, a pager, the
// browser) without waiting for it.

#include "platform/CString.h"

// Starts program (looked up in PATH, no shell) with the file as its one
// argument and leaves it running; false, with errno set and the reason
// logged, when it cannot be started.
bool TWStartProgram(const char* program, const CString& file);
