#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/NullSensor.h"
#include "core/SensorArray.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "platform/MessageBox.h"
#include "ui/FormScripts.h"
#include "ui/SelectSensorDlg.h"
#include "ui/SelectSensorForImportDlg.h"
#include "ui/SensorChoice.h"
#include "ui/UiTestSupport.h"

namespace {

using Labels = std::vector<CString>;
using tw_test::Choose;

const STreeNode* Child(const std::vector<STreeNode>& nodes, const char* label) {
    for (const STreeNode& node : nodes) {
        if (node.label == label) {
            return &node;
        }
    }
    return nullptr;
}

using SelectSensorTest = tw_test::CUiTest;

}  // namespace

// The buttons shrink and expand the tree without closing the dialog.
TEST(SelectSensor, TheTreeShrinksAndExpands) {
    C812PlusCTD ctd;
    CSelectSensorDlg dialog(ctd, 3);
    SControl& tree = dialog.At("sensors");
    const STreeNode* oxygen = Child(tree.nodes, "Oxygen");
    const STreeNode* fluorometers = Child(tree.nodes, "Fluorometers");
    ASSERT_TRUE(oxygen && fluorometers);
    // Which of Oxygen, its IOW subgroup and Fluorometers are open.
    const auto open = [&] {
        return std::string{oxygen->expanded ? 'x' : '.', oxygen->children[1].expanded ? 'x' : '.',
                           fluorometers->expanded ? 'x' : '.'};
    };
    ASSERT_TRUE(SelectTreeNode(dialog, "sensors", {"Oxygen"}));
    const std::pair<const char*, const char*> steps[] = {
        {"expandAll", "xxx"}, {"shrinkAll", "..."}, {"expand", "x.."}, {"shrink", "..."}};
    for (const auto& [button, expected] : steps) {
        ASSERT_TRUE(Press(dialog, button));
        EXPECT_EQ(open(), expected) << button;
    }
    EXPECT_FALSE(dialog.Ended());
}

// The choice replaces the channel's sensor and opens its calibration, unless
// a limit or the Turner exclusion refuses it; a free channel takes the
// channel's kind; no choice, or the sensor already there, changes nothing.
TEST_F(SelectSensorTest, AChoiceReplacesTheSensorWithinTheLimits) {
    // A TDW 64plus V2 with three external voltages (channels 3 to 5).
    const auto ctd = std::make_unique<C64V2VantrelCTD>();
    ctd->SetNumVoltAdd(3);
    ctd->ReplaceSensor(3, CreateSensorObject(38));
    ctd->ReplaceSensor(4, CreateSensorObject(43));
    const Labels tdw41 = {"Oxygen", "Oxygen, TDW 41"};
    const Labels turner10005 = {"Fluorometers", "Fluorometer, Turner 10-005", "Fluorescence"};
    const Labels turner10Au005 = {"Fluorometers", "Fluorometer, Turner 10-Au-005"};
    struct SCase {
        const char* what;
        int channel;  // whose sensor the choice replaces
        Labels choice;
        int expectedID;  // on the channel afterwards
        bool replaced;
        const char* refusal = nullptr;
        const char* confirm = "ok";
    };
    const SCase cases[] = {
        {"the second TDW 41 is allowed", 5, tdw41, 38, true},
        {"a third is not", 4, tdw41, 43, false,
         "A maximum of 2 Oxygen, TDW 41 sensors can be selected."},
        {"a second pH", 3, {"pH"}, 38, false, "Only one pH sensor can be selected."},
        {"a Turner 10-Au-005", 3, turner10Au005, 16, true},
        {"a Turner 10-005 beside it", 5, turner10005, 38, false,
         "Cannot select a Fluorometer, Turner 10-005, Fluorescence sensor when a\n"
         "Fluorometer, Turner 10-Au-005 sensor is already present."},
        {"the Turner 10-005 in its place", 3, turner10005, 14, true},
        {"the Turner 10-Au-005 beside that", 5, turner10Au005, 38, false,
         "Cannot select a Fluorometer, Turner 10-Au-005 sensor when a\n"
         "Fluorometer, Turner 10-005, Fluorescence sensor is already present."},
        {"the same sensor again", 3, turner10005, 14, false},
        {"free on a frequency channel", 0, {"Free"}, SID_NULL, true, nullptr, "sensors"},
        {"free on a voltage channel", 4, {"Free"}, SID_NULL, true},
        {"a group", 4, {"Oxygen"}, SID_NULL, false},
        {"cancelled", 4, tdw41, SID_NULL, false, nullptr, "cancel"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        shown.clear();
        CScriptedForms forms({Choose(c.choice, c.confirm)});
        const CSensor* before = &ctd->GetSensor(c.channel);
        EXPECT_EQ(SelectSensorForChannel(*ctd, c.channel), c.replaced ? 1 : 0);
        const CSensor& after = ctd->GetSensor(c.channel);
        EXPECT_EQ(after.GetSensorID(), c.expectedID);
        EXPECT_EQ(&after == before, !c.replaced);
        EXPECT_EQ(shown.size(), c.refusal ? 1u : 0u);
        if (c.refusal && !shown.empty()) {
            EXPECT_EQ(shown[0].caption, "Cannot Select Sensor");
            EXPECT_EQ(shown[0].text, c.refusal);
            EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONINFORMATION);
        }
        // A new sensor with a calibration opens it.
        EXPECT_EQ(forms.titles.size(), c.replaced && c.expectedID != SID_NULL ? 2u : 1u);
        if (c.expectedID == SID_NULL) {
            EXPECT_EQ(after.GetOutputType(), c.channel < 3 ? OT_FREQUENCY : OT_VOLTAGE);
        }
    }
}

// The importer's choice among several sensors runs the list dialog: OK
// needs a row, a double-click takes one, Cancel takes none.
TEST_F(SelectSensorTest, TheImportListChoosesOneRow) {
    const ChoiceDialogHandler previous = InstallSensorImportChoice();
    const auto choosing = [](int row, const char* confirm) {
        return [=](CFormDialog& dialog) {
            ASSERT_TRUE(SetValue(dialog, "sensors", row));
            ASSERT_TRUE(Press(dialog, confirm));
        };
    };
    CScriptedForms forms({
        [&](CFormDialog& dialog) {
            EXPECT_EQ(dialog.At("sensors").choices, (Labels{"pH A", "pH B"}));
            ASSERT_TRUE(Press(dialog, "ok"));
            EXPECT_FALSE(dialog.Ended());
            choosing(1, "ok")(dialog);
        },
        choosing(0, "sensors"),
        choosing(1, "cancel"),
    });
    const SChoiceRequest request{"Select Sensor to Import", "", {"pH A", "pH B"}};
    for (int expected : {1, 0, -1}) {
        EXPECT_EQ(TWChoiceDialog(request), expected);
    }
    SetChoiceDialogHandler(previous);
    ASSERT_EQ(Captions(), std::vector<std::string>{"Select Sensor to Import"});
    EXPECT_EQ(shown[0].text, "Please select a sensor from the list and try again.");
}
