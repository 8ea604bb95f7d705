#pragma once

#include "widgets/ReadableLabel.h"

namespace vellora {

// A label that acts as a link: pointing-hand pointer, a click (or Space or Enter once it has
// the focus) emits clicked(). It takes the focus by Tab only, so keyboard users can reach it,
// and screen readers meet it as a link they can press.
class LinkLabel : public ReadableLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace vellora
