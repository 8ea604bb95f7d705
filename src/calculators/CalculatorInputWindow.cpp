#include "calculators/CalculatorInputWindow.h"

#include "widgets/Design.h"
#include "widgets/MeasuredLabel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

CalculatorInputWindow::CalculatorInputWindow(frmMDI &mdi, const QString &title,
                                             const QList<MenuItemDesign> &ownFileItems,
                                             double widthTwips, double heightTwips)
    : CalculatorWindow(mdi, title, MenuDesign(MenuRow::InputWindow, ownFileItems), widthTwips,
                       heightTwips) {
    banner_ = MakeBannerFrame(QStringLiteral("Frame2"), QStringLiteral("Label61"),
                              DiscussionBoardBannerCaption(), platform(), body());
}

QLabel *CalculatorInputWindow::makeIntroduction(const QString &name, const QString &text) {
    auto *label = new MeasuredLabel(text, body());
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFont(VerdanaFont(8.25, false));
    return label;
}

void CalculatorInputWindow::layOut(const QList<QWidget *> &controls,
                                   const QString &calculateCaption, CoBrandSpacing coBrandSpacing) {
    QPushButton *exit = addButton(QStringLiteral("cmdExit"), tr("&Exit"), body());
    setExitButton(exit);
    connect(exit, &QPushButton::clicked, this, &CalculatorInputWindow::cmdExit_Click);
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

void CalculatorInputWindow::cmdExit_Click() {
    close();
}

} // namespace vellora
