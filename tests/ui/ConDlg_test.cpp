#include "ui/ConDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>

#include "platform/Diagnostics.h"
#include "platform/FileDialog.h"
#include "platform/HelpLauncher.h"
#include "ui/ConDlgs.h"
#include "ui/ConfigCTD.h"
#include "ui/FormScripts.h"
#include "ui/UiTestSupport.h"

namespace {

using namespace ConDlgIds;
using tw_test::Stored;

constexpr const char* kDefaultFile = "64plusV2-default.xmlcon";
constexpr const char* kNmea = "nmeaPosition";

class ConDlgTest : public tw_test::CUiTest {
  protected:
    // Runs the model's dialog; the script acts on it, and a dialog the script
    // leaves open is cancelled.
    int Run(const std::function<void(CConDlg&)>& script, int ctdID = CTD_64V2_VANTREL) {
        CConDlg dialog(config, ctdID);
        CScriptedForms forms({[&](CFormDialog&) { script(dialog); }});
        return TWRunModal(dialog);
    }
    CConfigCTD config;
};

TEST_F(ConDlgTest, LeavingAsksOrSavesAsTheFileAndTheFlagSay) {
    enum EFile { kNew, kOpened, kReadOnly };
    enum EAction { kNothing, kChange, kChangeAndSave, kChangeAndCancel };
    enum ESaved { kNowhere, kInTheFile, kElsewhere };
    // The question each kind of file asks before saving a change.
    const char* questions[] = {
        "You Changed Some Data | Do you want to save your changes to a file?",
        "You Changed Some Data | Do you want to save your changes to 64plusV2-default.xmlcon?",
        "Configuration File Is Read-Only | Do you want to save 64plusV2-default.xmlcon to a "
        "different file name?",
    };
    // The file, ask-to-save, what is done before leaving, the answer to the
    // question (0: none asked) and where the change ends up.
    const std::tuple<EFile, int, EAction, int, ESaved> cases[] = {
        {kNew, 1, kNothing, 0, kNowhere},
        {kNew, 1, kChange, IDNO, kNowhere},
        {kNew, 1, kChange, IDYES, kElsewhere},
        {kNew, 0, kChange, 0, kElsewhere},
        {kOpened, 1, kChange, IDYES, kInTheFile},
        {kOpened, 1, kChange, IDNO, kNowhere},
        {kOpened, 1, kChange, IDCANCEL, kNowhere},
        {kOpened, 1, kNothing, 0, kNowhere},
        {kOpened, 1, kChangeAndSave, 0, kInTheFile},
        {kOpened, 0, kChange, 0, kInTheFile},
        {kOpened, 0, kChangeAndCancel, 0, kNowhere},
        {kReadOnly, 0, kChange, IDNO, kNowhere},
        {kReadOnly, 0, kChange, IDYES, kElsewhere}};
    const CString other = Path("other.xmlcon");
    for (const auto& [file, askToSave, action, answer, saved] : cases) {
        SCOPED_TRACE(::testing::Message() << file << askToSave << action << answer);
        const CString path = file == kNew ? CString() : CopyExample(kDefaultFile);
        if (file == kReadOnly) {
            ASSERT_EQ(chmod(path, 0444), 0);
        }
        std::filesystem::remove(other.str());
        config.SetInstrumentPath(CTD_64V2_VANTREL, path);
        config.m_bAskToSave = askToSave;
        shown.clear();
        if (answer != 0) {
            answers.push_back(answer);
        }
        CScriptedFileDialog files({other});
        const int result = Run([&](CConDlg& dialog) {
            EXPECT_EQ(dialog.At(kLeave).label, askToSave ? "Exit" : "Save && Exit");
            EXPECT_EQ(dialog.At(kStatus).label, CString("Configuration file opened: ") +
                                                    (path.IsEmpty() ? "None" : kDefaultFile) +
                                                    (file == kReadOnly ? " (read-only)" : ""));
            EXPECT_EQ(dialog.At(kSave).enabled, !path.IsEmpty());
            SetValue(dialog, kNmea, action != kNothing);
            if (action == kChangeAndSave) {
                Press(dialog, kSave);
            }
            Press(dialog, action == kChangeAndCancel ? kCancel : kLeave);
        });
        const bool stays = answer == IDCANCEL || action == kChangeAndCancel;
        EXPECT_EQ(result, stays ? IDCANCEL : IDOK);
        ASSERT_EQ(shown.size(), answer != 0 ? 1u : 0u);
        if (answer != 0) {
            EXPECT_EQ(shown[0].caption + " | " + shown[0].text, questions[file]);
            EXPECT_EQ(shown[0].flags,
                      (file == kReadOnly ? MB_YESNO : MB_YESNOCANCEL) | MB_ICONQUESTION);
        }
        if (!path.IsEmpty()) {
            EXPECT_EQ(Stored(path)->GetbNMEA_Added(), saved == kInTheFile ? 1 : 0);
        }
        // Save As offers the file's own name without its extension.
        ASSERT_EQ(files.requests.size(), saved == kElsewhere ? 1u : 0u);
        if (saved == kElsewhere) {
            EXPECT_EQ(files.requests[0].title, "Save Instrument Configuration File As");
            EXPECT_EQ(files.requests[0].initialFile,
                      std::filesystem::path(path.str()).replace_extension().string());
            EXPECT_EQ(Stored(other)->GetbNMEA_Added(), 1);
        }
        EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), saved == kElsewhere ? other : path);
        chmod(path, 0644);
    }
}

