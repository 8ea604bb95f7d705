#include "platform/QtPlatform.h"
#include "shell/SettingsStore.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace vellora;

namespace {

// As root, file modes stop no one. For as long as it lives, this makes a root test act as an
// ordinary user (nobody) who owns the folder, so that an unreadable file cannot be read.
class OrdinaryUser {
public:
    explicit OrdinaryUser(const QString &folder) {
        if (geteuid() != 0)
            return;
        constexpr uid_t kNobody = 65534;
        // Without NoDotAndDotDot the ".." of the folder would hand its parent (/tmp) to nobody.
        QDirIterator it(folder,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        bool owned = lchown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0;
        while (it.hasNext())
            owned =
                lchown(QFile::encodeName(it.next()).constData(), kNobody, kNobody) == 0 && owned;
        dropped_ =
            owned && setresgid(kNobody, kNobody, 0) == 0 && setresuid(kNobody, kNobody, 0) == 0;
    }
    ~OrdinaryUser() {
        if (dropped_ && (setresuid(0, 0, 0) != 0 || setresgid(0, 0, 0) != 0))
            qFatal("could not return to root");
    }
    // Whether file modes now bind this test.
    bool ordinary() const { return geteuid() != 0; }

private:
    bool dropped_ = false;
};

bool WriteFile(const QString &path, const QByteArray &content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void scrambleUndoesItselfAndChangesEveryCharacter_data();
    void scrambleUndoesItselfAndChangesEveryCharacter();
    void storedFormStaysAsItWas_data();
    void storedFormStaysAsItWas();
    void storedFileShowsNeitherNameNorValue();
    void storedFileKeepsEveryCharacter();
    void foreignFileIsSetAside_data();
    void foreignFileIsSetAside();
    void ownFileIsRead_data();
    void ownFileIsRead();
    void unstorableNameIsRefused_data();
    void unstorableNameIsRefused();
    void brokenStoreFailsQuietly_data();
    void brokenStoreFailsQuietly();

private:
    QString settingsFile(const QString &application) const {
        return config_.path() + '/' + application + '/' + application + ".conf";
    }
    QTemporaryDir config_;
};

void SettingsStoreTest::initTestCase() {
    // Before the first use of the store, so that it keeps to this folder.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

void SettingsStoreTest::scrambleUndoesItselfAndChangesEveryCharacter_data() {
    QTest::addColumn<QString>("text");
    QString everyCode;
    for (int code = 0; code <= 0xFFFF; ++code)
        everyCode += QChar(char16_t(code));
    QTest::newRow("empty") << QString();
    QTest::newRow("Duration") << "Duration";
    QTest::newRow("every UTF-16 code") << everyCode;
}

// Together over every code this makes the scramble a one-to-one map of all texts onto all texts.
void SettingsStoreTest::scrambleUndoesItselfAndChangesEveryCharacter() {
    QFETCH(QString, text);
    const QString scrambled = ScrambleSettingText(text);
    QCOMPARE(scrambled.size(), text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        QVERIFY2(scrambled[i] != text[i], qPrintable(QString::number(text[i].unicode(), 16)));
    QCOMPARE(UnscrambleSettingText(scrambled), text);
    QCOMPARE(ScrambleSettingText(UnscrambleSettingText(text)), text);
}

// Values stored by earlier runs must still read: the shift is part of the stored format.
void SettingsStoreTest::storedFormStaysAsItWas_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("name") << "Duration"
                          << "Gxudwlrq";
    QTest::newRow("en_US date") << "12/8/26"
                                << "452;259";
    QTest::newRow("end of the single-byte range wraps to its start")
        << QStringLiteral("\u00FD\u00FE\u00FF") << QString::fromUtf16(u"\u0000\u0001\u0002", 3);
    QTest::newRow("Arabic-Indic digit and right-to-left mark")
        << QStringLiteral("\u0668\u200F") << QStringLiteral("\u066B\u2012");
    QTest::newRow("surrogate pair stays a pair (Chakma digit)")
        << QString::fromUcs4(U"\U00011137") << QString::fromUcs4(U"\U00011D3A");
}

void SettingsStoreTest::storedFormStaysAsItWas() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(ScrambleSettingText(text), stored);
}

// The file as a user opens it on a real store.
void SettingsStoreTest::storedFileShowsNeitherNameNorValue() {
    QtPlatform platform;
    QCOMPARE(ReadSetting(platform, "Duration"), QString());
    QVERIFY(WriteSetting(platform, "Duration", "12/8/26"));
    const QString file = QString::fromUtf8(ReadFile(settingsFile("tst_settingsstore")));
    QVERIFY2(file.startsWith("[Settings]\nGxudwlrq="), qPrintable(file));
    QVERIFY2(!file.contains("Duration") && !file.contains("12/8/26"), qPrintable(file));
    QCOMPARE(ReadSetting(platform, "Duration"), "12/8/26");
}

void SettingsStoreTest::storedFileKeepsEveryCharacter() {
    QString text; // every character of the basic plane, and one beyond it
    for (int code = 0; code <= 0xFFFF; ++code) {
        if (!QChar::isSurrogate(code))
            text += QChar(char16_t(code));
    }
    text += QString::fromUcs4(U"\U00011137");
    QtPlatform platform;
    // In pieces that each keep the file within what a settings file of the program may hold.
    constexpr qsizetype kPiece = 500;
    for (qsizetype start = 0; start < text.size(); start += kPiece) {
        const QString piece = text.mid(start, kPiece);
        QVERIFY(platform.writeSettingValue("every", "Settings", "value", piece));
        QVERIFY(QFileInfo(settingsFile("every")).size() <= kMaxSettingsFileSize);
        // Read from a copy of the file under a name of its own, so that nothing remembered from
        // the write, nor from an earlier copy of the same size and time, can answer.
        const QString copy = QStringLiteral("copy%1").arg(start);
        QVERIFY(QDir().mkpath(config_.path() + '/' + copy));
        QVERIFY(QFile::copy(settingsFile("every"), settingsFile(copy)));
        QCOMPARE(platform.readSettingValue(copy, "Settings", "value"), piece);
    }
}

QByteArray Garbage() {
    QByteArray content;
    for (int i = 0; i < 4096; ++i)
        content += char((i * 7919 + 13) % 256);
    return content;
}

void SettingsStoreTest::foreignFileIsSetAside_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("earlierSetAside");
    QTest::newRow("4 KiB of garbage") << Garbage() << false;
    QTest::newRow("50 MiB of garbage") << Garbage().repeated(50 * 256) << false;
    QTest::newRow("settings of another program")
        << QByteArray("[Settings]\nname=kept\n[General]\nname=other\n") << false;
    QTest::newRow("own section beyond the largest own file")
        << "[Settings]\nname=" + QByteArray(kMaxSettingsFileSize, 'x') + '\n'
        << false;
    QTest::newRow("an earlier file set aside is replaced") << Garbage() << true;
    // QSettings skips only spaces, tabs and line ends before a line, and ends a line at "\r" too:
    // it reads each of these with a value outside the section, or a line that is no value.
    QTest::newRow("vertical tab before the header") << QByteArray("\v[Settings]\nl=") << false;
    QTest::newRow("line ended by a carriage return") << QByteArray("[Settings]\n(\r=") << false;
    QTest::newRow("form feed and no-break space around the header")
        << QByteArray("\f[Settings]\xC2\xA0\nx=1") << false;
    QTest::newRow("value before the header") << QByteArray("x=1\n[Settings]\nname=kept\n") << false;
    QTest::newRow("header continued by a backslash")
        << QByteArray("[Settings]\\\n[General]\nx=1\n") << false;
    QTest::newRow("header continued by a quote")
        << QByteArray("[Settings]\"\n[General]\"\nname=kept\n") << false;
    QTest::newRow("value line without a name") << QByteArray("[Settings]\n=kept\n") << false;
    // QSettings reports this only the first time it reads the file: the write must see it too.
    QTest::newRow("line without a value") << QByteArray("[Settings]\nname=kept\nx\n") << false;
    // QSettings would read "a/" and write it back as "a\=x", a line without a value.
    QTest::newRow("name spelt otherwise than QSettings writes it")
        << QByteArray("[Settings]\nname=kept\na%2F=x\n") << false;
    QTest::newRow("value with a raw line end in quotes")
        << QByteArray("[Settings]\nname=\"a\n[General]\nx=1\"\n") << false;
}

// A file that is not the program's own reads as empty, at once; the next write moves it aside
// untouched and leaves a file of nothing but the program's own section and value, which the next
// start reads back.
void SettingsStoreTest::foreignFileIsSetAside() {
    QFETCH(QByteArray, content);
    QFETCH(bool, earlierSetAside);
    const QString application =
        QStringLiteral("foreign%1").arg(QTest::currentDataTag()).remove(QRegularExpression("\\W"));
    const QString file = settingsFile(application);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    if (earlierSetAside)
        QVERIFY(WriteFile(file + ".bad", "an older file set aside"));
    QVERIFY(WriteFile(file, content));

    QtPlatform platform;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(platform.readSettingValue(application, "Settings", "name"), QString());
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(ReadFile(file), content); // reading changes nothing

    QVERIFY(platform.writeSettingValue(application, "Settings", "name", "new"));
    QCOMPARE(ReadFile(file), QByteArray("[Settings]\nname=new\n"));
    QCOMPARE(ReadFile(file + ".bad"), content);
    QtPlatform nextStart;
    QCOMPARE(nextStart.readSettingValue(application, "Settings", "name"), "new");
}

void SettingsStoreTest::ownFileIsRead_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("as written") << QByteArray("[Settings]\nname=kept\n");
    QTest::newRow("Windows line ends") << QByteArray("[Settings]\r\nname=kept\r\n");
    QTest::newRow("old Mac line ends") << QByteArray("[Settings]\rname=kept\r");
    QTest::newRow("blanks QSettings skips")
        << QByteArray(" \t\n[Settings]\t \n\n  name \t= kept \t\n");
    QTest::newRow("comments") << QByteArray("; mine\n[Settings] ;header\nname=kept;value\n");
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Settings]\nname=kept\n");
    QTest::newRow("names with a group and escaped characters")
        << QByteArray("[Settings]\nname=kept\na\\b=1\n%25%E9%U20AC=2\n");
    QTest::newRow("quoted and escaped")
        << QByteArray("[Settings]\nother=\"a;b=c\\\"\"\nname=kept\n");
}

