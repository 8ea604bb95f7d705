#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vellora {

QtPlatform::QtPlatform()
    : random_(static_cast<std::mt19937_64::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

QtPlatform::~QtPlatform() = default;

MessageAnswer QtPlatform::showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                                      MessageButtons buttons, const QString &title) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical,
        title.isEmpty() ? kProgramTitle : title, text,
        buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
        parent);
    if (!parent)
        box.setWindowModality(Qt::ApplicationModal);
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtPlatform::openAddress(const QString &address) {
    // The browser is started detached; whether it came up is not our business.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

int QtPlatform::screenWidth() const {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

QDate QtPlatform::today() const {
    return QDate::currentDate();
}

QString QtPlatform::shortDateFormat() const {
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

double QtPlatform::randomNumber() {
    return std::generate_canonical<double, 53>(random_);
}

void QtPlatform::keepAboveOthers(QWidget *window) {
    // Nothing here activates the window; showing it later does, as showing any window does.
    // A window already on screen takes the hint through its native window, which keeps its place
    // and size: QWidget::setWindowFlags would hide it and create it anew.
    const Qt::WindowFlags flags = window->windowFlags() | Qt::WindowStaysOnTopHint;
    QWindow *native = window->windowHandle();
    if (native && window->isVisible()) {
        window->overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        window->setWindowFlags(flags);
    }
}

QString QtPlatform::readSettingValue(const QString &application, const QString &section,
                                     const QString &name) {
    QSettings settings(application, application);
    return settings.value(section + QLatin1Char('/') + name).toString();
}

void QtPlatform::writeSettingValue(const QString &application, const QString &section,
                                   const QString &name, const QString &value) {
    QSettings settings(application, application);
    settings.setValue(section + QLatin1Char('/') + name, value);
}

bool QtPlatform::earlierCopyRunning() {
    // The claim is a lock file in the user's own runtime folder, so copies run by other users
    // do not count. A lock left behind by a copy that died is taken over: QLockFile sees that
    // its process is gone. A live holder always wins, however old its lock.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QDir().mkpath(folder);
    const QString name = QCoreApplication::applicationName().isEmpty()
                             ? QStringLiteral("vellora")
                             : QCoreApplication::applicationName();
    instanceLock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + name + ".lock");
    instanceLock_->setStaleLockTime(0);
    if (instanceLock_->tryLock(0))
        return false;
    const bool heldByOther = instanceLock_->error() == QLockFile::LockFailedError;
    instanceLock_.reset();
    // A folder we cannot write to must not keep the user out of the program.
    return heldByOther;
}

void QtPlatform::endProcess() {
    instanceLock_.reset(); // releases the claim for the next start
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace vellora
