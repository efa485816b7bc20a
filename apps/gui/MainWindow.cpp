#include "apps/gui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "apps/gui/Latin1.h"
#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/FileNames.h"
#include "platform/HelpLauncher.h"
#include "ui/ModelHelp.h"

namespace {

constexpr int kRecentFiles = 8;
const char* const kRecentKey = "recentFiles";

QSettings HostSettings() {
    return QSettings(QStringLiteral("Tidewren"), QStringLiteral("tw-configctd-gui"));
}

}  // namespace

CMainWindow::CMainWindow(int application, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mainWindow"));
    m_config.SetApplication(application);
    // A file that a dialog saved under a new name is the one shown here next.
    m_config.m_bSelectAfterDialog = 1;
    setWindowTitle(tr("TW_ConfigCTD - %1").arg(FromLatin1(m_config.GetApplicationName())));

    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Open..."), QKeySequence::Open, this, &CMainWindow::OpenWithDialog);
    m_recent = file->addMenu(tr("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("recentFiles"));
    file->addAction(tr("&New..."), QKeySequence::New, this, &CMainWindow::NewConfiguration);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    m_modelHelp = help->addAction(tr("&Instrument Help"), QKeySequence::HelpContents, this,
                                  [this] { ShowModelHelp(m_config.GetSelectedCTD_ID()); });
    m_modelHelp->setObjectName(QStringLiteral("modelHelp"));
    help->addAction(tr("&All Instruments"), this,
                    [] { TWLaunchHelp(HelpContextOf(-1), CString("index.html")); });
    help->addAction(tr("&About"), this, [this] {
        QMessageBox::about(
            this, tr("About tw-configctd-gui"),
            tr("tw-configctd-gui %1\nThe configuration dialogs of the TW_ConfigCTD library.")
                .arg(QApplication::applicationVersion()));
    });

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* facts = new QFormLayout;
    m_file = new QLabel(central);
    m_file->setObjectName(QStringLiteral("fileName"));
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_model = new QLabel(central);
    m_model->setObjectName(QStringLiteral("modelName"));
    facts->addRow(tr("Configuration file:"), m_file);
    facts->addRow(tr("Instrument:"), m_model);
    layout->addLayout(facts);

    m_channels = new QTableWidget(0, 2, central);
    m_channels->setObjectName(QStringLiteral("channelSummary"));
    m_channels->setHorizontalHeaderLabels({tr("Channel"), tr("Sensor")});
    m_channels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_channels->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_channels->verticalHeader()->setVisible(false);
    m_channels->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_channels, 1);

    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(tr("&Open..."), central);
    open->setObjectName(QStringLiteral("openFile"));
    auto* create = new QPushButton(tr("&New..."), central);
    create->setObjectName(QStringLiteral("newFile"));
    m_configure = new QPushButton(tr("&Configure..."), central);
    m_configure->setObjectName(QStringLiteral("configure"));
    m_configure->setDefault(true);
    connect(open, &QPushButton::clicked, this, &CMainWindow::OpenWithDialog);
    connect(create, &QPushButton::clicked, this, &CMainWindow::NewConfiguration);
    connect(m_configure, &QPushButton::clicked, this, &CMainWindow::Configure);
    buttons->addWidget(open);
    buttons->addWidget(create);
    buttons->addStretch(1);
    buttons->addWidget(m_configure);
    layout->addLayout(buttons);
    setCentralWidget(central);

    FillRecentMenu();
    Refresh();
    resize(640, 520);
}

void CMainWindow::OpenWithDialog() {
    if (m_config.SelectConFile() == 1) {
        Remember(FromPath(m_config.GetSelectedPath()));
    }
    Refresh();
}

bool CMainWindow::OpenPath(const QString& path) {
    if (!QFileInfo::exists(path) && RecentFiles().contains(QFileInfo(path).absoluteFilePath())) {
        Forget(path);
        QMessageBox::information(
            this, tr("Open Recent"),
            tr("%1 no longer exists; it is removed from the recent files.").arg(path));
        Refresh();
        return false;
    }
    CString bytes = ToPath(path);
    const bool opened = m_config.SelectConFile(bytes) == 1;
    if (opened) {
        Remember(FromPath(m_config.GetSelectedPath()));
    } else {
        // The reader has told the user why a file failed; an instrument this
        // host does not open is said here, as the file dialog says it.
        const int ctdID = ReadCTDID(bytes);
        if (CConfigCTD::CTD_ID_Supported(ctdID, m_config.GetApplication()) == 0) {
            m_config.UnsupportedMessage(ctdID, nullptr);
        }
    }
    Refresh();
    return opened;
}

void CMainWindow::NewConfiguration() {
    m_config.CreateNewConFile(nullptr);
    RememberSelected();
    Refresh();
}

void CMainWindow::Configure() {
    if (m_config.GetSelectedCTD() != nullptr) {
        m_config.DispSelectedConFile();
        RememberSelected();
        Refresh();
    }
}

// A file a dialog saved under a new name is the selection now (the
// controller selects it), and one of the recent files.
void CMainWindow::RememberSelected() {
    const QString selected = FromPath(m_config.GetSelectedPath());
    if (!selected.isEmpty() && QFileInfo::exists(selected)) {
        Remember(selected);
    }
}

void CMainWindow::Forget(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    HostSettings().setValue(QLatin1String(kRecentKey), files);
    FillRecentMenu();
}

void CMainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Refresh();  // the selected file may have gone while another window was used
    }
}

