#include "calculators/LocalNumbers.h"

#include <QLocale>

namespace vellora {

QString LocalNumberText(const QString &number) {
    const QLocale locale;
    QString local;
    local.reserve(number.size());
    for (const QChar c : number) {
        if (c == QLatin1Char('.'))
            local += locale.decimalPoint();
        else if (c == QLatin1Char(','))
            local += locale.groupSeparator();
        else
            local += c;
    }
    return local;
}

QString ShortestNumberText(double value) {
    return LocalNumberText(QString::number(value, 'f', QLocale::FloatingPointShortest));
}

} // namespace vellora
