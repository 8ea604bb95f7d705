#include "widgets/Accessibility.h"

#include "widgets/Design.h"
#include "widgets/ReadableLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>

namespace vellora {

namespace {

// Newer screen readers speak inserted text only in boxes one can type into, and look for a closed
// list's new item in a drop-down they do not find: where Qt can, the item the user moved to is
// announced to them as well.
void AnnounceItem([[maybe_unused]] QAccessibleInterface *list,
                  [[maybe_unused]] const QString &item) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(list, item);
    QAccessible::updateAccessibility(&announcement);
#endif
}

// A fixed list: its name is what it holds, its value and its text the current item. The text is
// reported as chosen (selected) as a whole, the way a list with the focus shows it, so that a
// screen reader speaks the new item when the text is replaced.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {
        // The new item as text put in place. Not as the old one taken away first: a screen reader
        // would announce that as chosen text deleted. Qt's cache deletes this interface with the
        // list, and the connection goes with the list.
        QObject::connect(list, &QComboBox::currentTextChanged, list, [this](const QString &text) {
            QAccessibleTextInsertEvent event(this, 0, text);
            QAccessible::updateAccessibility(&event);
            if (this->list()->hasFocus())
                AnnounceItem(this, text);
        });
    }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The drop-down list, as Qt's own interface offers it.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text: the current item, chosen as a whole.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = selectionIndex == 0 ? characterCount() : 0;
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return list()->currentText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run over the whole item, as a text box gives (see TextBox.cpp).
    QString attributes(int, int *startOffset, int *endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

// A plain box: a line is a separator, a box with a name of its own a group, any other box a
// part of the window's layout.
class BoxAccessible : public QAccessibleWidget {
public:
    explicit BoxAccessible(QFrame *box)
        : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        const auto *box = static_cast<const QFrame *>(widget());
        if (box->frameShape() == QFrame::HLine || box->frameShape() == QFrame::VLine)
            return QAccessible::Separator;
        return box->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
};

// An option button. Qt names the group around it as its label too, and a screen reader that has
// just announced the group on the way in would then say the group's caption a second time.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return WithoutAccessKeys(option()->text());
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        related.removeIf([](const QPair<QAccessibleInterface *, QAccessible::Relation> &relation) {
            return (relation.second & QAccessible::Label) &&
                   qobject_cast<QGroupBox *>(relation.first->object());
        });
        return related;
    }
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString &action) override {
        if (action == pressAction() || action == toggleAction())
            option()->click();
    }

private:
    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }
};

QAccessibleInterface *DescribeWidget(const QString &className, QObject *object) {
    if (className == QLatin1String("QComboBox"))
        return new ListAccessible(static_cast<QComboBox *>(object));
    if (className == QLatin1String("QRadioButton"))
        return new OptionAccessible(static_cast<QRadioButton *>(object));
    // Only the classes themselves: Qt describes what derives from them (labels, for one).
    if (className == QLatin1String("QFrame"))
        return new BoxAccessible(static_cast<QFrame *>(object));
    if (className == QLatin1String("QStackedWidget") || className == QLatin1String("QMdiArea"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Client);
    return nullptr;
}

} // namespace

void DescribeForScreenReaders() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(DescribeWidget);
        return true;
    }();
}

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
