#include "ui/ConfigCTD.h"

#include <memory>
#include <utility>

#include "core/Catalogue.h"
#include "instruments/CorvaneCTD.h"
#include "legacy/ConFile.h"
#include "platform/FileDialog.h"
#include "platform/FileNames.h"
#include "platform/MessageBox.h"
#include "ui/ConDlgs.h"
#include "ui/Corvane56PlusSheet.h"
#include "ui/PickInstrumentDlg.h"

IMPLEMENT_DYNAMIC(CConfigCTD, CObject)

namespace {

constexpr const char* kHostNames[] = {
    "This module", "This module", "This module", "This module",       "Display Con File",
    "TermlinkV2",  "WavecapV7",   "Certgen",     "Test TW_ConfigCTD", "Cfgport",
};

// The instrument dialogs in the order of the remembered paths.
struct SInstrumentDialog {
    int ctdID;
    int (*run)(CConfigCTD*);  // null: the dialog is not in this build
};

constexpr SInstrumentDialog kDialogs[CConfigCTD::NUM_INSTRUMENT_DIALOGS] = {
    {CTD_62_VANTREL, Disp62VantrelConDlg},
    {CTD_62PLUS_VANTREL, Disp62VantrelPlusConDlg},
    {CTD_62V2_VANTREL, Disp62V2VantrelConDlg},
    {CTD_64_VANTREL, Disp64VantrelConDlg},
    {CTD_64PLUS_VANTREL, Disp64VantrelPlusConDlg},
    {CTD_64V2_VANTREL, Disp64V2VantrelConDlg},
    {CTD_71_THERMOSAL, Disp71ThermosalConDlg},
    {CTD_71V2_THERMOSAL, Disp71V2ThermosalConDlg},
    {CTD_56_CORVANE, Disp56CorvaneConDlg},
    {CTD_47_THERMOSAL, Disp47ThermosalConDlg},
    {CTD_94_DARTEL, Disp94DartelConDlg},
    {CTD_812PLUS, Disp812PlusConDlg},
    {CTD_PAYLOAD, DispPayloadConDlg},
    {CTD_73_NIMBREL, DispNimbrelConDlg},
    {CTD_56PLUS_CORVANE, Disp56PlusConDlg},
};

// The position of the CTD ID's dialog in kDialogs, or -1.
int DialogOf(int ctdID) {
    for (int dialog = 0; dialog < CConfigCTD::NUM_INSTRUMENT_DIALOGS; ++dialog) {
        if (kDialogs[dialog].ctdID == ctdID) {
            return dialog;
        }
    }
    return -1;
}

// The instruments a new configuration may start from.
bool CanStartNew(int ctdID) {
    return (ctdID >= CTD_62_VANTREL && ctdID <= CTD_812PLUS) || ctdID == CTD_62V2_VANTREL ||
           ctdID == CTD_64V2_VANTREL || ctdID == CTD_71V2_THERMOSAL;
}

CCTD* CopyOfInstrument(int ctdID, const CCTD* from) {
    if (ctdID == -1 || from == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CCTD> copy(CreateCTDObject(ctdID));
    if (copy && !CopyCTDObject(copy.get(), from)) {
        return nullptr;
    }
    return copy.release();
}

// A new instrument object of the file's model holding the file, or null
// (the reader has told the user why).
std::unique_ptr<CCTD> ReadInstrument(int ctdID, const CString& path) {
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ctd || !ReadConFile(path, ctd.get())) {
        return nullptr;
    }
    return ctd;
}

}  // namespace

CConfigCTD::CConfigCTD(const CConfigCTD& other)
    : CObject(other),
      m_nApplication(other.m_nApplication),
      m_nSelectedCTD_ID(other.m_nSelectedCTD_ID),
      m_pSelectedCTD(CopyOfInstrument(other.m_nSelectedCTD_ID, other.m_pSelectedCTD)),
      m_selectedPath(other.m_selectedPath),
      m_instrumentPaths(other.m_instrumentPaths),
      m_bNewConfiguration(other.m_bNewConfiguration),
      m_bSelectAfterDialog(other.m_bSelectAfterDialog),
      m_bAskToSave(other.m_bAskToSave),
      m_bChannelGrid(other.m_bChannelGrid) {}

CConfigCTD& CConfigCTD::operator=(const CConfigCTD& other) {
    if (this != &other) {
        CConfigCTD copy(other);
        std::swap(m_nApplication, copy.m_nApplication);
        std::swap(m_nSelectedCTD_ID, copy.m_nSelectedCTD_ID);
        std::swap(m_pSelectedCTD, copy.m_pSelectedCTD);
        std::swap(m_selectedPath, copy.m_selectedPath);
        std::swap(m_instrumentPaths, copy.m_instrumentPaths);
        std::swap(m_bNewConfiguration, copy.m_bNewConfiguration);
        std::swap(m_bSelectAfterDialog, copy.m_bSelectAfterDialog);
        std::swap(m_bAskToSave, copy.m_bAskToSave);
        std::swap(m_bChannelGrid, copy.m_bChannelGrid);
    }
    return *this;
}

