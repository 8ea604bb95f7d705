#pragma once

#include "calculators/CalculatorWindow.h"
#include "links/Promotions.h"

#include <functional>

class QFrame;

namespace vellora {

// What the result windows of the two-window calculators share: the File items "&Back" and
// "E&xit", and a foot (Frame5) with the promotional labels beside the Exit and Back buttons.
// Exit unloads the window; Back unloads it and shows the calculator's input window again as it
// was left, with the launcher panel hidden although the unload showed it for a moment. Each
// calculation meets a freshly created result window.
class CalculatorResultWindow : public CalculatorWindow {
    Q_OBJECT
public:
    // loadInputWindow gives the input window Back returns to: the hidden one, or a fresh one if
    // it has gone.
    CalculatorResultWindow(CalculatorHost &host, const QString &title,
                           CoBrandSpacing coBrandSpacing, double widthTwips, double heightTwips,
                           std::function<CalculatorWindow *(CalculatorHost &)> loadInputWindow);

public slots:
    // Back, by the button or the File menu.
    void cmdBack_Click();

protected:
    // The foot, to be laid out last; from then on Tab reaches it after everything above it.
    // Exit has the focus when the window opens, unless the window gives it to its result.
    QFrame *foot();

private:
    std::function<CalculatorWindow *(CalculatorHost &)> loadInputWindow_;
    QFrame *foot_ = nullptr;
};

} // namespace vellora
