#include "calculators/CalculatorResultWindow.h"

#include "widgets/Accessibility.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

CalculatorResultWindow::CalculatorResultWindow(
    CalculatorHost &host, const QString &title, CoBrandSpacing coBrandSpacing, double widthTwips,
    double heightTwips, std::function<CalculatorWindow *(CalculatorHost &)> loadInputWindow)
    : CalculatorWindow(host, title, MenuDesign(MenuRow::ResultWindow), widthTwips, heightTwips)
    , loadInputWindow_(std::move(loadInputWindow)) {
    connect(menu()->fileItem(QStringLiteral("mnuFileBack")), &QAction::triggered, this,
            &CalculatorResultWindow::cmdBack_Click);

    foot_ = new QFrame(body());
    foot_->setObjectName(QStringLiteral("Frame5"));
    foot_->setFrameShape(QFrame::StyledPanel);
    auto *promotions = new QVBoxLayout;
    AddBrandingLabels(promotions, coBrandSpacing, platform(), foot_);
    QPushButton *exit = addExitButton(tr("&Exit"), foot_);
    QPushButton *back = addButton(QStringLiteral("cmdBack"), tr("&Back"), foot_);
    connect(back, &QPushButton::clicked, this, &CalculatorResultWindow::cmdBack_Click);
    auto *footLayout = new QHBoxLayout(foot_);
    footLayout->addLayout(promotions, 1);
    footLayout->addWidget(exit, 0, Qt::AlignBottom);
    footLayout->addWidget(back, 0, Qt::AlignBottom);
    exit->setFocus();
}

QFrame *CalculatorResultWindow::foot() {
    // Built first, it comes last: for Tab, and for a screen reader going through the window.
    foot_->raise();
    TabLast(foot_, body());
    return foot_;
}

void CalculatorResultWindow::cmdBack_Click() {
    close();
    showInsteadOfLauncher(loadInputWindow_(host()));
}

} // namespace vellora
