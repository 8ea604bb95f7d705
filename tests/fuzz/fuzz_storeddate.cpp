// The update reminder's stored date: a date written under some regional settings and date
// format reads back as the same date. On the day it was written and fourteen days later the
// reminder stays quiet; fifteen days later it asks. Only the stored date itself meets both.

#include "FakePlatform.h"
#include "FuzzCheck.h"
#include "links/UpdateReminder.h"

#include <QMap>

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

using namespace vellora;

namespace {

// Latin, Arabic, Persian, Devanagari, Bengali, Myanmar and Chakma digits; day-month-year,
// month-day-year and year-month-day orders; month names in several scripts.
const char *const kLocales[] = {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "zh_CN", "ko_KR",
                                "ar_EG", "fa_IR", "hi_IN", "bn_BD", "my_MM", "ccp",   "ru_RU",
                                "he_IL", "th_TH", "sv_SE", "fi_FI", "hu_HU", "ne_NP", "pt_BR"};

// Empty: the locale's own short or long format.
const char *const kFormats[] = {"",         "long",       "M/d/yy",     "d.M.yyyy", "yyyy-MM-dd",
                                "dd/MM/yy", "d MMM yyyy", "MMMM d, yy", "yy/M/d",   "d-MMM-yy"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    const char *const localeName = input.PickValueInArray(kLocales);
    const char *const format = input.PickValueInArray(kFormats);
    const qint64 first = QDate(1900, 1, 1).toJulianDay();
    const qint64 last = QDate(9999, 12, 1).toJulianDay();
    const QDate written = QDate::fromJulianDay(input.ConsumeIntegralInRange(first, last));

    FakePlatform platform;
    platform.locale = QLocale(QString::fromLatin1(localeName));
    const std::string format_ = format;
    if (format_.empty())
        platform.dateFormat = platform.locale.dateFormat(QLocale::ShortFormat);
    else if (format_ == "long")
        platform.dateFormat = platform.locale.dateFormat(QLocale::LongFormat);
    else
        platform.dateFormat = QString::fromLatin1(format);
    const std::string what = std::string(localeName) + " \"" + platform.dateFormat.toStdString() +
                             "\" " + written.toString(Qt::ISODate).toStdString();

    QMap<QString, QString> store;
    const SettingAccess access{
        [&store](const QString &name) { return std::optional<QString>(store.value(name)); },
        [&store](const QString &name, const QString &value) {
            store.insert(name, value);
            return true;
        }};

    platform.date = written; // the very first start writes the day
    UpdateReminder(platform, access);
    CHECK(platform.messages.isEmpty() && store.size() == 1, what);
    const QString stored = store.first();
    CHECK(!stored.isEmpty(), what);

    platform.date = written.addDays(14);
    UpdateReminder(platform, access);
    CHECK(platform.messages.isEmpty() && store.first() == stored, what + " read as a later day");

    platform.date = written.addDays(15);
    platform.answers.push_back(MessageAnswer::No);
    UpdateReminder(platform, access);
    CHECK(platform.messages.size() == 1, what + " not read, or read as an earlier day");
    CHECK(store.first() != stored, what);
    return 0;
}
