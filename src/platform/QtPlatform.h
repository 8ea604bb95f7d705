#pragma once

#include "platform/Platform.h"

#include <QLockFile>

#include <memory>

namespace vellora {

class QtPlatform final : public Platform {
public:
    MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                              MessageButtons buttons, const QString &title) override;
    bool openAddress(const QString &address) override;
    int screenWidth() const override;
    QDate today() const override;
    QString shortDateFormat() const override;
    QLocale userLocale() const override;
    double randomNumber() override;
    void keepAboveOthers(QWidget *window) override;
    std::optional<QString> readSettingValue(const QString &application, const QString &section,
                                            const QString &name) override;
    bool writeSettingValue(const QString &application, const QString &section, const QString &name,
                           const QString &value) override;
    bool earlierCopyRunning() override;
    [[noreturn]] void endProcess() override;

private:
    std::unique_ptr<QLockFile> instanceLock_;
};

} // namespace vellora
