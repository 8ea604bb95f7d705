#include "calculators/StepCalculatorWindow.h"

#include "links/Promotions.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/LinkLabel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vellora {

StepCalculatorWindow::StepCalculatorWindow(CalculatorHost &host, const QString &title,
                                           double widthTwips, const QString &inputCaption,
                                           const QString &resultCaption)
    : CalculatorWindow(host, title, MenuDesign(MenuRow::StepWindow), widthTwips, 0) {
    QFrame *banner = MakeBannerFrame(QStringLiteral("fraLabel14"), QStringLiteral("Label14"),
                                     VisitHomePageBannerCaption(), platform(), body());
    // The banner names a web address, which may be longer than the window is wide.
    banner->findChild<QLabel *>(QStringLiteral("Label14"))->setWordWrap(true);

    // A stack is as large as its largest page and shows one page at a time.
    fraStep_ = new QStackedWidget(body());
    for (const QString &panelCaption : {inputCaption, resultCaption}) {
        auto *panel = new QGroupBox(panelCaption);
        panel->setObjectName(QStringLiteral("fraStep_%1").arg(fraStep_->count()));
        fraStep_->addWidget(panel);
    }

    auto *promotions = promotions_ = new QFrame(body());
    promotions->setObjectName(QStringLiteral("fraPromotions"));
    promotions->setFrameShape(QFrame::StyledPanel);
    auto *promotionLayout = new QVBoxLayout(promotions);
    promotionLayout->addWidget(
        MakeCoBrandLabel(CoBrandSpacing::FourBlanks, platform(), promotions));
    auto *fraFullBrand = new QFrame(promotions);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    auto *fullBrandLayout = new QVBoxLayout(fraFullBrand);
    fullBrandLayout->setContentsMargins(0, 0, 0, 0);
    fullBrandLayout->addWidget(MakeFullBrandLabel(platform(), fraFullBrand));
    promotionLayout->addWidget(fraFullBrand);

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(banner);
    layout->addWidget(fraStep_, 1);
    layout->addWidget(promotions);
}

QGroupBox *StepCalculatorWindow::step(Step step) const {
    return static_cast<QGroupBox *>(fraStep_->widget(step));
}

StepCalculatorWindow::Step StepCalculatorWindow::currentStep() const {
    return static_cast<Step>(fraStep_->currentIndex());
}

void StepCalculatorWindow::showStep(Step step, QWidget *focus) {
    fraStep_->setCurrentIndex(step);
    // Never left on the panel that went behind: a keyboard user goes on where the step begins.
    focus->setFocus(Qt::OtherFocusReason);
}

QLabel *StepCalculatorWindow::makeLabel(int index, const QString &text, QWidget *parent,
                                        LabelKind kind) {
    const bool running = kind == LabelKind::Text;
    QLabel *label =
        MakeLabel(QStringLiteral("lblLabel_%1").arg(index), text, VerdanaFont(8.25, !running),
                  parent, running ? LabelShape::Text : LabelShape::OneLine);
    label->setTextFormat(Qt::PlainText); // keeps runs of blanks as they are
    return label;
}

QComboBox *StepCalculatorWindow::makeList(const QString &name, QLabel *caption,
                                          const QString &holds, double widthTwips,
                                          QWidget *parent) {
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setFont(VerdanaFont(8.25, false));
    list->setMinimumWidth(TwipsToPixels(widthTwips));
    caption->setBuddy(list);
    NameList(list, holds);
    return list;
}

void StepCalculatorWindow::setInputTabOrder(const QList<QWidget *> &stops) {
    for (qsizetype stop = 1; stop < stops.size(); ++stop)
        setTabOrder(stops.at(stop - 1), stops.at(stop));
    TabLast(promotions_, body());
}

} // namespace vellora
