#include "links/Promotions.h"

#include "widgets/Design.h"
#include "widgets/LinkLabel.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QFrame>

namespace vellora {

QString FullBrandCaption() {
    return QCoreApplication::translate(
        "Promotions", "Home Business Opportunity. Start your own Internet business and make money "
                      "online. Get this software fully branded for your website. Click here for "
                      "more details.");
}

QString DiscussionBoardBannerCaption() {
    return QCoreApplication::translate(
               "Promotions",
               "Talk health and fitness with others on the Orvantix discussion board at %1")
        .arg(QStringLiteral(VELLORA_MAIN_HOST));
}

QString VisitHomePageBannerCaption() {
    return QCoreApplication::translate(
               "Promotions",
               "Join the Orvantix discussion board for health and fitness. Click here to "
               "visit %1")
        .arg(QStringLiteral(VELLORA_MAIN_HOST));
}

QString ForumBannerCaption() {
    return QCoreApplication::translate(
               "Promotions", "Ask your health questions in the Orvantix online forum: visit %1")
        .arg(QStringLiteral(VELLORA_MAIN_HOST));
}

LinkLabel *MakeWebLinkLabel(const QString &objectName, const QString &caption, WebLink link,
                            Platform &platform, QWidget *parent) {
    auto *label = new LinkLabel(caption, parent);
    label->setObjectName(objectName);
    QObject::connect(label, &LinkLabel::clicked, label,
                     [&platform, link] { OpenWebLink(platform, link); });
    return label;
}

QFrame *MakeBannerFrame(const QString &frameName, const QString &labelName, const QString &caption,
                        Platform &platform, QWidget *parent) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(frameName);
    frame->setFrameShape(QFrame::StyledPanel);
    LinkLabel *label = MakeWebLinkLabel(labelName, caption, WebLink::HomePage, platform, frame);
    label->setFont(VerdanaFont(8.25, true, true));
    label->setAlignment(Qt::AlignCenter);
    // A caption longer than the window is wide (in some languages) wraps rather than being cut;
    // the room is the parent's width less the frame's and the layouts' margins.
    constexpr int kMargins = 40;
    if (label->sizeHint().width() > parent->width() - kMargins)
        label->setWordWrap(true);
    (new QVBoxLayout(frame))->addWidget(label);
    return frame;
}

namespace {

LinkLabel *MakeBrandingLabel(const QString &objectName, const QString &caption, WebLink link,
                             Platform &platform, QWidget *parent) {
    LinkLabel *label = MakeWebLinkLabel(objectName, caption, link, platform, parent);
    label->setWordWrap(true);
    label->setFont(VerdanaFont(8.25, false, true));
    return label;
}

} // namespace

LinkLabel *MakeCoBrandLabel(CoBrandSpacing spacing, Platform &platform, QWidget *parent) {
    // The caption as designed, with its access-key marks left out: "&&" shows as "&".
    const QString caption = WithoutAccessKeys(
        QCoreApplication::translate(
            "Promotions",
            "Co-brand this software for your site.  Increase loyalty and traffic to your "
            "site. Put your site's name &&  link here. See \"Help\" for details.%1Click "
            "Here for more info on co-branding.")
            .arg(spacing == CoBrandSpacing::Tight ? QString() : QStringLiteral("    ")));
    return MakeBrandingLabel(QStringLiteral("lblCobrand"), caption, WebLink::CoBrand, platform,
                             parent);
}

LinkLabel *MakeFullBrandLabel(Platform &platform, QWidget *parent) {
    return MakeBrandingLabel(QStringLiteral("lblFullBrand"), FullBrandCaption(),
                             WebLink::FullyBranded, platform, parent);
}

void AddBrandingLabels(QBoxLayout *layout, CoBrandSpacing spacing, Platform &platform,
                       QWidget *parent) {
    layout->addWidget(MakeCoBrandLabel(spacing, platform, parent));
    layout->addWidget(MakeFullBrandLabel(platform, parent));
}

QFrame *MakeBrandingFrame(CoBrandSpacing spacing, Platform &platform, QWidget *parent) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("Frame5"));
    frame->setFrameShape(QFrame::StyledPanel);
    AddBrandingLabels(new QVBoxLayout(frame), spacing, platform, frame);
    return frame;
}

} // namespace vellora
