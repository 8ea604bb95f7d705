#pragma once

#include "widgets/MeasuredLabel.h"

namespace vellora {

// A label that keyboard users reach by Tab: a result for a screen reader to read, or a link. It
// shows a dotted frame in its text's colour while it has the focus, and draws its text as plain
// text: a QLabel that can take the focus would lay its text out through a whole text document
// (for selection and links, which these labels have none of), at many times the cost of drawing
// it the way other labels do. A click does not take the focus.
class ReadableLabel : public MeasuredLabel {
    Q_OBJECT
public:
    explicit ReadableLabel(const QString &text, QWidget *parent = nullptr);

    // Replaces the text; QLabel::setText would build that text document.
    void setPlainText(const QString &text);

protected:
    // QLabel's own handling, without the text document it would make on the way.
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // Only once its text is made other than plain or given an interaction: it never lets QLabel
    // make the text document that a label taking the focus would have.
    bool laidOutAsDocument() const override;
};

} // namespace vellora
