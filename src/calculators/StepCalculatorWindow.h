#pragma once

#include "calculators/CalculatorWindow.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QStackedWidget;

namespace vellora {

// A calculator that lives in one window: an input step and a result step, the panels fraStep_0
// and fraStep_1, of one size in one place, one of them in front. Around them stand the forum
// banner Label14 above and the co-branding and fully-branded labels below; the menu row is the
// same for every such window. There is no default or cancel button, so Enter and Escape close
// nothing: in a measurement box they are typed characters, which its filter refuses.
class StepCalculatorWindow : public CalculatorWindow {
    Q_OBJECT
public:
    enum Step { InputStep = 0, ResultStep = 1 };

    // The panel of that step; the caption may be empty.
    QGroupBox *step(Step step) const;
    Step currentStep() const;

protected:
    StepCalculatorWindow(CalculatorHost &host, const QString &title, double widthTwips,
                         const QString &inputCaption, const QString &resultCaption);

    // Brings the panel of that step to the front, with the focus on that control of it.
    void showStep(Step step, QWidget *focus);

    // The label lblLabel_<index>: running text wraps, a caption (bold) stays on one line.
    enum class LabelKind { Text, Caption };
    QLabel *makeLabel(int index, const QString &text, QWidget *parent,
                      LabelKind kind = LabelKind::Text);
    // A fixed list, at least widthTwips wide, with its caption as buddy, named after what it holds.
    QComboBox *makeList(const QString &name, QLabel *caption, const QString &holds,
                        double widthTwips, QWidget *parent);
    // Once both panels are built: Tab goes through these controls of the input step in this
    // order, and reaches the promotional labels below the panels last.
    void setInputTabOrder(const QList<QWidget *> &stops);

private:
    QStackedWidget *fraStep_ = nullptr;
    QFrame *promotions_ = nullptr;
};

} // namespace vellora