CConfigCTD::~CConfigCTD() {
    delete m_pSelectedCTD;
}

bool CConfigCTD::operator==(const CConfigCTD& other) const {
    return CTD_ObjectsEqual(m_pSelectedCTD, other.m_pSelectedCTD) &&
           m_nApplication == other.m_nApplication && m_selectedPath == other.m_selectedPath &&
           m_instrumentPaths == other.m_instrumentPaths &&
           m_bNewConfiguration == other.m_bNewConfiguration &&
           m_bSelectAfterDialog == other.m_bSelectAfterDialog &&
           m_bAskToSave == other.m_bAskToSave && m_bChannelGrid == other.m_bChannelGrid;
}

const char* CConfigCTD::GetApplicationName() const {
    const bool known =
        m_nApplication >= 0 && m_nApplication < static_cast<int>(std::size(kHostNames));
    return known ? kHostNames[m_nApplication] : kHostNames[0];
}

int CConfigCTD::CTD_ID_Supported(int ctdID, int application) {
    auto any = [application](std::initializer_list<int> applications) {
        for (int allowed : applications) {
            if (allowed == application) {
                return 1;
            }
        }
        return 0;
    };
    switch (ctdID) {
        case CTD_70420S_UCTD:
            return any({7, 8});
        case CTD_71V2_THERMOSAL:
            return 0;
        case CTD_PAYLOAD:
            return any({1, 3, 4, 5, 7, 8});
        case CTD_73_NIMBREL:
            return any({0, 1, 3, 4, 5, 7, 8});
        default:
            return ctdID >= 0 && ctdID < NUM_CTD_IDS ? 1 : 0;
    }
}

void CConfigCTD::UnsupportedMessage(int ctdID, CWnd* owner) const {
    // Message boxes here have no owner window: the host's handler places them.
    (void)owner;
    const SCTD_Data* model = GetCTD_Data(ctdID);
    CString text = "Not a valid .con or .xmlcon file.";
    if (model != nullptr) {
        text.Format("%s does not support the %s.", GetApplicationName(), model->name);
    }
    TWMessageBox(text, "Error Selecting Instrument Configuration File.",
                 MB_OK | MB_ICONINFORMATION);
}

void CConfigCTD::Select(int ctdID, CCTD* ctd, const CString& path) {
    delete m_pSelectedCTD;
    m_pSelectedCTD = ctd;
    m_nSelectedCTD_ID = ctdID;
    m_selectedPath = path;
}

int CConfigCTD::SelectConFile() {
    SFileDialogRequest request;
    request.title = "Select Instrument Configuration File";
    request.filters =
        FileFiltersFrom("Instrument Configuration Files (*.xmlcon;*.con)|*.xmlcon; *.con||");
    request.mustExist = true;
    if (IsFile(m_selectedPath)) {
        request.initialFile = m_selectedPath;
    } else {
        request.initialFolder = m_selectedPath;
    }
    for (;;) {
        const std::optional<CString> path = TWFileDialog(request);
        if (!path) {
            return 0;
        }
        const int ctdID = ReadCTDID(*path);
        if (!CTD_ID_Supported(ctdID, m_nApplication)) {
            UnsupportedMessage(ctdID, nullptr);
            continue;
        }
        std::unique_ptr<CCTD> ctd = ReadInstrument(ctdID, *path);
        if (!ctd) {
            return 0;
        }
        Select(ctdID, ctd.release(), *path);
        return 1;
    }
}

int CConfigCTD::SelectConFile(CString& path) {
    const int ctdID = ReadCTDID(path);
    if (!CTD_ID_Supported(ctdID, m_nApplication)) {
        return 0;
    }
    std::unique_ptr<CCTD> ctd = ReadInstrument(ctdID, path);
    if (!ctd) {
        return 0;
    }
    Select(ctdID, ctd.release(), path);
    return 1;
}

void CConfigCTD::DeselectConFile() {
    m_nSelectedCTD_ID = -1;
    m_selectedPath.Empty();
    for (CString& path : m_instrumentPaths) {
        path.Empty();
    }
}

void CConfigCTD::RereadSelectedConFile() {
    if (m_pSelectedCTD == nullptr) {
        return;
    }
    delete m_pSelectedCTD;
    m_pSelectedCTD = CreateCTDObject(m_nSelectedCTD_ID);
    if (m_pSelectedCTD != nullptr) {
        ReadConFile(m_selectedPath, m_pSelectedCTD);
    }
}

