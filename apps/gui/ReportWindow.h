#pragma once
// The report window: a configuration report shown read-only in a fixed-width
// font, with Save (a copy under a name the user picks; its folder is
// remembered in the suite's settings file) and Copy. The report's temporary
// file is deleted when the window closes, when the request says so.

#include <QByteArray>
#include <QWidget>

#include "platform/ReportViewer.h"

class QPlainTextEdit;

class CReportWindow : public QWidget {
    Q_OBJECT
  public:
    // A new window showing the request's file, deleted when it is closed;
    // null when the file cannot be read.
    static CReportWindow* Open(const SReportRequest& request);
    ~CReportWindow() override;

    // Saves a copy of the report; false when the user cancelled or the copy
    // could not be written (the user was told).
    bool Save();
    // Copies the selected text, or the whole report when none is selected.
    void Copy();

  private:
    CReportWindow(const SReportRequest& request, QByteArray bytes);

    SReportRequest m_request;
    QByteArray m_bytes;  // the report as written, saved byte for byte
    QPlainTextEdit* m_text = nullptr;
};
