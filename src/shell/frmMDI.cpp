#include "shell/frmMDI.h"

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

#include <algorithm>

namespace vellora {

frmMDI::frmMDI(Platform &platform, CalculatorTable calculators)
    : platform_(platform)
    , calculators_(std::move(calculators)) {
    DescribeForScreenReaders(); // before the first box or list of any window
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(ProgramCaption());
    setWindowIcon(SuiteWindowIcon());

    menuBars_ = new QStackedWidget(this);
    menuBars_->setObjectName(QStringLiteral("menuBars"));
    menu_ = new SharedMenuBar(MenuDesign(MenuRow::MainWindow), platform_, this);
    menuBars_->addWidget(menu_);
    setMenuWidget(menuBars_);

    setCentralWidget(buildStrips());
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &frmMDI::showCurrentMenuBar);

    MDIForm_Load();
    setWindowState(Qt::WindowMaximized);
    // The keyboard starts at the first launcher button, not at the banner above it.
    if (firstLauncherButton_)
        firstLauncherButton_->setFocus();
}

// What the children do while QWidget's destructor tears them down must not reach frmMDI's
// handlers any more: by then this part of the object is gone.
frmMDI::~frmMDI() {
    disconnect(focusWatch_);
    disconnect(mdiArea_, nullptr, this, nullptr);
    for (QMdiSubWindow *window : mdiArea_->subWindowList())
        disconnect(window, nullptr, this, nullptr);
    for (QObject *watched : findChildren<QObject *>())
        watched->removeEventFilter(this);
    // Nothing of the program outlives its frame; only tests ever get here with the exit window
    // still open, since EndProgram ends the process first.
    delete exitWindow_.data();
}

double frmMDI::layoutWidthTwips() const {
    return (isVisible() ? strips_->width() : platform_.screenWidth()) * kTwipsPerPixel;
}

QMdiSubWindow *frmMDI::openForm(const QMetaObject &kind) const {
    return forms_.value(&kind).window.data();
}

void frmMDI::adoptForm(QMdiSubWindow *window, QWidget *menu) {
    forms_.insert(window->metaObject(), {window, menu});
    // The frame around a calculator is no stop of its own: Tab passing through it would hand the
    // focus on to the first control inside, and a screen reader would hear the frame take the
    // focus after that control, announcing the window instead of the control.
    mdiArea_->addSubWindow(window)->setFocusPolicy(Qt::ClickFocus);
    menuBars_->addWidget(menu);
}

void frmMDI::formUnloaded(QMdiSubWindow *window) {
    const auto open = forms_.find(window->metaObject());
    if (open == forms_.end() || open->window != window)
        return;
    if (menuBars_->currentWidget() == open->menu)
        menuBars_->setCurrentWidget(menu_);
    forms_.erase(open);
}

void frmMDI::CloseCalculatorWindows() {
    QMap<int, CalculatorFormRow> order;
    for (const CalculatorRow &calculator : calculators_) {
        for (const CalculatorFormRow &form : calculator.forms)
            order.insert(form.closePlace, form);
    }
    const auto close = [this](const CalculatorFormRow &form) {
        if (QMdiSubWindow *window = openForm(*form.form))
            window->close();
    };
    for (const CalculatorFormRow &form : order)
        close(form);
    // A closing input window may have brought its result window back; close those again.
    for (const CalculatorFormRow &form : order) {
        if (form.resultWindow)
            close(form);
    }
}

void frmMDI::OpenCalculator(int index) {
    if (QWidget *from = focusWidget(); from && !mdiArea_->isAncestorOf(from))
        launchedFrom_ = from;
    CloseCalculatorWindows();
    picMain_->hide();
    const auto calculator =
        std::find_if(calculators_.begin(), calculators_.end(),
                     [index](const CalculatorRow &row) { return row.index == index; });
    if (calculator == calculators_.end() || !calculator->open)
        return;
    // Loading placed it already (adoptForm), and showing changes neither its size nor its place.
    if (QMdiSubWindow *window = calculator->open(*this))
        showForm(window);
}

void frmMDI::showForm(QMdiSubWindow *window) {
    window->show();
    mdiArea_->setActiveSubWindow(window);
    showCurrentMenuBar();
    fitChildArea();
}

void frmMDI::showCurrentMenuBar() {
    QMdiSubWindow *current = mdiArea_->currentSubWindow();
    const OpenForm open = current ? forms_.value(current->metaObject()) : OpenForm();
    if (current && open.window == current && current->isVisible() && open.menu)
        menuBars_->setCurrentWidget(open.menu);
    else
        menuBars_->setCurrentWidget(menu_);
}

QWidget *frmMDI::currentMenuBar() const {
    return menuBars_->currentWidget();
}

frmNagScreen2 *frmMDI::exitWindow() const {
    return exitWindow_.data();
}

void frmMDI::setLauncherPanelVisible(bool visible) {
    // A calculator window that closes with the focus in it (by then it has dropped the focus)
    // hands it back to the launcher control that opened it, so the keyboard goes on from there.
    QWidget *focused = focusWidget();
    const bool focusLost = visible && (!focused || mdiArea_->isAncestorOf(focused));
    picMain_->setVisible(visible);
    fitChildArea();
    if (!focusLost)
        return;
    QWidget *opener = launchedFrom_;
    if (!opener || !opener->isVisible() || !opener->isEnabled())
        opener = firstLauncherButton_;
    if (opener)
        opener->setFocus(Qt::OtherFocusReason);
}

void frmMDI::cmdSelectOption_Click(int index) {
    OpenCalculator(index);
}

void frmMDI::lblCaption_Click(int index) {
    if (const int calculator = CalculatorOfCaption(index); calculator >= 0)
        OpenCalculator(calculator);
    else
        CloseCalculatorWindows();
}

void frmMDI::lblCaption_MouseMove(int index) {
    if (CalculatorOfCaption(index) < 0)
        return;
    QLabel *label = lblCaption_.value(index);
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

void frmMDI::cmdMdiExit_Click() {
    close();
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event) {
    const bool release = event->type() == QEvent::MouseButtonRelease &&
                         static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    if (watched == strips_ && event->type() == QEvent::Resize) {
        placeOnWidth();
        fitChildArea();
    }
    // The banner's strip opens the home page, as the banner on it does.
    if (watched == Picture6_ && release)
        OpenWebLink(platform_, WebLink::HomePage);
    if (watched == picMain_ && event->type() == QEvent::MouseMove)
        picMain_MouseMove();
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
