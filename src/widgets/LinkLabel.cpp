#include "widgets/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace vellora {

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : MeasuredLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    // The text is set as plain text before the label can take the focus: a QLabel that can take
    // the focus lays its text out through a whole text document (for selection and links, which
    // a link label has none of), at many times the cost of drawing it the way other labels do.
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text);
}

bool LinkLabel::event(QEvent *event) {
    // QLabel would build that text document when polished; the frame's polish is all it needs.
    if (event->type() == QEvent::Polish)
        return QFrame::event(event);
    return MeasuredLabel::event(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event) {
    // Likewise when the focus arrives: the focus frame is drawn by paintEvent.
    QFrame::focusInEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace vellora
