#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <tuple>
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

// Choices on a TDW 64plus V2 with three external voltages (channels 4 to
// 6), two of them holding a TDW 41 and a pH: each replaces the channel's
// sensor and opens its calibration, unless a limit or the Turner exclusion
// refuses it; a free channel takes the channel's kind; a group, Cancel or
// the sensor already there change nothing. The outcomes are compared with
// the committed SensorChoices.txt.
TEST_F(SelectSensorTest, AChoiceReplacesTheSensorWithinTheLimits) {
    const auto ctd = std::make_unique<C64V2VantrelCTD>();
    ctd->SetNumVoltAdd(3);
    ctd->ReplaceSensor(3, CreateSensorObject(38));
    ctd->ReplaceSensor(4, CreateSensorObject(43));
    const char* const tdw41 = "Oxygen/Oxygen, TDW 41";
    const char* const turner10005 = "Fluorometers/Fluorometer, Turner 10-005/Fluorescence";
    const char* const turner10Au005 = "Fluorometers/Fluorometer, Turner 10-Au-005";
    // The channel whose sensor is chosen, the labels of the chosen node and
    // the button that confirms it.
    const std::tuple<int, const char*, const char*> cases[] = {
        {5, tdw41, "ok"},         {4, tdw41, "ok"},       {3, "pH", "ok"},
        {3, turner10Au005, "ok"}, {5, turner10005, "ok"}, {3, turner10005, "ok"},
        {5, turner10Au005, "ok"}, {3, turner10005, "ok"}, {0, "Free", "sensors"},
        {4, "Free", "ok"},        {4, "Oxygen", "ok"},    {4, tdw41, "cancel"},
    };
    std::ostringstream out;
    for (const auto& [channel, path, confirm] : cases) {
        shown.clear();
        Labels labels;
        std::istringstream parts(path);
        for (std::string label; std::getline(parts, label, '/');) {
            labels.emplace_back(label.c_str());
        }
        CScriptedForms forms({Choose(labels, confirm)});
        const CSensor* before = &ctd->GetSensor(channel);
        const int replaced = SelectSensorForChannel(*ctd, channel);
        const CSensor& after = ctd->GetSensor(channel);
        EXPECT_EQ(&after != before, replaced == 1);
        out << "channel " << channel + 1 << ", " << path << " by " << confirm << ": "
            << (replaced ? "replaced by " : "keeps ") << after.GetSensorName() << " #"
            << after.GetSensorID() << ", output type " << after.GetOutputType() << '\n';
        for (const tw_test::SShownMessage& message : shown) {
            out << "  " << message.caption << " | " << message.text << " | " << std::hex
                << message.flags << std::dec << '\n';
        }
        for (size_t form = 1; form < forms.titles.size(); ++form) {
            out << "  opens " << forms.titles[form] << '\n';
        }
    }
    tw_test::ExpectCommitted("SensorChoices.txt", out.str());
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
