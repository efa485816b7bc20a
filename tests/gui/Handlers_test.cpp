#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "apps/gui/Latin1.h"
#include "apps/gui/QtHandlers.h"
#include "apps/gui/ReportWindow.h"
#include "platform/FileDialog.h"
#include "platform/IniSettings.h"
#include "platform/MessageBox.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class CHandlersTest : public QObject {
    Q_OBJECT
  private slots:
    void messageBoxesShowTheFlagsAndAnswerTheButtonChosen();
    void fileDialogsFollowTheRequest();
    void theReportWindowShowsSavesCopiesAndCleansUp();
};

void CHandlersTest::messageBoxesShowTheFlagsAndAnswerTheButtonChosen() {
    struct SCase {
        unsigned flags;
        QMessageBox::StandardButton click;  // NoButton: Escape
        QMessageBox::Icon icon;
        int buttons;
        QMessageBox::StandardButton preset;  // the default button
        int answer;
    };
    const SCase cases[] = {
        {MB_OK | MB_ICONERROR, QMessageBox::Ok, QMessageBox::Critical, 1, QMessageBox::Ok, IDOK},
        {MB_OK | MB_ICONINFORMATION, QMessageBox::NoButton, QMessageBox::Information, 1,
         QMessageBox::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONWARNING, QMessageBox::Cancel, QMessageBox::Warning, 2,
         QMessageBox::Ok, IDCANCEL},
        {MB_YESNOCANCEL | MB_ICONQUESTION, QMessageBox::No, QMessageBox::Question, 3,
         QMessageBox::Yes, IDNO},
        {MB_YESNOCANCEL | MB_ICONQUESTION, QMessageBox::NoButton, QMessageBox::Question, 3,
         QMessageBox::Yes, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, QMessageBox::Yes, QMessageBox::Question, 2, QMessageBox::Yes,
         IDYES},
    };
    for (const SCase& test : cases) {
        WhenModal([&test](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QString::fromUtf8("Input Error µ"));
            QCOMPARE(box->text(), QString::fromUtf8("Sample interval <µs> must be a number."));
            QCOMPARE(box->icon(), test.icon);
            QCOMPARE(int(box->buttons().size()), test.buttons);
            QCOMPARE(box->defaultButton(), box->button(test.preset));
            if (test.click == QMessageBox::NoButton) {
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

void CHandlersTest::fileDialogsFollowTheRequest() {
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("cast01.xmlcon"));
    WriteAll(existing, "<?xml version=\"1.0\"?>");

    SFileDialogRequest open;
    open.title = "Open Instrument Configuration File";
    open.filters =
        FileFiltersFrom("Instrument Configuration Files (*.xmlcon;*.con)|*.xmlcon; *.con||");
    open.defaultExtension = "xmlcon";
    open.initialFile = ToPath(existing);
    open.mustExist = true;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QString("Open Instrument Configuration File"));
        QCOMPARE(dialog->nameFilters(),
                 QStringList{"Instrument Configuration Files (*.xmlcon *.con)"});
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(QDir(dialog->directory()), QDir(folder.path()));
        QMetaObject::invokeMethod(dialog, "accept");  // the initial file is the one chosen
    });
    const std::optional<CString> opened = ShowFileDialog(open);
    QVERIFY(opened.has_value());
    QCOMPARE(FromPath(*opened), existing);

    SFileDialogRequest save;
    save.save = true;
    save.filters = FileFiltersFrom(
        "XML Instrument Configuration Files (*.xmlcon)|*.xmlcon|Instrument Configuration Files "
        "(*.con)|*.con||");
    save.defaultExtension = "xmlcon";
    save.initialFolder = ToPath(folder.path());
    save.promptOverwrite = true;
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog->nameFilters().size(), 2);
        dialog->selectFile(QStringLiteral("cast02"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const std::optional<CString> saved = ShowFileDialog(save);
    QVERIFY(saved.has_value());
    QCOMPARE(FromPath(*saved), folder.filePath(QStringLiteral("cast02.xmlcon")));

    WhenModal([](QWidget* modal) { QMetaObject::invokeMethod(modal, "reject"); });
    QVERIFY(!ShowFileDialog(save).has_value());
}

void CHandlersTest::theReportWindowShowsSavesCopiesAndCleansUp() {
    QTemporaryDir folder;
    const QString reportPath = folder.filePath(QStringLiteral("RPT1234.tmp"));
    const QByteArray report = "Configuration report\r\nConductivity 0.1 \xB5S/cm\r\n";
    WriteAll(reportPath, report);
    const QString iniFile = folder.filePath(QStringLiteral("TW_ConfigCTD.ini"));

    SReportRequest request;
    request.path = ToPath(reportPath);
    request.title = "Configuration Report";
    request.suggestedName = "cast01.txt";
    request.iniFile = ToPath(iniFile);
    request.deleteWhenClosed = true;
    QVERIFY(ShowReport(request));
    CReportWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        window = window != nullptr ? window : qobject_cast<CReportWindow*>(top);
    }
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Configuration Report"));
    auto* text = Child<QPlainTextEdit>(window, "reportText");
    QVERIFY(text->isReadOnly());
    QVERIFY(QFontInfo(text->font()).fixedPitch());
    QVERIFY(text->toPlainText().contains(QString::fromUtf8("0.1 µS/cm")));
    QVERIFY(window->width() <= 1366 && window->height() <= 768);

    QTest::mouseClick(Child<QPushButton>(window, "copyReport"), Qt::LeftButton);
    QVERIFY(QApplication::clipboard()->text().contains(QString::fromUtf8("µS/cm")));

    // Save writes the bytes as they were, and remembers the folder.
    const QString copy = folder.filePath(QStringLiteral("copy.txt"));
    {
        CScriptedFileDialog answers({ToPath(copy)});
        QTest::mouseClick(Child<QPushButton>(window, "saveReport"), Qt::LeftButton);
        QCOMPARE(answers.requests.size(), size_t(1));
        QCOMPARE(answers.requests[0].initialFile, CString("cast01.txt"));
        QVERIFY(answers.requests[0].save && answers.requests[0].promptOverwrite);
    }
    QCOMPARE(ReadAll(copy), report);
    QCOMPARE(FromPath(ReadIniText(ToPath(iniFile), "Configuration Report", "Folder", "")),
             folder.path());

    QPointer<CReportWindow> closing(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(closing.isNull());
    QVERIFY(!QFile::exists(reportPath));

    request.path = ToPath(folder.filePath(QStringLiteral("missing.tmp")));
    QVERIFY(!ShowReport(request));
}

QTEST_MAIN(CHandlersTest)
#include "Handlers_test.moc"