TEST_F(ConDlgTest, OpenReopensAfterAFileOfAnotherInstrument) {
    const CString wrong = CopyExample("62-default.xmlcon");
    // The model, a file of it and the filter its Open offers.
    const std::tuple<int, const char*, const char*> cases[] = {
        {CTD_64V2_VANTREL, "64plusV2-profiling.xmlcon",
         "Instrument Configuration Files (*.xmlcon;*.con)"},
        {CTD_73_NIMBREL, "nimbrel-configured.xmlcon",
         "XML Instrument Configuration Files (*.xmlcon)"},
    };
    for (const auto& [ctdID, example, filter] : cases) {
        SCOPED_TRACE(example);
        shown.clear();
        const CString right = CopyExample(example);
        // A second Open, cancelled, changes nothing; leaving then asks
        // nothing, as the controls show the file as read.
        CScriptedFileDialog files({wrong, right, std::nullopt});
        const int result = Run(
            [&](CConDlg& dialog) {
                Press(dialog, kOpen);
                Press(dialog, kOpen);
                EXPECT_EQ(dialog.At(kStatus).label,
                          CString("Configuration file opened: ") + example);
                EXPECT_TRUE(dialog.At(kSave).enabled);
                const std::unique_ptr<CCTD> stored = Stored(right);
                EXPECT_TRUE(CTD_ObjectsEqual(&dialog.Instrument(), stored.get()));
                EXPECT_EQ(dialog.At(kChannels).rows.size(),
                          static_cast<size_t>(stored->GetNumChannel()));
                Press(dialog, kLeave);
            },
            ctdID);
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(Captions(),
                  std::vector<std::string>{"Wrong Type of Instrument Configuration File"});
        ASSERT_EQ(files.requests.size(), 3u);
        EXPECT_EQ(files.requests[0].title, "Open Instrument Configuration File");
        ASSERT_EQ(files.requests[0].filters.size(), 1u);
        EXPECT_EQ(files.requests[0].filters[0].label, filter);
    }
}

