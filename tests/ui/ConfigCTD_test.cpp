#include "ui/ConfigCTD.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/FileDialog.h"
#include "ui/ConDlg.h"
#include "ui/UiTestSupport.h"

namespace {

using namespace ConDlgIds;

class ConfigCTDTest : public tw_test::CUiTest {
  protected:
    // The instrument stored in the file.
    static std::unique_ptr<CCTD> Stored(const CString& path) {
        std::unique_ptr<CCTD> ctd(CreateCTDObject(ReadCTDID(path)));
        EXPECT_TRUE(ctd && ReadConFile(path, ctd.get())) << path;
        return ctd;
    }
    // Selects a copy of the example; its path.
    CString SelectExample(const std::string& name) {
        CString path = CopyExample(name);
        EXPECT_EQ(config.SelectConFile(path), 1) << name;
        return path;
    }
    CConfigCTD config;
};

TEST(ConfigCTD, HostsMayOpenTheirInstruments) {
    // For each CTD ID, the applications (0 to 9) that may open it.
    auto all = std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::vector<std::pair<int, std::vector<int>>> table = {
        {-1, {}},
        {0, all},
        {1, all},
        {2, all},
        {3, all},
        {4, all},
        {5, all},
        {6, all},
        {7, all},
        {8, all},
        {9, {7, 8}},
        {10, all},
        {11, all},
        {12, {}},
        {13, {1, 3, 4, 5, 7, 8}},
        {14, {0, 1, 3, 4, 5, 7, 8}},
        {15, all},
        {16, {}},
    };
    for (const auto& [ctdID, allowed] : table) {
        for (int application = 0; application <= 9; ++application) {
            const bool expected =
                std::find(allowed.begin(), allowed.end(), application) != allowed.end();
            EXPECT_EQ(CConfigCTD::CTD_ID_Supported(ctdID, application), expected ? 1 : 0)
                << ctdID << " for " << application;
        }
    }
}

TEST_F(ConfigCTDTest, UnsupportedMessageNamesHostAndInstrument) {
    struct SCase {
        int application;
        int ctdID;
        const char* text;
    };
    const SCase cases[] = {
        {6, 13, "WavecapV7 does not support the TDW Glider Payload CTD."},
        {2, 14, "This module does not support the TDW 73 Nimbrel."},
        {9, 12, "Cfgport does not support the TDW 71 V2 Vantrel Thermosalinograph."},
        {4, 9, "Display Con File does not support the TDW 70420S UCTD."},
        {42, 9, "This module does not support the TDW 70420S UCTD."},
        {5, -1, "Not a valid .con or .xmlcon file."},
        {8, 16, "Not a valid .con or .xmlcon file."},
    };
    for (const SCase& c : cases) {
        shown.clear();
        config.SetApplication(c.application);
        config.UnsupportedMessage(c.ctdID, nullptr);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.text);
        EXPECT_EQ(shown[0].caption, "Error Selecting Instrument Configuration File.");
        EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONINFORMATION);
    }
}