// A file QSettings reads as nothing but the section's values is the program's own: it is read,
// and written to in place, and stays the program's own.
void SettingsStoreTest::ownFileIsRead() {
    QFETCH(QByteArray, content);
    const QString application =
        QStringLiteral("own%1").arg(QTest::currentDataTag()).remove(QRegularExpression("\\W"));
    const QString file = settingsFile(application);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QVERIFY(WriteFile(file, content));

    QtPlatform platform;
    QCOMPARE(platform.readSettingValue(application, "Settings", "name"), "kept");
    QVERIFY(platform.writeSettingValue(application, "Settings", "name", "new"));
    QVERIFY(!QFileInfo::exists(file + ".bad"));
    QtPlatform nextStart;
    QCOMPARE(nextStart.readSettingValue(application, "Settings", "name"), "new");
    QVERIFY(!QFileInfo::exists(file + ".bad"));
}

void SettingsStoreTest::unstorableNameIsRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("a comma, scrambled to the group separator") << "a,b";
    QTest::newRow("commas only") << ",,";
}

// A name the store would take for a group, or for none, is refused, and the file stays the
// program's own.
void SettingsStoreTest::unstorableNameIsRefused() {
    QFETCH(QString, name);
    QtPlatform platform;
    QVERIFY(WriteSetting(platform, "Duration", "12/8/26"));
    QVERIFY(!WriteSetting(platform, name, "value"));
    QCOMPARE(ReadSetting(platform, name), QString());
    QVERIFY(!QFileInfo::exists(settingsFile("tst_settingsstore") + ".bad"));
    QCOMPARE(ReadFile(settingsFile("tst_settingsstore")), "[Settings]\nGxudwlrq=\"452;259\"\n");
}

