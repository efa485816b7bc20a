#pragma once
// The settings controls of one model's configuration dialog: which controls
// it has (labels, choice lists, limits), how they are filled from the
// instrument and stored back into it, and which of them depend on others.
// The configuration dialog (ui/ConDlg.h) adds the common buttons, the status
// line and the channel grid around them.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/CTD.h"
#include "platform/Form.h"

// The choices the user made, by control id, in the settings that change the
// channels; the dialog keeps them until it stores its controls.
using LayoutChoices = std::map<std::string, int>;

// What the help page says of one control.
struct SSettingHelp {
    CString label;
    CString meaning;
    CString range;     // its limits or choices
    CString channels;  // what it does to the channels; empty: nothing
};

class CModelSettings {
  public:
    virtual ~CModelSettings() = default;

    // Appends the settings controls to the dialog, in layout order.
    virtual void AddControls(CFormDialog& dialog) const = 0;
    // Fills the controls from the instrument.
    virtual void WriteControls(const CCTD& ctd, CFormDialog& dialog) const = 0;
    // Stores the controls into the instrument. A refused value shows its
    // message and gives 0, which keeps the dialog open.
    virtual int ReadControls(CFormDialog& dialog, CCTD& ctd) const = 0;
    // Enables or shows the controls whose state follows other controls.
    virtual void UpdateStates(CFormDialog& dialog) const { (void)dialog; }
    // The user changed control id. True when it is a setting that changes
    // the channels: the dialog then keeps the choice and previews it.
    virtual bool Changed(const std::string& id, CFormDialog& dialog) const {
        (void)id, (void)dialog;
        return false;
    }
    // Applies the choices to a copy of the working instrument (those whose
    // control is enabled, in layout order) and shows the copy's channel
    // settings in their controls.
    virtual void PreviewLayout(const LayoutChoices& choices, CFormDialog& dialog,
                               CCTD& copy) const {
        (void)choices, (void)dialog, (void)copy;
    }
    // True when a control shows a value that the instrument does not hold.
    virtual bool ControlsDiffer(const CFormDialog& dialog, const CCTD& ctd) const {
        (void)dialog, (void)ctd;
        return false;
    }
    // The user pressed a button of the settings (for example "Data...").
    virtual void Command(const std::string& id, CFormDialog& dialog, CCTD& ctd) const {
        (void)id, (void)dialog, (void)ctd;
    }

    // The help of each control, for the instrument's model.
    virtual std::vector<SSettingHelp> Help(const CCTD& ctd) const {
        (void)ctd;
        return {};
    }

    // The dialog stores its file only as .xmlcon.
    virtual bool XmlOnly() const { return false; }
    // The channel grid offers "Select..." and "Modify...".
    virtual bool SelectAndModify() const { return true; }
};

// The settings of the model of that CTD ID; null for a model without a
// configuration dialog of this kind (the TDW 70420S UCTD, the 56plus sheet).
std::unique_ptr<CModelSettings> MakeModelSettings(int ctdID);
