#include "ui/ConDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#include "core/Catalogue.h"
#include "instruments/VantrelCTD.h"
#include "legacy/ConFile.h"
#include "platform/FileDialog.h"
#include "ui/ConfigCTD.h"
#include "ui/ModelSettings.h"
#include "ui/UiTestSupport.h"

namespace {

using namespace ConDlgIds;
using tw_test::ReadFile;

constexpr const char* kDefaultFile = "64plusV2-default.xmlcon";
constexpr const char* kVoltages = "externalVoltages";
constexpr const char* kNmea = "nmeaAdded";

// Two settings of the Vantrel profilers: the voltage channel count, which
// changes the channels at once, and the NMEA position flag, stored when the
// dialog stores its controls. A count that is not 0 to 6 is refused.
class CFakeSettings : public CModelSettings {
  public:
    explicit CFakeSettings(bool xmlOnly) : m_xmlOnly(xmlOnly) {}

    void AddControls(CFormDialog& dialog) const override {
        dialog.Add(EControl::Edit, kVoltages, "External voltage channels");
        dialog.Add(EControl::Check, kNmea, "NMEA position data added");
    }
    void WriteControls(const CCTD& ctd, CFormDialog& dialog) const override {
        dialog.At(kVoltages).text.Format("%d", ctd.GetNumVoltAdd());
        dialog.At(kNmea).value = ctd.GetbNMEA_Added();
    }
    int ReadControls(CFormDialog& dialog, CCTD& ctd) const override {
        const int count = Voltages(dialog);
        if (count < 0) {
            TWMessageBox("External voltage channels must be 0 to 6.", "Input Error", MB_OK);
            return 0;
        }
        dynamic_cast<CVantrelCTD&>(ctd).SetNumVoltAdd(count);
        ctd.SetbNMEA_Added(dialog.At(kNmea).value);
        return 1;
    }
    bool Changed(const std::string& id, CFormDialog& dialog, CCTD& ctd) const override {
        const int count = Voltages(dialog);
        if (id != kVoltages || count < 0 || count == ctd.GetNumVoltAdd()) {
            return false;
        }
        dynamic_cast<CVantrelCTD&>(ctd).SetNumVoltAdd(count);
        return true;
    }
    bool XmlOnly() const override { return m_xmlOnly; }

