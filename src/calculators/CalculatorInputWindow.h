#pragma once

#include "calculators/CalculatorWindow.h"
#include "links/Promotions.h"

class QLabel;

namespace vellora {

// The input window of a calculator with a result window of its own (Body Mass Index, Ideal Body
// Weight): the discussion-board banner (Frame2 with Label61) on top, the window's introduction
// and controls under it, Exit and the calculation's button in one row below them, and the
// promotional labels (Frame5) at the foot. Exit, and Enter or Escape that no control takes,
// close the window.
class CalculatorInputWindow : public CalculatorWindow {
    Q_OBJECT
public slots:
    virtual void cmdCalculate_Click() = 0;

protected:
    CalculatorInputWindow(CalculatorHost &host, const QString &title,
                          const QList<MenuItemDesign> &ownFileItems, double widthTwips,
                          double heightTwips);

    // Running text under the banner.
    QLabel *makeIntroduction(const QString &name, const QString &text);
    // Once the window's own controls are built, from the top down: the row of buttons and the
    // foot come after them, for Tab as on screen.
    void layOut(const QList<QWidget *> &controls, const QString &calculateCaption,
                CoBrandSpacing coBrandSpacing);

private:
    QFrame *banner_ = nullptr;
};

} // namespace vellora
