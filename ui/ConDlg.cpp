#include "ui/ConDlg.h"

#include <optional>
#include <utility>

#include "core/Catalogue.h"
#include "core/SensorRegistry.h"
#include "legacy/ConFile.h"
#include "platform/FileDialog.h"
#include "platform/FileNames.h"
#include "platform/MessageBox.h"
#include "ui/ConfigCTD.h"
#include "ui/ConfigReport.h"
#include "ui/ModelHelp.h"
#include "ui/ModelSettings.h"
#include "ui/SensorChoice.h"

using namespace ConDlgIds;

namespace {

constexpr const char* kAnyFilter =
    "Instrument Configuration Files (*.xmlcon;*.con)|*.xmlcon; *.con||";
constexpr const char* kXmlFilter = "XML Instrument Configuration Files (*.xmlcon)|*.xmlcon||";
constexpr const char* kSaveFilter =
    "XML Instrument Configuration Files (*.xmlcon)|*.xmlcon|Instrument Configuration Files "
    "(*.con)|*.con||";
constexpr const char* kChangedCaption = "You Changed Some Data";

// The channel cells' background.
constexpr unsigned char kSensorRed = 192, kSensorGreen = 220, kSensorBlue = 192;

SFileDialogRequest FileRequest(bool save, const char* title, const char* filters) {
    SFileDialogRequest request;
    request.save = save;
    request.title = title;
    request.filters = FileFiltersFrom(filters);
    request.defaultExtension = "xmlcon";
    request.mustExist = !save;
    request.promptOverwrite = save;
    return request;
}

// The path without the extension of its file name.
CString WithoutExtension(const CString& path) {
    return path.Left(path.GetLength() - ExtractExtension(ExtractFileName(path)).GetLength());
}

int AskYesNoCancel(const CString& text) {
    return TWMessageBox(text, kChangedCaption, MB_YESNOCANCEL | MB_ICONQUESTION);
}

}  // namespace

CConDlg::CConDlg(CConfigCTD& config, int ctdID)
    : CConDlg(config, ctdID, MakeModelSettings(ctdID)) {}

CConDlg::CConDlg(CConfigCTD& config, int ctdID, std::unique_ptr<CModelSettings> settings)
    : m_config(config),
      m_ctdID(ctdID),
      m_instrument(CreateCTDObject(ctdID)),
      m_channelGrid(config.m_bChannelGrid != 0),
      m_settings(std::move(settings)) {
    m_xmlOnly = m_settings && m_settings->XmlOnly();
    AddCommonControls();
}

CConDlg::~CConDlg() = default;

void CConDlg::AddCommonControls() {
    Add(EControl::Label, kStatus);
    if (m_settings) {
        m_settings->AddControls(*this);
    }
    SControl& grid = Add(EControl::Grid, kChannels);
    grid.columns = {"Channel", "Sensor"};
    grid.visible = m_channelGrid;
    const bool sensorButtons = m_channelGrid && (!m_settings || m_settings->SelectAndModify());
    if (sensorButtons) {
        grid.menu = {kSelect, kModify};
    }
    Add(EControl::Button, kSelect, "Select...").visible = sensorButtons;
    Add(EControl::Button, kModify, "Modify...").visible = sensorButtons;

    const std::pair<const char*, const char*> bottomRow[] = {
        {kOpen, "Open..."}, {kSave, "Save"},  {kSaveAs, "Save As..."}, {kReport, "Report..."},
        {kHelp, "Help..."}, {kLeave, "Exit"}, {kCancel, "Cancel"},
    };
    for (const auto& [id, label] : bottomRow) {
        Add(EControl::Button, id, label).bottomRow = true;
    }
    At(kOpen).shortcut = "Ctrl+O";
    At(kSave).shortcut = "Ctrl+S";
    At(kLeave).isDefault = true;
    At(kCancel).isCancel = true;
}

void CConDlg::Initialise() {
    if (!m_instrument) {
        EndDialog(IDCANCEL);
        return;
    }
    title = "Configuration for the " + m_instrument->GetCTD_Name();
    GetPermPath();
    DropPreview();
    if (!m_path.IsEmpty()) {
        // A file that cannot be read (the reader says why) leaves a new
        // configuration, so that saving never replaces the file by defaults.
        if (ReadConFile(m_path, m_instrument.get())) {
            MakeOpenCopy();
        } else {
            m_path.Empty();
        }
    }
    WriteControls();
    At(kSave).enabled = !m_path.IsEmpty();
    UpdateStatus();
    if (m_channelGrid) {
        FillChannelGrid();
    }
    At(kLeave).label = m_config.m_bAskToSave ? "Exit" : "Save && Exit";
}