  private:
    static int Voltages(const CFormDialog& dialog) {
        const CString& text = dialog.At(kVoltages).text;
        return text.GetLength() == 1 && text.GetAt(0) >= '0' && text.GetAt(0) <= '6'
                   ? text.GetAt(0) - '0'
                   : -1;
    }
    bool m_xmlOnly;
};

class ConDlgTest : public tw_test::CUiTest {
  protected:
    // Runs the TDW 64plus V2 dialog with the fake settings; the script acts
    // on the dialog, which is cancelled when the script leaves it open.
    int Run(const std::function<void(CConDlg&)>& script, bool xmlOnly = false) {
        CConDlg dialog(config, CTD_64V2_VANTREL, std::make_unique<CFakeSettings>(xmlOnly));
        CScriptedForms forms({[&](CFormDialog&) { script(dialog); }});
        return TWRunModal(dialog);
    }
    // The instrument stored in the file.
    std::unique_ptr<CCTD> Stored(const CString& path) {
        std::unique_ptr<CCTD> ctd(CreateCTDObject(CTD_64V2_VANTREL));
        EXPECT_EQ(ReadConFile(path, ctd.get()), 1) << path;
        return ctd;
    }
    CConfigCTD config;
};

std::vector<std::string> Ids(const CFormDialog& dialog, bool bottomRow) {
    std::vector<std::string> ids;
    for (const SControl& control : dialog.controls) {
        if (control.kind == EControl::Button && control.bottomRow == bottomRow) {
            ids.push_back(control.id);
        }
    }
    return ids;
}

TEST_F(ConDlgTest, NewDialogLayoutGridAndLeaving) {
    // ask-to-save, the leave button's label, the answer to the question (none
    // asked when 0), whether the new configuration is saved.
    struct SCase {
        int askToSave;
        const char* leaveLabel;
        std::optional<int> answer;
        bool saved;
    };
    for (const SCase& c : {SCase{1, "Exit", IDNO, false}, SCase{0, "Save && Exit", {}, true}}) {
        SCOPED_TRACE(c.leaveLabel);
        config.m_bAskToSave = c.askToSave;
        shown.clear();
        if (c.answer) {
            answers.push_back(*c.answer);
        }
        const CString savedPath = Path("new.xmlcon");
        CScriptedFileDialog files({savedPath});
        const int result = Run([&](CConDlg& dialog) {
            EXPECT_EQ(dialog.title, "Configuration for the TDW 64plus V2 Vantrel CTD");
            EXPECT_EQ(dialog.At(kStatus).label, "Configuration file opened: None");
            EXPECT_EQ(Ids(dialog, true), (std::vector<std::string>{kOpen, kSave, kSaveAs, kReport,
                                                                   kHelp, kLeave, kCancel}));
            EXPECT_EQ(Ids(dialog, false), (std::vector<std::string>{kSelect, kModify}));
            EXPECT_EQ(dialog.At(kLeave).label, c.leaveLabel);
            EXPECT_TRUE(dialog.At(kLeave).isDefault);
            EXPECT_TRUE(dialog.At(kCancel).isCancel);
            EXPECT_FALSE(dialog.At(kSave).enabled);
            EXPECT_FALSE(dialog.At(kHelp).enabled);
            EXPECT_TRUE(dialog.At(kHelp).visible);

            const SControl& grid = dialog.At(kChannels);
            EXPECT_EQ(grid.columns, (std::vector<CString>{"Channel", "Sensor"}));
            ASSERT_EQ(grid.rows.size(), 3u);
            EXPECT_EQ(grid.rows[1][0].text, "2. Frequency 0");
            const SGridCell& sensor = grid.rows[1][1];
            EXPECT_EQ(sensor.text, "Conductivity");
            EXPECT_TRUE(sensor.hasBackground && sensor.centred);
            EXPECT_EQ(std::vector<int>({sensor.red, sensor.green, sensor.blue}),
                      std::vector<int>({192, 220, 192}));
            EXPECT_EQ(grid.value, 0);

            // Two voltage channels appear in the grid as soon as they are
            // typed; a free channel may be chosen but has nothing to modify,
            // a fixed one the reverse.
            ASSERT_TRUE(TypeText(dialog, kVoltages, "2"));
            ASSERT_EQ(grid.rows.size(), 5u);
            EXPECT_EQ(grid.rows[4][0].text, "5. A/D voltage 1");
            ASSERT_TRUE(SetValue(dialog, kChannels, 4));
            EXPECT_TRUE(dialog.At(kSelect).enabled);
            EXPECT_FALSE(dialog.At(kModify).enabled);
            ASSERT_TRUE(SetValue(dialog, kChannels, 1));
            EXPECT_FALSE(dialog.At(kSelect).enabled);
            EXPECT_TRUE(dialog.At(kModify).enabled);

            Press(dialog, kLeave);
            EXPECT_TRUE(dialog.Ended());
        });
        EXPECT_EQ(result, IDOK);
        ASSERT_EQ(shown.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(shown[0].caption, "You Changed Some Data");
            EXPECT_EQ(shown[0].text, "Do you want to save your changes to a file?");
            EXPECT_EQ(shown[0].flags, MB_YESNOCANCEL | MB_ICONQUESTION);
        }
        EXPECT_EQ(files.requests.size(), c.saved ? 1u : 0u);
        EXPECT_EQ(std::filesystem::exists(savedPath.str()), c.saved);
        EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), c.saved ? savedPath : CString());
        if (c.saved) {
            EXPECT_EQ(Stored(savedPath)->GetNumVoltAdd(), 2);
        }
    }
}

