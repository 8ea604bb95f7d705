#pragma once

// A Platform that records what the program asks of the system and answers message boxes from a
// script. An unscripted message box is answered with its first button (OK or Yes).

#include "platform/Platform.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <deque>

namespace vellora {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakePlatform final : public Platform {
public:
    FakePlatform();

    MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                              MessageButtons buttons, const QString &title) override;
    bool openAddress(const QString &address) override;
    int screenWidth() const override { return screenWidthPixels; }
    QDate today() const override { return date; }
    QString shortDateFormat() const override { return dateFormat; }
    QLocale userLocale() const override { return locale; }
    double randomNumber() override { return random; }
    void keepAboveOthers(QWidget *window) override { keptAbove.append(window); }
    std::optional<QString> readSettingValue(const QString &application, const QString &section,
                                            const QString &name) override;
    bool writeSettingValue(const QString &application, const QString &section, const QString &name,
                           const QString &value) override;
    bool earlierCopyRunning() override {
        ++instanceChecks;
        return otherCopyRunning;
    }
    void endProcess() override { ++endProcessCalls; }

    // Script
    std::deque<MessageAnswer> answers;
    int screenWidthPixels = 800; // the offscreen platform's screen
    QDate date{2026, 12, 8};
    QString dateFormat = QStringLiteral("M/d/yyyy");
    QLocale locale{QLocale::English, QLocale::UnitedStates};
    double random = 0.0;
    bool otherCopyRunning = false;
    bool settingsReadable = true; // false: the store cannot be read
    bool settingsWritable = true; // false: writes are refused and not kept
    bool browserStarts = true;    // false: every address is refused (and still recorded)

    // Record
    QList<ShownMessage> messages;
    QStringList openedAddresses;
    QList<QWidget *> keptAbove;
    QMap<QString, QString> settings; // "application/section/name" -> value
    int instanceChecks = 0;
    int endProcessCalls = 0;
};

} // namespace vellora
