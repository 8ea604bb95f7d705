#include "shell/frmMDI.h"

#include "calculators/CalculatorWindow.h"
#include "links/SharedMenuBar.h"
#include "links/WebLink.h"
#include "platform/Platform.h"
#include "shell/frmNagScreen2.h"
#include "widgets/Accessibility.h"
#include "widgets/Design.h"
#include "widgets/Pictures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>

namespace vellora {

frmMDI::frmMDI(Platform &platform)
    : platform_(platform) {
    DescribeForScreenReaders(); // before the first box or list of any window
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Vellora v1.20"));
    setWindowIcon(SuiteWindowIcon());

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

    setCentralWidget(buildStrips());
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMDI::showCurrentMenuBar);

    MDIForm_Load();
    setWindowState(Qt::WindowMaximized);
    // The keyboard starts at the first launcher button, not at the banner above it.
    cmdSelectOption_[kBodyMassIndex]->setFocus();
}

// What the children do while QWidget's destructor tears them down must not reach frmMDI's
// handlers any more: by then this part of the object is gone.
frmMDI::~frmMDI() {
    disconnect(focusWatch_);
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow *window : mdiArea_->subWindowList())
        disconnect(window, nullptr, this, nullptr);
    strips_->removeEventFilter(this);
    Picture6_->removeEventFilter(this);
    picMain_->removeEventFilter(this);
    for (QLabel *label : lblCaption_)
        label->removeEventFilter(this);
    // Nothing of the program outlives its frame; only tests ever get here with the exit window
    // still open, since EndProgram ends the process first.
    delete exitWindow_.data();
}

double frmMDI::screenWidthTwips() const {
    return platform_.screenWidth() * kTwipsPerPixel;
}

double frmMDI::layoutWidthTwips() const {
    if (!isVisible())
        return screenWidthTwips();
    return strips_->width() * kTwipsPerPixel;
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
    // The frame around a calculator is no stop of its own: Tab passing through it would hand the
    // focus on to the first control inside, and a screen reader would hear the frame take the
    // focus after that control, announcing the window instead of the control.
    mdiArea_->addSubWindow(window)->setFocusPolicy(Qt::ClickFocus);
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
    if (QWidget *from = focusWidget(); from && !mdiArea_->isAncestorOf(from))
        launchedFrom_ = from;
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
    // Loading placed it already (adoptForm), and showing changes neither its size nor its place.
    showForm(window);
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

frmNagScreen2 *frmMDI::exitWindow() const {
    return exitWindow_.data();
}

QWidget *frmMDI::launcherPanel() const {
    return picMain_;
}

void frmMDI::setLauncherPanelVisible(bool visible) {
    // A calculator window that closes with the focus in it (by then it has dropped the focus)
    // hands it back to the launcher control that opened it, so the keyboard goes on from there.
    QWidget *focused = focusWidget();
    const bool focusLost = visible && (!focused || mdiArea_->isAncestorOf(focused));
    picMain_->setVisible(visible);
    if (!focusLost)
        return;
    QWidget *opener = launchedFrom_;
    if (!opener || !opener->isVisible() || !opener->isEnabled())
        opener = cmdSelectOption_[kBodyMassIndex];
    opener->setFocus(Qt::OtherFocusReason);
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
    if (watched == strips_) {
        if (event->type() == QEvent::Resize)
            placeOnWidth();
        return false;
    }
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

// Each calculator runs its own unload on the way; the exit window is shown, not modal, and the
// close goes on, so the frame disappears and the exit window is all that is left on screen.
void frmMDI::MDIForm_Unload() {
    CloseCalculatorWindows();
    exitWindow_ = new frmNagScreen2(platform_);
    exitWindow_->show();
    emit unloaded();
}

} // namespace vellora
