#include "widgets/Design.h"

#include <QAbstractButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vellora {

namespace {

// Relative luminance and contrast as the accessibility guidelines measure them.
double Luminance(const QColor &colour) {
    auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double Contrast(const QColor &a, const QColor &b) {
    const auto [darker, lighter] = std::minmax({Luminance(a), Luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The light palette the windows were drawn with: Qt's own, which is what they get where the
// desktop hands Qt no colours. (The style's standard palette will not do: it follows the
// desktop's theme, dark or light.)
const QColor kLightFace(239, 239, 239);
const QColor kLightText(0, 0, 0);
const QColor kLightDisabledText(190, 190, 190);

} // namespace

void PlaceTwips(QWidget *widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                        TwipsToPixels(height));
}

QFont VerdanaFont(double pointSize, bool bold, bool underline) {
    QFont font;
    // The captions were fitted to Verdana; DejaVu Sans is its look-alike but a little wider,
    // so its condensed cut stands in to keep every caption inside its designed width.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QString WithoutAccessKeys(const QString &caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption.at(at) == QLatin1Char('&') && at + 1 < caption.size())
            ++at;
        plain += caption.at(at);
    }
    return plain;
}

void FixFace(QWidget *widget, const QColor &face) {
    const bool button = qobject_cast<QAbstractButton *>(widget) != nullptr;
    const QPalette::ColorRole faceRole = button ? QPalette::Button : QPalette::Window;
    const QPalette::ColorRole textRole = button ? QPalette::ButtonText : QPalette::WindowText;
    QPalette colours = widget->palette();
    colours.setColor(faceRole, face);
    colours.setColor(QPalette::Active, textRole, kLightText);
    colours.setColor(QPalette::Inactive, textRole, kLightText);
    colours.setColor(QPalette::Disabled, textRole, kLightDisabledText);
    widget->setPalette(colours);
    if (!button)
        widget->setAutoFillBackground(true);
}

void FixTextColour(QWidget *widget, const QColor &text) {
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::Window, kLightFace);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QColor ReadableOn(const QColor &text, const QColor &face) {
    constexpr double kReadable = 4.5;
    const QColor towards = Luminance(face) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
    QColor colour = text;
    for (int step = 1; step <= 20 && Contrast(colour, face) < kReadable; ++step) {
        const double share = step / 20.0;
        colour = QColor::fromRgbF(
            static_cast<float>(text.redF() + (towards.redF() - text.redF()) * share),
            static_cast<float>(text.greenF() + (towards.greenF() - text.greenF()) * share),
            static_cast<float>(text.blueF() + (towards.blueF() - text.blueF()) * share));
    }
    return colour;
}

} // namespace vellora
