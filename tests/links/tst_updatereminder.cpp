#include "FakePlatform.h"

#include "links/UpdateReminder.h"
#include "shell/SettingsStore.h"

#include <QtTest>

using namespace vellora;

namespace {

const QString kDownload = QStringLiteral("http://" TEST_MAIN_HOST "/Vellora/download-Vellora.html");

// A platform under the given regional settings, on the given day.
void Configure(FakePlatform &platform, const QLocale &locale, QDate today) {
    platform.locale = locale;
    platform.dateFormat = locale.dateFormat(QLocale::ShortFormat);
    platform.date = today;
}

QString ShortDate(const QLocale &locale, QDate date) {
    return locale.toString(date, locale.dateFormat(QLocale::ShortFormat));
}

QString StoredDuration(FakePlatform &platform) {
    return ReadSetting(platform, QStringLiteral("Duration"))
        .value_or(QStringLiteral("<unreadable>"));
}

} // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void decides_data();
    void decides();
    void everyLocaleReadsBackWhatItWrote_data();
    void everyLocaleReadsBackWhatItWrote();
};

void UpdateReminderTest::decides_data() {
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored"); // "" when never acted
    QTest::addColumn<bool>("readable");  // whether the store can be read
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");

    const QDate today(2026, 12, 8);
    const QLocale us("en_US"); // M/d/yy: the two-digit year must not be read as 1926
    auto row = [&](const char *tag, const QLocale &locale, QDate day, int storedDaysFromToday,
                   bool answerYes, bool asks) {
        const QString stored = ShortDate(locale, day.addDays(storedDaysFromToday));
        QTest::newRow(tag) << locale.name() << day << stored << true << answerYes << asks
                           << (asks ? ShortDate(locale, day) : stored);
    };
    QTest::newRow("never acted: today is stored, nothing asked")
        << "en_US" << today << "" << true << true << false << "12/8/26";
    row("same day", us, today, 0, true, false);
    row("14 days ago", us, today, -14, true, false);
    row("14 days ahead", us, today, 14, true, false);
    row("15 days ago, Yes", us, today, -15, true, true);
    row("15 days ago, No", us, today, -15, false, true);
    row("15 days ahead, Yes", us, today, 15, true, true);
    row("de_DE 15 days ago", QLocale("de_DE"), today, -15, true, true);
    row("ja_JP 15 days ago", QLocale("ja_JP"), today, -15, true, true);
    row("ar_EG 15 days ago", QLocale("ar_EG"), today, -15, true, true);
    // Two-digit years across the turn of a century, and the leap day of 2000 ("2/29/00").
    row("14 days ago, last century", us, QDate(2100, 1, 3), -14, true, false);
    row("15 days ago, last century", us, QDate(2100, 1, 3), -15, true, true);
    row("14 days ahead, next century", us, QDate(2099, 12, 25), 14, true, false);
    row("15 days ahead, next century", us, QDate(2099, 12, 25), 15, true, true);
    row("leap day 2000, 14 days ago", us, QDate(2000, 3, 14), -14, true, false);
    row("leap day 2000, 15 days ago", us, QDate(2000, 3, 15), -15, true, true);
    // As the released program stored it: 19 December 2026, not a year either side.
    for (const auto &[tag, day, asks] :
         {std::tuple("12/19/26, 14 days later", QDate(2027, 1, 2), false),
          std::tuple("12/19/26, 15 days later", QDate(2027, 1, 3), true),
          std::tuple("12/19/26, 14 days before", QDate(2026, 12, 5), false)})
        QTest::newRow(tag) << "en_US" << day << "12/19/26" << true << true << asks
                           << (asks ? ShortDate(us, day) : QStringLiteral("12/19/26"));
    // A date stored while the clock stood late in 9999, whatever the year's digits.
    for (const char *name : {"ja_JP", "ar_EG", "en_GB", "en_US"}) {
        const QLocale locale(name);
        QTest::newRow(qPrintable(QStringLiteral("%1 late 9999").arg(name)))
            << locale.name() << today << ShortDate(locale, QDate(9999, 12, 20)) << true << false
            << true << ShortDate(locale, today);
    }

    QTest::newRow("not a date: left as it was")
        << "en_US" << today << "soon" << true << true << false << "soon";
    QTest::newRow("unreadable store: nothing asked, nothing written")
        << "en_US" << today << "" << false << true << false << "";
}

void UpdateReminderTest::decides() {
    QFETCH(QString, localeName);
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, readable);
    QFETCH(bool, answerYes);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);

    FakePlatform platform;
    Configure(platform, QLocale(localeName), today);
    if (!stored.isEmpty())
        QVERIFY(WriteSetting(platform, QStringLiteral("Duration"), stored));
    platform.settingsReadable = readable;
    platform.answers.push_back(answerYes ? MessageAnswer::Yes : MessageAnswer::No);

    UpdateReminder(platform, SettingsStoreAccess(platform));

    QCOMPARE(platform.messages.size(), asks ? 1 : 0);
    if (asks) {
        const ShownMessage &question = platform.messages[0];
        QCOMPARE(question.text, QStringLiteral("There maybe an update to this software available\n"
                                               "Do you want to check for an update?"));
        QCOMPARE(question.title, QStringLiteral("Vellora"));
        QCOMPARE(question.icon, MessageIcon::Information);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
    }
    QCOMPARE(platform.openedAddresses, asks && answerYes ? QStringList{kDownload} : QStringList{});
    platform.settingsReadable = true;
    QCOMPARE(StoredDuration(platform), storedAfter);
}

// Under every regional setting Qt knows, the date the reminder writes reads back as that day:
// 14 days later nothing is asked, 15 days later the question comes; and a date stored on any day
// of a leap year brings no question the next day.
void UpdateReminderTest::everyLocaleReadsBackWhatItWrote_data() {
    QTest::addColumn<QLocale>("locale");
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale &locale : locales) {
        const QString tag = QLocale::languageToCode(locale.language()) + '-' +
                            QLocale::scriptToCode(locale.script()) + '-' +
                            QLocale::territoryToCode(locale.territory());
        QTest::newRow(qPrintable(tag)) << locale;
    }
}

void UpdateReminderTest::everyLocaleReadsBackWhatItWrote() {
    QFETCH(QLocale, locale);
    const QDate firstDay(2026, 12, 20); // 15 days later is next year
    FakePlatform platform;
    Configure(platform, locale, firstDay);
    UpdateReminder(platform, SettingsStoreAccess(platform));
    QCOMPARE(StoredDuration(platform), ShortDate(locale, firstDay));

    platform.date = firstDay.addDays(14);
    UpdateReminder(platform, SettingsStoreAccess(platform));
    QVERIFY2(platform.messages.isEmpty(), qPrintable(StoredDuration(platform)));

    platform.date = firstDay.addDays(15);
    UpdateReminder(platform, SettingsStoreAccess(platform));
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(StoredDuration(platform), ShortDate(locale, platform.date));

    for (QDate day(2028, 1, 1); day.year() == 2028; day = day.addDays(1)) {
        platform.date = day.addDays(1);
        QVERIFY(WriteSetting(platform, QStringLiteral("Duration"), ShortDate(locale, day)));
        UpdateReminder(platform, SettingsStoreAccess(platform));
        QVERIFY2(platform.messages.size() == 1, qPrintable(ShortDate(locale, day)));
    }
}

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "tst_updatereminder.moc"
