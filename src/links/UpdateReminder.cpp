#include "links/UpdateReminder.h"

#include "links/WebLink.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vellora {

namespace {

// The day the reminder last acted: asked, or found no date on the very first run.
const QString kLastActedName = QStringLiteral("Duration");

// How many days either side of the stored day pass without a question.
constexpr qint64 kQuietDays = 14;

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

// A format made only of day, month and year numbers and literal text ("M/d/yy", "d.MM.yy 'g'.")
// as a pattern that takes each number as a group, with the fields ('d', 'M' or 'y' written
// `width` times) in the order of their groups; nothing when the format holds anything else (a
// month's name, a weekday).
struct NumericFormat {
    QString pattern;
    QList<std::pair<QChar, qsizetype>> fields;
};

std::optional<NumericFormat> NumericFields(const QString &format) {
    NumericFormat numeric;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted text; two quotes stand for one.
            const qsizetype close = format.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            numeric.pattern += QRegularExpression::escape(
                close == i + 1 ? QStringLiteral("'") : format.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) {
            // A pair of surrogates is escaped as the one character it is.
            const qsizetype length = c.isHighSurrogate() ? 2 : 1;
            numeric.pattern += QRegularExpression::escape(QStringView(format).mid(i, length));
            i += length;
            continue;
        }
        qsizetype width = 1;
        while (i + width < format.size() && format[i + width] == c)
            ++width;
        const bool number =
            ((c == u'd' || c == u'M') && width <= 2) || (c == u'y' && (width == 2 || width == 4));
        if (!number)
            return std::nullopt;
        // Qt writes a one-letter field with one or two digits, the others with all of theirs. The
        // digits are taken as they come, never given back to the next field.
        numeric.pattern +=
            width == 1 ? QStringLiteral("([0-9]{1,2}+)") : QStringLiteral("([0-9]{%1})").arg(width);
        numeric.fields.append({c, width});
        i += width;
    }
    return numeric;
}

// The year nearest today that ends in the two digits given (within fifty years either side).
int NearestYear(int twoDigits, QDate today) {
    const int earliest = today.year() - 50;
    return earliest + ((twoDigits - earliest) % 100 + 100) % 100;
}

// Reads a date written in the user's short date format: its day, month and year numbers are
// read one by one, so every Qt reads it alike. A two-digit year is taken as the year nearest
// today, where Qt would put it in the 1900s and "2/29/00" would be no date; a full year is read
// as it stands. A format with names in it is left to Qt's reader.
std::optional<QDate> ReadDateText(Platform &platform, const QString &stored) {
    const QLocale locale = platform.userLocale();
    const QString format = platform.shortDateFormat();
    const QString text = WithPlainDigits(locale, stored);
    const std::optional<NumericFormat> numeric = NumericFields(format);
    if (!numeric) {
        const QDate read = locale.toDate(text, format);
        return read.isValid() ? std::optional(read) : std::nullopt;
    }
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(numeric->pattern)).match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int day = 0;
    int month = 0;
    int year = 0;
    for (qsizetype i = 0; i < numeric->fields.size(); ++i) {
        const auto [field, width] = numeric->fields[i];
        const int value = match.capturedView(i + 1).toInt();
        if (field == u'd')
            day = value;
        else if (field == u'M')
            month = value;
        else
            year = width == 2 ? NearestYear(value, platform.today()) : value;
    }
    const QDate date(year, month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

} // namespace

void UpdateReminder(Platform &platform, const SettingAccess &settings) {
    const std::optional<QString> stored = settings.read(kLastActedName);
    if (!stored)
        return; // a store that cannot be read is left alone, and start-up goes on
    const QDate today = platform.today();
    const QString todayText = platform.userLocale().toString(today, platform.shortDateFormat());
    if (stored->isEmpty()) {
        settings.write(kLastActedName, todayText);
        return;
    }
    // A text that is no date (the regional settings changed, say) is left as it was.
    const std::optional<QDate> lastActed = ReadDateText(platform, *stored);
    if (!lastActed || qAbs(today.daysTo(*lastActed)) <= kQuietDays)
        return;

    const MessageAnswer answer = platform.showMessage(
        nullptr,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software "
                                    "available\nDo you want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);
    settings.write(kLastActedName, todayText);
    if (answer == MessageAnswer::Yes)
        OpenWebLink(platform, WebLink::Download);
}

} // namespace vellora
