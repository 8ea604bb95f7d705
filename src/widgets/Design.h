#pragma once

// Lengths in the window designs are twips, 15 to the pixel; the designs' typeface is Verdana.

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

namespace vellora {

inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

inline QRect TwipsRect(double left, double top, double width, double height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// Puts the widget at a design position. The left edge is also kept, unrounded, as the
// "leftTwips" property, since several edges are computed to half a twip.
void PlaceTwips(QWidget *widget, double left, double top, double width, double height);
double LeftTwips(const QWidget *widget);

// Verdana where it is installed, a sans-serif of similar width where not.
QFont VerdanaFont(double pointSize, bool bold = true, bool underline = false);

// Designer captions write a literal "&" as "&&".
QString LabelCaption(const char *caption);

inline const QColor kStripColour(192, 192, 255);
inline const QColor kButtonGrey(192, 192, 192);

} // namespace vellora
