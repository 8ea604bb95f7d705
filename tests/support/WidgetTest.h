#pragma once

// Helpers for driving windows the way a user does.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
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

// What a user sees of a window's controls, as one comparable text: each control's name, whether it
// shows, and its state (an option's tick, a list's current item, a box's or a label's text).
inline QString WhatShows(const QWidget *window) {
    QStringList parts;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        QString part = widget->objectName() + (widget->isVisible() ? "+" : "-");
        if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            part += button->isChecked() ? "*" : "";
        else if (auto *list = qobject_cast<const QComboBox *>(widget))
            part += "=" + list->currentText();
        else if (auto *box = qobject_cast<const QLineEdit *>(widget))
            part += "=" + box->text();
        else if (auto *label = qobject_cast<const QLabel *>(widget))
            part += "=" + label->text();
        parts << part;
    }
    return parts.join(' ');
}

// Lets deferred deletions of closed windows happen.
inline void SettleDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace vellora::test
