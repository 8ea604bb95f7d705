#include "widgets/Design.h"

#include <QWidget>

namespace vellora {

void PlaceTwips(QWidget *widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
    widget->setProperty("leftTwips", left);
}

double LeftTwips(const QWidget *widget) {
    return widget->property("leftTwips").toDouble();
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

QString LabelCaption(const char *caption) {
    return QString::fromUtf8(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace vellora
