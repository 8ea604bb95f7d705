#include "shell/frmMDI.h"

#include "links/Promotions.h"
#include "shell/StripRoom.h"
#include "widgets/Design.h"
#include "widgets/GraphicalButton.h"
#include "widgets/LinkLabel.h"
#include "widgets/Pictures.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <limits>

// How frmMDI is put together: its four strips, the launcher buttons, the launcher panel's texts,
// and where they stand on the window's width, from load on and whenever it changes.

namespace vellora {

namespace {

struct CaptionDesign {
    int index;
    const char *context; // of its caption's translation
    const char *caption;
    QColor colour;
    double pointSize;
    double top;
    double width;
    double height;
};

// The welcome texts above the calculators' own, in screen order, top to bottom.
const CaptionDesign kWelcomeCaptions[] = {
    {0, "vellora::frmMDI", QT_TRANSLATE_NOOP("vellora::frmMDI", "Welcome to Vellora"),
     QColor(0, 255, 255), 12, 240, 4005, 270},
    {1, "vellora::frmMDI",
     QT_TRANSLATE_NOOP("vellora::frmMDI",
                       "Welcome to the second edition of the Vellora! Learn more about your "
                       "health related problems and take action before it's too late. Use these "
                       "softwares as a guideline for better living!"),
     QColor(255, 0, 0), 8.25, 840, 8055, 705},
    {2, "vellora::frmMDI",
     QT_TRANSLATE_NOOP("vellora::frmMDI", "Vellora includes the following programs"),
     QColor(0, 255, 255), 12, 1920, 6630, 270},
};

// Every text of the launcher panel in screen order, top to bottom: the welcome texts, then one
// for each calculator.
QList<CaptionDesign> CaptionDesigns(const CalculatorTable &calculators) {
    QList<CaptionDesign> captions(std::begin(kWelcomeCaptions), std::end(kWelcomeCaptions));
    for (const CalculatorRow &calculator : calculators)
        captions.append({calculator.captionIndex, "Calculators", calculator.caption,
                         calculator.textColour, 12, calculator.textTop, calculator.textWidth, 270});
    std::stable_sort(captions.begin(), captions.end(),
                     [](const CaptionDesign &a, const CaptionDesign &b) { return a.top < b.top; });
    return captions;
}

constexpr double kBannerStripHeight = 560;
constexpr double kBannerHeight = 465;
constexpr double kBannerWidth = 9480;
constexpr double kButtonStripHeight = 900;
constexpr double kIconHeight = 510;
constexpr double kBottomStripHeight = 735;
constexpr double kButtonContainerWidth = 11655;
constexpr double kExitButtonWidth = 1335;
constexpr double kFullBrandWidth = 6975;
constexpr double kFullBrandHeight = 615;

constexpr double kLauncherPanelHeight = 8400;
// Below the last text the launcher panel keeps the margin the first one has above it.
constexpr double kLauncherPanelMargin = 240;

// The launcher panel is as high as designed where the screen has room, and gives way down to
// its texts where it has not (768-line screens), so that the bottom strip stays in sight.
class LauncherPanel : public QWidget {
public:
    explicit LauncherPanel(QWidget *parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("picMain"));
        FixFace(this, Qt::black);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
        setMaximumHeight(TwipsToPixels(kLauncherPanelHeight));
    }
    QSize sizeHint() const override { return {0, TwipsToPixels(kLauncherPanelHeight)}; }
};

QWidget *MakeStrip(const QString &name, double heightTwips, const QColor &background,
                   QWidget *parent) {
    auto *strip = new QWidget(parent);
    strip->setObjectName(name);
    if (background.isValid())
        FixFace(strip, background);
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    return strip;
}

StripRoom DesignedStrips() {
    return {TwipsToPixels(kBannerStripHeight), TwipsToPixels(kButtonStripHeight),
            TwipsToPixels(kBottomStripHeight)};
}

// The banner keeps one line of its text, the launcher strip its pictures and buttons.
StripRoom LeastStrips(const QWidget *banner) {
    return {banner->fontMetrics().height() + 2, TwipsToPixels(kIconHeight) + 2, 0};
}

} // namespace

int frmMDI::CalculatorOfCaption(int captionIndex) const {
    for (const CalculatorRow &calculator : calculators_) {
        if (calculator.captionIndex == captionIndex)
            return calculator.index;
    }
    return -1;
}

