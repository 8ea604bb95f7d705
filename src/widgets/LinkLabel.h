#pragma once

#include "widgets/MeasuredLabel.h"

namespace vellora {

// A label that acts as a link: pointing-hand pointer, a click (or Space or Enter once it has
// the focus) emits clicked(). It takes the focus by Tab only, so keyboard users can reach it,
// and screen readers meet it as a link they can press.
class LinkLabel : public MeasuredLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace vellora
