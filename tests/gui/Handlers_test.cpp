#include <QClipboard>
#include <QFileDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "GuiTestSupport.h"
#include "apps/gui/Latin1.h"
#include "apps/gui/QtHandlers.h"
#include "apps/gui/ReportWindow.h"
#include "platform/FileDialog.h"
#include "platform/IniSettings.h"
#include "platform/MessageBox.h"

namespace {

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
    using Box = QMessageBox;
    struct SCase {
        unsigned flags;
        Box::StandardButton click;  // NoButton: Escape
        Box::Icon icon;
        int buttons;
        Box::StandardButton preset;  // the default button
        int answer;
    };
    const SCase cases[] = {
        {MB_OK | MB_ICONERROR, Box::Ok, Box::Critical, 1, Box::Ok, IDOK},
        {MB_OK | MB_ICONINFORMATION, Box::NoButton, Box::Information, 1, Box::Ok, IDOK},
        {MB_OKCANCEL | MB_ICONWARNING, Box::Cancel, Box::Warning, 2, Box::Ok, IDCANCEL},
        {MB_YESNOCANCEL | MB_ICONQUESTION, Box::No, Box::Question, 3, Box::Yes, IDNO},
        {MB_YESNOCANCEL | MB_ICONQUESTION, Box::NoButton, Box::Question, 3, Box::Yes, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, Box::Yes, Box::Question, 2, Box::Yes, IDYES},
    };
    for (const SCase& test : cases) {
        WhenModal([&test](QWidget* modal) {
            auto* box = qobject_cast<Box*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QString::fromUtf8("Input Error µ"));
            QCOMPARE(box->text(), QString::fromUtf8("Sample interval <µs> must be a number."));
            QCOMPARE(box->icon(), test.icon);
            QCOMPARE(int(box->buttons().size()), test.buttons);
            QCOMPARE(box->defaultButton(), box->button(test.preset));
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

void CHandlersTest::fileDialogsFollowTheRequest() {
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("cast01.xmlcon"));
    WriteAll(existing, "<?xml version=\"1.0\"?>");
    SFileDialogRequest open;
    open.filters =
        FileFiltersFrom("Instrument Configuration Files (*.xmlcon;*.con)|*.xmlcon; *.con||");
    open.initialFile = ToPath(existing);
    open.mustExist = true;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QCOMPARE(dialog->nameFilters(),
                 QStringList{"Instrument Configuration Files (*.xmlcon *.con)"});
        QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        QMetaObject::invokeMethod(dialog, "accept");  // the initial file is the one chosen
    });
    const std::optional<CString> opened = ShowFileDialog(open);
    QVERIFY(opened.has_value());
    QCOMPARE(FromPath(*opened), existing);

    // A name typed without extension gets the default one.
    SFileDialogRequest save;
    save.save = true;
    save.filters = FileFiltersFrom("XML Instrument Configuration Files (*.xmlcon)|*.xmlcon||");
    save.defaultExtension = "xmlcon";
    save.initialFolder = ToPath(folder.path());
    save.promptOverwrite = true;
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
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
    auto* window = TopLevel<CReportWindow>();
    QVERIFY(window != nullptr && window->isVisible() && FitsScreen(window));
    auto* text = Child<QPlainTextEdit>(window, "reportText");
    QVERIFY(text->isReadOnly() && QFontInfo(text->font()).fixedPitch());
    QVERIFY(text->toPlainText().contains(QString::fromUtf8("0.1 µS/cm")));
    Click(window, "copyReport");
    QVERIFY(QApplication::clipboard()->text().contains(QString::fromUtf8("µS/cm")));

    // Save writes the bytes as they were, and remembers the folder.
    const QString copy = folder.filePath(QStringLiteral("copy.txt"));
    {
        CScriptedFileDialog answers({ToPath(copy)});
        Click(window, "saveReport");
        QCOMPARE(answers.requests.size(), size_t(1));
        QCOMPARE(answers.requests[0].initialFile, CString("cast01.txt"));
    }
    QCOMPARE(ReadAll(copy), report);
    QCOMPARE(FromPath(ReadIniText(ToPath(iniFile), "Configuration Report", "Folder", "")),
             folder.path());

    // Escape closes the window, which deletes the report file.
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
