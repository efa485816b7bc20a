#include "ui/DialogButtons.h"

void AddOkCancel(CFormDialog& dialog) {
    SControl& ok = dialog.Add(EControl::Button, DialogButtonIds::kOk, "OK");
    ok.bottomRow = true;
    ok.isDefault = true;
    SControl& cancel = dialog.Add(EControl::Button, DialogButtonIds::kCancel, "Cancel");
    cancel.bottomRow = true;
    cancel.isCancel = true;
}
