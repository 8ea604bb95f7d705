#include "shell/frmMDI.h"

#include "calculators/CalculatorWindow.h"
#include "links/Promotions.h"
#include "links/SharedMenuBar.h"
#include "links/WebLink.h"
#include "platform/Platform.h"
#include "widgets/Design.h"
#include "widgets/GraphicalButton.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vellora {

namespace {

struct CaptionDesign {
    int index;
    const char *caption;
    QColor colour;
    double pointSize;
    double top;
    double width;
    double height;
};

// In screen order, top to bottom.
const CaptionDesign kCaptions[] = {
    {0, "Welcome to Vellora", QColor(0, 255, 255), 12, 240, 4005, 270},
    {1,
     "Welcome to the second edition of the Vellora! Learn more about your health related "
     "problems and take action before it's too late. Use these softwares as a guideline for "
     "better living!",
     QColor(255, 0, 0), 8.25, 840, 8055, 705},
    {2, "Vellora includes the following programs", QColor(0, 255, 255), 12, 1920, 6630, 270},
    {4, "Body Mass Index", QColor(255, 0, 255), 12, 2880, 2250, 270},
    {5, "Ideal Body Weight Calculator", QColor(0, 255, 0), 12, 3640, 3810, 270},
    {3, "Body Frame Size", QColor(255, 255, 0), 12, 4400, 2190, 270},
    {6, "Ideal Waist Hip Ratio", QColor(255, 0, 0), 12, 5160, 2745, 270},
};

// The designer's left edges; MDIForm_Load replaces them.
const double kCaptionDesignLeft[7] = {3938, 1920, 2625, 4845, 4815, 4035, 4568};

// The texts on the launcher panel that open a calculator, and which one.
int CalculatorOfCaption(int captionIndex) {
    switch (captionIndex) {
    case 3:
        return kBodyFrameSize;
    case 4:
        return kBodyMassIndex;
    case 5:
        return kIdealBodyWeight;
    case 6:
        return kIdealWaistHipRatio;
    default:
        return -1;
    }
}

struct LauncherButtonDesign {
    int index;
    const char *caption;
    double left;
    double iconLeft;
    const char *iconName;
    const char *icon;
};

// In screen order, left to right.
const LauncherButtonDesign kLauncherButtons[] = {
    {kBodyMassIndex, "Body Mass Index", 840, 240, "Picture3", ":/bmi.png"},
    {kIdealBodyWeight, "Ideal Body Weight Calculator", 3720, 3120, "Picture4", ":/ibw.png"},
    {kBodyFrameSize, "Body Frame Size", 6600, 6000, "Picture2", ":/frame.png"},
    {kIdealWaistHipRatio, "Ideal Waist Hip Ratio", 9360, 8760, "Picture5", ":/whr.png"},
};

constexpr double kBannerWidth = 9480;
constexpr double kButtonContainerWidth = 11655;
constexpr double kExitButtonWidth = 1335;

QWidget *MakeStrip(const QString &name, double heightTwips, const QColor &background,
                   QWidget *parent) {
    auto *strip = new QWidget(parent);
    strip->setObjectName(name);
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    if (background.isValid()) {
        QPalette colours = strip->palette();
        colours.setColor(QPalette::Window, background);
        strip->setPalette(colours);
        strip->setAutoFillBackground(true);
    }
    return strip;
}

} // namespace

