// The settings file, on the real store in a scratch folder: whatever the file holds, the store
// either takes it as the program's own, and then QSettings too finds nothing in it but values of
// the one section, or leaves it untouched and sets it aside at the next write. After the
// program's own write the file reads back as its own, with the value written.

#include "FuzzCheck.h"
#include "platform/QtPlatform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <string_view>

using namespace vellora;

namespace {

// Removed with everything in it when the run ends.
QTemporaryDir &Scratch() {
    static QTemporaryDir scratch;
    return scratch;
}

// QSettings keeps what it read of a file and reads it again only when its size or time has
// changed: each file written here gets a time of its own, a second after the last one's.
void SetNewTime(const QString &path) {
    static qint64 seconds = 0;
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0)).addSecs(++seconds),
                         QFileDevice::FileModificationTime);
}

const QString kSection = QStringLiteral("Settings");
const QString kName = QStringLiteral("Gxudwlrq"); // "Duration", as stored

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Whether QSettings, reading the file for itself (from a copy), finds any value outside the
// section.
bool QSettingsFindsOthers(const QString &file) {
    const QString copy = Scratch().filePath(QStringLiteral("copy.ini"));
    QFile::remove(copy);
    if (!QFile::copy(file, copy))
        return true;
    SetNewTime(copy);
    QStringList keys;
    {
        const QSettings settings(copy, QSettings::IniFormat);
        keys = settings.allKeys();
    }
    QFile::remove(copy);
    return std::any_of(keys.begin(), keys.end(), [](const QString &key) {
        return !key.startsWith(kSection + QLatin1Char('/'));
    });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // Before the store's first use, which takes its folder from here for the rest of the run.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Scratch().path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::string_view input(content.constData(), std::size_t(content.size()));
    const QString application = QStringLiteral("fuzz");
    const QString folder = Scratch().filePath(application);
    const QString file = folder + QLatin1Char('/') + application + ".conf";
    CHECK(QDir().mkpath(folder) && WriteAll(file, content), input);
    SetNewTime(file);

    QtPlatform platform;
    const std::optional<QString> read = platform.readSettingValue(application, kSection, kName);
    CHECK(read.has_value(), input);
    CHECK(ReadAll(file) == content, input); // reading changes nothing
    const bool othersBefore = QSettingsFindsOthers(file);

    CHECK(platform.writeSettingValue(application, kSection, kName, "452;259"), input);
    if (QFileInfo::exists(file + ".bad")) {
        CHECK(read->isEmpty(), input);
        CHECK(ReadAll(file + ".bad") == content, input);
        CHECK(ReadAll(file) == "[Settings]\nGxudwlrq=\"452;259\"\n", input);
    } else {
        // Taken as the program's own: then QSettings, too, reads nothing outside the section.
        CHECK(!othersBefore, input);
    }
    CHECK(!QSettingsFindsOthers(file), input);

    // The next start reads its own value back, and writes over it in place.
    const QByteArray setAside = ReadAll(file + ".bad");
    QtPlatform nextStart;
    CHECK(nextStart.readSettingValue(application, kSection, kName) == QStringLiteral("452;259"),
          input);
    CHECK(nextStart.writeSettingValue(application, kSection, kName, "452;25:"), input);
    CHECK(ReadAll(file + ".bad") == setAside, input);
    CHECK(nextStart.readSettingValue(application, kSection, kName) == QStringLiteral("452;25:"),
          input);

    QDir(folder).removeRecursively();
    return 0;
}
