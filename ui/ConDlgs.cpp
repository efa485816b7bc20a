#include "ui/ConDlgs.h"

#include "core/Catalogue.h"
#include "platform/MessageBox.h"
#include "ui/ConDlg.h"
#include "ui/ConfigCTD.h"

namespace {

int RunConDlg(CConfigCTD* config, int ctdID) {
    CConDlg dialog(*config, ctdID);
    const int result = TWRunModal(dialog);
    if (result == IDOK && !dialog.CurrentPath().IsEmpty()) {
        config->SetInstrumentPath(ctdID, dialog.CurrentPath());
    }
    return result;
}

}  // namespace

int Disp62VantrelConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_62_VANTREL);
}
int Disp62VantrelPlusConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_62PLUS_VANTREL);
}
int Disp62V2VantrelConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_62V2_VANTREL);
}
int Disp64VantrelConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_64_VANTREL);
}
int Disp64VantrelPlusConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_64PLUS_VANTREL);
}
int Disp64V2VantrelConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_64V2_VANTREL);
}
int Disp71ThermosalConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_71_THERMOSAL);
}
int Disp71V2ThermosalConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_71V2_THERMOSAL);
}
int Disp56CorvaneConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_56_CORVANE);
}
int Disp47ThermosalConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_47_THERMOSAL);
}
int Disp94DartelConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_94_DARTEL);
}
int Disp812PlusConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_812PLUS);
}
int DispPayloadConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_PAYLOAD);
}
int DispNimbrelConDlg(CConfigCTD* config) {
    return RunConDlg(config, CTD_73_NIMBREL);
}
