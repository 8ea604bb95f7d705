#pragma once

#include <QPushButton>

namespace vellora {

// A push button in the designs' "graphical" style: its own background colour shows, and a
// caption too long for one line wraps onto a second, centred. Enter presses it while it has the
// focus, as Space does, although it is in no dialog.
class GraphicalButton : public QPushButton {
    Q_OBJECT
public:
    GraphicalButton(const QString &caption, const QColor &background, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vellora