void CConDlg::Changed(const std::string& id) {
    if (id == kChannels) {
        UpdateChannelButtons();
        return;
    }
    if (m_settings && m_settings->Changed(id, *this)) {
        m_layoutChoices[id] = At(id).value;
        RefreshPreview();
        FillChannelGrid();
    }
}

void CConDlg::RefreshPreview() {
    if (m_layoutChoices.empty()) {
        return;
    }
    m_preview.reset(m_instrument->Clone());
    m_settings->PreviewLayout(m_layoutChoices, *this, *m_preview);
    if (CTD_ObjectsEqual(m_preview.get(), m_instrument.get())) {
        DropPreview();
    }
}

void CConDlg::DropPreview() {
    m_layoutChoices.clear();
    m_preview.reset();
}

bool CConDlg::StorePendingLayout() {
    return !m_preview || ReadControls();
}

void CConDlg::Command(const std::string& id) {
    if (id == kOpen) {
        OnOpen();
    } else if (id == kSave) {
        OnSave();
    } else if (id == kSaveAs) {
        if (ReadControls()) {
            OnSaveAs();
        }
    } else if (id == kReport) {
        OnReport();
    } else if (id == kLeave) {
        OnLeave();
    } else if (id == kCancel) {
        EndDialog(IDCANCEL);
    } else if (id == kHelp) {
        ShowModelHelp(m_ctdID);
    } else if (id == kSelect || id == kModify) {
        const int channel = CurrentChannel();
        if (channel < 0 || !StorePendingLayout()) {
            return;
        }
        if (id == kModify) {
            CalibrateSensor(*m_instrument, channel);
        } else if (SelectSensorForChannel(*m_instrument, channel)) {
            FillChannelGrid();
        }
    } else if (id == kChannels) {
        OnChannelDoubleClick();
    } else {
        OnSettingsCommand(id);
    }
}

void CConDlg::OnChannelDoubleClick() {
    const int channel = CurrentChannel();
    if (channel < 0 || !At(kSelect).visible) {
        return;
    }
    if (At(kModify).enabled) {
        Command(kModify);
    } else if (At(kSelect).enabled) {
        Command(kSelect);
    }
}

bool CConDlg::Modified() const {
    if (!m_instrument) {
        return false;
    }
    const bool stored = m_path.IsEmpty() ? ChangedAfterNew() : ChangedAfterOpen();
    return stored || (m_settings && m_settings->ControlsDiffer(*this, *m_instrument));
}

void CConDlg::OnSettingsCommand(const std::string& id) {
    if (!m_settings) {
        return;
    }
    m_settings->Command(id, *this, *m_instrument);
    RefreshPreview();
    m_settings->UpdateStates(*this);
    FillChannelGrid();
}

// A file that could not be read leaves the dialog without a path; the
// remembered one stays for the next time.
void CConDlg::SetPermPath() {
    if (!m_path.IsEmpty()) {
        m_config.SetInstrumentPath(m_ctdID, m_path);
    }
}

void CConDlg::GetPermPath() {
    m_path = m_config.GetInstrumentPath(m_ctdID);
}

void CConDlg::WriteControls() {
    if (m_settings) {
        m_settings->WriteControls(*m_instrument, *this);
        m_settings->UpdateStates(*this);
    }
}

int CConDlg::ReadControls() {
    if (!m_settings) {
        return 1;
    }
    // The preview holds the channel choices; the other controls are stored
    // into it, and it becomes the working instrument.
    if (!m_settings->ReadControls(*this, Shown())) {
        return 0;
    }
    if (m_preview) {
        m_instrument->AssignFrom(*m_preview);
        DropPreview();
    }
    return 1;
}

bool CConDlg::ChangedAfterNew() const {
    const std::unique_ptr<CCTD> fresh(CreateCTDObject(m_ctdID));
    return !CTD_ObjectsEqual(fresh.get(), m_instrument.get());
}

bool CConDlg::ChangedAfterOpen() const {
    return !CTD_ObjectsEqual(m_openCopy.get(), m_instrument.get());
}

void CConDlg::MakeOpenCopy() {
    m_openCopy.reset(m_instrument->Clone());
}

void CConDlg::OnOpen() {
    SFileDialogRequest request = FileRequest(false, "Open Instrument Configuration File",
                                             m_xmlOnly ? kXmlFilter : kAnyFilter);
    request.initialFolder = ExtractDirectory(m_path);
    std::optional<CString> path;
    // The reader tells the user why a file cannot be read; they choose again.
    do {
        path = TWFileDialog(request);
        if (!path) {
            return;
        }
    } while (!ReadConFile(*path, m_instrument.get()));
    DropPreview();
    MakeOpenCopy();
    m_path = *path;
    WriteControls();
    At(kSave).enabled = true;
    UpdateStatus();
    FillChannelGrid();
}

void CConDlg::OnSave() {
    if (ReadControls() && SavePath(m_path)) {
        MakeOpenCopy();
    }
}

