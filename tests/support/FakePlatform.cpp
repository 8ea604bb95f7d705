#include "FakePlatform.h"

#include <QTest>

namespace vellora {

namespace {

QtMessageHandler testLog = nullptr;

// What a platform plugin without windows of its own (offscreen) says whenever a window is shown,
// raised or a menu grabs the keyboard, which newer Qt versions say more often: left out, so that
// what a test says itself stands out.
void WithoutPlatformNoise(QtMsgType type, const QMessageLogContext &context,
                          const QString &message) {
    static const QStringList noise = {
        QStringLiteral("This plugin does not support propagateSizeHints()"),
        QStringLiteral("This plugin does not support raise()"),
        QStringLiteral("This plugin does not support grabbing the keyboard"),
    };
    if (type == QtWarningMsg && noise.contains(message))
        return;
    testLog(type, context, message);
}

} // namespace

// Every test that shows windows makes a platform before each test function; the first one made
// inside a test function, once QtTest has taken the messages over, puts the filter in front.
FakePlatform::FakePlatform() {
    if (!testLog && QTest::currentTestFunction())
        testLog = qInstallMessageHandler(WithoutPlatformNoise);
}

MessageAnswer FakePlatform::showMessage(QWidget *, const QString &text, MessageIcon icon,
                                        MessageButtons buttons, const QString &title) {
    messages.append({text, title.isEmpty() ? kProgramTitle : title, icon, buttons});
    if (!answers.empty()) {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

bool FakePlatform::openAddress(const QString &address) {
    openedAddresses.append(address);
    return browserStarts;
}

std::optional<QString> FakePlatform::readSettingValue(const QString &application,
                                                      const QString &section, const QString &name) {
    if (!settingsReadable)
        return std::nullopt;
    return settings.value(application + '/' + section + '/' + name);
}

bool FakePlatform::writeSettingValue(const QString &application, const QString &section,
                                     const QString &name, const QString &value) {
    if (!settingsWritable)
        return false;
    settings.insert(application + '/' + section + '/' + name, value);
    return true;
}

} // namespace vellora
