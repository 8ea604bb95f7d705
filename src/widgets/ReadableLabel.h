#pragma once

#include "widgets/MeasuredLabel.h"

namespace vellora {

// A label that keyboard users reach by Tab: a result for a screen reader to read, or a link. It
// shows a dotted frame in its text's colour while it has the focus, and shows its text as plain
// text. A click does not take the focus.
class ReadableLabel : public MeasuredLabel {
    Q_OBJECT
public:
    explicit ReadableLabel(const QString &text, QWidget *parent = nullptr);

    // Replaces the text, which the label shows as plain text.
    void setPlainText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vellora
