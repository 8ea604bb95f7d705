#pragma once

// Helpers for driving windows the way a user does.

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace vellora::test {

// Runs act on the next modal window once it is up (used while exec() blocks the test). If no
// modal window appears within timeoutMs the watchdog gives up with a warning and act never runs:
// nothing is left blocking, so the test goes on and its own checks find what did not happen.
inline void WhenModalAppears(std::function<void(QWidget *)> act, int timeoutMs = 3000) {
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act, timeoutMs] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            act(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            qWarning("no modal window appeared");
        }
    });
    timer->start(10);
}

// Clicks the button with that objectName inside the widget.
inline void Click(QWidget *within, const char *name) {
    auto *button = within->findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Lets deferred deletions of closed windows happen.
inline void SettleDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace vellora::test
