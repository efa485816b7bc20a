#pragma once
// The dialog in which the user chooses one of several rows of text (for
// example one of several sensors found in a file). A host with a window
// installs a handler that shows its toolkit's list; with none installed
// every choice is cancelled. Tests script the answers with
// CScriptedChoiceDialog.

#include <deque>
#include <functional>
#include <vector>

#include "platform/CString.h"

class CWnd;

struct SChoiceRequest {
    CString title;
    CString prompt;  // the text above the list; may be empty
    std::vector<CString> rows;
    CWnd* owner = nullptr;
};

// The index of the chosen row, or -1 when the user cancelled.
int TWChoiceDialog(const SChoiceRequest& request);

using ChoiceDialogHandler = std::function<int(const SChoiceRequest&)>;
// Installs the handler and returns the one it replaces; an empty handler
// cancels every choice.
ChoiceDialogHandler SetChoiceDialogHandler(ChoiceDialogHandler handler);

// Answers the choices from a list while it lives, keeping each request; a
// choice beyond the list is cancelled.
class CScriptedChoiceDialog {
  public:
    explicit CScriptedChoiceDialog(std::deque<int> answers);
    ~CScriptedChoiceDialog();
    CScriptedChoiceDialog(const CScriptedChoiceDialog&) = delete;
    CScriptedChoiceDialog& operator=(const CScriptedChoiceDialog&) = delete;

    std::vector<SChoiceRequest> requests;

  private:
    std::deque<int> m_answers;
    ChoiceDialogHandler m_previous;
};
