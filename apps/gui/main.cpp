// tw-configctd-gui [--application N] [FILE]: the desktop application of the
// instrument configurations.

#include <QApplication>
#include <QCommandLineParser>

#include "apps/gui/GuiApplication.h"
#include "apps/gui/MainWindow.h"
#include "apps/gui/QtHandlers.h"
#include "ui/SelectSensorForImportDlg.h"

int main(int argc, char* argv[]) {
    CGuiApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tw-configctd-gui"));
    QApplication::setApplicationVersion(QStringLiteral(TW_CONFIGCTD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Opens, edits and saves instrument configuration files (.xmlcon, .con)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption application(
        QStringLiteral("application"),
        QStringLiteral("The host number the library serves (0 to 9); it decides which "
                       "instruments may be opened and the host's name in messages."),
        QStringLiteral("N"), QStringLiteral("0"));
    parser.addOption(application);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The configuration file selected at start."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    bool isNumber = false;
    const int number = parser.value(application).toInt(&isNumber);
    if (!isNumber || number < 0 || number > 9) {
        qCritical("tw-configctd-gui: --application takes a number from 0 to 9");
        return 2;
    }

    InstallQtHandlers();
    InstallSensorImportChoice();
    CMainWindow window(number);
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        window.OpenPath(parser.positionalArguments().constFirst());
    }
    return QApplication::exec();
}
