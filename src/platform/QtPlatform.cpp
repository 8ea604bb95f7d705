#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QSysInfo>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vellora {

QtPlatform::QtPlatform() = default;

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

// One line of a settings file as QSettings reads it: the text from its first character that is
// not a blank to its end, and where its first "=" outside double quotes stands (-1: none).
struct SettingsLine {
    QByteArrayView text;
    qsizetype equals = -1;
};

// The blanks QSettings skips before a line: space, tab and the line ends.
bool IsSettingsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The next line from pos on, split exactly as QSettings splits its files: a line ends at "\n" or
// "\r" outside double quotes ("\r\n" is a line end and a blank line); a backslash takes the next
// character into the line, a line end too; a ";" opens a comment to the end of the line where a
// line starts, and elsewhere outside quotes it ends the line. Nothing else is a blank to QSettings:
// "\v", "\f" and the Unicode spaces belong to the line they stand in. False at the end of the data.
bool NextSettingsLine(QByteArrayView data, qsizetype &pos, SettingsLine &line) {
    const qsizetype size = data.size();
    qsizetype start = pos;
    while (start < size && IsSettingsBlank(data[start]))
        ++start;
    qsizetype equals = -1;
    bool quoted = false;
    qsizetype i = start;
    while (i < size) {
        const char c = data[i++];
        if (c == '=') {
            if (!quoted && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!quoted) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char taken = data[i++];
                if (i < size &&
                    ((taken == '\n' && data[i] == '\r') || (taken == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < size && IsSettingsBlank(data[i]))
                    ++i;
                start = i;
            } else if (!quoted) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.text = data.sliced(start, i - start);
    line.equals = equals < 0 ? -1 : equals - start;
    return i > start;
}

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool IsPlainNameCharacter(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// Whether the name is written exactly as QSettings writes one: letters, digits, "_", "-" and "."
// as they are, "/" as "\", any other character up to U+00FF as "%" and two capital hex digits,
// and beyond as "%U" and four. QSettings reads other spellings too, but writes them back its own
// way, and not always readably: a name ending in "%2F" comes back ending in "\", which takes the
// "=" after it into the name.
bool IsWrittenName(QByteArrayView name) {
    const auto hexValue = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    };
    for (qsizetype i = 0; i < name.size();) {
        const char c = name[i];
        if (IsPlainNameCharacter(char16_t(c)) || c == '\\') {
            ++i;
            continue;
        }
        if (c != '%')
            return false;
        const bool wide = i + 1 < name.size() && name[i + 1] == 'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        if (first + digits > name.size())
            return false;
        char16_t code = 0;
        for (qsizetype k = first; k < first + digits; ++k) {
            const int value = hexValue(name[k]);
            if (value < 0)
                return false;
            code = char16_t(code * 16 + value);
        }
        if (wide != (code > 0xFF) || code == '/' || IsPlainNameCharacter(code))
            return false;
        i = first + digits;
    }
    return true;
}

// Whether the settings file is something other than this program's own: larger than any it
// writes, or holding anything but values of its one section, as QSettings writes them, read line
// by line as QSettings reads them. Such a file is never handed to QSettings, which would take as
// long as it needs to read a large one (holding up start-up) and would merge its content into the
// next write: it reads as empty and is moved aside by the next write. A file that cannot be
// opened is left to QSettings to report.
bool IsForeignSettingsFile(const QString &application, const QString &section) {
    const QString path = SettingsFilePath(application);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.read(kMaxSettingsFileSize + 1);
    if (content.size() > kMaxSettingsFileSize)
        return true;
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8(content);
    if (utf8.hasError())
        return true;
    QByteArrayView data(content);
    if (data.startsWith("\xEF\xBB\xBF")) // QSettings passes over a byte order mark
        data = data.sliced(3);

    // Blanks and comments anywhere; the section's header, with nothing after it but spaces and
    // tabs; then its values, each a name spelt as QSettings writes it and a value without raw
    // control characters (QSettings writes them escaped).
    const QByteArray header = '[' + section.toUtf8() + ']';
    bool inSection = false;
    qsizetype pos = 0;
    SettingsLine line;
    while (NextSettingsLine(data, pos, line)) {
        if (line.text.startsWith('[')) {
            if (!line.text.startsWith(header) ||
                !std::all_of(line.text.begin() + header.size(), line.text.end(), IsSpaceOrTab))
                return true;
            inSection = true;
            continue;
        }
        if (!inSection || line.equals < 0)
            return true;
        QByteArrayView name = line.text.first(line.equals);
        while (!name.isEmpty() && IsSpaceOrTab(name.back()))
            name.chop(1);
        if (name.isEmpty() || !IsWrittenName(name))
            return true;
        const QByteArrayView value = line.text.sliced(line.equals + 1);
        if (std::any_of(value.begin(), value.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }))
            return true;
    }
    return false;
}

// Moves a foreign settings file to the same name with ".bad" added, in place of an earlier one,
// so that what it held can still be looked at. Whether the way is now clear for a new file.
bool SetAsideSettingsFile(const QString &application) {
    const QString file = SettingsFilePath(application);
    const QString aside = file + ".bad";
    if (QFileInfo::exists(aside) && !QFile::remove(aside))
        return false;
    return QFile::rename(file, aside);
}

// The user's own folder for the single-instance claim. Windows has no runtime folder (Qt names
// the home folder there), so the claim goes into the user's temporary folder instead.
QString InstanceLockFolder() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
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
    QString runtime = InstanceLockFolder();
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