frmMDI::frmMDI(Platform &platform)
    : platform_(platform) {
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Vellora v1.20"));
    setWindowIcon(QIcon(QStringLiteral(":/vellora.png")));

    MenuBarDesign menu;
    menu.fileItems = {{QStringLiteral("mnuExit"), QStringLiteral("E&xit")}};
    menu.firstSeparator = QStringLiteral("mnuSep1");
    menu.secondSeparator = QStringLiteral("mnuSep2");
    menu.updateCaption = QStringLiteral("Check for Software &Update");
    menu.makeMoneyName = QStringLiteral("mkmoney");
    menu.makeMoneyEnabled = false; // switched off in this window's design
    menuBars_ = new QStackedWidget(this);
    menuBars_->setObjectName(QStringLiteral("menuBars"));
    menu_ = new SharedMenuBar(menu, platform_, this);
    menuBars_->addWidget(menu_);
    setMenuWidget(menuBars_);
    connect(menu_->fileItem(QStringLiteral("mnuExit")), &QAction::triggered, this,
            &frmMDI::mnuExit_Click);

    auto *frame = new QWidget(this);
    auto *strips = new QVBoxLayout(frame);
    strips->setContentsMargins(0, 0, 0, 0);
    strips->setSpacing(0);

    Picture6_ = MakeStrip(QStringLiteral("Picture6"), 560, kStripColour, frame);
    buildBannerStrip(Picture6_);
    auto *picture1 = MakeStrip(QStringLiteral("Picture1"), 900, QColor(), frame);
    buildButtonStrip(picture1);
    picMain_ = MakeStrip(QStringLiteral("picMain"), 8400, Qt::black, frame);
    buildLauncherPanel(picMain_);

    mdiArea_ = new QMdiArea(frame);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(Qt::black);
    mdiArea_->setFrameShape(QFrame::NoFrame);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMDI::showCurrentMenuBar);

    auto *coBrand = MakeStrip(QStringLiteral("PicCoBrand"), 735, kStripColour, frame);
    buildBottomStrip(coBrand);

    strips->addWidget(Picture6_);
    strips->addWidget(picture1);
    strips->addWidget(picMain_);
    strips->addWidget(mdiArea_, 1);
    strips->addWidget(coBrand);
    setCentralWidget(frame);

    MDIForm_Load();
    setWindowState(Qt::WindowMaximized);
}

// What the children do while QWidget's destructor tears them down must not reach frmMDI's
// handlers any more: by then this part of the object is gone.
frmMDI::~frmMDI() {
    disconnect(focusWatch_);
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow *window : mdiArea_->subWindowList())
        disconnect(window, nullptr, this, nullptr);
    Picture6_->removeEventFilter(this);
    picMain_->removeEventFilter(this);
    for (QLabel *label : lblCaption_)
        label->removeEventFilter(this);
}

void frmMDI::buildBannerStrip(QWidget *strip) {
    strip->setCursor(Qt::PointingHandCursor);
    strip->installEventFilter(this);
    lblOrvantixBanner_ = new LinkLabel(ForumBannerCaption(), strip);
    lblOrvantixBanner_->setObjectName(QStringLiteral("lblOrvantixBanner"));
    lblOrvantixBanner_->setFont(VerdanaFont(9.75, true, true));
    lblOrvantixBanner_->setAlignment(Qt::AlignCenter);
    PlaceTwips(lblOrvantixBanner_, 960, 0, kBannerWidth, 465);
    connect(lblOrvantixBanner_, &LinkLabel::clicked, this, &frmMDI::lblOrvantixBanner_Click);
}

void frmMDI::buildButtonStrip(QWidget *strip) {
    picButtonContainer_ = new QWidget(strip);
    picButtonContainer_->setObjectName(QStringLiteral("picButtonContainer"));
    PlaceTwips(picButtonContainer_, 120, 0, kButtonContainerWidth, 825);
    for (const LauncherButtonDesign &design : kLauncherButtons) {
        auto *icon = new QLabel(picButtonContainer_);
        icon->setObjectName(QString::fromLatin1(design.iconName));
        icon->setPixmap(QPixmap(QString::fromLatin1(design.icon)));
        icon->setAlignment(Qt::AlignCenter);
        PlaceTwips(icon, design.iconLeft, 180, 510, 510);

        auto *button = new GraphicalButton(QString::fromLatin1(design.caption), kButtonGrey,
                                           picButtonContainer_);
        button->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(design.index));
        button->setProperty("index", design.index);
        button->setFont(VerdanaFont(8.25));
        PlaceTwips(button, design.left, 188, 2010, 495);
        const int index = design.index;
        connect(button, &QPushButton::clicked, this,
                [this, index] { cmdSelectOption_Click(index); });
        cmdSelectOption_[static_cast<std::size_t>(index)] = button;
    }
}

