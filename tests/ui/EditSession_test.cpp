// A whole editing session through the controller, the configuration dialog,
// the sensor chooser and the calibration form, as a technician runs it: the
// file written on leaving must hold what was chosen.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/SensorRegistry.h"
#include "legacy/ConFile.h"
#include "ui/ConDlg.h"
#include "ui/ConfigCTD.h"
#include "ui/UiTestSupport.h"

namespace {

using tw_test::CUiTest;

class EditSession : public CUiTest {};

// The first settings check box a user can change.
SControl* FirstSettingsCheck(CFormDialog& dialog) {
    for (SControl& control : dialog.controls) {
        if (control.kind == EControl::Check && control.visible && control.enabled &&
            control.page.IsEmpty()) {
            return &control;
        }
    }
    return nullptr;
}

// The path of the first leaf whose sensor the instrument does not hold yet.
bool FindNewSensor(const std::vector<STreeNode>& nodes, const CCTD& ctd, std::vector<int>& path,
                   int& sensorID) {
    for (size_t i = 0; i < nodes.size(); ++i) {
        path.push_back(static_cast<int>(i));
        const STreeNode& node = nodes[i];
        if (node.children.empty() ? node.data != SID_NULL && ctd.FindSensor(node.data, 0) < 0
                                  : FindNewSensor(node.children, ctd, path, sensorID)) {
            sensorID = node.children.empty() ? node.data : sensorID;
            return true;
        }
        path.pop_back();
    }
    return false;
}

}  // namespace

TEST_F(EditSession, EveryModelKeepsTheSettingAndSensorChosenInItsDialog) {
    // Each model's example, and whether it has a channel whose sensor the
    // user may choose (the models without voltage inputs keep fixed sensors).
    const struct {
        const char* name;
        bool choosesSensor;
    } examples[] = {
        {"62-default.xmlcon", true},          {"62plus-default.xmlcon", true},
        {"62plusV2-configured.xmlcon", true}, {"64-default.xmlcon", true},
        {"64plus-default.xmlcon", true},      {"64plusV2-profiling.xmlcon", true},
        {"71-default.xmlcon", true},          {"56-default.xmlcon", true},
        {"47-default.xmlcon", false},         {"94-default.xmlcon", false},
        {"812plus-configured.xmlcon", true},  {"payload-default.xmlcon", false},
        {"nimbrel-configured.xmlcon", false},
    };
    for (const auto& example : examples) {
        SCOPED_TRACE(example.name);
        CString path = CopyExample(example.name);
        CConfigCTD config;
        config.SetApplication(8);
        config.m_bAskToSave = 0;  // leaving saves without a question
        ASSERT_EQ(config.SelectConFile(path), 1);

        std::string toggled;
        int toggledTo = -1;
        int channel = -1;
        int chosenSensor = -1;
        CCTD* working = nullptr;
        CScriptedForms forms({[&](CFormDialog& dialog) {
            working = &dynamic_cast<CConDlg&>(dialog).Instrument();
            if (SControl* check = FirstSettingsCheck(dialog)) {
                toggled = check->id;
                toggledTo = 1 - check->value;
                ASSERT_TRUE(SetValue(dialog, toggled, toggledTo));
            }
            // More voltage inputs where the model has them, then the last
            // channel whose sensor may change, when the dialog offers Select.
            if (const SControl* voltages = dialog.Find("externalVoltages")) {
                SetValue(dialog, voltages->id, static_cast<int>(voltages->choices.size()) - 1);
            }
            const SControl* grid = dialog.Find(ConDlgIds::kChannels);
            for (int row = grid ? static_cast<int>(grid->rows.size()) - 1 : -1; row >= 0; --row) {
                SetValue(dialog, ConDlgIds::kChannels, row);
                if (Press(dialog, ConDlgIds::kSelect)) {
                    channel = row;
                    break;
                }
            }
            Press(dialog, ConDlgIds::kLeave);
        }});
        // The chooser: a sensor the instrument does not hold yet; then its
        // calibration form, confirmed as it stands.
        forms.Then([&](CFormDialog& chooser) {
            SControl& tree = chooser.At("sensors");
            std::vector<int> leaf;
            ASSERT_TRUE(FindNewSensor(tree.nodes, *working, leaf, chosenSensor));
            tree.selectedPath = leaf;
            Press(chooser, "sensors");
        });
        forms.Then([](CFormDialog& calibration) { Press(calibration, "ok"); });

        EXPECT_EQ(config.DispSelectedConFile(), IDOK);
        ASSERT_TRUE(shown.empty()) << shown.front().text;

        // The controller read the saved file again; a fresh dialog shows it.
        const CCTD* saved = config.GetSelectedCTD();
        ASSERT_NE(saved, nullptr);
        if (channel >= 0) {
            EXPECT_EQ(saved->GetSensor(channel).GetSensorID(), chosenSensor);
        }
        std::unique_ptr<CCTD> stored(CreateCTDObject(saved->GetCTD_ID()));
        ASSERT_TRUE(ReadConFile(path, stored.get()));
        EXPECT_TRUE(CTD_ObjectsEqual(saved, stored.get()));
        int shownValue = -1;
        CScriptedForms again({[&](CFormDialog& dialog) {
            shownValue = toggled.empty() ? toggledTo : dialog.At(toggled).value;
        }});
        config.DispSelectedConFile();
        EXPECT_EQ(shownValue, toggledTo);
        EXPECT_EQ(channel >= 0, example.choosesSensor);
    }
}
