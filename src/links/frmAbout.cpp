#include "links/frmAbout.h"

#include "links/Promotions.h"
#include "platform/Program.h"
#include "widgets/Design.h"
#include "widgets/Labels.h"
#include "widgets/LinkLabel.h"
#include "widgets/Pictures.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellora {

frmAbout::frmAbout(Platform &platform, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramCaption());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(PictureFor(SuiteIcon(), 64, picture));
    picture->setFixedSize(64, 64);
    picture->setAccessibleName(QStringLiteral("Vellora"));

    QLabel *title = MakeLabel<QLabel>(QStringLiteral("Label2"), ProgramCaption(), VerdanaFont(12),
                                      this, LabelShape::OneLine);

    QLabel *description = MakeLabel<QLabel>(
        QStringLiteral("Label1"),
        tr("Vellora consists of Body Mass Index, Ideal Body Weight Calculator, Body Frame Size & "
           "Ideal Waist-Hip Ratio calculators. These tools are indicative of standards that need "
           "to be maintained for a healthy loving."),
        VerdanaFont(8.25, false), this);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    QLabel *offer = MakeLabel<QLabel>(
        QStringLiteral("Label3"),
        tr("Home Business Opportunity. Start your own Internet business and make money online. "
           "Get this software fully branded for your website. "),
        VerdanaFont(8.25, false), this);

    // Named lblCoBrand, it offers the fully-branded edition that Label3 describes.
    LinkLabel *fullyBranded =
        MakeWebLinkLabel(QStringLiteral("lblCoBrand"), tr("Click here for more details."),
                         WebLink::FullyBranded, platform, this);
    fullyBranded->setFont(VerdanaFont(8.25, true, true));

    LinkLabel *homePage = MakeWebLinkLabel(QStringLiteral("lblHomePage"),
                                           tr("Click here to visit %1").arg(MainSiteAddress()),
                                           WebLink::HomePage, platform, this);
    homePage->setFont(VerdanaFont(8.25, true, true));

    auto *ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    // Escape reaches reject(), which closes the window just as "&OK" does.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *heading = new QHBoxLayout;
    heading->addWidget(picture);
    heading->addWidget(title, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(description);
    layout->addWidget(line);
    layout->addWidget(offer);
    layout->addWidget(fullyBranded);
    layout->addWidget(homePage);
    layout->addSpacing(8);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedWidth(430);
    ok->setFocus();
}

} // namespace vellora
