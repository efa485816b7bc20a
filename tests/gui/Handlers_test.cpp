#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <stdexcept>

#include "GuiTestSupport.h"
#include "apps/gui/GuiApplication.h"
#include "apps/gui/Latin1.h"
#include "apps/gui/QtHandlers.h"
#include "apps/gui/ReportWindow.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

class CHandlersTest : public QObject {
    Q_OBJECT
  private slots:
    void messageBoxesShowLatin1AndAnswerTheButtonChosen();
    void theReportWindowShowsSavesCopiesAndCleansUp();
    void anExceptionInAnEventHandlerIsShownAndTheProgramGoesOn();
};

namespace {

// An object whose handler of user events fails.
class CFailingHandler : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("no channel 12");
        }
        return QObject::event(event);
    }
};

}  // namespace

void CHandlersTest::messageBoxesShowLatin1AndAnswerTheButtonChosen() {
    using Box = QMessageBox;
    struct SCase {
        unsigned flags;
        Box::StandardButton click;  // NoButton: Escape
        int buttons;
        Box::StandardButton preset;  // the default button
        int answer;
    };
    const SCase cases[] = {
        {MB_OK | MB_ICONERROR, Box::Ok, 1, Box::Ok, IDOK},
        {MB_OK | MB_ICONINFORMATION, Box::NoButton, 1, Box::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONWARNING, Box::Cancel, 2, Box::Ok, IDCANCEL},
        {MB_YESNOCANCEL | MB_ICONQUESTION, Box::No, 3, Box::Yes, IDNO},
        {MB_YESNOCANCEL | MB_ICONQUESTION, Box::NoButton, 3, Box::Yes, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, Box::Yes, 2, Box::Yes, IDYES},
    };
    for (const SCase& test : cases) {
        WhenModal([&test, &cases](QWidget* modal) {
            auto* box = qobject_cast<Box*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QString::fromUtf8("Input Error µ"));
            QCOMPARE(box->text(), QString::fromUtf8("Sample interval <µs> must be a number."));
            QCOMPARE(int(box->buttons().size()), test.buttons);
            QCOMPARE(box->defaultButton(), box->button(test.preset));
            SaveScreenshot(box, &test == cases ? "message-box" : nullptr);
            if (test.click == Box::NoButton) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                QTest::mouseClick(box->button(test.click), Qt::LeftButton);
            }
        });
        QCOMPARE(ShowMessageBox("Sample interval <\xB5s> must be a number.", "Input Error \xB5",
                                test.flags),
                 test.answer);
    }
}

void CHandlersTest::theReportWindowShowsSavesCopiesAndCleansUp() {
    QTemporaryDir folder;
    const QString reportPath = folder.filePath(QStringLiteral("RPT1234.tmp"));
    const QByteArray report = "Configuration report\r\nConductivity 0.1 \xB5S/cm\r\n";
    QFile file(reportPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(report) == report.size());
    file.close();
    SReportRequest request;
    request.path = ToPath(reportPath);
    request.iniFile = ToPath(folder.filePath(QStringLiteral("TW_ConfigCTD.ini")));
    request.deleteWhenClosed = true;
    QVERIFY(ShowReport(request));
    auto* window = TopLevel<CReportWindow>();
    QVERIFY(window != nullptr && window->isVisible() && FitsScreen(window));
    // Beside the dialog that asked for it: nothing waits on it.
    QVERIFY(!window->isModal() && QApplication::activeModalWidget() == nullptr);
    QVERIFY(Child<QPlainTextEdit>(window, "reportText")
                ->toPlainText()
                .contains(QString::fromUtf8("0.1 µS/cm")));
    Click(window, "copyReport");
    QVERIFY(QApplication::clipboard()->text().contains(QString::fromUtf8("µS/cm")));

    // Save writes the bytes as they were.
    const QString copy = folder.filePath(QStringLiteral("copy.txt"));
    {
        CScriptedFileDialog answers({ToPath(copy)});
        Click(window, "saveReport");
    }
    QFile saved(copy);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), report);

    // Escape closes the window, which deletes the report file.
    QPointer<CReportWindow> closing(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(closing.isNull());
    QVERIFY(!QFile::exists(reportPath));
}

void CHandlersTest::anExceptionInAnEventHandlerIsShownAndTheProgramGoesOn() {
    CFailingHandler failing;
    QString shown;
    WhenModal([&shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QEvent event(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&failing, &event));
    QVERIFY2(shown.contains(QStringLiteral("no channel 12")), qPrintable(shown));
}

// The program's own application object, which the last test needs.
int main(int argc, char* argv[]) {
    CGuiApplication app(argc, argv);
    CHandlersTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "Handlers_test.moc"
