#include "widgets/ReadableLabel.h"

#include <QEvent>
#include <QPainter>

namespace vellora {

ReadableLabel::ReadableLabel(const QString &text, QWidget *parent)
    : MeasuredLabel(text, parent) {
    // The text is in place, as plain text with nothing to select or follow, before the label can
    // take the focus. (Setting the interaction takes the focus policy away, so that comes after.)
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::TabFocus);
}

void ReadableLabel::setPlainText(const QString &text) {
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus); // leaves the focus where it is
    setText(text);
    setFocusPolicy(policy);
}

bool ReadableLabel::event(QEvent *event) {
    // QLabel would build the text document when polished; the frame's polish is all it needs.
    if (event->type() == QEvent::Polish)
        return QFrame::event(event);
    return MeasuredLabel::event(event);
}

void ReadableLabel::focusInEvent(QFocusEvent *event) {
    // Likewise when the focus arrives: the focus frame is drawn by paintEvent.
    QFrame::focusInEvent(event);
}

bool ReadableLabel::laidOutAsDocument() const {
    return textFormat() != Qt::PlainText || textInteractionFlags() != Qt::NoTextInteraction;
}

void ReadableLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the text's own colour: the style's faint focus frame all but vanishes
    // on the launcher panel's black.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace vellora
