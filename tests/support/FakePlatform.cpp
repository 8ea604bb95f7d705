#include "FakePlatform.h"

namespace vellora {

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
