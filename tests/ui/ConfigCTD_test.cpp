#include "ui/ConfigCTD.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "platform/Diagnostics.h"
#include "platform/FileDialog.h"
#include "ui/ConDlg.h"
#include "ui/UiTestSupport.h"

namespace {

using namespace ConDlgIds;
using tw_test::Stored;

class ConfigCTDTest : public tw_test::CUiTest {
  protected:
    // Selects a copy of the example; its path.
    CString SelectExample(const std::string& name) {
        CString path = CopyExample(name);
        EXPECT_EQ(config.SelectConFile(path), 1) << name;
        return path;
    }
    CConfigCTD config;
};

// For each host, the instruments it may open, and the message that refuses
// each other one, compared with the committed Hosts.txt.
TEST_F(ConfigCTDTest, HostsAndTheInstrumentsTheyMayOpen) {
    std::ostringstream out;
    for (const int application : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 42}) {
        config.SetApplication(application);
        out << "application " << application << " opens";
        for (int ctdID = -1; ctdID <= NUM_CTD_IDS; ++ctdID) {
            out << (CConfigCTD::CTD_ID_Supported(ctdID, application) ? " " + std::to_string(ctdID)
                                                                     : "");
        }
        out << '\n';
        for (int ctdID = -1; ctdID <= NUM_CTD_IDS; ++ctdID) {
            if (!CConfigCTD::CTD_ID_Supported(ctdID, application)) {
                shown.clear();
                config.UnsupportedMessage(ctdID, nullptr);
                ASSERT_EQ(shown.size(), 1u);
                EXPECT_EQ(shown[0].caption, "Error Selecting Instrument Configuration File.");
                EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONINFORMATION);
                out << "  " << ctdID << ": " << shown[0].text << '\n';
            }
        }
    }
    tw_test::ExpectCommitted("Hosts.txt", out.str());
}

TEST_F(ConfigCTDTest, CopiesHaveTheirOwnInstrumentAndCompareEveryField) {
    const CConfigCTD empty;
    EXPECT_TRUE(CConfigCTD(empty) == empty);
    SelectExample("64plusV2-profiling.xmlcon");
    config.SetInstrumentPath(CTD_56PLUS_CORVANE, "stored.xmlcon");
    CConfigCTD copy(config);
    CConfigCTD assigned;
    assigned = config;
    CConfigCTD& same = assigned;
    assigned = same;
    for (const CConfigCTD* other : {&copy, &assigned}) {
        EXPECT_TRUE(*other == config);
        ASSERT_NE(other->GetSelectedCTD(), nullptr);
        EXPECT_NE(other->GetSelectedCTD(), config.GetSelectedCTD());
    }
    assigned = empty;
    EXPECT_EQ(assigned.GetSelectedCTD(), nullptr);

    const std::function<void(CConfigCTD&)> changes[] = {
        [](CConfigCTD& c) { c.GetSelectedCTD()->GetSensor(1).SetSerialNum("another"); },
        [](CConfigCTD& c) { c.SetApplication(3); },
        [](CConfigCTD& c) { c.SetInstrumentPath(CTD_73_NIMBREL, "x.xmlcon"); },
        [](CConfigCTD& c) { c.m_bNewConfiguration = 1; },
        [](CConfigCTD& c) { c.m_bSelectAfterDialog = 1; },
        [](CConfigCTD& c) { c.m_bAskToSave = 0; },
        [](CConfigCTD& c) { c.m_bChannelGrid = 0; },
        [](CConfigCTD& c) { c.DeselectConFile(); },
    };
    for (const auto& change : changes) {
        CConfigCTD changed(config);
        change(changed);
        EXPECT_TRUE(changed != config);
    }
}