enum class Breakage {
    FolderForFile,
    FileForFolder,
    GarbageStuck,
    PipeForFile,
    FolderForLock,
    UnreadableFile,
    ReadOnlyFile,
    ReadOnlyFolder
};

void SettingsStoreTest::brokenStoreFailsQuietly_data() {
    QTest::addColumn<Breakage>("breakage");
    QTest::addColumn<QString>("application");
    QTest::addColumn<std::optional<QString>>("read");
    const std::optional<QString> unreadable;
    const std::optional<QString> empty = QString();
    const std::optional<QString> kept = QStringLiteral("kept");
    QTest::newRow("folder where the file should be")
        << Breakage::FolderForFile << "folderforfile" << unreadable;
    QTest::newRow("file where the folder should be")
        << Breakage::FileForFolder << "fileforfolder" << empty;
    QTest::newRow("file of garbage that cannot be set aside")
        << Breakage::GarbageStuck << "garbagestuck" << empty;
    QTest::newRow("named pipe where the file should be")
        << Breakage::PipeForFile << "pipeforfile" << unreadable;
    QTest::newRow("folder where the lock should be")
        << Breakage::FolderForLock << "folderforlock" << kept;
    QTest::newRow("unreadable file") << Breakage::UnreadableFile << "unreadable" << unreadable;
    QTest::newRow("read-only file") << Breakage::ReadOnlyFile << "readonlyfile" << kept;
    QTest::newRow("read-only folder") << Breakage::ReadOnlyFolder << "readonlyfolder" << empty;
}

