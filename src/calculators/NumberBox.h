#pragma once

#include "widgets/TextBox.h"

namespace vellora {

class Platform;

// A measurement box that lets only digits (and, where a fraction makes sense, the point) be
// typed. Any other character that a key types, Enter, Escape and the control characters of
// Ctrl+C, Ctrl+X and Ctrl+V among them, is refused with "You can enter only number" and
// discarded, and the focus stays in the box. Keys that type nothing (arrows, Home, End, Delete,
// Tab) are let through. Pasted or dropped text is not filtered: the calculation reads it.
class NumberBox : public TextBox {
    Q_OBJECT
public:
    enum class Accepts { Digits, DigitsAndPoint };

    NumberBox(const QString &name, const QString &accessibleName, Accepts accepts,
              Platform &platform, QWidget *parent);

    // Shows the message (stop icon, OK, the program title), then puts the focus back into the
    // box. The text is left as it is.
    void refuse(const QString &message);

protected:
    // The key filter: a refused character is discarded, with the message.
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool refuses(const QKeyEvent &event) const;

    Accepts accepts_;
    Platform &platform_;
};

} // namespace vellora