TEST_F(ConfigCTDTest, SelectingRefusesUnsupportedOrBrokenFilesAndKeepsTheSelection) {
    config.SetApplication(6);
    const CString selected = SelectExample("64plusV2-default.xmlcon");
    const std::unique_ptr<CCTD> before = Stored(selected);
    CString broken = Path("broken.xmlcon");
    tw_test::WriteFile(broken.str(), "<?xml version=\"1.0\"?>\n<Instrument");
    CString nimbrel = CopyExample("nimbrel-configured.xmlcon");
    // The host cannot open the payload, and a broken file is no
    // configuration file: each is refused with a message and the dialog
    // opens again, where Cancel keeps the selection. A path given without
    // the dialog is refused without a message of the host's.
    const std::deque<std::optional<CString>> choices[] = {
        {CopyExample("payload-default.xmlcon"), std::nullopt}, {broken, std::nullopt}};
    for (const auto& chosen : choices) {
        CScriptedFileDialog files(chosen);
        EXPECT_EQ(config.SelectConFile(), 0);
        ASSERT_EQ(files.requests.size(), chosen.size());
        EXPECT_EQ(files.requests[0].title, "Select Instrument Configuration File");
        EXPECT_EQ(files.requests[0].initialFile, selected);
    }
    EXPECT_EQ(shown.front().text, "WavecapV7 does not support the TDW Glider Payload CTD.");
    EXPECT_EQ(shown.back().text, "Not a valid .con or .xmlcon file.");
    shown.clear();
    EXPECT_EQ(config.SelectConFile(nimbrel), 0);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(config.SelectConFile(broken), 0);
    EXPECT_EQ(config.GetSelectedPath(), selected);
    EXPECT_TRUE(CTD_ObjectsEqual(config.GetSelectedCTD(), before.get()));

    // A supported file replaces the selection; with the selected file gone
    // its path is offered as the folder.
    const CString profiling = CopyExample("64plusV2-profiling.xmlcon");
    std::filesystem::remove(selected.str());
    CScriptedFileDialog files({profiling});
    EXPECT_EQ(config.SelectConFile(), 1);
    EXPECT_EQ(files.requests[0].initialFolder, selected);
    EXPECT_EQ(config.GetSelectedPath(), profiling);
    EXPECT_TRUE(CTD_ObjectsEqual(config.GetSelectedCTD(), Stored(profiling).get()));

    // Another host opens the nimbrel. Deselecting forgets the selection and
    // the remembered paths.
    config.SetApplication(0);
    EXPECT_EQ(config.SelectConFile(nimbrel), 1);
    EXPECT_EQ(config.GetSelectedCTD_ID(), CTD_73_NIMBREL);
    config.SetInstrumentPath(CTD_73_NIMBREL, nimbrel);
    config.DeselectConFile();
    EXPECT_EQ(config.GetSelectedCTD_ID(), -1);
    EXPECT_TRUE(config.GetSelectedPath().IsEmpty());
    EXPECT_TRUE(config.GetInstrumentPath(CTD_73_NIMBREL).IsEmpty());
}

TEST_F(ConfigCTDTest, AFileTheDialogSavedIsReadAgain) {
    // select-after-dialog, whether the dialog saves under another name
    // after saving the selected file, the selection then and its serial
    // number.
    const CString other = Path("other.xmlcon");
    const std::tuple<int, bool, bool, const char*> cases[] = {
        {0, false, false, "SN-saved"},
        {0, true, false, ""},
        {1, true, true, "SN-other"},
    };
    for (const auto& [selectAfter, saveAs, selectsOther, serial] : cases) {
        SCOPED_TRACE(::testing::Message() << selectAfter << saveAs);
        const CString selected = SelectExample("64plusV2-default.xmlcon");
        config.m_bSelectAfterDialog = selectAfter;
        config.SetInstrumentPath(CTD_64V2_VANTREL, "kept.xmlcon");
        config.m_bNewConfiguration = 1;
        CScriptedFileDialog files({other});
        CScriptedForms forms({[&](CFormDialog& form) {
            auto& dialog = dynamic_cast<CConDlg&>(form);
            EXPECT_EQ(dialog.CurrentPath(), selected);
            dialog.Instrument().GetSensor(1).SetSerialNum("SN-saved");
            Press(dialog, kSave);
            if (saveAs) {
                dialog.Instrument().GetSensor(1).SetSerialNum("SN-other");
                Press(dialog, kSaveAs);
            }
            Press(dialog, kLeave);
        }});
        EXPECT_EQ(config.DispSelectedConFile(), IDOK);
        EXPECT_EQ(config.GetSelectedPath(), selectsOther ? other : selected);
        EXPECT_EQ(config.GetSelectedCTD()->GetSensor(1).GetSerialNum(), serial);
        // The dialog worked on the selected file without forgetting the
        // model's own path or the new-configuration flag.
        EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), "kept.xmlcon");
        EXPECT_EQ(config.m_bNewConfiguration, 1);
    }
}

