#pragma once
// Helpers of the desktop application's tests: acting on the modal window
// that a call is about to open, finding widgets by their control id, typing
// and clicking as the user does, and saving pictures of windows.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Runs act on the modal window once the event loop of the next modal run
// turns (the window is then shown and active).
inline void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal != nullptr);
        act(modal);
        // A failed check must not leave the test waiting on an open window.
        while (QTest::currentTestFailed() && QApplication::activeModalWidget() != nullptr) {
            QApplication::activeModalWidget()->close();
        }
    });
}

// Acts on each modal window that opens while the returned timer lives; none
// need open.
inline std::unique_ptr<QTimer> WatchModals(std::function<void(QWidget*)> act) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
        }
    });
    timer->start(10);
    return timer;
}

template <typename Widget>
Widget* Child(QWidget* parent, const char* id) {
    auto* widget = parent->findChild<Widget*>(QString::fromLatin1(id));
    if (widget == nullptr) {
        qFatal("no widget %s", id);
    }
    return widget;
}

inline void Click(QWidget* parent, const char* button) {
    QTest::mouseClick(Child<QPushButton>(parent, button), Qt::LeftButton);
}

inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// On the screen of 1366 x 768 device pixels, at any scale.
inline bool FitsScreen(const QWidget* window) {
    const qreal scale = window->devicePixelRatioF();
    return window->width() * scale <= 1366 && window->height() * scale <= 768;
}

template <typename Window>
Window* TopLevel() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(top)) {
            return window;
        }
    }
    return nullptr;
}

// Saves the window as a picture under the build's screenshots folder, with
// a strip above it for the title that the offscreen platform does not draw.
inline void SaveScreenshot(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("TW_SCREENSHOT_DIR");
    if (folder.isEmpty() || name == nullptr) {
        return;
    }
    QDir().mkpath(folder);
    // In device pixels, as the screen shows it at any scale.
    const QPixmap content = window->grab();
    const qreal scale = content.devicePixelRatio();
    const int strip = window->fontMetrics().height() + 10;
    QPixmap picture(content.width(), content.height() + qRound(strip * scale));
    picture.setDevicePixelRatio(scale);
    picture.fill(window->palette().color(QPalette::Dark));
    QPainter painter(&picture);
    painter.setPen(window->palette().color(QPalette::BrightText));
    painter.setFont(window->font());
    painter.drawText(QRect(8, 0, window->width() - 16, strip), Qt::AlignVCenter,
                     window->windowTitle().remove(QStringLiteral("[*]")));
    painter.drawPixmap(0, strip, content);
    painter.end();
    QVERIFY(picture.save(folder + u'/' + QString::fromLatin1(name) + ".png"));
}
