#pragma once

// Lengths in the window designs are twips, 15 to the pixel; the designs' typeface is Verdana.

#include <QColor>
#include <QFont>

class QWidget;

namespace vellora {

inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(double twips) {
    return qRound(twips / kTwipsPerPixel);
}

// Puts the widget at a design position, each edge rounded to the nearest pixel; an edge computed
// to half a twip comes in as it is.
void PlaceTwips(QWidget *widget, double left, double top, double width, double height);

// Verdana where it is installed, a sans-serif of similar width where not.
QFont VerdanaFont(double pointSize, bool bold = true, bool underline = false);

// The caption as it reads: "&Kilograms" reads "Kilograms", and "&&", a literal "&", one "&".
QString WithoutAccessKeys(const QString &caption);

inline const QColor kStripColour(192, 192, 255);
inline const QColor kButtonGrey(192, 192, 192);

// The windows' fixed colours each come with their partner, so that a desktop theme cannot put
// its own light text on one of the windows' light faces, nor the windows' dark text on its own
// dark face. The partner comes from the light palette the windows were drawn with, so under the
// default theme nothing changes.

// The widget's surface in that colour (the window role, or the button role for a button), with
// the light palette's text colours on it.
void FixFace(QWidget *widget, const QColor &face);
// The widget's text in that colour, on the light palette's window face.
void FixTextColour(QWidget *widget, const QColor &text);
// The colour, made lighter or darker as little as needed for text in it to read on the face:
// a contrast of 4.5:1 at least.
QColor ReadableOn(const QColor &text, const QColor &face);

} // namespace vellora
