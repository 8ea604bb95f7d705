#include "calculators/CalculatorInputWindow.h"

#include "widgets/Design.h"
#include "widgets/Labels.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

CalculatorInputWindow::CalculatorInputWindow(CalculatorHost &host, const QString &title,
                                             const QList<MenuItemDesign> &ownFileItems,
                                             double widthTwips, double heightTwips)
    : CalculatorWindow(host, title, MenuDesign(MenuRow::InputWindow, ownFileItems), widthTwips,
                       heightTwips) {
    banner_ = MakeBannerFrame(QStringLiteral("Frame2"), QStringLiteral("Label61"),
                              DiscussionBoardBannerCaption(), platform(), body());
}

QLabel *CalculatorInputWindow::makeIntroduction(const QString &name, const QString &text) {
    return MakeLabel(name, text, VerdanaFont(8.25, false), body());
}

void CalculatorInputWindow::layOut(const QList<QWidget *> &controls,
                                   const QString &calculateCaption, CoBrandSpacing coBrandSpacing) {
    QPushButton *exit = addExitButton(tr("&Exit"), body());
    QPushButton *calculate = addButton(QStringLiteral("cmdCalculate"), calculateCaption, body());
    connect(calculate, &QPushButton::clicked, this, &CalculatorInputWindow::cmdCalculate_Click);
    auto *commands = new QHBoxLayout;
    commands->addWidget(exit);
    commands->addStretch(1);
    commands->addWidget(calculate);

    QFrame *promotions = MakeBrandingFrame(coBrandSpacing, platform(), body());

    auto *layout = new QVBoxLayout(body());
    layout->addWidget(banner_);
    for (QWidget *control : controls)
        layout->addWidget(control);
    layout->addLayout(commands);
    layout->addStretch(1);
    layout->addWidget(promotions);
}

} // namespace vellora
