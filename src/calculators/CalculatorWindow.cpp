#include "calculators/CalculatorWindow.h"

#include "widgets/Design.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

#include <algorithm>

namespace vellora {

// Enter and Escape that no control wanted arrive here on their way up.
class CalculatorWindow::Body : public QWidget {
public:
    using QWidget::QWidget;
    QPushButton *exitButton = nullptr;

    // Never wider than the body is fixed at: the window takes its width from this hint, and a
    // long text that wraps asks for its width on one line.
    QSize sizeHint() const override {
        return QWidget::sizeHint().boundedTo(maximumSize()).expandedTo(minimumSize());
    }

protected:
    void keyPressEvent(QKeyEvent *event) override {
        const bool plain =
            event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
        const int key = event->key();
        const bool closing = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
        if (plain && closing && exitButton && exitButton->isEnabled()) {
            event->accept();
            exitButton->click();
            return;
        }
        QWidget::keyPressEvent(event);
    }
};

CalculatorWindow::CalculatorWindow(CalculatorHost &host, const QString &title,
                                   const MenuBarDesign &menu, double widthTwips, double heightTwips)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , host_(host) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    // The host's icon, shared rather than read from the image again for every window.
    setWindowIcon(host.formIcon());

    menu_ = new SharedMenuBar(menu, host.platform(), this);
    body_ = new Body;
    body_->setFixedWidth(TwipsToPixels(widthTwips));
    body_->setMinimumHeight(TwipsToPixels(heightTwips));
    setWidget(body_);
}

// The menu bar lives in the main window's menu area, so it goes with the window by hand.
CalculatorWindow::~CalculatorWindow() {
    delete menu_.data();
}

void CalculatorWindow::placeOnLoad() {
    adjustSize();
    if (QLayout *layout = body_->layout()) {
        const QMargins frame = contentsMargins();
        const int chrome = frame.top() + frame.bottom();
        const bool wraps = layout->hasHeightForWidth();
        const int controls =
            wraps ? layout->totalHeightForWidth(body_->width()) : layout->totalSizeHint().height();
        // A size hint does not know how high wrapped texts get at the body's width: where longer
        // texts (in another language) need more than the hint gave, the body takes what they need.
        if (wraps && controls > height() - chrome) {
            body_->setMinimumHeight(controls);
            adjustSize();
        }
        // The body is as high as designed or, where its controls lay it out, as their texts make
        // it in the font at hand. On a short child area it gives up the room below its controls,
        // down to what they take at the body's width. The window is not laid out before it is
        // shown, so the body's height is what the window leaves inside its frame.
        if (height() > host_.childAreaRoom()) {
            const int designed = height() - chrome;
            const int fitted =
                std::clamp(host_.childAreaRoom() - chrome, std::min(controls, designed), designed);
            body_->setMinimumHeight(fitted);
            resize(width(), chrome + fitted);
        }
    }
    const double left = (host_.layoutWidthTwips() - width() * kTwipsPerPixel) / 2;
    move(TwipsToPixels(left), 0);
}

QStringList CalculatorWindow::sexItems() {
    return {tr("Male"), tr("Female")};
}

QPushButton *CalculatorWindow::addButton(const QString &name, const QString &caption,
                                         QWidget *parent) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

QPushButton *CalculatorWindow::addExitButton(const QString &caption, QWidget *parent) {
    QPushButton *exit = addButton(QStringLiteral("cmdExit"), caption, parent);
    static_cast<Body *>(body_)->exitButton = exit;
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &CalculatorWindow::cmdExit_Click);
    return exit;
}

void CalculatorWindow::cmdExit_Click() {
    close();
}

void CalculatorWindow::handOverTo(CalculatorWindow *result) {
    hide();
    showInsteadOfLauncher(result);
}

void CalculatorWindow::showInsteadOfLauncher(CalculatorWindow *window) {
    host_.showForm(window);
    host_.setLauncherPanelVisible(false);
}

void CalculatorWindow::Form_Unload() {
    host_.setLauncherPanelVisible(true);
}

void CalculatorWindow::closeEvent(QCloseEvent *event) {
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted() || unloaded_)
        return;
    unloaded_ = true;
    Form_Unload();
    host_.formUnloaded(this);
}

} // namespace vellora
