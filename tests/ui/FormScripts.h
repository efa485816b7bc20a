#pragma once
// Small scripts and readers shared by the dialog tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Form.h"

namespace tw_test {

// A script that picks the node on the path in the sensor chooser's tree and
// confirms it with the button (the tree itself: a double-click).
inline CScriptedForms::Script Choose(std::vector<CString> path, const char* confirm = "ok") {
    return [path = std::move(path), confirm](CFormDialog& dialog) {
        ASSERT_TRUE(SelectTreeNode(dialog, "sensors", path));
        ASSERT_TRUE(Press(dialog, confirm));
    };
}

// A script that presses one button.
inline CScriptedForms::Script Pressing(std::string id) {
    return [id = std::move(id)](CFormDialog& dialog) { Press(dialog, id); };
}

// The text of a combo's or radio group's current choice; empty without one.
inline std::string ChoiceOf(const CFormDialog& dialog, const char* id) {
    const SControl& control = dialog.At(id);
    return control.value >= 0 ? control.choices[control.value].GetString() : "";
}

}  // namespace tw_test
