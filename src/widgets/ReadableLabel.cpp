#include "widgets/ReadableLabel.h"

#include <QPainter>

namespace vellora {

ReadableLabel::ReadableLabel(const QString &text, QWidget *parent)
    : MeasuredLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    // Nothing in it to select or follow: mouse events go on to the parent, as on other labels.
    // (Without any interaction QLabel takes the focus policy away, so that comes after.)
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::TabFocus);
}

void ReadableLabel::setPlainText(const QString &text) {
    setText(text);
}

void ReadableLabel::paintEvent(QPaintEvent *event) {
    MeasuredLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the text's own colour: the style's faint focus frame all but vanishes
    // on the launcher panel's black.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vellora
