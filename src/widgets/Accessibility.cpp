#include "widgets/Accessibility.h"

#include "widgets/ReadableLabel.h"

#include <QComboBox>
#include <QList>

namespace vellora {

void NameList(QComboBox *list, const QString &holds) {
    list->setAccessibleName(holds);
    list->setAccessibleDescription(holds);
}

void SetResultText(ReadableLabel *label, const QString &heading, const QString &text) {
    label->setPlainText(text);
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