QStringList CMainWindow::RecentFiles() const {
    return HostSettings().value(QLatin1String(kRecentKey)).toStringList();
}

void CMainWindow::Remember(const QString& path) {
    QStringList files = RecentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentFiles) {
        files.removeLast();
    }
    HostSettings().setValue(QLatin1String(kRecentKey), files);
    FillRecentMenu();
}

void CMainWindow::FillRecentMenu() {
    m_recent->clear();
    const QStringList files = RecentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this,
                            [this, path] { OpenPath(path); });
    }
    m_recent->setEnabled(!files.isEmpty());
}

void CMainWindow::Refresh() {
    // A file deleted since it was selected is not shown as selected.
    if (m_config.GetSelectedCTD_ID() >= 0 && !IsFile(m_config.GetSelectedPath())) {
        Forget(FromPath(m_config.GetSelectedPath()));
        m_config.DeselectConFile();
    }
    const CCTD* ctd = m_config.GetSelectedCTD();
    const bool selected = ctd != nullptr && m_config.GetSelectedCTD_ID() >= 0;
    m_configure->setEnabled(selected);
    m_modelHelp->setEnabled(selected);
    m_channels->setRowCount(0);
    if (!selected) {
        m_file->setText(tr("None"));
        m_model->clear();
        return;
    }
    m_file->setText(QFileInfo(FromPath(m_config.GetSelectedPath())).fileName());
    m_file->setToolTip(FromPath(m_config.GetSelectedPath()));
    const SCTD_Data* model = GetCTD_Data(m_config.GetSelectedCTD_ID());
    m_model->setText(model != nullptr ? QString::fromLatin1(model->name) : QString());
    const std::vector<CString> labels = ctd->ChannelLabels();
    m_channels->setRowCount(ctd->GetNumChannel());
    for (int channel = 0; channel < ctd->GetNumChannel(); ++channel) {
        const CString label = channel < static_cast<int>(labels.size()) ? labels[channel] : "";
        m_channels->setItem(
            channel, 0,
            new QTableWidgetItem(QStringLiteral("%1. %2").arg(channel + 1).arg(FromLatin1(label))));
        m_channels->setItem(
            channel, 1, new QTableWidgetItem(FromLatin1(ctd->GetSensor(channel).GetSensorName())));
    }
    m_channels->resizeColumnToContents(0);
}
