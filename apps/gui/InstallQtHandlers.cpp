#include "apps/gui/FormWindow.h"
#include "apps/gui/QtHandlers.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"

void InstallQtHandlers() {
    SetFormHandler(&CFormWindow::Run);
    SetMessageBoxHandler(&ShowMessageBox);
    SetFileDialogHandler(&ShowFileDialog);
    SetReportViewerHandler(&ShowReport);
}