int CConfigCTD::OpenInstrumentDialog(int dialog, bool keepPath) {
    const SInstrumentDialog& entry = kDialogs[dialog];
    CString& path = m_instrumentPaths[dialog];
    m_bChannelGrid = entry.ctdID == CTD_56PLUS_CORVANE ? 0 : 1;
    if (m_bNewConfiguration && !keepPath) {
        path.Empty();
    }
    if (entry.run == nullptr) {
        return 0;
    }
    const int result = entry.run(this);
    if (result == 0) {
        return 0;
    }
    if (m_selectedPath == path) {
        RereadSelectedConFile();
    } else if (m_bSelectAfterDialog && !path.IsEmpty()) {
        // A new configuration left unsaved has no file to select.
        CString saved = path;
        SelectConFile(saved);
    }
    return result;
}

int CConfigCTD::DispSelectedConFile() {
    const int wasNew = m_bNewConfiguration;
    m_bNewConfiguration = 0;
    const int dialog = DialogOf(m_nSelectedCTD_ID);
    int result = 0;
    if (dialog < 0) {
        CString text;
        text.Format(
            "An unsupported CTD ID (%d) was encountered in TW_ConfigCTD.\n\n"
            "Please report your operating environment and what you were doing "
            "to Tidewren software support.",
            m_nSelectedCTD_ID);
        TWMessageBox(text, "CConfigCTD::DispSelectedConFile()", MB_OK | MB_ICONERROR);
    } else {
        const CString kept = m_instrumentPaths[dialog];
        m_instrumentPaths[dialog] = m_selectedPath;
        result = OpenInstrumentDialog(dialog, false);
        m_instrumentPaths[dialog] = kept;
    }
    m_bNewConfiguration = wasNew;
    return result;
}

int CConfigCTD::CreateNewConFile(CWnd* parent) {
    const int ctdID = Config2004::CPickInstrumentDlg::DisplayPickInstrumentDialog(parent);
    m_bNewConfiguration = 1;
    if (ctdID == -1) {
        return -1;
    }
    if (CanStartNew(ctdID)) {
        return OpenInstrumentDialog(DialogOf(ctdID), false);
    }
    TWMessageBox("The instrument is not supported yet.  Thank you for your patience!",
                 "Under Construction", MB_OK | MB_ICONINFORMATION);
    return -1;
}

int CConfigCTD::Disp62VantrelConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_62_VANTREL), false);
}
int CConfigCTD::Disp62VantrelPlusConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_62PLUS_VANTREL), false);
}
int CConfigCTD::Disp62V2VantrelConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_62V2_VANTREL), false);
}
int CConfigCTD::Disp64VantrelConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_64_VANTREL), false);
}
int CConfigCTD::Disp64VantrelPlusConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_64PLUS_VANTREL), false);
}
int CConfigCTD::Disp64V2VantrelConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_64V2_VANTREL), false);
}
int CConfigCTD::Disp71ThermosalConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_71_THERMOSAL), false);
}
int CConfigCTD::Disp71V2ThermosalConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_71V2_THERMOSAL), false);
}
int CConfigCTD::Disp56CorvaneConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_56_CORVANE), false);
}
int CConfigCTD::Disp47ThermosalConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_47_THERMOSAL), false);
}
int CConfigCTD::Disp94DartelConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_94_DARTEL), false);
}
int CConfigCTD::Disp812PlusConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_812PLUS), false);
}
int CConfigCTD::DispPayloadConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_PAYLOAD), false);
}
int CConfigCTD::DispNimbrelConDlg(int keepPath) {
    return OpenInstrumentDialog(DialogOf(CTD_73_NIMBREL), keepPath != 0);
}
int CConfigCTD::Disp56PlusConDlg() {
    return OpenInstrumentDialog(DialogOf(CTD_56PLUS_CORVANE), false);
}

int CConfigCTD::IsSelected56XML() const {
    const auto* corvane = dynamic_cast<const C56PlusCTD*>(m_pSelectedCTD);
    return corvane != nullptr && corvane->GetUsage() == 0 ? 1 : 0;
}

CString CConfigCTD::GetInstrumentPath(int ctdID) const {
    const int dialog = DialogOf(ctdID);
    return dialog < 0 ? CString() : m_instrumentPaths[dialog];
}

void CConfigCTD::SetInstrumentPath(int ctdID, const CString& path) {
    const int dialog = DialogOf(ctdID);
    if (dialog >= 0) {
        m_instrumentPaths[dialog] = path;
    }
}
