#include "ui/PickInstrumentDlg.h"

#include <array>

#include "core/Catalogue.h"
#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "ui/DialogButtons.h"

using namespace DialogButtonIds;

namespace Config2004 {

namespace {

// The instruments a new configuration may be made for, in the order the
// picker lists them.
constexpr std::array kInstruments{
    CTD_62_VANTREL,     CTD_62PLUS_VANTREL, CTD_62V2_VANTREL, CTD_64_VANTREL,
    CTD_64PLUS_VANTREL, CTD_64V2_VANTREL,   CTD_71_THERMOSAL, CTD_56_CORVANE,
    CTD_56PLUS_CORVANE, CTD_47_THERMOSAL,   CTD_94_DARTEL,    CTD_812PLUS,
};

constexpr const char* kInstrument = "instrument";
constexpr int kDebugLevel = 3;

}  // namespace

CPickInstrumentDlg::CPickInstrumentDlg() {
    title = "Please Select an Instrument";
    SControl& instruments = Add(EControl::Radio, kInstrument);
    for (CTD_ID ctdID : kInstruments) {
        instruments.choices.emplace_back(GetCTD_Data(ctdID)->name);
    }
    instruments.value = -1;
    AddOkCancel(*this);
}

int CPickInstrumentDlg::DisplayPickInstrumentDialog(CWnd* parent) {
    (void)parent;
    CPickInstrumentDlg dialog;
    return TWRunModal(dialog) == IDOK ? dialog.GetSelectedInstrument() : -1;
}

void CPickInstrumentDlg::Command(const std::string& id) {
    if (id == kOk) {
        const int chosen = At(kInstrument).value;
        m_selected = chosen >= 0 && chosen < static_cast<int>(kInstruments.size())
                         ? kInstruments[static_cast<std::size_t>(chosen)]
                         : -1;
        // One entry of the log is one line: it carries its own line end.
        CString line;
        line.Format("CPickInstrumentDlg::OnOK() - Selected Instrument is %d", m_selected);
        CDiagnostics::Log(line.GetString(), kDebugLevel);
        EndDialog(IDOK);
    } else if (id == kCancel) {
        m_selected = -1;
        EndDialog(IDCANCEL);
    }
}

}  // namespace Config2004
