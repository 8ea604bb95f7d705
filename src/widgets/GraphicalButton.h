#pragma once

#include <QPushButton>

namespace vellora {

// A push button in the designs' "graphical" style: its own background colour shows, and a
// caption too long for one line wraps onto a second, centred.
class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    GraphicalButton(const QString &caption, const QColor &background, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vellora