void frmMDI::buildLauncherPanel(QWidget *panel) {
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
    for (const CaptionDesign &design : kCaptions) {
        auto *label = new QLabel(QString::fromUtf8(design.caption), panel);
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
        if (CalculatorOfCaption(design.index) >= 0)
            label->setCursor(Qt::PointingHandCursor);
        PlaceTwips(label, kCaptionDesignLeft[design.index], design.top, design.width,
                   design.height);
        lblCaption_[static_cast<std::size_t>(design.index)] = label;
    }
}

void frmMDI::buildBottomStrip(QWidget *strip) {
    Label7_ = new LinkLabel(FullBrandCaption(), strip);
    Label7_->setObjectName(QStringLiteral("Label7"));
    Label7_->setFont(VerdanaFont(8.25, true, true));
    Label7_->setWordWrap(true);
    PlaceTwips(Label7_, 120, 0, 6975, 615);
    connect(Label7_, &LinkLabel::clicked, this, &frmMDI::Label7_Click);

    cmdMdiExit_ = new GraphicalButton(QStringLiteral("&Exit"), kButtonGrey, strip);
    cmdMdiExit_->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit_->setFont(VerdanaFont(8.25));
    PlaceTwips(cmdMdiExit_, 0, 120, kExitButtonWidth, 495);
    connect(cmdMdiExit_, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);

    // Alt+E belongs to the calculator window while it has the focus: its own "&Exit" closes only
    // it. So the frame's access key is a shortcut of its own that stands aside meanwhile.
    cmdMdiExit_->setShortcut(QKeySequence());
    exitShortcut_ = new QShortcut(QKeySequence::mnemonic(cmdMdiExit_->text()), this);
    connect(exitShortcut_, &QShortcut::activated, cmdMdiExit_, &QPushButton::animateClick);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        exitShortcut_->setEnabled(!(now && mdiArea_->isAncestorOf(now)));
    });
}

double frmMDI::screenWidthTwips() const {
    return platform_.screenWidth() * kTwipsPerPixel;
}

void frmMDI::MDIForm_Load() {
    // Centred on the whole screen, not the client area; halves are kept as they come.
    const double screen = screenWidthTwips();
    auto centre = [screen](QWidget *widget, double width) {
        PlaceTwips(widget, (screen - width) / 2, widget->y() * kTwipsPerPixel, width,
                   widget->height() * kTwipsPerPixel);
    };
    centre(lblOrvantixBanner_, kBannerWidth);
    centre(picButtonContainer_, kButtonContainerWidth);
    for (const CaptionDesign &design : kCaptions) {
        QLabel *label = lblCaption_[static_cast<std::size_t>(design.index)];
        PlaceTwips(label, (screen - design.width) / 2, design.top, design.width, design.height);
    }
    PlaceTwips(cmdMdiExit_, screen - (kExitButtonWidth + 120), 120, kExitButtonWidth, 495);
}

void frmMDI::registerCalculator(int index, Launcher launcher) {
    if (index >= 0 && index < kLauncherCount)
        launchers_[static_cast<std::size_t>(index)] = std::move(launcher);
}

CalculatorWindow *frmMDI::openForm(CalculatorForm form) const {
    return forms_[static_cast<std::size_t>(form)].data();
}

void frmMDI::adoptForm(CalculatorWindow *window) {
    const auto slot = static_cast<std::size_t>(window->form());
    forms_[slot] = window;
    mdiArea_->addSubWindow(window);
    menuBars_->addWidget(window->menu());
    connect(window, &CalculatorWindow::unloaded, this, [this, window, slot] {
        if (forms_[slot] == window)
            forms_[slot] = nullptr;
        if (menuBars_->currentWidget() == window->menu())
            menuBars_->setCurrentWidget(menu_);
    });
    window->placeOnLoad();
}

