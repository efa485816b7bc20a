// tw-configctd-gui [--application N] [FILE]: the desktop application of the
// instrument configurations.

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include "apps/gui/MainWindow.h"
#include "apps/gui/QtHandlers.h"
#include "ui/SelectSensorForImportDlg.h"

namespace {

struct SOptions {
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption application;
};

SOptions AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Opens, edits and saves instrument configuration files (.xmlcon, .con)."));
    SOptions options{
        parser.addHelpOption(),
        parser.addVersionOption(),
        QCommandLineOption(
            QStringLiteral("application"),
            QStringLiteral("The host number the library serves (0 to 9); it decides which "
                           "instruments may be opened and the host's name in messages."),
            QStringLiteral("N"), QStringLiteral("0")),
    };
    parser.addOption(options.application);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The configuration file selected at start."),
                                 QStringLiteral("[FILE]"));
    return options;
}

// --help and --version answer before the window system is opened, so that
// they work on a console without a display; the program then ends.
void AnswerWithoutDisplay(int& argc, char* argv[]) {
    QCommandLineParser parser;
    const SOptions options = AddOptions(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // Options of the window system (-platform ...) are unknown here; the
    // full parse in main reports what is really wrong.
    parser.parse(arguments);
    if (!parser.isSet(options.help) && !parser.isSet(options.version)) {
        return;
    }
    // The console application gives the help its program name.
    QCoreApplication console(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(TW_CONFIGCTD_VERSION));
    if (parser.isSet(options.help)) {
        parser.showHelp();
    }
    parser.showVersion();
}

}  // namespace

int main(int argc, char* argv[]) {
    AnswerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tw-configctd-gui"));
    QApplication::setApplicationVersion(QStringLiteral(TW_CONFIGCTD_VERSION));

    QCommandLineParser parser;
    const SOptions options = AddOptions(parser);
    parser.process(app);

    bool isNumber = false;
    const int number = parser.value(options.application).toInt(&isNumber);
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
