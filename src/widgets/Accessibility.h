#pragma once

// What keyboard users and screen readers need beyond a control's own text: names for lists,
// result labels that are read with their headings, and a Tab order that follows the screen.

class QComboBox;
class QString;
class QWidget;

namespace vellora {

class ReadableLabel;

// Names a fixed list after what it holds ("Weight in kilograms, whole part"). A screen reader on
// Linux hears a fixed list's current item as its name, so what it holds goes into the
// description as well, which is read there.
void NameList(QComboBox *list, const QString &holds);

// Puts a result into its label, which a screen reader then reads with its heading: "Your Body
// Mass Index Is 24.22".
void SetResultText(ReadableLabel *label, const QString &heading, const QString &text);

// Tab reaches the controls inside group (in their own order) after every other control inside
// within: for a part of a window that is built before the parts above it on screen.
void TabLast(QWidget *group, QWidget *within);

} // namespace vellora
