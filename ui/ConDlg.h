#pragma once
// The configuration dialog of an instrument: the settings of its model, the
// channel grid, and the file commands Open, Save, Save As, Report, the leave
// button and Cancel. It works on its own copy of the instrument and hands it
// back only through a saved file.

#include <memory>
#include <string>

#include "core/CTD.h"
#include "platform/Form.h"
#include "ui/ModelSettings.h"

class CConfigCTD;

// Control ids shared by the dialogs and the toolkits that draw them.
namespace ConDlgIds {
inline constexpr const char* kOpen = "open";
inline constexpr const char* kSave = "save";
inline constexpr const char* kSaveAs = "saveAs";
inline constexpr const char* kReport = "report";
inline constexpr const char* kHelp = "help";
inline constexpr const char* kLeave = "leave";
inline constexpr const char* kCancel = "cancel";
inline constexpr const char* kSelect = "select";
inline constexpr const char* kModify = "modify";
inline constexpr const char* kStatus = "status";
inline constexpr const char* kChannels = "channels";
}  // namespace ConDlgIds

class CConDlg : public CFormDialog {
  public:
    // A dialog for the model of ctdID, opened by config (which keeps the
    // model's file path and the ask-to-save and channel-grid flags).
    CConDlg(CConfigCTD& config, int ctdID);
    // The same with the settings given (null: the channel grid only).
    CConDlg(CConfigCTD& config, int ctdID, std::unique_ptr<CModelSettings> settings);
    ~CConDlg() override;

    CCTD& Instrument() { return *m_instrument; }
    // The instrument as the grid shows it: the working instrument with the
    // channel settings chosen but not yet stored.
    CCTD& Shown() { return m_preview ? *m_preview : *m_instrument; }
    const CString& CurrentPath() const { return m_path; }
    // The model's settings controls; null for a dialog without.
    const CModelSettings* Settings() const { return m_settings.get(); }

    void Initialise() override;
    void Changed(const std::string& id) override;
    void Command(const std::string& id) override;
    // The configuration differs from its file (or, new, from the model's
    // default), stored or not.
    bool Modified() const override;

  protected:
    // The model's own part; each returns what the common behaviour needs.
    virtual void SetPermPath();
    virtual void GetPermPath();
    virtual void WriteControls();
    virtual int ReadControls();
    virtual bool ChangedAfterNew() const;
    virtual bool ChangedAfterOpen() const;
    virtual void MakeOpenCopy();

    // The common commands, shared with dialogs laid out otherwise.
    void OnOpen();
    // Writes the instrument to path (asking about a read-only file); true
    // when the dialog may go on as if saved.
    bool SavePath(const CString& path);
    // true when the file was saved under a new name.
    bool OnSaveAs();
    void OnLeave();
    void OnReport();
    void UpdateStatus();
    // "Configuration file opened: " and the file's name, or none without one.
    CString StatusText(const char* none) const;
    void FillChannelGrid();
    // Enables "Select..." and "Modify..." for the current channel.
    void UpdateChannelButtons();
    // Builds the preview again from the working instrument and the channel
    // choices (after the working instrument changed under it).
    void RefreshPreview();
    // Forgets the channel choices once stored or replaced by a file.
    void DropPreview();
    // A sensor command acts on the channels the grid shows: the channel
    // choices are stored first. False when a control's value is refused.
    bool StorePendingLayout();

    CConfigCTD& m_config;
    int m_ctdID;
    std::unique_ptr<CCTD> m_instrument;
    std::unique_ptr<CCTD> m_openCopy;  // null for a new configuration
    CString m_path;
    bool m_xmlOnly = false;
    bool m_channelGrid = true;
    std::unique_ptr<CModelSettings> m_settings;  // null: no settings controls
    // The channel choices not yet stored, and the copy that previews them
    // (null while there are none).
    LayoutChoices m_layoutChoices;
    std::unique_ptr<CCTD> m_preview;

  private:
    void AddCommonControls();
    void OnSave();
    void OnSettingsCommand(const std::string& id);
    // The channel of the grid's current row, or -1.
    int CurrentChannel() const;
    // A double-click on a channel: Modify... for a calibrated sensor, else
    // Select... where the channel takes another sensor.
    void OnChannelDoubleClick();
    // Counts the saves under a name chosen in "Save As...", so that a Save As
    // reached from the read-only question is not undone by its caller.
    int m_savedAsCount = 0;
};
