#pragma once
// The file dialogs through which the user names a file to open or to save.
// A host with a window installs a handler that shows its toolkit's dialog;
// with none installed every dialog is cancelled (no path). Tests script the
// answers with CScriptedFileDialog.

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/CString.h"

// The owner window of a dialog; hosts without windows pass null.
class CWnd;

// One choice of the dialog's file-type list: its label and the patterns it
// shows, separated by ';' ("XML files (*.XML)", "*.XML").
struct SFileFilter {
    CString label;
    CString patterns;
};

// The filters of a filter text in the form "label|patterns|label|patterns||".
std::vector<SFileFilter> FileFiltersFrom(const char* filterText);

struct SFileDialogRequest {
    bool save = false;  // a save dialog; else an open dialog
    CString title;      // empty: the toolkit's own title
    std::vector<SFileFilter> filters;
    std::optional<SFileFilter> customFilter;  // an extra type the user may edit
    CString defaultExtension;                 // added to a name without one; no '.'
    CString initialFolder;                    // empty: the toolkit's choice
    CString initialFile;
    bool mustExist = false;        // open: only an existing file and folder
    bool promptOverwrite = false;  // save: ask before replacing a file
    CWnd* owner = nullptr;
};

// The path the user chose, or nothing when the dialog was cancelled.
std::optional<CString> TWFileDialog(const SFileDialogRequest& request);

using FileDialogHandler = std::function<std::optional<CString>(const SFileDialogRequest&)>;
// Installs the handler and returns the one it replaces; an empty handler
// cancels every dialog.
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);

// Answers the file dialogs from a list while it lives, keeping each request;
// a dialog beyond the list is cancelled.
class CScriptedFileDialog {
  public:
    explicit CScriptedFileDialog(std::deque<std::optional<CString>> answers);
    ~CScriptedFileDialog();
    CScriptedFileDialog(const CScriptedFileDialog&) = delete;
    CScriptedFileDialog& operator=(const CScriptedFileDialog&) = delete;

    std::vector<SFileDialogRequest> requests;

  private:
    std::deque<std::optional<CString>> m_answers;
    FileDialogHandler m_previous;
};