QWidget *frmMDI::buildStrips() {
    auto *frame = new QWidget(this);
    strips_ = frame;
    // As narrow as the launcher buttons allow, since everything is centred on this width.
    frame->setMinimumWidth(TwipsToPixels(kButtonContainerWidth));
    frame->installEventFilter(this);
    auto *strips = new QVBoxLayout(frame);
    strips->setContentsMargins(0, 0, 0, 0);
    strips->setSpacing(0);

    Picture6_ = MakeStrip(QStringLiteral("Picture6"), kBannerStripHeight, kStripColour, frame);
    buildBannerStrip(Picture6_);
    Picture1_ = MakeStrip(QStringLiteral("Picture1"), kButtonStripHeight, QColor(), frame);
    buildButtonStrip(Picture1_);
    picMain_ = new LauncherPanel(frame);
    buildLauncherPanel(picMain_);

    mdiArea_ = new QMdiArea(frame);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(Qt::black);
    mdiArea_->setFrameShape(QFrame::NoFrame);
    // The child area takes what the strips leave, down to nothing under the launcher panel.
    mdiArea_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    // Where even the strips giving way leave less than a calculator window needs (a window far
    // smaller than the screen), the rest is scrolled to.
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    PicCoBrand_ = MakeStrip(QStringLiteral("PicCoBrand"), kBottomStripHeight, kStripColour, frame);
    buildBottomStrip(PicCoBrand_);

    strips->addWidget(Picture6_);
    strips->addWidget(Picture1_);
    strips->addWidget(picMain_);
    strips->addWidget(mdiArea_, 1);
    strips->addWidget(PicCoBrand_);
    return frame;
}

void frmMDI::buildBannerStrip(QWidget *strip) {
    strip->setCursor(Qt::PointingHandCursor);
    strip->installEventFilter(this);
    lblOrvantixBanner_ = MakeWebLinkLabel(QStringLiteral("lblOrvantixBanner"), ForumBannerCaption(),
                                          WebLink::HomePage, platform_, strip);
    lblOrvantixBanner_->setFont(VerdanaFont(9.75, true, true));
    lblOrvantixBanner_->setAlignment(Qt::AlignCenter);
    PlaceTwips(lblOrvantixBanner_, 960, 0, kBannerWidth, kBannerHeight);
}

void frmMDI::buildButtonStrip(QWidget *strip) {
    picButtonContainer_ = new QWidget(strip);
    picButtonContainer_->setObjectName(QStringLiteral("picButtonContainer"));
    PlaceTwips(picButtonContainer_, 120, 0, kButtonContainerWidth, 825);
    // In screen order, left to right, which is also the order of Tab.
    CalculatorTable buttons = calculators_;
    std::stable_sort(
        buttons.begin(), buttons.end(),
        [](const CalculatorRow &a, const CalculatorRow &b) { return a.buttonLeft < b.buttonLeft; });
    for (const CalculatorRow &design : buttons) {
        auto *icon = new QLabel(picButtonContainer_);
        icon->setObjectName(QString::fromLatin1(design.iconName));
        icon->setPixmap(PictureFor(LauncherIcon(design.icon), 32, icon));
        icon->setAlignment(Qt::AlignCenter);
        PlaceTwips(icon, design.iconLeft, 180, 510, 510);

        auto *button =
            new GraphicalButton(QCoreApplication::translate("Calculators", design.caption),
                                kButtonGrey, picButtonContainer_);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(design.index));
        button->setProperty("index", design.index);
        button->setFont(VerdanaFont(8.25));
        PlaceTwips(button, design.buttonLeft, 188, 2010, 495);
        connect(button, &QPushButton::clicked, this,
                [this, index = design.index] { cmdSelectOption_Click(index); });
        if (!firstLauncherButton_)
            firstLauncherButton_ = button;
    }
}

void frmMDI::buildLauncherPanel(QWidget *panel) {
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
    double textsBottom = 0;
    for (const CaptionDesign &design : CaptionDesigns(calculators_)) {
        const QString caption = QCoreApplication::translate(design.context, design.caption);
        const bool clickable = CalculatorOfCaption(design.index) >= 0;
        // The texts that open a calculator are links: reached by Tab, pressed by Space or Enter.
        QLabel *label = clickable ? new LinkLabel(caption, panel) : new QLabel(caption, panel);
        label->setObjectName(QStringLiteral("lblCaption_%1").arg(design.index));
        label->setProperty("index", design.index);
        label->setFont(VerdanaFont(design.pointSize));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(design.index == 1);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, design.colour);
        label->setPalette(colours);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        if (clickable) {
            connect(static_cast<LinkLabel *>(label), &LinkLabel::clicked, this,
                    [this, index = design.index] { lblCaption_Click(index); });
        }
        lblCaption_.insert(design.index, label);
        textsBottom = std::max(textsBottom, design.top + design.height);
    }
    panel->setMinimumHeight(TwipsToPixels(textsBottom + kLauncherPanelMargin));
}

