#include "apps/gui/QtHandlers.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "apps/gui/Latin1.h"
#include "apps/gui/OwnedDialog.h"
#include "apps/gui/ReportWindow.h"
#include "platform/MessageBox.h"

namespace {

// The buttons of each MB_ button flag, the first one the default.
struct SButtonSet {
    unsigned flag;
    std::initializer_list<QMessageBox::StandardButton> buttons;
};

constexpr unsigned kButtonMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;

const SButtonSet kButtonSets[] = {
    {MB_OK, {QMessageBox::Ok}},
    {MB_OKCANCEL, {QMessageBox::Ok, QMessageBox::Cancel}},
    {MB_YESNOCANCEL, {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}},
    {MB_YESNO, {QMessageBox::Yes, QMessageBox::No}},
};

QMessageBox::Icon IconOf(unsigned flags) {
    switch (flags & kIconMask) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONWARNING:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int AnswerOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok:
            return IDOK;
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        default:
            return IDCANCEL;
    }
}

// A file-type choice as Qt reads it, "label (*.a *.b)": the label's own
// pattern list in parentheses gives way to the patterns, space-separated.
QString NameFilterOf(const SFileFilter& filter) {
    QString label = FromLatin1(filter.label).trimmed();
    const qsizetype open = label.lastIndexOf(u'(');
    if (label.endsWith(u')') && open > 0) {
        label = label.left(open).trimmed();
    }
    QStringList patterns;
    for (const QString& pattern : FromLatin1(filter.patterns).split(u';', Qt::SkipEmptyParts)) {
        patterns << pattern.trimmed();
    }
    return label + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

}  // namespace

QWidget* DialogOwner() {
    for (QWidget* owner : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        if (owner != nullptr && owner->isVisible()) {
            return owner;
        }
    }
    return nullptr;
}

int ShowMessageBox(const char* text, const char* caption, unsigned flags) {
    COwnedDialog<QMessageBox> box(new QMessageBox(DialogOwner()));
    box->setObjectName(QStringLiteral("messageBox"));
    box->setWindowTitle(FromLatin1(caption));
    box->setTextFormat(Qt::PlainText);
    box->setText(FromLatin1(text));
    // The reason in full, or the log to look in, under "Show Details...".
    if (const char* detail = TWMessageDetail(); *detail != '\0') {
        box->setDetailedText(FromLatin1(detail));
    }
    box->setIcon(IconOf(flags));
    const SButtonSet* set = &kButtonSets[0];
    for (const SButtonSet& candidate : kButtonSets) {
        if (candidate.flag == (flags & kButtonMask)) {
            set = &candidate;
        }
    }
    for (QMessageBox::StandardButton button : set->buttons) {
        box->addButton(button);
    }
    box->setDefaultButton(*set->buttons.begin());
    box->exec();
    QAbstractButton* clicked = box ? box->clickedButton() : nullptr;
    return clicked != nullptr ? AnswerOf(box->standardButton(clicked)) : IDCANCEL;
}

std::optional<CString> ShowFileDialog(const SFileDialogRequest& request) {
    COwnedDialog<QFileDialog> dialog(new QFileDialog(DialogOwner(), FromLatin1(request.title)));
    dialog->setObjectName(QStringLiteral("fileDialog"));
    QStringList filters;
    for (const SFileFilter& filter : request.filters) {
        filters << NameFilterOf(filter);
    }
    if (request.customFilter) {
        filters << NameFilterOf(*request.customFilter);
    }
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
    }
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(!request.save && request.mustExist ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    if (!request.defaultExtension.IsEmpty()) {
        dialog->setDefaultSuffix(FromLatin1(request.defaultExtension));
    }
    if (!request.initialFolder.IsEmpty()) {
        dialog->setDirectory(FromPath(request.initialFolder));
    }
    if (!request.initialFile.IsEmpty()) {
        const QFileInfo initial(FromPath(request.initialFile));
        if (request.initialFile.Find('/') >= 0) {
            dialog->setDirectory(initial.absolutePath());
        }
        dialog->selectFile(initial.fileName());
    }
    if (dialog->exec() != QDialog::Accepted || !dialog || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToPath(dialog->selectedFiles().constFirst());
}

bool ShowReport(const SReportRequest& request) {
    auto* window = CReportWindow::Open(request);
    if (window == nullptr) {
        return false;
    }
    window->show();
    return true;
}