TEST_F(ConDlgTest, OpenReopensAfterAFileOfAnotherInstrument) {
    const CString wrong = CopyExample("62-default.xmlcon");
    const CString right = CopyExample("64plusV2-profiling.xmlcon");
    for (const bool xmlOnly : {false, true}) {
        SCOPED_TRACE(xmlOnly);
        shown.clear();
        CScriptedFileDialog files({wrong, right});
        Run(
            [&](CConDlg& dialog) {
                Press(dialog, kOpen);
                EXPECT_EQ(dialog.At(kStatus).label,
                          "Configuration file opened: 64plusV2-profiling.xmlcon");
                EXPECT_TRUE(dialog.At(kSave).enabled);
                EXPECT_EQ(dialog.CurrentPath(), right);
                const std::unique_ptr<CCTD> stored = Stored(right);
                EXPECT_TRUE(CTD_ObjectsEqual(&dialog.Instrument(), stored.get()));
                EXPECT_EQ(dialog.At(kChannels).rows.size(),
                          static_cast<size_t>(stored->GetNumChannel()));
                EXPECT_EQ(dialog.At(kNmea).value, stored->GetbNMEA_Added());
            },
            xmlOnly);
        ASSERT_EQ(Captions(),
                  std::vector<std::string>{"Wrong Type of Instrument Configuration File"});
        ASSERT_EQ(files.requests.size(), 2u);
        const SFileDialogRequest& request = files.requests[0];
        EXPECT_FALSE(request.save);
        EXPECT_TRUE(request.mustExist);
        EXPECT_EQ(request.title, "Open Instrument Configuration File");
        EXPECT_EQ(request.defaultExtension, "xmlcon");
        ASSERT_EQ(request.filters.size(), 1u);
        EXPECT_EQ(request.filters[0].label,
                  xmlOnly ? "XML Instrument Configuration Files (*.xmlcon)"
                          : "Instrument Configuration Files (*.xmlcon;*.con)");
    }
    // Cancelling the file dialog changes nothing.
    CScriptedFileDialog cancelled({std::nullopt});
    Run([&](CConDlg& dialog) {
        Press(dialog, kOpen);
        EXPECT_EQ(dialog.At(kStatus).label, "Configuration file opened: None");
        EXPECT_FALSE(dialog.At(kSave).enabled);
    });
}

TEST_F(ConDlgTest, LeavingAnOpenedFileAsksOrSaves) {
    // ask-to-save, whether something is changed, whether Save is pressed
    // first, the answer (none when no question is expected), whether the
    // file then holds the change and how the dialog ends.
    struct SCase {
        int askToSave;
        bool change;
        bool saveFirst;
        std::optional<int> answer;
        bool saved;
        int result;
    };
    const SCase cases[] = {
        {1, true, false, IDYES, true, IDOK},
        {1, true, false, IDNO, false, IDOK},
        {1, true, false, IDCANCEL, false, IDCANCEL},
        {1, false, false, {}, false, IDOK},
        {1, true, true, {}, true, IDOK},
        {0, true, false, {}, true, IDOK},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.askToSave << c.change << c.saveFirst << c.result);
        const CString path = CopyExample(kDefaultFile);
        config.SetInstrumentPath(CTD_64V2_VANTREL, path);
        config.m_bAskToSave = c.askToSave;
        shown.clear();
        if (c.answer) {
            answers.push_back(*c.answer);
        }
        const int result = Run([&](CConDlg& dialog) {
            EXPECT_EQ(dialog.At(kStatus).label,
                      "Configuration file opened: 64plusV2-default.xmlcon");
            EXPECT_TRUE(dialog.At(kSave).enabled);
            if (c.change) {
                SetValue(dialog, kNmea, 1);
            }
            if (c.saveFirst) {
                Press(dialog, kSave);
            }
            Press(dialog, kLeave);
        });
        EXPECT_EQ(result, c.result);
        ASSERT_EQ(shown.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(shown[0].caption, "You Changed Some Data");
            EXPECT_EQ(shown[0].text,
                      "Do you want to save your changes to 64plusV2-default.xmlcon?");
        }
        EXPECT_EQ(Stored(path)->GetbNMEA_Added(), c.saved ? 1 : 0);
        EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), path);
    }
}

