#pragma once

// What keyboard users and screen readers need beyond a control's own text: names for lists,
// result labels that are read with their headings, and a Tab order that follows the screen.

#include <QAccessible>
#include <QString>

class QComboBox;
class QWidget;

namespace vellora {

// From the first call on, screen readers meet every Widget (by its class name, not a subclass)
// through Interface, constructed from the widget.
template <class Widget, class Interface> void DescribeClass() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString &className, QObject *object) -> QAccessibleInterface * {
                if (className == QLatin1String(Widget::staticMetaObject.className()))
                    return new Interface(static_cast<Widget *>(object));
                return nullptr;
            });
        return true;
    }();
}

class ReadableLabel;

// How screen readers meet the program's boxes and lists, for every window built afterwards:
// - A plain box (QFrame) is a part of its window. Qt reports it with the role of a window frame,
//   and a screen reader that follows the focus onto a link inside such a box announces a new
//   window instead of the link. A box with a name of its own is a group; a line is a separator.
// - The stacks of panels and the area that holds the calculator windows are layout, which a
//   screen reader passes over, instead of "layered panes" it announces on the way in.
// - An option button is labelled by its own caption only, not by its group's caption again.
// - A fixed list offers its current item as its text, which a screen reader speaks after the
//   list's label ("Sex combo box. Male."), and reports each new item as that text replaced, shown
//   chosen, so that it is spoken as the user moves through the list.
void DescribeForScreenReaders();

// Names a fixed list after what it holds ("Weight in kilograms, whole part"), both as its name
// and its description, which a screen reader reads after the list's label and current item.
void NameList(QComboBox *list, const QString &holds);

// Puts a result into its label, which a screen reader then reads with its heading: "Your Body
// Mass Index Is 24.22".
void SetResultText(ReadableLabel *label, const QString &heading, const QString &text);

// Tab reaches the controls inside group (in their own order) after every other control inside
// within: for a part of a window that is built before the parts above it on screen.
void TabLast(QWidget *group, QWidget *within);

} // namespace vellora
