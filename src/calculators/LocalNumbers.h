#pragma once

#include <QString>

namespace vellora {

// Numbers as the user's regional settings write them. The arithmetic writes "." as the decimal
// point and "," between groups of three ("72,792,654.48"); these put the user's own marks in
// their place and leave the digits as they are.
QString LocalNumberText(const QString &number);

// The shortest decimal form of a value ("70", "70.5", "0.5"), with the user's decimal point.
QString ShortestNumberText(double value);

} // namespace vellora