TEST_F(ConDlgTest, ReadOnlyFileSavesElsewhereOrGoesOnAsSaved) {
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        const CString path = CopyExample(kDefaultFile);
        ASSERT_EQ(chmod(path, 0444), 0);
        const CString other = Path("other.xmlcon");
        config.SetInstrumentPath(CTD_64V2_VANTREL, path);
        config.m_bAskToSave = 0;
        shown.clear();
        answers.push_back(answer);
        CScriptedFileDialog files({other});
        const int result = Run([&](CConDlg& dialog) {
            SetValue(dialog, kNmea, 1);
            Press(dialog, kLeave);
            if (answer == IDYES) {
                EXPECT_EQ(dialog.At(kStatus).label, "Configuration file opened: other.xmlcon");
            }
        });
        EXPECT_EQ(result, IDOK);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, "Configuration File Is Read-Only");
        EXPECT_EQ(shown[0].text,
                  "Do you want to save 64plusV2-default.xmlcon to a different file name?");
        EXPECT_EQ(shown[0].flags, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(Stored(path)->GetbNMEA_Added(), 0);
        if (answer == IDYES) {
            ASSERT_EQ(files.requests.size(), 1u);
            const SFileDialogRequest& request = files.requests[0];
            EXPECT_TRUE(request.save && request.promptOverwrite);
            EXPECT_EQ(request.title, "Save Instrument Configuration File As");
            EXPECT_EQ(request.initialFile, path.Left(path.GetLength() - 7));
            ASSERT_EQ(request.filters.size(), 2u);
            EXPECT_EQ(request.filters[1].patterns, "*.con");
            EXPECT_EQ(Stored(other)->GetbNMEA_Added(), 1);
        }
        EXPECT_EQ(config.GetInstrumentPath(CTD_64V2_VANTREL), answer == IDYES ? other : path);
        chmod(path, 0644);
        std::filesystem::remove(other.str());
    }
}

TEST_F(ConDlgTest, RefusedSettingsKeepTheDialogOpen) {
    const int result = Run([&](CConDlg& dialog) {
        TypeText(dialog, kVoltages, "9");
        Press(dialog, kLeave);
        Press(dialog, kReport);
        EXPECT_FALSE(dialog.Ended());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Input Error", "Input Error"}));
    EXPECT_TRUE(reports.empty());
}

TEST_F(ConDlgTest, UntouchedDialogsOfEveryModelLeaveWithoutAQuestion) {
    // Each model's own settings, on a new configuration and on each example
    // of the model: filling the controls and storing them back changes
    // nothing, so leaving asks nothing.
    std::vector<CString> paths = {CString()};
    for (const auto& entry : std::filesystem::directory_iterator(tw_test::ExamplePath(""))) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".xmlcon" || extension == ".con") {
            paths.push_back(CopyExample(entry.path().filename().string()));
        }
    }
    int runs = 0;
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        if (ctdID == CTD_70420S_UCTD || ctdID == CTD_56PLUS_CORVANE) {
            continue;
        }
        for (const CString& path : paths) {
            if (!path.IsEmpty() && ReadCTDID(path) != ctdID) {
                continue;
            }
            SCOPED_TRACE(::testing::Message() << ctdID << " " << path);
            config.SetInstrumentPath(ctdID, path);
            CConDlg dialog(config, ctdID);
            CScriptedForms forms({[&](CFormDialog&) { Press(dialog, kLeave); }});
            EXPECT_EQ(TWRunModal(dialog), IDOK);
            EXPECT_EQ(dialog.CurrentPath(), path);
            ++runs;
        }
    }
    EXPECT_GT(runs, 30);
    EXPECT_TRUE(shown.empty()) << shown.front().caption << " | " << shown.front().text;
}

