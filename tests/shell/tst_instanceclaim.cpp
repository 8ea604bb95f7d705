#include "platform/QtPlatform.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace vellora;

// The claim a starting copy makes, where process numbers repeat: a claim left by a copy that
// died under this process's own number is taken over, but one held by a live copy with the same
// number (a copy in a sandbox of its own) still keeps this copy out.
class InstanceClaimTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void claimInOwnName_data();
    void claimInOwnName();

private:
    QTemporaryDir folder_;
};

void InstanceClaimTest::initTestCase() {
    QVERIFY(folder_.isValid());
    // The claim's folder: the runtime folder here, the temporary folder on Windows.
    const QByteArray path = QFile::encodeName(folder_.path());
    qputenv("XDG_RUNTIME_DIR", path);
    qputenv("TMP", path);
    qputenv("TEMP", path);
}

void InstanceClaimTest::claimInOwnName_data() {
    QTest::addColumn<bool>("holderAlive");
    QTest::newRow("left by a copy that died") << false;
    QTest::newRow("held by a live copy") << true;
}

void InstanceClaimTest::claimInOwnName() {
    QFETCH(bool, holderAlive);
    const QString claim = folder_.filePath(QCoreApplication::applicationName() + ".lock");
    QFile::remove(claim); // whatever a failed row left
    // A claim in this process's name, held by a lock of its own or left without one.
    std::optional<QLockFile> holder(std::in_place, claim);
    QVERIFY(holder->tryLock(0));
    if (!holderAlive) {
        QFile file(claim);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        file.close();
        holder.reset();
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    {
        QtPlatform platform;
        QCOMPARE(platform.earlierCopyRunning(), holderAlive);
        QVERIFY(QFileInfo::exists(claim));
    }
    // Whoever held the claim releases it: the copy that took it over, or the live holder.
    holder.reset();
    QVERIFY(!QFileInfo::exists(claim));
}

QTEST_GUILESS_MAIN(InstanceClaimTest)
#include "tst_instanceclaim.moc"
