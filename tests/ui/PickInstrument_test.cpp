#include "ui/PickInstrumentDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"

using Config2004::CPickInstrumentDlg;

TEST(PickInstrument, ListsTheInstrumentsInOrderWithNoneChosen) {
    const CPickInstrumentDlg dialog;
    EXPECT_EQ(dialog.title, "Please Select an Instrument");
    const SControl& instruments = dialog.At("instrument");
    EXPECT_EQ(instruments.value, -1);
    const std::vector<CString> expected = {
        "TDW 62 Vantrel CTD",
        "TDW 62plus Vantrel CTD",
        "TDW 62plus V2 Vantrel CTD",
        "TDW 64 Vantrel CTD",
        "TDW 64plus Vantrel CTD",
        "TDW 64plus V2 Vantrel CTD",
        "TDW 71 Vantrel Thermosalinograph",
        "TDW 56 Corvane CTD",
        "TDW 56plus Corvane CTD",
        "TDW 47 LumoTSG Thermosalinograph",
        "TDW 94 Dartel CTD",
        "TDW 812plus/814plus CTD",
    };
    EXPECT_EQ(instruments.choices, expected);
    EXPECT_TRUE(dialog.At("ok").isDefault);
    EXPECT_TRUE(dialog.At("cancel").isCancel);
}

TEST(PickInstrument, OkGivesTheChosenModelAndCancelNothing) {
    struct SCase {
        const char* pick;  // nullptr: nothing picked
        const char* button;
        int expected;
    };
    const SCase cases[] = {
        {"TDW 62plus V2 Vantrel CTD", "ok", 10},
        {"TDW 56plus Corvane CTD", "ok", 15},
        {"TDW 812plus/814plus CTD", "ok", 8},
        {"TDW 62 Vantrel CTD", "ok", 0},
        {nullptr, "ok", -1},
        {"TDW 94 Dartel CTD", "cancel", -1},
    };
    std::vector<std::string> logged;
    const CDiagnostics::Sink oldSink =
        CDiagnostics::SetSink([&](const std::string& text, int) { logged.push_back(text); });
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.pick ? c.pick : "nothing");
        logged.clear();
        CScriptedForms forms({[&](CFormDialog& dialog) {
            if (c.pick) {
                ASSERT_TRUE(PickChoice(dialog, "instrument", c.pick));
            }
            ASSERT_TRUE(Press(dialog, c.button));
        }});
        EXPECT_EQ(CPickInstrumentDlg::DisplayPickInstrumentDialog(nullptr), c.expected);
        const std::vector<std::string> expectedLog =
            std::string(c.button) == "ok"
                ? std::vector<std::string>{"CPickInstrumentDlg::OnOK() - Selected Instrument is " +
                                           std::to_string(c.expected)}
                : std::vector<std::string>{};
        EXPECT_EQ(logged, expectedLog);
    }
    CDiagnostics::SetSink(oldSink);
    // A host without forms cancels the picker.
    EXPECT_EQ(CPickInstrumentDlg::DisplayPickInstrumentDialog(nullptr), -1);
}