// An unreadable remembered file leaves a new configuration, and the
// controller keeps its path. A voltage channel joins the grid as soon as it
// is chosen; a free channel may take a sensor but has nothing to modify, a
// fixed one the reverse, and a double-click does what the channel offers.
// Help... opens the model's page and logs its help context.
TEST_F(ConDlgTest, GridCommandsHelpAndAnUnreadableRememberedFile) {
    const CString broken = Path("broken.xmlcon");
    tw_test::WriteFile(broken.str(), "<TDW_InstrumentConfiguration>");
    config.SetInstrumentPath(CTD_64V2_VANTREL, broken);
    const std::string help = (m_folder / "help").string();
    std::filesystem::create_directories(help);
    for (const char* page : {"index.html", "tdw-64plus-v2-vantrel-ctd.html"}) {
        tw_test::WriteFile(help + "/" + page, "<html></html>");
    }
    tw_test::ScopedEnv helpDir("TW_CONFIGCTD_HELP_DIR", help.c_str());
    std::vector<CString> opened;
    const HelpHandler previous = SetHelpHandler([&](const CString& page) {
        opened.push_back(page);
        return true;
    });
    std::vector<std::string> logged;
    const CDiagnostics::Sink sink =
        CDiagnostics::SetSink([&](const std::string& text, int) { logged.push_back(text); });

    CScriptedForms forms({[&](CFormDialog& form) {
        auto& dialog = dynamic_cast<CConDlg&>(form);
        EXPECT_EQ(dialog.At(kStatus).label, "Configuration file opened: None");
        Press(dialog, kHelp);
        const SControl& grid = dialog.At(kChannels);
        ASSERT_TRUE(SetValue(dialog, "externalVoltages", 1));
        ASSERT_EQ(grid.rows.size(), 4u);
        EXPECT_EQ(grid.rows[3][0].text + " | " + grid.rows[3][1].text, "4. A/D voltage 0 | Free");
        for (const int row : {1, 3}) {
            ASSERT_TRUE(SetValue(dialog, kChannels, row));
            EXPECT_EQ(dialog.At(kSelect).enabled, row == 3);
            EXPECT_EQ(dialog.At(kModify).enabled, row == 1);
        }
        // The chosen sensor is on the channel and in the grid, and has a
        // calibration to modify.
        Press(dialog, kChannels);
        EXPECT_EQ(dialog.Instrument().GetSensor(3).GetSensorID(), 0);
        EXPECT_EQ(grid.rows[3][1].text, "Altimeter");
        EXPECT_TRUE(dialog.At(kModify).enabled);
        ASSERT_TRUE(SetValue(dialog, kChannels, 1));
        Press(dialog, kChannels);
    }});
    forms.Then(tw_test::Choose({"Altimeter"}));
    forms.Then(tw_test::Pressing("cancel"));
    forms.Then(tw_test::Pressing("cancel"));
    EXPECT_EQ(Disp64V2VantrelConDlg(&config), IDCANCEL);
    CDiagnostics::SetSink(sink);
    SetHelpHandler(previous);

    // The dialog, the chooser, the new altimeter's calibration and the
    // conductivity sensor's.
    EXPECT_EQ(forms.titles,
              (std::vector<CString>{
                  "Configuration for the TDW 64plus V2 Vantrel CTD", "Select New Voltage Sensor",
                  "Altimeter Calibration Coefficients", "Conductivity Calibration Coefficients"}));
    EXPECT_EQ(opened,
              std::vector<CString>{CString(help.c_str()) + "/tdw-64plus-v2-vantrel-ctd.html"});
    EXPECT_NE(
        std::find(logged.begin(), logged.end(), "Launching help file - Help context ID = 1011"),
        logged.end());
    EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), broken);
    Run([](CConDlg& d) { Press(d, kLeave); });
    EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), broken);
}

