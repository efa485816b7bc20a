#pragma once
// The Qt side of the platform interfaces: dialogs told as forms, message
// boxes, file dialogs and the report window. InstallQtHandlers makes the
// library use them; each is also callable on its own.

#include <optional>

#include "platform/CString.h"
#include "platform/FileDialog.h"
#include "platform/ReportViewer.h"

class QWidget;

// The window a new dialog belongs to: the modal dialog now shown, else the
// active window (null when there is none).
QWidget* DialogOwner();

// A modal message box: caption, icon and buttons from the MB_ flags; the
// button chosen as IDOK, IDCANCEL, IDYES or IDNO.
int ShowMessageBox(const char* text, const char* caption, unsigned flags);

// The toolkit's file dialog for the request; the chosen path, or nothing.
std::optional<CString> ShowFileDialog(const SFileDialogRequest& request);

// Opens the report in a report window (see ReportWindow.h); false when the
// report file cannot be read.
bool ShowReport(const SReportRequest& request);

void InstallQtHandlers();