// Nothing hangs or crashes; a store that cannot be read says so, one that cannot be written
// keeps what it held.
void SettingsStoreTest::brokenStoreFailsQuietly() {
    QFETCH(Breakage, breakage);
    QFETCH(QString, application);
    QFETCH(std::optional<QString>, read);

    const OrdinaryUser user(config_.path());
    const QString folder = config_.path() + '/' + application;
    const QString file = settingsFile(application);
    const QByteArray settings = "[Settings]\nname=kept\n";
    const QByteArray garbage = Garbage();
    bool modes = false; // whether the case rests on file modes
    switch (breakage) {
    case Breakage::FolderForFile:
        QVERIFY(QDir().mkpath(file));
        break;
    case Breakage::FileForFolder:
        QVERIFY(WriteFile(folder, settings));
        break;
    case Breakage::GarbageStuck:
        QVERIFY(QDir().mkpath(file + ".bad/in the way") && WriteFile(file, garbage));
        break;
    case Breakage::PipeForFile:
        QVERIFY(QDir().mkpath(folder) && mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        break;
    case Breakage::FolderForLock:
        QVERIFY(QDir().mkpath(file + ".lock") && WriteFile(file, settings));
        break;
    case Breakage::UnreadableFile:
        QVERIFY(QDir().mkpath(folder) && WriteFile(file, settings));
        QVERIFY(QFile::setPermissions(file, {}));
        modes = true;
        break;
    case Breakage::ReadOnlyFile:
        QVERIFY(QDir().mkpath(folder) && WriteFile(file, settings));
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        modes = true;
        break;
    case Breakage::ReadOnlyFolder:
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        modes = true;
        break;
    }
    if (modes && !user.ordinary())
        QSKIP("running as root without the right to act as an ordinary user: modes bind no one");
    const bool plainFile = QFileInfo(file).isFile(); // a pipe is never opened here
    const QByteArray before = plainFile ? ReadFile(file) : QByteArray();

    QtPlatform platform;
    QCOMPARE(platform.readSettingValue(application, "Settings", "name"), read);
    QVERIFY(!platform.writeSettingValue(application, "Settings", "name", "new"));
    if (plainFile)
        QCOMPARE(ReadFile(file), before);
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
