#include "platform/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace {

// A dialog that records what reaches its logic.
class CRecordingDialog : public CFormDialog {
  public:
    CRecordingDialog() {
        Add(EControl::Edit, "name", "Name").maxLength = 4;
        Add(EControl::Combo, "kind", "Kind").choices = {"One", "Two"};
        Add(EControl::Button, "off", "Off").enabled = false;
        SControl& tree = Add(EControl::Tree, "tree");
        tree.nodes = {{"Group", -1, false, {{"Leaf", 7, false, {}}}}};
        SControl& cancel = Add(EControl::Button, "cancel", "Cancel");
        cancel.isCancel = true;
    }
    void Changed(const std::string& id) override { changed.push_back(id); }
    void Command(const std::string& id) override {
        commands.push_back(id);
        if (id == "cancel") {
            EndDialog(IDCANCEL);
        }
    }
    std::vector<std::string> changed;
    std::vector<std::string> commands;
};

}  // namespace

TEST(Form, ActionsReachTheLogicOnlyThroughUsableControls) {
    CRecordingDialog dialog;
    EXPECT_TRUE(TypeText(dialog, "name", "abcdef"));
    EXPECT_EQ(dialog.At("name").text, "abcd");
    EXPECT_TRUE(PickChoice(dialog, "kind", "Two"));
    EXPECT_EQ(dialog.At("kind").value, 1);
    EXPECT_FALSE(SetValue(dialog, "kind", 2));
    EXPECT_FALSE(PickChoice(dialog, "kind", "Three"));
    EXPECT_FALSE(Press(dialog, "off"));
    EXPECT_FALSE(Press(dialog, "missing"));
    // A group node is not confirmed by a double-click; a leaf is.
    EXPECT_TRUE(SelectTreeNode(dialog, "tree", {"Group"}));
    EXPECT_FALSE(Press(dialog, "tree"));
    EXPECT_TRUE(SelectTreeNode(dialog, "tree", {"Group", "Leaf"}));
    EXPECT_TRUE(Press(dialog, "tree"));
    EXPECT_EQ(dialog.changed, (std::vector<std::string>{"name", "kind", "tree", "tree"}));
    EXPECT_EQ(dialog.commands, std::vector<std::string>{"tree"});
    EXPECT_THROW(dialog.At("missing"), std::out_of_range);
}
