#pragma once
// The host window of the desktop application: it keeps the configuration
// controller, lets the user open a configuration file (or one of the recent
// ones) or start a new one, shows the selected file's model and channels,
// and opens the model's configuration dialog.

#include <QMainWindow>
#include <QStringList>

#include "ui/ConfigCTD.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

class CMainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // application: the host number the controller serves.
    explicit CMainWindow(int application, QWidget* parent = nullptr);

    CConfigCTD& Config() { return m_config; }

    // The commands of the window, also reachable from its menu and buttons.
    void OpenWithDialog();
    // Selects the file without a dialog; false (the user was told) when it
    // cannot be read or this host does not open its instrument.
    bool OpenPath(const QString& path);
    void NewConfiguration();
    void Configure();

    // The files opened last, the newest first.
    QStringList RecentFiles() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Refresh();
    void Remember(const QString& path);
    void RememberSelected();
    void Forget(const QString& path);
    void FillRecentMenu();

    CConfigCTD m_config;
    QLabel* m_file = nullptr;
    QLabel* m_model = nullptr;
    QTableWidget* m_channels = nullptr;
    QPushButton* m_configure = nullptr;
    QMenu* m_recent = nullptr;
    QAction* m_modelHelp = nullptr;
};
