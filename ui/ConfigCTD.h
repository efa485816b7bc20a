#pragma once
// CConfigCTD: what a host program keeps while it works with instrument
// configurations. It holds the selected configuration file and the
// instrument read from it, knows which host it serves and which instruments
// that host may open, lets the user pick a file, opens the configuration
// dialog of an instrument, starts new configurations, and reads the selected
// file again after a dialog saved it.

#include <array>

#include "core/CTD.h"
#include "platform/CString.h"
#include "platform/Object.h"

class CWnd;

class CConfigCTD : public CObject {
    DECLARE_DYNAMIC(CConfigCTD)
  public:
    // The number of instrument dialogs, each with its own remembered path.
    static constexpr int NUM_INSTRUMENT_DIALOGS = 15;

    CConfigCTD() = default;
    // Copies every field; the copy gets its own instrument object.
    CConfigCTD(const CConfigCTD& other);
    CConfigCTD& operator=(const CConfigCTD& other);
    ~CConfigCTD() override;

    // Equal instruments (or none on both sides) and every other field equal.
    bool operator==(const CConfigCTD& other) const;
    bool operator!=(const CConfigCTD& other) const { return !(*this == other); }

    // The host program: 0 to 3 a host that names itself "This module", 4
    // "Display Con File", 5 "TermlinkV2", 6 "WavecapV7", 7 "Certgen", 8
    // "Test TW_ConfigCTD", 9 "Cfgport".
    void SetApplication(int application) { m_nApplication = application; }
    int GetApplication() const { return m_nApplication; }
    // The host's name in messages; "This module" for unknown values.
    const char* GetApplicationName() const;

    // 1 when the host may open the instrument of that CTD ID.
    static int CTD_ID_Supported(int ctdID, int application);
    // Tells the user that the file or its instrument cannot be opened here.
    void UnsupportedMessage(int ctdID, CWnd* owner) const;

    // Lets the user choose a file (asking again after an instrument the host
    // may not open) and reads it; 1 when it became the selection. Cancel or
    // a failed read keeps the previous selection.
    int SelectConFile();
    // The same for a given file without asking; an instrument the host may
    // not open is refused silently.
    int SelectConFile(CString& path);
    // Forgets the selected CTD ID and every path; the instrument object stays
    // until the next selection.
    void DeselectConFile();
    // Reads the selected file into a new instrument object (after a dialog
    // may have changed it); a failed read leaves a default object.
    void RereadSelectedConFile();
    // Opens the dialog of the selected file's instrument; its result, or 0.
    int DispSelectedConFile();
    // Lets the user pick an instrument and opens its dialog on a new
    // configuration; the dialog's result, or -1 when cancelled or not
    // supported.
    int CreateNewConFile(CWnd* parent);

    // The instrument dialogs, each working on its own remembered path; the
    // dialog's result (1 leave button, 2 Cancel, 0 not shown).
    int Disp62VantrelConDlg();
    int Disp62VantrelPlusConDlg();
    int Disp62V2VantrelConDlg();
    int Disp64VantrelConDlg();
    int Disp64VantrelPlusConDlg();
    int Disp64V2VantrelConDlg();
    int Disp71ThermosalConDlg();
    int Disp71V2ThermosalConDlg();
    int Disp56CorvaneConDlg();
    int Disp47ThermosalConDlg();
    int Disp94DartelConDlg();
    int Disp812PlusConDlg();
    int DispPayloadConDlg();
    // keepPath nonzero keeps the remembered path of a new configuration.
    int DispNimbrelConDlg(int keepPath);
    int Disp56PlusConDlg();

    // 1 when the selection is a TDW 56plus Corvane that processes the XML
    // file uploaded from its memory (usage 0).
    int IsSelected56XML() const;

    int GetSelectedCTD_ID() const { return m_nSelectedCTD_ID; }
    // The instrument of the selected file; null before the first selection.
    CCTD* GetSelectedCTD() const { return m_pSelectedCTD; }
    const CString& GetSelectedPath() const { return m_selectedPath; }

    // The path the dialog of that CTD ID works on; empty for a CTD ID
    // without a dialog. Setting it for such an ID does nothing.
    CString GetInstrumentPath(int ctdID) const;
    void SetInstrumentPath(int ctdID, const CString& path);

  private:
    // Runs the dialog at that position of the dialog table.
    int OpenInstrumentDialog(int dialog, bool keepPath);
    // Makes the instrument read from path the selection.
    void Select(int ctdID, CCTD* ctd, const CString& path);

    int m_nApplication = 0;
    int m_nSelectedCTD_ID = -1;
    CCTD* m_pSelectedCTD = nullptr;  // owned
    CString m_selectedPath;
    std::array<CString, NUM_INSTRUMENT_DIALOGS> m_instrumentPaths;

  public:
    // Set while a dialog is opened for a new configuration.
    int m_bNewConfiguration = 0;
    // A file saved by a dialog becomes the selection.
    int m_bSelectAfterDialog = 0;
    // 1: the dialogs ask before leaving with unsaved changes and label their
    // leave button "Exit"; 0: "Save && Exit" saves without asking.
    int m_bAskToSave = 1;
    // The dialog shows the channel grid; each opener sets it for its dialog.
    int m_bChannelGrid = 1;
};
