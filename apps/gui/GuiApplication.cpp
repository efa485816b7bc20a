#include "apps/gui/GuiApplication.h"

#include <exception>
#include <string>

#include "apps/gui/QtHandlers.h"
#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"

namespace {

void ShowFault(const std::string& reason) {
    const std::string text = "The action could not be completed: " + reason;
    CDiagnostics::Log(("tw-configctd-gui: " + text).c_str(), 0);
    ShowMessageBox(text.c_str(), "Unexpected Error", MB_OK | MB_ICONERROR);
}

}  // namespace

CGuiApplication::CGuiApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool CGuiApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& fault) {
        ShowFault(fault.what());
    } catch (...) {
        ShowFault("an unknown fault");
    }
    return false;
}
