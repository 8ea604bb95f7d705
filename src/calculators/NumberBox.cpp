#include "calculators/NumberBox.h"

#include "platform/Platform.h"

#include <QKeyEvent>

namespace vellora {

NumberBox::NumberBox(const QString &name, const QString &accessibleName, Accepts accepts,
                     Platform &platform, QWidget *parent)
    : TextBox(QString(), parent)
    , accepts_(accepts)
    , platform_(platform) {
    setObjectName(name);
    setAccessibleName(accessibleName);
}

void NumberBox::refuse(const QString &message) {
    platform_.showMessage(this, message, MessageIcon::Stop, MessageButtons::Ok);
    setFocus(Qt::OtherFocusReason);
}

bool NumberBox::refuses(const QKeyEvent &event) const {
    // Alt and Meta combinations are commands (access keys), not typing.
    if (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Qt hands Delete over with the text "\x7f", and Tab with "\t"; neither types a character.
    const int key = event.key();
    if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
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
        refuse(tr("You can enter only number"));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vellora
