#include "calculators/NumberBox.h"

#include "platform/Platform.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace vellora {

NumberBox::NumberBox(const QString &name, const QString &accessibleName, Accepts accepts,
                     Platform &platform, QWidget *parent)
    : QLineEdit(parent)
    , accepts_(accepts)
    , platform_(platform) {
    setObjectName(name);
    setAccessibleName(accessibleName);
}

// Coming in by Tab the box selects its text, and Qt reports that selection and the cursor before
// it reports the focus. A screen reader takes the first report as the focus moving in, silently,
// and then passes over the focus report as old news: the box is never announced. So the text is
// selected once the focus has been reported.
void NumberBox::focusInEvent(QFocusEvent *event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent withoutSelecting(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&withoutSelecting);
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && !hasSelectedText())
            selectAll();
    });
}

// Going out, the box drops its selection, and Qt reports that before it reports the focus on the
// next control, which a screen reader then leaves unannounced. So the selection goes afterwards.
void NumberBox::focusOutEvent(QFocusEvent *event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    QFocusEvent keepingSelection(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QLineEdit::focusOutEvent(&keepingSelection);
    QTimer::singleShot(0, this, [this] {
        if (!hasFocus())
            deselect();
    });
}

void NumberBox::refuse(const QString &message) {
    platform_.showMessage(this, message, MessageIcon::Stop, MessageButtons::Ok);
    setFocus(Qt::OtherFocusReason);
}

bool NumberBox::refuses(const QKeyEvent &event) const {
    // Alt and Meta combinations are commands (access keys), not typing.
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (event.key()) {
    // Qt hands Delete over with the text "\x7f", and Tab with "\t"; neither types a character.
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    for (QChar c : event.text()) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool backspace = c == u'\b';
        const bool point = c == u'.' && accepts_ == Accepts::DigitsAndPoint;
        if (!digit && !backspace && !point)
            return true;
    }
    return false; // no text: the key types nothing
}

void NumberBox::keyPressEvent(QKeyEvent *event) {
    if (refuses(*event)) {
        event->accept(); // discarded: it goes neither into the box nor up to the window
        refuse(QStringLiteral("You can enter only number"));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vellora
