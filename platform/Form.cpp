#include "platform/Form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/MessageBox.h"

SControl& CFormDialog::Add(EControl kind, std::string id, CString label) {
    SControl& control = controls.emplace_back();
    control.kind = kind;
    control.id = std::move(id);
    control.label = std::move(label);
    return control;
}

SControl* CFormDialog::Find(std::string_view id) {
    for (SControl& control : controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

const SControl* CFormDialog::Find(std::string_view id) const {
    return const_cast<CFormDialog*>(this)->Find(id);
}

SControl& CFormDialog::At(std::string_view id) {
    SControl* control = Find(id);
    if (control == nullptr) {
        throw std::out_of_range("no control " + std::string(id));
    }
    return *control;
}

const SControl& CFormDialog::At(std::string_view id) const {
    return const_cast<CFormDialog*>(this)->At(id);
}

std::vector<CString> CFormDialog::Pages() const {
    std::vector<CString> pages;
    for (const SControl& control : controls) {
        if (!control.page.IsEmpty() &&
            std::find(pages.begin(), pages.end(), control.page) == pages.end()) {
            pages.push_back(control.page);
        }
    }
    return pages;
}

void CFormDialog::EndDialog(int result) {
    m_ended = true;
    m_result = result;
}

namespace {

SControl* Usable(CFormDialog& dialog, std::string_view id) {
    SControl* control = dialog.Find(id);
    return control != nullptr && control->visible && control->enabled ? control : nullptr;
}

int ChoiceCount(const SControl& control) {
    switch (control.kind) {
        case EControl::Check:
            return 2;
        case EControl::Combo:
        case EControl::Radio:
        case EControl::List:
            return static_cast<int>(control.choices.size());
        case EControl::Grid:
            return static_cast<int>(control.rows.size());
        default:
            return 0;
    }
}

}  // namespace

STreeNode* TreeNodeAt(std::vector<STreeNode>& nodes, const std::vector<int>& path) {
    std::vector<STreeNode>* level = &nodes;
    STreeNode* node = nullptr;
    for (int index : path) {
        if (index < 0 || index >= static_cast<int>(level->size())) {
            return nullptr;
        }
        node = &(*level)[index];
        level = &node->children;
    }
    return node;
}

const STreeNode* TreeNodeAt(const std::vector<STreeNode>& nodes, const std::vector<int>& path) {
    return TreeNodeAt(const_cast<std::vector<STreeNode>&>(nodes), path);
}

bool TypeText(CFormDialog& dialog, std::string_view id, const CString& text) {
    SControl* control = Usable(dialog, id);
    if (control == nullptr || control->kind != EControl::Edit || control->readOnly) {
        return false;
    }
    control->text = control->maxLength > 0 ? text.Left(control->maxLength) : text;
    dialog.Changed(control->id);
    return true;
}

bool SetValue(CFormDialog& dialog, std::string_view id, int value) {
    SControl* control = Usable(dialog, id);
    if (control == nullptr || value < -1 || value >= ChoiceCount(*control) ||
        (control->kind == EControl::Check && value < 0)) {
        return false;
    }
    control->value = value;
    dialog.Changed(control->id);
    return true;
}

bool PickChoice(CFormDialog& dialog, std::string_view id, const CString& text) {
    const SControl* control = Usable(dialog, id);
    if (control == nullptr) {
        return false;
    }
    for (size_t i = 0; i < control->choices.size(); ++i) {
        if (control->choices[i] == text) {
            return SetValue(dialog, id, static_cast<int>(i));
        }
    }
    return false;
}

bool SelectTreeNode(CFormDialog& dialog, std::string_view id, const std::vector<CString>& labels) {
    SControl* control = Usable(dialog, id);
    if (control == nullptr || control->kind != EControl::Tree) {
        return false;
    }
    std::vector<int> path;
    const std::vector<STreeNode>* level = &control->nodes;
    for (const CString& label : labels) {
        int found = -1;
        for (size_t i = 0; i < level->size(); ++i) {
            if ((*level)[i].label == label) {
                found = static_cast<int>(i);
                break;
            }
        }
        if (found < 0) {
            return false;
        }
        path.push_back(found);
        level = &(*level)[found].children;
    }
    control->selectedPath = std::move(path);
    dialog.Changed(control->id);
    return true;
}

bool ToggleGridCell(CFormDialog& dialog, std::string_view id, int row, int column) {
    SControl* control = Usable(dialog, id);
    if (control == nullptr || control->kind != EControl::Grid || row < 0 ||
        row >= static_cast<int>(control->rows.size()) || column < 0 ||
        column >= static_cast<int>(control->rows[row].size()) ||
        !control->rows[row][column].checkable) {
        return false;
    }
    SGridCell& cell = control->rows[row][column];
    cell.checked = !cell.checked;
    control->value = row;
    dialog.Changed(control->id);
    return true;
}

bool Press(CFormDialog& dialog, std::string_view id) {
    SControl* control = Usable(dialog, id);
    if (control == nullptr) {
        return false;
    }
    if (control->kind == EControl::Tree) {
        const STreeNode* node = TreeNodeAt(control->nodes, control->selectedPath);
        if (node == nullptr || !node->children.empty()) {
            return false;
        }
    } else if (control->kind != EControl::Button && control->kind != EControl::List &&
               control->kind != EControl::Grid) {
        return false;
    }
    const std::string name = control->id;
    dialog.Command(name);
    return true;
}

namespace {

FormHandler& Handler() {
    static FormHandler handler;
    return handler;
}

}  // namespace

int TWRunModal(CFormDialog& dialog) {
    dialog.Initialise();
    if (dialog.Ended()) {
        return dialog.Result();
    }
    const FormHandler& handler = Handler();
    if (!handler) {
        return IDCANCEL;
    }
    return handler(dialog);
}

FormHandler SetFormHandler(FormHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

namespace {

// Closes a dialog as the window's close box does: through its cancel button
// when it has one, else at once.
void CancelDialog(CFormDialog& dialog) {
    for (const SControl& control : dialog.controls) {
        if (control.isCancel && control.visible && control.enabled) {
            const std::string name = control.id;
            dialog.Command(name);
            break;
        }
    }
    if (!dialog.Ended()) {
        dialog.EndDialog(IDCANCEL);
    }
}

}  // namespace

CScriptedForms::CScriptedForms(std::deque<Script> scripts)
    : m_scripts(std::move(scripts)), m_previous(SetFormHandler([this](CFormDialog& dialog) {
          titles.push_back(dialog.title);
          if (!m_scripts.empty()) {
              Script script = std::move(m_scripts.front());
              m_scripts.pop_front();
              script(dialog);
          }
          if (!dialog.Ended()) {
              CancelDialog(dialog);
          }
          return dialog.Result();
      })) {}

CScriptedForms::~CScriptedForms() {
    SetFormHandler(std::move(m_previous));
}
