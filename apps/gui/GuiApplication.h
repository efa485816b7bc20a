#pragma once
// The application object of the desktop program: an exception that escapes
// an event handler is shown in a message box with its reason, and the
// program goes on, instead of ending.

#include <QApplication>

class CGuiApplication : public QApplication {
  public:
    CGuiApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
