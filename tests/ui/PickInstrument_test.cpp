#include "ui/PickInstrumentDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Diagnostics.h"

using Config2004::CPickInstrumentDlg;

// The picker starts with nothing chosen; OK gives the model of the chosen
// name (and logs it), nothing chosen or Cancel gives -1.
TEST(PickInstrument, OkGivesTheChosenModelAndCancelNothing) {
    EXPECT_EQ(CPickInstrumentDlg().At("instrument").value, -1);
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
        std::vector<std::string> expectedLog;
        if (std::string(c.button) == "ok") {
            expectedLog.push_back("CPickInstrumentDlg::OnOK() - Selected Instrument is " +
                                  std::to_string(c.expected));
        }
        EXPECT_EQ(logged, expectedLog);
    }
    CDiagnostics::SetSink(oldSink);
    // A host without forms cancels the picker.
    EXPECT_EQ(CPickInstrumentDlg::DisplayPickInstrumentDialog(nullptr), -1);
}
