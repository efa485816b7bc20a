#include "ui/ConDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <tuple>

#include "platform/Diagnostics.h"
#include "platform/FileDialog.h"
#include "platform/FileNames.h"
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

// Leaving a new, an opened and a read-only file, with and without the
// ask-to-save flag, after a change or none: what the dialog shows, asks and
// saves where, and the path it leaves remembered, compared with the
// committed Leaving.txt.
TEST_F(ConDlgTest, LeavingAsksOrSavesAsTheFileAndTheFlagSay) {
    const char* const files[] = {"new", "opened", "read-only"};
    const char* const actions[] = {"nothing changed", "changed", "changed and saved",
                                   "changed and cancelled"};
    // The file, ask-to-save, what is done before leaving and the answer to
    // the question asked, if any.
    const int cases[][4] = {{0, 1, 0, 0},     {0, 1, 1, IDNO}, {0, 1, 1, IDYES},    {0, 0, 1, 0},
                            {1, 1, 1, IDYES}, {1, 1, 1, IDNO}, {1, 1, 1, IDCANCEL}, {1, 1, 0, 0},
                            {1, 1, 2, 0},     {1, 0, 1, 0},    {1, 0, 3, 0},        {2, 0, 1, IDNO},
                            {2, 0, 1, IDYES}};
    const CString other = Path("other.xmlcon");
    const auto nmea = [](const CString& path) {
        return std::filesystem::exists(path.str()) ? Stored(path)->GetbNMEA_Added() : -1;
    };
    const char* const buttons[] = {"", "OK", "Cancel", "", "", "", "Yes", "No"};
    std::ostringstream out;
    for (const auto& [file, askToSave, action, answer] : cases) {
        out << files[file] << ", ask-to-save " << askToSave << ", " << actions[action] << '\n';
        const CString path = file == 0 ? CString() : CopyExample(kDefaultFile);
        if (file == 2) {
            ASSERT_EQ(chmod(path, 0444), 0);
        }
        std::filesystem::remove(other.str());
        config.SetInstrumentPath(CTD_64V2_VANTREL, path);
        config.m_bAskToSave = askToSave;
        shown.clear();
        if (answer != 0) {
            answers.push_back(answer);
        }
        CScriptedFileDialog fileDialog({other});
        const int result = Run([&](CConDlg& dialog) {
            out << "  " << dialog.At(kStatus).label << ", leave \"" << dialog.At(kLeave).label
                << "\", Save " << (dialog.At(kSave).enabled ? "on" : "off") << '\n';
            SetValue(dialog, kNmea, action != 0);
            if (action == 2) {
                Press(dialog, kSave);
            }
            Press(dialog, action == 3 ? kCancel : kLeave);
        });
        for (const tw_test::SShownMessage& message : shown) {
            out << "  asks " << message.caption << " | " << message.text << " | " << std::hex
                << message.flags << std::dec << " -> " << buttons[answer] << '\n';
        }
        for (const SFileDialogRequest& request : fileDialog.requests) {
            out << "  " << request.title << " offers \""
                << std::filesystem::path(request.initialFile.str()).filename().string() << "\"\n";
        }
        out << "  ends " << buttons[result] << ", NMEA in the file " << nmea(path)
            << ", in another " << nmea(other) << ", remembered \""
            << ExtractFileName(config.GetInstrumentPath(CTD_64V2_VANTREL)) << "\"\n";
        chmod(path, 0644);
    }
    tw_test::ExpectCommitted("Leaving.txt", out.str());
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
