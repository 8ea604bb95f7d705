#include "links/UpdateReminder.h"

#include "links/WebLink.h"
#include "platform/Platform.h"

#include <QCalendar>

namespace vellora {

namespace {

// The day the reminder last acted: asked, or found no date on the very first run.
const QString kLastActedName = QStringLiteral("Duration");

// How many days either side of the stored day pass without a question.
constexpr qint64 kQuietDays = 14;

// Whether the date format writes the year in two digits ("M/d/yy"), not counting quoted text.
bool HasTwoDigitYear(const QString &format) {
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] == u'\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted || format[i] != u'y')
            continue;
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == u'y')
            ++run;
        if (run == 2)
            return true;
        i += run - 1;
    }
    return false;
}

// The text with the locale's own digits replaced by plain ones. Qt reads plain digits under every
// locale, but cannot read back the digits of some scripts (Chakma, Adlam) that it writes itself.
QString WithPlainDigits(const QLocale &locale, QString text) {
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.size() != 1 || zero[0] == u'0')
        return text;
    for (char32_t digit = 0; digit < 10; ++digit) {
        const char32_t native = zero[0] + digit;
        text.replace(QString::fromUcs4(&native, 1), QString(QChar(u'0' + digit)));
    }
    return text;
}

QString DateText(Platform &platform, QDate date) {
    return platform.userLocale().toString(date, platform.shortDateFormat());
}

// Reads a date written in the user's short date format. A two-digit year is taken as the year
// nearest today (within fifty years), where Qt would put it in the 1900s. The day and month of
// such a year are read in the Julian calendar, where every fourth year is a leap year, so that
// "2/29/00" reads before its century is known; the date is then built from those parts. A full
// year is read as it stands: in the Julian calendar Qt's reader would refuse the last ten weeks
// of 9999, which lie beyond its own last day once converted.
std::optional<QDate> ReadDateText(Platform &platform, const QString &text) {
    const QLocale locale = platform.userLocale();
    const QString format = platform.shortDateFormat();
    const bool twoDigitYear = HasTwoDigitYear(format);
    const QCalendar calendar = twoDigitYear ? QCalendar(QCalendar::System::Julian) : QCalendar();
    const QDate read = locale.toDate(WithPlainDigits(locale, text), format, calendar);
    if (!read.isValid())
        return std::nullopt;
    if (!twoDigitYear)
        return read;
    const QCalendar::YearMonthDay parts = calendar.partsFromDate(read);
    const int earliest = platform.today().year() - 50;
    const int year = earliest + ((parts.year - earliest) % 100 + 100) % 100;
    const QDate date(year, parts.month, parts.day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

void UpdateReminder(Platform &platform, const SettingAccess &settings) {
    const std::optional<QString> stored = settings.read(kLastActedName);
    if (!stored)
        return; // a store that cannot be read is left alone, and start-up goes on
    const QDate today = platform.today();
    if (stored->isEmpty()) {
        settings.write(kLastActedName, DateText(platform, today));
        return;
    }
    // A text that is no date (the regional settings changed, say) is left as it was.
    const std::optional<QDate> lastActed = ReadDateText(platform, *stored);
    if (!lastActed)
        return;
    const qint64 days = today.daysTo(*lastActed);
    if (days >= -kQuietDays && days <= kQuietDays)
        return;

    const MessageAnswer answer =
        platform.showMessage(nullptr,
                             QStringLiteral("There maybe an update to this software available\n"
                                            "Do you want to check for an update?"),
                             MessageIcon::Information, MessageButtons::YesNo);
    settings.write(kLastActedName, DateText(platform, today));
    if (answer == MessageAnswer::Yes)
        OpenWebLink(platform, WebLink::Download);
}

} // namespace vellora
