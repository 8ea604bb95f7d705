#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vellora {

MessageAnswer QtPlatform::showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                                      MessageButtons buttons, const QString &title) {
    QMessageBox box(
        icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical,
        title.isEmpty() ? kProgramTitle : title, text,
        buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
        parent);
    const int answer = box.exec();
    // The window the box stood over is the active one again, with the focus where it was (or
    // where the caller now puts it), so a keyboard user goes on from the same place.
    if (parent)
        parent->window()->activateWindow();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

bool QtPlatform::openAddress(const QString &address) {
    // The browser is started detached: false means it could not be started at all (none found,
    // or the address too long for its command line), not that the page failed to load.
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
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

QLocale QtPlatform::userLocale() const {
    return QLocale::system();
}

double QtPlatform::randomNumber() {
    return QRandomGenerator::global()->generateDouble();
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

namespace {

// The file in which the native store keeps an application's settings, where that store is a file
// (~/.config/<application>/<application>.conf); empty where it is the registry.
QString SettingsFilePath(const QString &application) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QLatin1Char('/') + application + ".conf";
#else
    Q_UNUSED(application);
    return {};
#endif
}

// QSettings blocks for good when the settings file is a pipe, and a write waits for ever on a
// lock file that it cannot remove (a folder in its place). A store whose file, or for a write
// its lock, exists as anything but a plain file is therefore unavailable, and QSettings is not
// let near it.
bool StoreIsUsable(const QString &application, bool forWriting) {
    const QString file = SettingsFilePath(application);
    if (file.isEmpty())
        return true;
    const auto plainOrAbsent = [](const QString &path) {
        const QFileInfo info(path);
        return !info.exists() || info.isFile();
    };
    return plainOrAbsent(file) && (!forWriting || plainOrAbsent(file + ".lock"));
}

// One application's own per-user settings, never the system-wide ones.
class UserSettings : public QSettings {
public:
    explicit UserSettings(const QString &application)
        : QSettings(NativeFormat, UserScope, application, application) {
        setFallbacksEnabled(false);
    }
};

// Whether every line of the content that opens a section, cut at every line end, opens the
// section and holds nothing else but blanks and a comment. QSettings reads on past a line end that
// follows a backslash or stands inside double quotes, and would take "[Settings]\\", a line end
// and "[General]" for the section's header alone.
bool OpensOnlySection(const QByteArray &content, const QString &section) {
    const QByteArray header = '[' + section.toUtf8() + ']';
    const QList<QByteArray> lines = QByteArray(content).replace('\r', '\n').split('\n');
    return std::all_of(lines.begin(), lines.end(), [&](const QByteArray &line) {
        const QByteArray text = line.trimmed();
        const QByteArray rest = text.mid(header.size()).trimmed();
        return !text.startsWith('[') ||
               (text.startsWith(header) && (rest.isEmpty() || rest.startsWith(';')));
    });
}

// Whether QSettings reads the content without a format error and finds nothing in it but values
// of the section, each under a name it writes back as it read it (one ending in "/" it would
// write with a backslash before the "=", which then no longer ends the name). QSettings reads a
// copy under a name of its own: a file it has read before and that has not changed since, it
// does not read again, nor report its format errors again. Where no copy can be made, the file
// counts as foreign: moved aside, it keeps what it held.
bool QSettingsFindsOnlySection(const QByteArray &content, const QString &section) {
    // Qt 6.4 reads past a byte order mark, but reports it as a format error.
    const QByteArrayView text =
        content.startsWith("\xEF\xBB\xBF") ? QByteArrayView(content).sliced(3) : content;
    QTemporaryFile copy;
    if (!copy.open() || copy.write(text.data(), text.size()) != text.size() || !copy.flush())
        return false;
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    const QStringList keys = settings.allKeys(); // reads every section, reporting what it meets
    const QString prefix = section + QLatin1Char('/');
    return settings.status() == QSettings::NoError &&
           std::all_of(keys.begin(), keys.end(), [&](const QString &key) {
               return key.startsWith(prefix) && key.size() > prefix.size() &&
                      !key.endsWith(QLatin1Char('/'));
           });
}

// Whether the settings file is something other than this program's own: larger than any it
// writes, not UTF-8, or holding anything but values of its one section, as QSettings reads it.
// Such a file is never handed to the program's QSettings, which would take as long as it needs
// to read a large one (holding up start-up) and would merge its content into the next write: it
// reads as empty and is moved aside by the next write. A file that cannot be opened is left to
// QSettings to report, as is the registry, which has no file.
bool IsForeignSettingsFile(const QString &application, const QString &section) {
    const QString path = SettingsFilePath(application);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.read(kMaxSettingsFileSize + 1);
    if (content.size() > kMaxSettingsFileSize)
        return true;
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8(content);
    // QSettings would read other bytes as replacement characters, and write those back.
    return utf8.hasError() || !OpensOnlySection(content, section) ||
           !QSettingsFindsOnlySection(content, section);
}

// Moves a foreign settings file to the same name with ".bad" added, in place of an earlier one,
// so that what it held can still be looked at. Whether the way is now clear for a new file.
bool SetAsideSettingsFile(const QString &application) {
    const QString file = SettingsFilePath(application);
    const QString aside = file + ".bad";
    return (!QFileInfo::exists(aside) || QFile::remove(aside)) && QFile::rename(file, aside);
}

// Takes over a claim naming this very process, left by a copy that died with the number this one
// has now (numbering starts afresh in a sandbox, or under Wine): QLockFile counts it as held. A
// live copy keeps its claim locked (on Windows, open), so that cannot be removed from under it.
bool TakeOverClaimInOwnName(QLockFile &lock) {
    qint64 pid = 0;
    QString host;
    QString application;
#ifdef Q_OS_WIN
    const QString thisHost = qEnvironmentVariable("COMPUTERNAME"); // as QLockFile names it there
#else
    const QString thisHost = QSysInfo::machineHostName();
#endif
    return lock.getLockInfo(&pid, &host, &application) &&
           pid == QCoreApplication::applicationPid() && (host.isEmpty() || host == thisHost) &&
           lock.removeStaleLockFile() && lock.tryLock(0);
}

} // namespace

std::optional<QString> QtPlatform::readSettingValue(const QString &application,
                                                    const QString &section, const QString &name) {
    if (!StoreIsUsable(application, false))
        return std::nullopt;
    if (IsForeignSettingsFile(application, section))
        return QString();
    UserSettings settings(application);
    const QVariant value = settings.value(section + QLatin1Char('/') + name);
    // A file that cannot be read at all is reported.
    if (settings.status() == QSettings::AccessError)
        return std::nullopt;
    return value.toString();
}

bool QtPlatform::writeSettingValue(const QString &application, const QString &section,
                                   const QString &name, const QString &value) {
    if (!StoreIsUsable(application, true))
        return false;
    if (IsForeignSettingsFile(application, section) && !SetAsideSettingsFile(application))
        return false; // what cannot be moved aside is not written over either
    UserSettings settings(application);
    settings.setValue(section + QLatin1Char('/') + name, value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

bool QtPlatform::earlierCopyRunning() {
    // The claim is a lock file in a folder private to the user, so copies run by other users do
    // not count: the runtime folder (on Windows the temporary folder), or, where that cannot hold
    // the lock (not writable, a read-only mount), the user's cache folder. A lock left behind by a
    // copy that died is taken over: QLockFile sees that its process is gone, or the claim names
    // this process itself. A live holder always wins, however old its lock.
    // Windows has no runtime folder (Qt names the home folder there).
#ifdef Q_OS_WIN
    QString runtime;
#else
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (runtime.isEmpty())
        runtime = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString name = QCoreApplication::applicationName().isEmpty()
                             ? QStringLiteral("vellora")
                             : QCoreApplication::applicationName();
    // Every copy tries the places in the same order, so two copies that meet in a place find
    // each other there, and one that finds the runtime folder unusable moves on as its twin does.
    const QString places[] = {runtime,
                              cache.isEmpty() ? QString() : cache + QLatin1Char('/') + name};
    for (const QString &folder : places) {
        if (folder.isEmpty() || !QDir().mkpath(folder))
            continue;
        if (folder != runtime)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        instanceLock_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + name + ".lock");
        instanceLock_->setStaleLockTime(0);
        if (instanceLock_->tryLock(0) || TakeOverClaimInOwnName(*instanceLock_))
            return false;
        const bool heldByOther = instanceLock_->error() == QLockFile::LockFailedError;
        instanceLock_.reset();
        if (heldByOther)
            return true;
    }
    // No folder can hold the lock: that must not keep the user out of the program.
    return false;
}

void QtPlatform::endProcess() {
    instanceLock_.reset(); // releases the claim for the next start
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace vellora
