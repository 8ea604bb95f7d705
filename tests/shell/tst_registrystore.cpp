// The settings store on Windows: the current user's registry hive, read back here through Qt's
// own view of the registry rather than through the store.

#include "platform/QtPlatform.h"
#include "shell/SettingsStore.h"

#include <QSettings>
#include <QtTest>

using namespace vellora;

namespace {

const QString kUserKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\");
const QString kMachineKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\");

// An application's key under one hive, as any registry tool sees it.
QSettings RegistryKey(const QString &hive, const QString &application) {
    return QSettings(hive + application + '\\' + application, QSettings::NativeFormat);
}

} // namespace

class RegistryStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void storedUnderUserHiveScrambled();
    void valuesKeepEveryCharacter_data();
    void valuesKeepEveryCharacter();
    void absentKeysReadEmpty();

private:
    const QStringList applications_{QCoreApplication::applicationName(), "every", "absent"};
};

void RegistryStoreTest::init() {
    for (const QString &application : applications_)
        QSettings(kUserKey + application, QSettings::NativeFormat).remove({});
}

void RegistryStoreTest::cleanupTestCase() {
    init();
}

// The value as a user finds it with the registry editor: under the current user only, in the
// section "Settings", with neither its name nor its value in plain text.
void RegistryStoreTest::storedUnderUserHiveScrambled() {
    const QString application = QCoreApplication::applicationName();
    QCOMPARE(application, "tst_registrystore");
    QtPlatform platform;
    QCOMPARE(ReadSetting(platform, "Duration"), QString());
    QVERIFY(WriteSetting(platform, "Duration", "12/8/2026"));

    QSettings key = RegistryKey(kUserKey, application);
    QCOMPARE(key.childGroups(), QStringList{"Settings"});
    key.beginGroup("Settings");
    QCOMPARE(key.childKeys(), QStringList{"Gxudwlrq"});
    QCOMPARE(key.value("Gxudwlrq").toString(), "452;25359");
    QVERIFY(RegistryKey(kMachineKey, application).childGroups().isEmpty());
    QCOMPARE(ReadSetting(platform, "Duration"), "12/8/2026");
}

void RegistryStoreTest::valuesKeepEveryCharacter_data() {
    QTest::addColumn<QString>("text");
    QString basicPlane;
    for (int code = 1; code <= 0xFFFF; ++code) {
        if (!QChar::isSurrogate(code))
            basicPlane += QChar(char16_t(code));
    }
    QTest::newRow("every character of the basic plane but NUL") << basicPlane;
    QTest::newRow("beyond the basic plane (Chakma digit)") << QString::fromUcs4(U"\U00011137");
    QTest::newRow("NUL and what wraps round to it") << QString::fromUtf16(u"a\u0000b\u00FD", 4);
    QTest::newRow("empty") << QString();
}

// Scrambled texts reach every code: each one comes back from the registry as it went in, to a
// store that remembers nothing of the write.
void RegistryStoreTest::valuesKeepEveryCharacter() {
    QFETCH(QString, text);
    QVERIFY(QtPlatform().writeSettingValue("every", "Settings", "value", text));
    QCOMPARE(QtPlatform().readSettingValue("every", "Settings", "value"), text);
}

void RegistryStoreTest::absentKeysReadEmpty() {
    QtPlatform platform;
    QCOMPARE(platform.readSettingValue("absent", "Settings", "name"), QString());
    QVERIFY(platform.writeSettingValue("absent", "Settings", "other", "x"));
    QCOMPARE(platform.readSettingValue("absent", "Settings", "name"), QString());
}

QTEST_GUILESS_MAIN(RegistryStoreTest)
#include "tst_registrystore.moc"