void frmMDI::buildBottomStrip(QWidget *strip) {
    Label7_ = MakeWebLinkLabel(QStringLiteral("Label7"), FullBrandCaption(), WebLink::FullyBranded,
                               platform_, strip);
    Label7_->setFont(VerdanaFont(8.25, true, true));
    Label7_->setWordWrap(true);

    cmdMdiExit_ = new GraphicalButton(tr("&Exit"), kButtonGrey, strip);
    cmdMdiExit_->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit_->setFont(VerdanaFont(8.25));
    connect(cmdMdiExit_, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);

    // Alt+E belongs to the calculator window while it has the focus: its own "&Exit" closes only
    // it. So the frame's access key is a shortcut of its own that stands aside meanwhile.
    cmdMdiExit_->setShortcut(QKeySequence());
    auto *exitShortcut = new QShortcut(QKeySequence::mnemonic(cmdMdiExit_->text()), this);
    connect(exitShortcut, &QShortcut::activated, cmdMdiExit_, &QPushButton::animateClick);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this, exitShortcut](QWidget *, QWidget *now) {
                              exitShortcut->setEnabled(!(now && mdiArea_->isAncestorOf(now)));
                          });
}

void frmMDI::MDIForm_Load() {
    placeOnWidth();
}

// Centred on the window's own width, again whenever it changes; halves are kept as they come.
// Maximised, the window is as wide as the screen, and everything stands where it was designed.
void frmMDI::placeOnWidth() {
    const double screen = layoutWidthTwips();
    auto centre = [screen](QWidget *widget, double width) {
        PlaceTwips(widget, (screen - width) / 2, widget->y() * kTwipsPerPixel, width,
                   widget->height() * kTwipsPerPixel);
    };
    // A text longer than its designed width (in another language) widens its label, up to the
    // window's width, rather than being cut.
    auto fitted = [screen](const QLabel *label, double designed) {
        if (label->wordWrap())
            return designed;
        const double text =
            (label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() + 4) *
            kTwipsPerPixel;
        return std::max(designed, std::min(text, screen));
    };
    centre(lblOrvantixBanner_, fitted(lblOrvantixBanner_, kBannerWidth));
    centre(picButtonContainer_, kButtonContainerWidth);
    for (const CaptionDesign &design : CaptionDesigns(calculators_)) {
        QLabel *label = lblCaption_.value(design.index);
        const double width = fitted(label, design.width);
        PlaceTwips(label, (screen - width) / 2, design.top, width, design.height);
    }
    PlaceTwips(cmdMdiExit_, screen - (kExitButtonWidth + 120), 120, kExitButtonWidth, 495);
    // The offer in the bottom strip keeps its designed room, or takes more of the strip's width,
    // up to the Exit button, where its wrapped text needs more lines than the strip has.
    const double room = screen - (kExitButtonWidth + 480);
    double brandWidth = kFullBrandWidth;
    while (brandWidth < room &&
           Label7_->heightForWidth(TwipsToPixels(brandWidth)) > TwipsToPixels(kFullBrandHeight))
        brandWidth = std::min(room, brandWidth + 600);
    PlaceTwips(Label7_, 120, 0, brandWidth, kFullBrandHeight);
}

int frmMDI::childAreaRoom() const {
    if (!strips_->isVisible())
        return std::numeric_limits<int>::max();
    return strips_->height() - LeastStrips(lblOrvantixBanner_).launcher - DesignedStrips().bottom;
}

void frmMDI::fitChildArea() {
    const StripRoom designed = DesignedStrips();
    StripRoom room = designed;
    if (strips_->isVisible()) {
        const int client = strips_->height();
        if (client != clientHeight_) {
            clientHeight_ = client;
            tallestShown_ = 0;
        }
        // A calculator window stands at the top of the child area; while the launcher panel
        // shows, none does.
        int open = 0;
        if (!picMain_->isVisibleTo(strips_)) {
            for (QMdiSubWindow *window : mdiArea_->subWindowList()) {
                if (window->isVisibleTo(mdiArea_))
                    open = std::max(open, window->height());
            }
        }
        tallestShown_ = std::max(tallestShown_, open);
        room = GiveWay(client, tallestShown_, open, designed, LeastStrips(lblOrvantixBanner_));
    }

    Picture6_->setVisible(room.banner > 0);
    Picture6_->setFixedHeight(std::max(room.banner, 1));
    lblOrvantixBanner_->setFixedHeight(std::min(TwipsToPixels(kBannerHeight), room.banner));
    Picture1_->setVisible(room.launcher > 0);
    Picture1_->setFixedHeight(std::max(room.launcher, 1));
    // The buttons and their pictures stay centred on the strip as it closes in on them.
    picButtonContainer_->move(picButtonContainer_->x(), (room.launcher - designed.launcher) / 2);
    PicCoBrand_->setVisible(room.bottom > 0);
}

} // namespace vellora