TEST_F(ConfigCTDTest, CopiesHaveTheirOwnInstrumentAndCompareEveryField) {
    const CConfigCTD empty;
    const CConfigCTD emptyCopy(empty);
    EXPECT_TRUE(emptyCopy == empty);
    EXPECT_EQ(emptyCopy.GetSelectedCTD(), nullptr);

    SelectExample("64plusV2-profiling.xmlcon");
    config.SetInstrumentPath(CTD_56PLUS_CORVANE, "stored.xmlcon");
    config.m_bAskToSave = 0;
    CConfigCTD copy(config);
    EXPECT_TRUE(copy == config);
    ASSERT_NE(copy.GetSelectedCTD(), nullptr);
    EXPECT_NE(copy.GetSelectedCTD(), config.GetSelectedCTD());
    copy.GetSelectedCTD()->GetSensor(1).SetSerialNum("another");
    EXPECT_TRUE(copy != config);

    CConfigCTD assigned;
    assigned = config;
    CConfigCTD& same = assigned;
    assigned = same;
    EXPECT_TRUE(assigned == config);
    EXPECT_NE(assigned.GetSelectedCTD(), config.GetSelectedCTD());
    assigned = empty;
    EXPECT_EQ(assigned.GetSelectedCTD(), nullptr);

    const std::function<void(CConfigCTD&)> changes[] = {
        [](CConfigCTD& c) { c.SetApplication(3); },
        [](CConfigCTD& c) { c.SetInstrumentPath(CTD_73_NIMBREL, "x.xmlcon"); },
        [](CConfigCTD& c) { c.m_bNewConfiguration = 1; },
        [](CConfigCTD& c) { c.m_bSelectAfterDialog = 1; },
        [](CConfigCTD& c) { c.m_bAskToSave = 1; },
        [](CConfigCTD& c) { c.m_bChannelGrid = 0; },
        [](CConfigCTD& c) { c.DeselectConFile(); },
    };
    for (const auto& change : changes) {
        CConfigCTD changed(config);
        change(changed);
        EXPECT_TRUE(changed != config);
    }
}

TEST_F(ConfigCTDTest, SelectingRefusesUnsupportedFilesAndKeepsTheSelection) {
    config.SetApplication(6);
    const CString selected = SelectExample("64plusV2-default.xmlcon");
    const CString payload = CopyExample("payload-default.xmlcon");
    const std::unique_ptr<CCTD> before = Stored(selected);
    {
        CScriptedFileDialog files({payload, std::nullopt});
        EXPECT_EQ(config.SelectConFile(), 0);
        ASSERT_EQ(files.requests.size(), 2u);
        const SFileDialogRequest& request = files.requests[0];
        EXPECT_EQ(request.title, "Select Instrument Configuration File");
        EXPECT_TRUE(request.mustExist && !request.save);
        EXPECT_EQ(request.initialFile, selected);
        ASSERT_EQ(request.filters.size(), 1u);
        EXPECT_EQ(request.filters[0].patterns, "*.xmlcon; *.con");
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "WavecapV7 does not support the TDW Glider Payload CTD.");
    EXPECT_EQ(config.GetSelectedCTD_ID(), CTD_64V2_VANTREL);
    EXPECT_EQ(config.GetSelectedPath(), selected);
    EXPECT_TRUE(CTD_ObjectsEqual(config.GetSelectedCTD(), before.get()));

    // A file that cannot be read keeps the selection too.
    std::string text = tw_test::ReadFile(tw_test::ExamplePath("64plus-default.xmlcon"));
    text.resize(text.size() / 2 + 1000);
    const CString broken = Path("broken.xmlcon");
    tw_test::WriteFile(broken.str(), text);
    {
        CScriptedFileDialog files({broken});
        EXPECT_EQ(config.SelectConFile(), 0);
    }
    EXPECT_EQ(config.GetSelectedPath(), selected);
    CString brokenPath = broken;
    EXPECT_EQ(config.SelectConFile(brokenPath), 0);
    EXPECT_EQ(config.GetSelectedCTD_ID(), CTD_64V2_VANTREL);

    // A chosen file of a supported instrument replaces the selection; with
    // the selected file gone its path is offered as the folder.
    const CString profiling = CopyExample("64plusV2-profiling.xmlcon");
    std::filesystem::remove(selected.str());
    {
        CScriptedFileDialog files({profiling});
        EXPECT_EQ(config.SelectConFile(), 1);
        EXPECT_EQ(files.requests[0].initialFolder, selected);
        EXPECT_TRUE(files.requests[0].initialFile.IsEmpty());
    }
    EXPECT_EQ(config.GetSelectedPath(), profiling);
    EXPECT_TRUE(CTD_ObjectsEqual(config.GetSelectedCTD(), Stored(profiling).get()));
}