TEST_F(ConDlgTest, GridCommandsActOnTheCurrentChannel) {
    CConDlg dialog(config, CTD_64V2_VANTREL, std::make_unique<CFakeSettings>(false));
    CScriptedForms forms({[&](CFormDialog&) {
        TypeText(dialog, kVoltages, "1");
        SetValue(dialog, kChannels, 3);
        EXPECT_FALSE(dialog.At(kModify).enabled);
        Press(dialog, kSelect);
        // The chosen sensor is on the channel and in the grid, and has a
        // calibration to modify.
        EXPECT_EQ(dialog.Instrument().GetSensor(3).GetSensorID(), 0);
        EXPECT_EQ(dialog.At(kChannels).rows[3][1].text, "Altimeter");
        EXPECT_TRUE(dialog.At(kModify).enabled);
        Press(dialog, kModify);
    }});
    forms.Then([](CFormDialog& chooser) {
        EXPECT_TRUE(SelectTreeNode(chooser, "sensors", {"Altimeter"}));
        EXPECT_TRUE(tw_test::PressDefault(chooser));
    });
    TWRunModal(dialog);
    // The dialog, the chooser, the new altimeter's calibration and the one
    // Modify opens.
    ASSERT_EQ(forms.titles.size(), 4u);
    EXPECT_EQ(forms.titles[2], forms.titles[3]);
    EXPECT_EQ(forms.titles[1], "Select New Voltage Sensor");
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
        const std::string report = ReadFile(file);
        EXPECT_NE(report.find("Configuration report for TDW 64plus V2 Vantrel CTD"),
                  std::string::npos);
        EXPECT_NE(report.find("NMEA position data added"), std::string::npos);
        // The report names the opened file and marks it as changed.
        EXPECT_EQ(
            report.find("Instrument configuration file: " + path.str() + " *") != std::string::npos,
            opened);
        EXPECT_EQ(request.title, "Configuration Report");
        EXPECT_TRUE(request.deleteWhenClosed);
        EXPECT_EQ(request.iniFile.Right(16), "TW_ConfigCTD.ini");
        EXPECT_EQ(request.suggestedName, opened ? "64plusV2-default.txt" : "");
        const std::string command = request.commandLine.str();
        EXPECT_NE(command.find(" /Path=\"" + request.path.str() + "\" /IniFile=\"" +
                               request.iniFile.str() +
                               "\" /Section=\"Configuration Report\" /Key=Folder /Delete=1 "
                               "/WindowTitle=\"Configuration Report\""),
                  std::string::npos)
            << command;
        EXPECT_EQ(command.find("/SaveFileName=\"64plusV2-default.txt\"") != std::string::npos,
                  opened);
        EXPECT_EQ(command.find("/SaveFileName") != std::string::npos, opened);
    }
    // A temporary folder that does not exist is the user's to fix.
    reports.clear();
    shown.clear();
    tw_test::ScopedEnv missing("TMPDIR", (m_folder / "missing").c_str());
    Run([&](CConDlg& dialog) { Press(dialog, kReport); });
    EXPECT_TRUE(reports.empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "The folder designated for your temporary files, '" +
                                 (m_folder / "missing").string() +
                                 "', does not exist. Please consult your system administrator.");
}

TEST_F(ConDlgTest, WithoutAViewerHandlerTheUsersProgramShowsTheReport) {
    const ReportViewerHandler recording = SetReportViewerHandler({});
    const CString file = Path("report.txt");
    tw_test::WriteFile(file.str(), "report\n");
    // VISUAL, PAGER (null: unset) and whether a viewer starts.
    struct SCase {
        const char* visual;
        const char* pager;
        bool started;
    };
    const SCase cases[] = {
        {nullptr, nullptr, false},
        {"true", nullptr, true},
        {"", "true", true},
        {"/nonexistent/viewer", "true", false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.visual ? c.visual : "-") << " " << (c.pager ? c.pager : "-"));
        tw_test::ScopedEnv visual("VISUAL", c.visual);
        tw_test::ScopedEnv pager("PAGER", c.pager);
        SReportRequest request;
        request.path = file;
        EXPECT_EQ(TWShowReport(request), c.started);
    }
    SetReportViewerHandler(recording);
}

}  // namespace
