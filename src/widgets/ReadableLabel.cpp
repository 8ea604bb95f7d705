#include "widgets/ReadableLabel.h"

#include <QEvent>
#include <QPainter>

namespace vellora {

namespace {

// Runs a step of QLabel's while the label shows as one that cannot take the focus: QLabel then
// keeps its plain text as other labels do, without a text document of its own.
template <class Step> void AsUnfocusable(QLabel &label, Step step) {
    const Qt::FocusPolicy policy = label.focusPolicy();
    label.setFocusPolicy(Qt::NoFocus); // leaves the focus where it is
    step();
    label.setFocusPolicy(policy);
}

} // namespace

ReadableLabel::ReadableLabel(const QString &text, QWidget *parent)
    : MeasuredLabel(text, parent) {
    // Plain text with nothing to select or follow; setting the interaction takes the focus policy
    // away, so that comes last.
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::TabFocus);
}

void ReadableLabel::setPlainText(const QString &text) {
    AsUnfocusable(*this, [&] { setText(text); });
}

bool ReadableLabel::event(QEvent *event) {
    if (event->type() != QEvent::Polish)
        return MeasuredLabel::event(event);
    bool handled = false;
    AsUnfocusable(*this, [&] { handled = MeasuredLabel::event(event); });
    return handled;
}

void ReadableLabel::focusInEvent(QFocusEvent *event) {
    MeasuredLabel::focusInEvent(event);
    // QLabel makes the document as the focus arrives, whatever the label holds; a label with
    // nothing to select lets go of it again.
    AsUnfocusable(*this, [this] {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setTextInteractionFlags(Qt::NoTextInteraction);
    });
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