TEST_F(ConfigCTDTest, SelectingAGivenPathRefusesSilently) {
    CString nimbrel = CopyExample("nimbrel-configured.xmlcon");
    // application, the result.
    for (const auto& [application, result] : {std::pair{2, 0}, std::pair{0, 1}}) {
        config.SetApplication(application);
        EXPECT_EQ(config.SelectConFile(nimbrel), result);
        EXPECT_EQ(config.GetSelectedCTD_ID(), result ? CTD_73_NIMBREL : -1);
    }
    EXPECT_TRUE(shown.empty());

    config.SetInstrumentPath(CTD_73_NIMBREL, nimbrel);
    config.DeselectConFile();
    EXPECT_EQ(config.GetSelectedCTD_ID(), -1);
    EXPECT_TRUE(config.GetSelectedPath().IsEmpty());
    EXPECT_TRUE(config.GetInstrumentPath(CTD_73_NIMBREL).IsEmpty());
    EXPECT_NE(config.GetSelectedCTD(), nullptr);
}

TEST_F(ConfigCTDTest, AFileTheDialogSavedIsReadAgain) {
    // With select-after-dialog, a file saved under another name becomes the
    // selection; without it the selection stays.
    for (const int selectAfter : {0, 1}) {
        SCOPED_TRACE(selectAfter);
        const CString selected = SelectExample("64plusV2-default.xmlcon");
        const CString other = Path("other.xmlcon");
        config.m_bSelectAfterDialog = selectAfter;
        config.SetInstrumentPath(CTD_64V2_VANTREL, "kept.xmlcon");
        config.m_bNewConfiguration = 1;
        CScriptedFileDialog files({other});
        CScriptedForms forms({[&](CFormDialog& form) {
            auto& dialog = dynamic_cast<CConDlg&>(form);
            EXPECT_EQ(dialog.CurrentPath(), selected);
            dialog.Instrument().GetSensor(1).SetSerialNum("SN-saved");
            Press(dialog, kSave);
            dialog.Instrument().GetSensor(1).SetSerialNum("SN-other");
            Press(dialog, kSaveAs);
            Press(dialog, kLeave);
        }});
        EXPECT_EQ(config.DispSelectedConFile(), IDOK);
        EXPECT_EQ(forms.titles,
                  std::vector<CString>{"Configuration for the TDW 64plus V2 Vantrel CTD"});
        EXPECT_EQ(config.GetSelectedPath(), selectAfter ? other : selected);
        EXPECT_EQ(config.GetSelectedCTD()->GetSensor(1).GetSerialNum(),
                  selectAfter ? "SN-other" : "");
        EXPECT_EQ(Stored(selected)->GetSensor(1).GetSerialNum(), "SN-saved");
        EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), "kept.xmlcon");
        EXPECT_EQ(config.m_bNewConfiguration, 1);
        config.m_bNewConfiguration = 0;
    }

    // The dialog saves the selected file itself: the selection is read again.
    const CString selected = SelectExample("64plusV2-default.xmlcon");
    CScriptedForms forms({[&](CFormDialog& form) {
        auto& dialog = dynamic_cast<CConDlg&>(form);
        dialog.Instrument().GetSensor(1).SetSerialNum("SN-saved");
        Press(dialog, kSave);
        Press(dialog, kLeave);
    }});
    EXPECT_EQ(config.DispSelectedConFile(), IDOK);
    EXPECT_EQ(config.GetSelectedCTD()->GetSensor(1).GetSerialNum(), "SN-saved");
}

TEST_F(ConfigCTDTest, DispSelectedConFileRefusesInstrumentsWithoutADialog) {
    config.SetApplication(7);
    for (const char* example : {"", "70420S-default.xmlcon"}) {
        SCOPED_TRACE(example);
        if (*example != '\0') {
            SelectExample(example);
        }
        shown.clear();
        config.m_bNewConfiguration = 1;
        CScriptedForms forms({});
        EXPECT_EQ(config.DispSelectedConFile(), 0);
        EXPECT_TRUE(forms.titles.empty());
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "CConfigCTD::DispSelectedConFile()");
        EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONERROR);
        EXPECT_EQ(config.m_bNewConfiguration, 1);
    }
}

