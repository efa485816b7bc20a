#include "apps/gui/ReportWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "apps/gui/Latin1.h"
#include "apps/gui/QtHandlers.h"
#include "platform/FileDialog.h"
#include "platform/IniSettings.h"
#include "platform/MessageBox.h"

namespace {

// The settings key, below the report's title, of the folder of the last copy.
constexpr const char* kFolderKey = "Folder";
constexpr const char* kTextFilters = "Text Files (*.txt)|*.txt|All Files (*)|*||";

}  // namespace

CReportWindow* CReportWindow::Open(const SReportRequest& request) {
    QFile file(FromPath(request.path));
    if (!file.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    return new CReportWindow(request, file.readAll());
}

CReportWindow::CReportWindow(const SReportRequest& request, QByteArray bytes)
    : QWidget(DialogOwner(), Qt::Window), m_request(request), m_bytes(std::move(bytes)) {
    setObjectName(QStringLiteral("reportWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // It stands for the viewer program of other systems, which runs beside
    // the dialog: a window of the dialog's own, so that the dialog's modality
    // does not block it, and not modal itself.
    setWindowTitle(FromLatin1(request.title));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("reportText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(QString::fromLatin1(m_bytes));

    auto* save = new QPushButton(tr("&Save..."), this);
    save->setObjectName(QStringLiteral("saveReport"));
    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName(QStringLiteral("copyReport"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeReport"));
    connect(save, &QPushButton::clicked, this, [this] { Save(); });
    connect(copy, &QPushButton::clicked, this, &CReportWindow::Copy);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    new QShortcut(QKeySequence::Save, this, this, [this] { Save(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);

    // Room for a report line of 100 characters and 40 lines, on any screen.
    const QFontMetrics metrics(m_text->font());
    QSize wanted(metrics.horizontalAdvance(QString(100, u'M')) + 60, metrics.lineSpacing() * 40);
    const QScreen* shown =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (shown != nullptr) {
        const QRect room = shown->availableGeometry().adjusted(0, 0, -16, -48);
        wanted = wanted.boundedTo(room.size());
        resize(wanted);
        move(room.topLeft());
    } else {
        resize(wanted);
    }
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QWidget::close);
}

CReportWindow::~CReportWindow() {
    if (m_request.deleteWhenClosed) {
        QFile::remove(FromPath(m_request.path));
    }
}

bool CReportWindow::Save() {
    SFileDialogRequest dialog;
    dialog.save = true;
    dialog.title = ToLatin1(tr("Save Report As"));
    dialog.filters = FileFiltersFrom(kTextFilters);
    dialog.defaultExtension = "txt";
    dialog.promptOverwrite = true;
    if (!m_request.iniFile.IsEmpty()) {
        dialog.initialFolder = ReadIniText(m_request.iniFile, m_request.title, kFolderKey, "");
    }
    dialog.initialFile = m_request.suggestedName;
    const std::optional<CString> path = TWFileDialog(dialog);
    if (!path) {
        return false;
    }
    QSaveFile file(FromPath(*path));
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bytes) != m_bytes.size() ||
        !file.commit()) {
        const CString text =
            ToLatin1(tr("Cannot write %1: %2").arg(FromPath(*path), file.errorString()));
        TWMessageBox(text, ToLatin1(windowTitle()), MB_OK | MB_ICONERROR);
        return false;
    }
    if (!m_request.iniFile.IsEmpty()) {
        WriteIniText(m_request.iniFile, m_request.title, kFolderKey,
                     ToPath(QFileInfo(FromPath(*path)).absolutePath()));
    }
    return true;
}

void CReportWindow::Copy() {
    const QString selected = m_text->textCursor().selectedText();
    // A selection spanning lines holds paragraph separators in place of line ends.
    QApplication::clipboard()->setText(
        selected.isEmpty() ? m_text->toPlainText()
                           : QString(selected).replace(QChar::ParagraphSeparator, u'\n'));
}
