#include "ui/SelectSensorForImportDlg.h"

#include "platform/MessageBox.h"
#include "ui/DialogButtons.h"

using namespace DialogButtonIds;
using namespace SelectSensorForImportIds;

namespace {

constexpr const char* kDefaultTitle = "Select Sensor to Import";

}  // namespace

CSelectSensorForImportDlg::CSelectSensorForImportDlg(const SChoiceRequest& request) {
    title = request.title.IsEmpty() ? CString(kDefaultTitle) : request.title;
    if (!request.prompt.IsEmpty()) {
        Add(EControl::Label, kPrompt, request.prompt);
    }
    SControl& sensors = Add(EControl::List, kSensors);
    sensors.choices = request.rows;
    sensors.value = -1;
    AddOkCancel(*this);
}

void CSelectSensorForImportDlg::Command(const std::string& id) {
    if (id == kOk || id == kSensors) {
        const SControl& sensors = At(kSensors);
        if (sensors.value < 0 || sensors.value >= static_cast<int>(sensors.choices.size())) {
            TWMessageBox("Please select a sensor from the list and try again.", title.GetString(),
                         MB_OK | MB_ICONINFORMATION);
            return;
        }
        m_selected = sensors.value;
        EndDialog(IDOK);
    } else if (id == kCancel) {
        m_selected = -1;
        EndDialog(IDCANCEL);
    }
}

int DisplaySelectSensorForImportDialog(const SChoiceRequest& request) {
    CSelectSensorForImportDlg dialog(request);
    return TWRunModal(dialog) == IDOK ? dialog.GetSelectedIndex() : -1;
}

ChoiceDialogHandler InstallSensorImportChoice() {
    return SetChoiceDialogHandler(DisplaySelectSensorForImportDialog);
}
