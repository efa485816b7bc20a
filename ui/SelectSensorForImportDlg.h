#pragma once
// The choice of one sensor among several found in a configuration file being
// imported: one row per candidate, as the importer describes it
// ("Calibration date: ..., Serial number: ..., Name: ...").

#include <vector>

#include "platform/ChoiceDialog.h"
#include "platform/Form.h"

// Control ids shared by the dialog and the toolkits that draw it, with the
// OK and Cancel of ui/DialogButtons.h.
namespace SelectSensorForImportIds {
inline constexpr const char* kPrompt = "prompt";
inline constexpr const char* kSensors = "sensors";
}  // namespace SelectSensorForImportIds

class CSelectSensorForImportDlg : public CFormDialog {
  public:
    // The rows and the title of the request; the prompt, when there is one,
    // stands above the list.
    explicit CSelectSensorForImportDlg(const SChoiceRequest& request);

    // The index of the chosen row; -1 until one is confirmed.
    int GetSelectedIndex() const { return m_selected; }

    void Command(const std::string& id) override;

  private:
    int m_selected = -1;
};

// Runs the dialog for the request; the chosen index, or -1 on Cancel.
int DisplaySelectSensorForImportDialog(const SChoiceRequest& request);

// Makes every TWChoiceDialog show this dialog through TWRunModal, so that a
// host that draws forms also draws the importer's choice; returns the
// handler it replaces. A host calls it once at start-up.
ChoiceDialogHandler InstallSensorImportChoice();
