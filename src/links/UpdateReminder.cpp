#include "links/UpdateReminder.h"

#include "links/WebLink.h"
#include "platform/Platform.h"

#include <QCoreApplication>

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

QString DateText(Platform &platform, QDate date) {
    return platform.userLocale().toString(date, platform.shortDateFormat());
}

// One piece of a date format: a field ('d', 'M' or 'y' written `width` times), or literal text.
struct FormatPiece {
    QChar field; // null for literal text
    qsizetype width = 0;
    QString literal;
};

// The pieces of a format made only of day, month and year numbers and literal text ("M/d/yy",
// "d.MM.yy 'g'."), or nothing when it holds anything else (a month's name, a weekday).
std::optional<QList<FormatPiece>> NumericFields(const QString &format) {
    QList<FormatPiece> pieces;
    auto addLiteral = [&pieces](QStringView text) {
        if (pieces.isEmpty() || !pieces.last().field.isNull())
            pieces.append(FormatPiece{});
        pieces.last().literal += text;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Quoted text; two quotes stand for one.
            const qsizetype close = format.indexOf(u'\'', i + 1);
            if (close == i + 1)
                addLiteral(u"'");
            else
                addLiteral(
                    QStringView(format).mid(i + 1, (close < 0 ? format.size() : close) - i - 1));
            i = close < 0 ? format.size() : close + 1;
            continue;
        }
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))) {
            addLiteral(QStringView(format).mid(i, 1));
            ++i;
            continue;
        }
        qsizetype width = 1;
        while (i + width < format.size() && format[i + width] == c)
            ++width;
        const bool number =
            ((c == u'd' || c == u'M') && width <= 2) || (c == u'y' && (width == 2 || width == 4));
        if (!number)
            return std::nullopt;
        pieces.append(FormatPiece{c, width, {}});
        i += width;
    }
    return pieces;
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
    const std::optional<QList<FormatPiece>> pieces = NumericFields(format);
    if (!pieces) {
        const QDate read = locale.toDate(text, format);
        return read.isValid() ? std::optional(read) : std::nullopt;
    }
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype at = 0;
    for (const FormatPiece &piece : *pieces) {
        if (piece.field.isNull()) {
            if (!QStringView(text).mid(at).startsWith(piece.literal))
                return std::nullopt;
            at += piece.literal.size();
            continue;
        }
        // Qt writes a one-letter field with one or two digits, the others with all of theirs.
        const qsizetype most = piece.field == u'y' ? piece.width : 2;
        qsizetype digits = 0;
        int value = 0;
        while (digits < most && at + digits < text.size() && text[at + digits] >= u'0' &&
               text[at + digits] <= u'9') {
            value = value * 10 + (text[at + digits].unicode() - u'0');
            ++digits;
        }
        if (digits < piece.width)
            return std::nullopt;
        at += digits;
        if (piece.field == u'd')
            day = value;
        else if (piece.field == u'M')
            month = value;
        else
            year = piece.width == 2 ? NearestYear(value, platform.today()) : value;
    }
    const QDate date(year, month, day);
    if (at != text.size() || !date.isValid())
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

    const MessageAnswer answer = platform.showMessage(
        nullptr,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software "
                                    "available\nDo you want to check for an update?"),
        MessageIcon::Information, MessageButtons::YesNo);
    settings.write(kLastActedName, DateText(platform, today));
    if (answer == MessageAnswer::Yes)
        OpenWebLink(platform, WebLink::Download);
}

} // namespace vellora
