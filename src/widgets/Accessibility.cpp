#include "widgets/Accessibility.h"

#include <QComboBox>
#include <QLabel>
#include <QList>

namespace vellora {

void NameList(QComboBox *list, const QString &holds) {
    list->setAccessibleName(holds);
    list->setAccessibleDescription(holds);
}

void MakeResultReadable(QLabel *label) {
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus); // a click on it is not meant to take the focus
}

void SetResultText(QLabel *label, const QString &heading, const QString &text) {
    label->setText(text);
    label->setAccessibleName(heading + QLatin1Char(' ') + text);
}

void TabLast(QWidget *group, QWidget *within) {
    QList<QWidget *> members;
    QWidget *lastOther = nullptr;
    for (QWidget *at = within->nextInFocusChain(); at != within; at = at->nextInFocusChain()) {
        if (!within->isAncestorOf(at) || at->focusPolicy() == Qt::NoFocus)
            continue;
        if (group->isAncestorOf(at))
            members.append(at);
        else
            lastOther = at;
    }
    for (QWidget *member : members) {
        if (lastOther)
            QWidget::setTabOrder(lastOther, member);
        lastOther = member;
    }
}

} // namespace vellora
