#include "widgets/TextBox.h"

#include "widgets/Accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QTimer>

#include <utility>

namespace vellora {

bool MovesBetweenControls(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

namespace {

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

// A text box, as Qt describes a line edit, but with its text as one run of (no) attributes: Qt
// gives a run of no characters at each offset, and a screen reader that reads the line by runs
// then leaves out its last character ("8" for "85").
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override {
        if (kind == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !box()->hasSelectedText())
            return;
        *startOffset = box()->selectionStart();
        *endOffset = *startOffset + int(box()->selectedText().size());
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override { return box()->characterRect(offset); }
    int offsetAtPoint(const QPoint &point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }
    QString attributes(int, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    void deleteText(int startOffset, int endOffset) override {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    TextBox *box() const { return static_cast<TextBox *>(widget()); }
};

} // namespace

void AfterFocusReported(QWidget *box, std::function<void()> action) {
    new FocusFollowUp(box, std::move(action));
}

TextBox::TextBox(const QString &text, QWidget *parent)
    : QLineEdit(text, parent) {
    DescribeClass<TextBox, TextBoxAccessible>();
}

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