TEST_F(ConfigCTDTest, NewConfigurationsStartFromThePickedInstrument) {
    // The instrument picked (empty: the picker is cancelled), the result,
    // the configuration dialog shown and the message shown.
    struct SCase {
        const char* picked;
        int result;
        const char* dialogTitle;
        const char* message;
    };
    const SCase cases[] = {
        {"", -1, nullptr, nullptr},
        {"TDW 56plus Corvane CTD", -1, nullptr,
         "Under Construction | The instrument is not supported yet.  Thank you for your "
         "patience!"},
        {"TDW 62 Vantrel CTD", IDCANCEL, "Configuration for the TDW 62 Vantrel CTD", nullptr},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.picked);
        shown.clear();
        config.m_bNewConfiguration = 0;
        config.SetInstrumentPath(CTD_62_VANTREL, "old.xmlcon");
        CScriptedForms forms({[&](CFormDialog& picker) {
            if (*c.picked != '\0') {
                SControl* choices = tw_test::FindControl(picker, EControl::Radio);
                ASSERT_NE(choices, nullptr);
                EXPECT_TRUE(PickChoice(picker, choices->id, c.picked));
                EXPECT_TRUE(tw_test::PressDefault(picker));
            }
        }});
        EXPECT_EQ(config.CreateNewConFile(nullptr), c.result);
        EXPECT_EQ(config.m_bNewConfiguration, 1);
        ASSERT_EQ(forms.titles.size(), c.dialogTitle ? 2u : 1u);
        if (c.dialogTitle) {
            EXPECT_EQ(forms.titles[1], c.dialogTitle);
            EXPECT_TRUE(config.GetInstrumentPath(CTD_62_VANTREL).IsEmpty());
        }
        ASSERT_EQ(shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(shown[0].caption + " | " + shown[0].text, c.message);
        }
    }
}

TEST_F(ConfigCTDTest, OpenersKeepOrEmptyTheRememberedPath) {
    const CString nimbrel = CopyExample("nimbrel-configured.xmlcon");
    config.m_bNewConfiguration = 1;
    // DispNimbrelConDlg's argument, whether the path is kept.
    for (const auto& [keepPath, kept] : {std::pair{1, true}, std::pair{0, false}}) {
        config.SetInstrumentPath(CTD_73_NIMBREL, nimbrel);
        CString opened;
        CScriptedForms forms(
            {[&](CFormDialog& form) { opened = dynamic_cast<CConDlg&>(form).CurrentPath(); }});
        EXPECT_EQ(config.DispNimbrelConDlg(keepPath), IDCANCEL);
        EXPECT_EQ(opened, kept ? nimbrel : CString());
        EXPECT_EQ(config.GetInstrumentPath(CTD_73_NIMBREL), kept ? nimbrel : CString());
        EXPECT_EQ(config.m_bChannelGrid, 1);
    }
    // The 56plus sheet has no channel grid; the selected file is what it opens.
    const CString corvane = SelectExample("56plus-stored.xmlcon");
    CString opened;
    CScriptedForms forms(
        {[&](CFormDialog& form) { opened = dynamic_cast<CConDlg&>(form).CurrentPath(); }});
    EXPECT_EQ(config.DispSelectedConFile(), IDCANCEL);
    EXPECT_EQ(forms.titles, std::vector<CString>{"Configuration for the TDW 56plus Corvane CTD"});
    EXPECT_EQ(opened, corvane);
    EXPECT_EQ(config.m_bChannelGrid, 0);
}

TEST_F(ConfigCTDTest, OnlyA56PlusForItsStoredFileIsSelected56XML) {
    EXPECT_EQ(config.IsSelected56XML(), 0);
    const std::pair<const char*, int> cases[] = {
        {"56plus-stored.xmlcon", 1},
        {"56plus-wavecap.xmlcon", 0},
        {"56-default.xmlcon", 0},
    };
    for (const auto& [example, expected] : cases) {
        SelectExample(example);
        EXPECT_EQ(config.IsSelected56XML(), expected) << example;
    }
}

}  // namespace