void frmMDI::CloseCalculatorWindows() {
    static constexpr CalculatorForm kOrder[] = {
        CalculatorForm::BodyFrameSizeMain,
        CalculatorForm::BodyMassIndexDisplay,
        CalculatorForm::BodyMassIndexMain,
        CalculatorForm::IdealBodyWeightCalculatorDisplay,
        CalculatorForm::IdealBodyWeightCalculatorMain,
        CalculatorForm::IdealWaistHipRatioMain,
        // A closing input window may have brought its result window back; close those again.
        CalculatorForm::BodyMassIndexDisplay,
        CalculatorForm::IdealBodyWeightCalculatorDisplay,
    };
    for (CalculatorForm form : kOrder) {
        if (CalculatorWindow *window = openForm(form))
            window->close();
    }
}

void frmMDI::OpenCalculator(int index) {
    CloseCalculatorWindows();
    picMain_->hide();
    if (index < 0 || index >= kLauncherCount)
        return;
    const Launcher &launch = launchers_[static_cast<std::size_t>(index)];
    if (!launch)
        return;
    CalculatorWindow *window = launch();
    if (!window)
        return;
    showForm(window);
    window->placeOnLoad();
}

void frmMDI::showForm(CalculatorWindow *window) {
    window->show();
    mdiArea_->setActiveSubWindow(window);
    showCurrentMenuBar();
}

void frmMDI::showCurrentMenuBar() {
    auto *current = qobject_cast<CalculatorWindow *>(mdiArea_->currentSubWindow());
    if (current && current->isVisible() && current->menu())
        menuBars_->setCurrentWidget(current->menu());
    else
        menuBars_->setCurrentWidget(menu_);
}

QWidget *frmMDI::currentMenuBar() const {
    return menuBars_->currentWidget();
}

QWidget *frmMDI::launcherPanel() const {
    return picMain_;
}

void frmMDI::setLauncherPanelVisible(bool visible) {
    picMain_->setVisible(visible);
}

void frmMDI::cmdSelectOption_Click(int index) {
    OpenCalculator(index);
}

void frmMDI::lblCaption_Click(int index) {
    const int calculator = CalculatorOfCaption(index);
    if (calculator < 0) {
        CloseCalculatorWindows();
        return;
    }
    OpenCalculator(calculator);
}

void frmMDI::lblCaption_MouseMove(int index) {
    if (CalculatorOfCaption(index) < 0)
        return;
    QLabel *label = lblCaption_[static_cast<std::size_t>(index)];
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
}

void frmMDI::picMain_MouseMove() {
    for (QLabel *label : lblCaption_) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

void frmMDI::lblOrvantixBanner_Click() {
    OpenWebLink(platform_, WebLink::HomePage);
}

void frmMDI::Picture6_Click() {
    OpenWebLink(platform_, WebLink::HomePage);
}

void frmMDI::Label7_Click() {
    OpenWebLink(platform_, WebLink::FullyBranded);
}

void frmMDI::cmdMdiExit_Click() {
    close();
}

void frmMDI::mnuExit_Click() {
    close();
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event) {
    const bool release = event->type() == QEvent::MouseButtonRelease &&
                         static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == Picture6_) {
        if (release)
            Picture6_Click();
        return false;
    }
    if (watched == picMain_) {
        if (event->type() == QEvent::MouseMove)
            picMain_MouseMove();
        return false;
    }
    if (auto *label = qobject_cast<QLabel *>(watched); label && label->parent() == picMain_) {
        // Consumed here: passed on, a move over a text would reach the panel's background.
        const int index = label->property("index").toInt();
        if (event->type() == QEvent::MouseMove) {
            lblCaption_MouseMove(index);
            return true;
        }
        if (release) {
            if (label->rect().contains(static_cast<QMouseEvent *>(event)->pos()))
                lblCaption_Click(index);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::closeEvent(QCloseEvent *event) {
    // Closing the frame cannot be refused, by whatever means it comes.
    event->accept();
    if (unloading_)
        return;
    unloading_ = true;
    MDIForm_Unload();
}

void frmMDI::MDIForm_Unload() {
    CloseCalculatorWindows();
    emit unloaded();
}

} // namespace vellora
