#include <QDesktopServices>
#include <QUrl>

#include "apps/gui/FormWindow.h"
#include "apps/gui/Latin1.h"
#include "apps/gui/QtHandlers.h"
#include "platform/Form.h"
#include "platform/HelpLauncher.h"
#include "platform/MessageBox.h"

void InstallQtHandlers() {
    SetFormHandler(&CFormWindow::Run);
    SetMessageBoxHandler(&ShowMessageBox);
    SetFileDialogHandler(&ShowFileDialog);
    SetReportViewerHandler(&ShowReport);
    SetHelpHandler([](const CString& page) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(FromPath(page)));
    });
}