bool CConDlg::SavePath(const CString& path) {
    if (IsReadOnly(path)) {
        CString text;
        text.Format("Do you want to save %s to a different file name?",
                    ExtractFileName(path).GetString());
        if (TWMessageBox(text, "Configuration File Is Read-Only", MB_YESNO | MB_ICONQUESTION) ==
            IDYES) {
            return OnSaveAs();
        }
        return true;
    }
    // The writer reports each failure to the user and nothing else, so a
    // message shown while it works is the sign that the file was not saved.
    const long messagesBefore = TWMessageCount();
    WriteConFile(path, m_instrument.get());
    return TWMessageCount() == messagesBefore;
}

bool CConDlg::OnSaveAs() {
    SFileDialogRequest request = FileRequest(true, "Save Instrument Configuration File As",
                                             m_xmlOnly ? kXmlFilter : kSaveFilter);
    request.initialFile = WithoutExtension(m_path);
    const std::optional<CString> path = TWFileDialog(request);
    if (!path) {
        return false;
    }
    const int savedAs = m_savedAsCount;
    if (!SavePath(*path)) {
        return false;
    }
    if (m_savedAsCount == savedAs) {
        MakeOpenCopy();
        m_path = *path;
        ++m_savedAsCount;
    }
    UpdateStatus();
    SControl& save = At(kSave);
    save.enabled = true;
    save.visible = true;
    return true;
}

void CConDlg::OnLeave() {
    if (!ReadControls()) {
        return;
    }
    const bool ask = m_config.m_bAskToSave != 0;
    if (m_path.IsEmpty()) {
        if (ChangedAfterNew()) {
            const int answer =
                ask ? AskYesNoCancel("Do you want to save your changes to a file?") : IDYES;
            if (answer == IDCANCEL || (answer == IDYES && !OnSaveAs())) {
                return;
            }
        }
    } else if (ChangedAfterOpen()) {
        int answer = IDYES;
        if (ask) {
            CString text;
            text.Format("Do you want to save your changes to %s?",
                        ExtractFileName(m_path).GetString());
            answer = AskYesNoCancel(text);
        }
        if (answer == IDCANCEL || (answer == IDYES && !SavePath(m_path))) {
            return;
        }
    }
    SetPermPath();
    EndDialog(IDOK);
}

void CConDlg::OnReport() {
    if (!ReadControls()) {
        return;
    }
    const int changed = !m_path.IsEmpty() && ChangedAfterOpen() ? 1 : 0;
    ShowConfigurationReport(*m_instrument, m_path, changed);
}

void CConDlg::UpdateStatus() {
    At(kStatus).label = StatusText("None");
}

// A read-only file is said before the user tries to save it.
CString CConDlg::StatusText(const char* none) const {
    if (m_path.IsEmpty()) {
        return CString("Configuration file opened: ") + none;
    }
    return "Configuration file opened: " + ExtractFileName(m_path) +
           (IsReadOnly(m_path) ? " (read-only)" : "");
}

void CConDlg::FillChannelGrid() {
    SControl& grid = At(kChannels);
    if (!grid.visible) {
        return;
    }
    const CCTD& shown = Shown();
    const std::vector<CString> labels = shown.ChannelLabels();
    grid.rows.clear();
    for (int channel = 0; channel < static_cast<int>(labels.size()); ++channel) {
        SGridCell label;
        label.text.Format("%d. %s", channel + 1, labels[channel].GetString());
        label.centred = true;
        SGridCell sensor;
        sensor.text = shown.GetSensor(channel).GetSensorName();
        sensor.hasBackground = true;
        sensor.red = kSensorRed;
        sensor.green = kSensorGreen;
        sensor.blue = kSensorBlue;
        sensor.centred = true;
        grid.rows.push_back({label, sensor});
    }
    const int rows = static_cast<int>(grid.rows.size());
    if (grid.value < 0 || grid.value >= rows) {
        grid.value = rows > 0 ? 0 : -1;
    }
    UpdateChannelButtons();
}

int CConDlg::CurrentChannel() const {
    const SControl& grid = At(kChannels);
    const int rows = static_cast<int>(grid.rows.size());
    return grid.visible && grid.value >= 0 && grid.value < rows ? grid.value : -1;
}

void CConDlg::UpdateChannelButtons() {
    const int channel = CurrentChannel();
    bool calibratable = false;
    if (channel >= 0) {
        const int sensorID = Shown().GetSensor(channel).GetSensorID();
        const SSensorData* data = GetSensorData(sensorID);
        calibratable = sensorID != SID_NULL && data != nullptr && data->calibratable != 0;
    }
    At(kSelect).enabled = channel >= 0 && Shown().CanChangeSensor(channel) != 0;
    At(kModify).enabled = calibratable;
}