TEST_F(ConfigCTDTest, DispSelectedConFileRefusesInstrumentsWithoutADialog) {
    // Nothing selected, then the 70420S, which has no dialog.
    config.SetApplication(7);
    CScriptedForms forms({});
    EXPECT_EQ(config.DispSelectedConFile(), 0);
    SelectExample("70420S-default.xmlcon");
    EXPECT_EQ(config.DispSelectedConFile(), 0);
    EXPECT_TRUE(forms.titles.empty());
    EXPECT_EQ(Captions(), std::vector<std::string>(2, "CConfigCTD::DispSelectedConFile()"));
    EXPECT_EQ(shown.at(0).flags, MB_OK | MB_ICONERROR);
}

// The picker starts with nothing chosen; OK logs the model chosen, and a
// new configuration of it opens in its dialog, with the model's old file
// forgotten. Nothing chosen, Cancel or the 56plus (whose sheet is not
// offered here) opens none. What follows each choice is compared with the
// committed NewConfigurations.txt.
TEST_F(ConfigCTDTest, NewConfigurationsStartFromThePickedInstrument) {
    // The instrument picked (empty: none) and the button.
    const std::pair<const char*, const char*> cases[] = {
        {"", "cancel"},
        {"TDW 94 Dartel CTD", "cancel"},
        {"", "ok"},
        {"TDW 56plus Corvane CTD", "ok"},
        {"TDW 62 Vantrel CTD", "ok"},
        {"TDW 62plus V2 Vantrel CTD", "ok"},
        {"TDW 812plus/814plus CTD", "ok"},
    };
    std::ostringstream out;
    const CDiagnostics::Sink sink = CDiagnostics::SetSink(
        [&](const std::string& text, int) { out << "  logs " << text << '\n'; });
    for (const auto& [picked, button] : cases) {
        out << '"' << picked << "\" by " << button << '\n';
        shown.clear();
        config.m_bNewConfiguration = 0;
        config.SetInstrumentPath(CTD_62_VANTREL, CopyExample("62-default.xmlcon"));
        CScriptedForms forms({[&](CFormDialog& picker) {
            EXPECT_EQ(picker.At("instrument").value, -1);
            EXPECT_TRUE(*picked == '\0' || PickChoice(picker, "instrument", picked));
            EXPECT_TRUE(Press(picker, button));
        }});
        forms.Then([&](CFormDialog& form) {
            out << "  opens " << form.title << " on \""
                << dynamic_cast<CConDlg&>(form).CurrentPath() << "\"\n";
        });
        const int result = config.CreateNewConFile(nullptr);
        for (const tw_test::SShownMessage& message : shown) {
            out << "  " << message.caption << " | " << message.text << '\n';
        }
        out << "  returns " << result << ", new configuration " << config.m_bNewConfiguration
            << '\n';
    }
    CDiagnostics::SetSink(sink);
    tw_test::ExpectCommitted("NewConfigurations.txt", out.str());
}

TEST_F(ConfigCTDTest, OpenersKeepOrEmptyTheRememberedPath) {
    const CString nimbrel = CopyExample("nimbrel-configured.xmlcon");
    config.m_bNewConfiguration = 1;
    CString opened;
    const auto keepPath = [&](CFormDialog& form) {
        opened = dynamic_cast<CConDlg&>(form).CurrentPath();
    };
    for (const int keep : {1, 0}) {
        config.SetInstrumentPath(CTD_73_NIMBREL, nimbrel);
        CScriptedForms forms({keepPath});
        EXPECT_EQ(config.DispNimbrelConDlg(keep), IDCANCEL);
        EXPECT_EQ(opened, keep ? nimbrel : CString());
        EXPECT_EQ(config.GetInstrumentPath(CTD_73_NIMBREL), keep ? nimbrel : CString());
        EXPECT_EQ(config.m_bChannelGrid, 1);
    }
    // The 56plus sheet has no channel grid; the selected file is what it
    // opens. Only a 56plus whose file is stored in the instrument is
    // selected for XML.
    EXPECT_EQ(config.IsSelected56XML(), 0);
    const CString corvane = SelectExample("56plus-stored.xmlcon");
    EXPECT_EQ(config.IsSelected56XML(), 1);
    CScriptedForms forms({keepPath});
    EXPECT_EQ(config.DispSelectedConFile(), IDCANCEL);
    EXPECT_EQ(forms.titles, std::vector<CString>{"Configuration for the TDW 56plus Corvane CTD"});
    EXPECT_EQ(opened, corvane);
    EXPECT_EQ(config.m_bChannelGrid, 0);
    for (const char* example : {"56plus-wavecap.xmlcon", "56-default.xmlcon"}) {
        SelectExample(example);
        EXPECT_EQ(config.IsSelected56XML(), 0) << example;
    }
}

}  // namespace
