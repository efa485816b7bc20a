#pragma once
// A modal dialog told as data. The dialog logic (ui/) lists its controls in
// layout order with their labels, choices, values and states, and answers the
// user's actions; a toolkit draws the controls, stores what the user types or
// picks back into them, forwards each action and draws the controls again
// afterwards. Nothing of the dialog's behaviour lives in the toolkit.
//
// A host with a window installs a handler that runs a dialog modally in its
// toolkit; with none installed every dialog is cancelled at once. Tests run
// dialogs with CScriptedForms: each script types, picks and presses through
// the same calls a toolkit makes.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CString.h"

enum class EControl {
    Label,   // static text: label
    Edit,    // one line of text: label beside it, text
    Check,   // check box: label, value 0 or 1
    Combo,   // drop-down list: label, choices, value = index or -1
    Radio,   // group of radio buttons: label above, choices, value = index or -1
    Button,  // push button: label; pressing calls Command(id)
    Grid,    // table: columns, rows of cells, value = current row or -1
    Tree,    // tree: nodes, selectedPath
    List,    // list of rows: choices, value = selected row or -1
};

// A cell of a grid. A checkable cell holds a check box the user may toggle.
struct SGridCell {
    CString text;
    bool hasBackground = false;
    unsigned char red = 0, green = 0, blue = 0;
    bool checkable = false;
    bool checked = false;
    bool centred = false;
};

// A node of a tree; data carries what the node stands for (a sensor ID, or -1
// for a group).
struct STreeNode {
    CString label;
    int data = -1;
    bool expanded = false;
    std::vector<STreeNode> children;
};

// The node at the path of child indexes; null when the path leads nowhere.
STreeNode* TreeNodeAt(std::vector<STreeNode>& nodes, const std::vector<int>& path);
const STreeNode* TreeNodeAt(const std::vector<STreeNode>& nodes, const std::vector<int>& path);

struct SControl {
    std::string id;  // the logic's name of the control; unique in its dialog
    EControl kind = EControl::Label;
    CString label;
    CString page;  // the property page that holds it; empty in a dialog without pages
    bool enabled = true;
    bool visible = true;
    // Buttons: the bottom row of the dialog (else beside the body), the
    // default button (Enter) and the cancel button (Escape, closing the window).
    bool bottomRow = false;
    bool isDefault = false;
    bool isCancel = false;
    // Edits: the widest text the user may type (0: no limit) and whether the
    // field is for reading only.
    int maxLength = 0;
    bool readOnly = false;
    // Why the control is as it is (a disabled control says why); empty: none.
    CString toolTip;
    // Buttons: a key that presses it too, as "Ctrl+S"; empty: none.
    std::string shortcut;
    // Grids: the buttons its own menu offers (right-click), by id.
    std::vector<std::string> menu;
    // The titled box that holds it with its neighbours of the same group;
    // empty: none.
    CString group;

    CString text;
    int value = -1;
    std::vector<CString> choices;
    std::vector<CString> columns;
    std::vector<std::vector<SGridCell>> rows;
    std::vector<STreeNode> nodes;
    std::vector<int> selectedPath;  // child indexes from the top; empty: none
};

class CFormDialog {
  public:
    virtual ~CFormDialog() = default;

    CString title;
    std::vector<SControl> controls;

    // Appends a control and returns it (valid until the next Add).
    SControl& Add(EControl kind, std::string id, CString label = CString());
    SControl* Find(std::string_view id);
    const SControl* Find(std::string_view id) const;
    // The control of that id; a missing id is a fault of the logic and throws
    // std::out_of_range.
    SControl& At(std::string_view id);
    const SControl& At(std::string_view id) const;
    // The names of the property pages in the order of their first control;
    // empty for a plain dialog.
    std::vector<CString> Pages() const;

    // Called before the dialog is first shown, after the handler is chosen.
    virtual void Initialise() {}
    // The user changed the value of control id (already stored in it).
    virtual void Changed(const std::string& id) { (void)id; }
    // The user pressed button id, double-clicked a leaf of tree id or a row
    // of list or grid id.
    virtual void Command(const std::string& id) = 0;

    // The dialog holds work not yet saved to its file; the toolkit marks its
    // window title.
    virtual bool Modified() const { return false; }

    // Ends the modal run with the result (IDOK, IDCANCEL, ...).
    void EndDialog(int result);
    bool Ended() const { return m_ended; }
    int Result() const { return m_result; }

  private:
    bool m_ended = false;
    int m_result = 0;
};

// What a user (or a toolkit acting for one) does; each call checks that the
// control exists, is visible and enabled, and returns false when it is not.
// Types text into an edit.
bool TypeText(CFormDialog& dialog, std::string_view id, const CString& text);
// Sets a check box, a combo, radio group, list or grid row to value.
bool SetValue(CFormDialog& dialog, std::string_view id, int value);
// Picks the choice with this text in a combo, radio group or list.
bool PickChoice(CFormDialog& dialog, std::string_view id, const CString& text);
// Selects a tree node by the labels on its path.
bool SelectTreeNode(CFormDialog& dialog, std::string_view id, const std::vector<CString>& labels);
// Toggles the check box of a grid cell.
bool ToggleGridCell(CFormDialog& dialog, std::string_view id, int row, int column);
// Presses a button; for a tree, list or grid it is the double-click.
bool Press(CFormDialog& dialog, std::string_view id);

// Runs the dialog modally: Initialise, then the handler's run; returns the
// result it ended with (IDCANCEL when no handler is installed).
int TWRunModal(CFormDialog& dialog);

using FormHandler = std::function<int(CFormDialog&)>;
// Installs the handler and returns the one it replaces.
FormHandler SetFormHandler(FormHandler handler);

// Runs dialogs with scripts while it lives: each modal run takes the next
// script, which acts on the dialog; a dialog still open after its script (or
// beyond the list) is cancelled. The titles of the dialogs run are kept.
class CScriptedForms {
  public:
    using Script = std::function<void(CFormDialog&)>;
    explicit CScriptedForms(std::deque<Script> scripts);
    ~CScriptedForms();
    CScriptedForms(const CScriptedForms&) = delete;
    CScriptedForms& operator=(const CScriptedForms&) = delete;

    // Adds a script for a later dialog.
    void Then(Script script) { m_scripts.push_back(std::move(script)); }
    std::vector<CString> titles;

  private:
    std::deque<Script> m_scripts;
    FormHandler m_previous;
};