TEST_F(ConDlgTest, ReportWritesTheFileAndNamesTheViewersRequest) {
    const CString path = CopyExample(kDefaultFile);
    for (const bool opened : {true, false}) {
        SCOPED_TRACE(opened);
        config.SetInstrumentPath(CTD_64V2_VANTREL, opened ? path : CString());
        reports.clear();
        Run([&](CConDlg& dialog) {
            SetValue(dialog, kNmea, 1);
            Press(dialog, kReport);
        });
        ASSERT_EQ(reports.size(), 1u);
        const SReportRequest& request = reports[0];
        const std::filesystem::path file(request.path.str());
        EXPECT_EQ(file.parent_path(), m_folder / "Tidewren" / "ConfigReport");
        EXPECT_EQ(file.filename().string().rfind("RPT", 0), 0u) << file;
        // The report holds the setting not yet saved and marks the opened
        // file as changed; a new configuration suggests no name to save it.
        const std::string report = tw_test::ReadFile(file);
        EXPECT_NE(report.find("NMEA position data added"), std::string::npos);
        EXPECT_EQ(
            report.find("Instrument configuration file: " + path.str() + " *") != std::string::npos,
            opened);
        EXPECT_EQ(request.suggestedName, opened ? "64plusV2-default.txt" : "");
        const std::string command = request.commandLine.str();
        EXPECT_EQ(command.substr(command.find(" /Path=")),
                  " /Path=\"" + request.path.str() + "\" /IniFile=\"" + request.iniFile.str() +
                      "\" /Section=\"Configuration Report\" /Key=Folder /Delete=1 "
                      "/WindowTitle=\"Configuration Report\"" +
                      (opened ? " /SaveFileName=\"64plusV2-default.txt\"" : ""));
    }
    // A refused setting keeps the dialog open and makes no report; a
    // temporary folder that does not exist is the user's to fix.
    reports.clear();
    const std::string missing = (m_folder / "missing").string();
    tw_test::ScopedEnv tmpdir("TMPDIR", missing.c_str());
    Run([&](CConDlg& dialog) {
        TypeText(dialog, "scansToAverage", "4x");
        Press(dialog, kLeave);
        Press(dialog, kReport);
        EXPECT_FALSE(dialog.Ended());
        TypeText(dialog, "scansToAverage", "4");
        Press(dialog, kReport);
    });
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Input Error", "Input Error", ""}));
    EXPECT_EQ(shown.back().text,
              "The folder designated for your temporary files, '" + missing +
                  "', does not exist. Please consult your system administrator.");
}

TEST_F(ConDlgTest, WithoutAViewerHandlerTheUsersProgramShowsTheReport) {
    const ReportViewerHandler recording = SetReportViewerHandler({});
    SReportRequest request;
    request.path = Path("report.txt");
    request.title = "Configuration Report";
    tw_test::WriteFile(request.path.str(), "report\n");
    // VISUAL, PAGER (null: unset), whether xdg-open is found, and whether a
    // viewer starts; when none does, a message names the file.
    const std::tuple<const char*, const char*, bool, bool> cases[] = {
        {nullptr, nullptr, false, false},
        {"", "/bin/true", false, true},
        {"/nonexistent/viewer", "/bin/true", false, true},
        {"/nonexistent/viewer", nullptr, true, true}};
    const std::string bin = (m_folder / "bin").string();
    std::filesystem::create_directories(bin);
    tw_test::WriteFile(bin + "/xdg-open", "#!/bin/sh\n");
    chmod((bin + "/xdg-open").c_str(), 0755);
    for (const auto& [visual, pager, xdgOpen, started] : cases) {
        tw_test::ScopedEnv visualEnv("VISUAL", visual);
        tw_test::ScopedEnv pagerEnv("PAGER", pager);
        tw_test::ScopedEnv path("PATH", xdgOpen ? bin.c_str() : "/nonexistent");
        shown.clear();
        EXPECT_EQ(TWShowReport(request), started) << (pager ? pager : "-");
        ASSERT_EQ(shown.size(), started ? 0u : 1u);
        if (!started) {
            EXPECT_EQ(shown[0].text,
                      "No program could be started to show the report. It is in "
                      "the file " +
                          request.path.str() + ".");
        }
    }
    SetReportViewerHandler(recording);
}

}  // namespace
