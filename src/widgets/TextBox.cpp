#include "widgets/TextBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QTimer>

#include <utility>

namespace vellora {

namespace {

// Leaving for a message box, a menu or another program is not leaving the box: Qt keeps the
// selection then, and so does this box.
bool MovesBetweenControls(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Watches the whole application's input, not the box's own: a filter put on the box while the
// box's filters are being run would be run in the same round. Deleted with its box, or once it
// has run.
class FocusFollowUp : public QObject {
public:
    FocusFollowUp(QWidget *box, std::function<void()> action)
        : QObject(box)
        , action_(std::move(action)) {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            run();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void run() {
        if (!action_)
            return;
        const std::function<void()> action = std::exchange(action_, nullptr);
        qApp->removeEventFilter(this);
        deleteLater();
        action();
    }

    std::function<void()> action_;
};

} // namespace

void AfterFocusReported(QWidget *box, std::function<void()> action) {
    new FocusFollowUp(box, std::move(action));
}

TextBox::TextBox(const QString &text, QWidget *parent)
    : QLineEdit(text, parent) {}

QRect TextBox::characterRect(int offset) const {
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Measured from the cursor, which Qt places for the box's margins and scrolling.
    const QFontMetrics metrics(font());
    const QRect cursor = cursorRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {mapToGlobal(QPoint(x, cursor.top())),
            QSize(metrics.horizontalAdvance(shown.at(offset)), cursor.height())};
}

void TextBox::focusInEvent(QFocusEvent *event) {
    showSelection(true);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent withoutSelecting(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&withoutSelecting);
    AfterFocusReported(this, [this] {
        if (hasFocus() && selectedText() != text())
            selectAll();
    });
}

void TextBox::focusOutEvent(QFocusEvent *event) {
    if (!MovesBetweenControls(event->reason())) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    QFocusEvent keepingSelection(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QLineEdit::focusOutEvent(&keepingSelection);
    showSelection(false);
}

// The selection is hidden by painting it in the box's own colours, and shown by going back to
// the palette the box had, which still follows the application's.
void TextBox::showSelection(bool shown) {
    if (shown == !selectionHidden_)
        return;
    selectionHidden_ = !shown;
    if (shown) {
        setPalette(shownPalette_);
        return;
    }
    shownPalette_ = palette();
    QPalette hiding = shownPalette_;
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        hiding.setColor(group, QPalette::Highlight, hiding.color(group, QPalette::Base));
        hiding.setColor(group, QPalette::HighlightedText, hiding.color(group, QPalette::Text));
    }
    setPalette(hiding);
}

} // namespace vellora
