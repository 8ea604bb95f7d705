#pragma once

// What the main window knows of a calculator: one row of the calculators' table, which the
// program hands it (Calculators() in src/calculators/Calculators.h). The shell sits below the
// calculators, so it knows them only as these rows and their windows only as child windows of
// some kind (their class's meta-object).

#include <QColor>
#include <QList>

#include <functional>

class QMdiSubWindow;
struct QMetaObject;

namespace vellora {

class frmMDI;

// One window of a calculator and its place in the close order of CloseCalculatorWindows.
struct CalculatorFormRow {
    const QMetaObject *form; // the window's class
    int closePlace;          // closed in ascending order, from 0
    // A result window is closed once more at the end: its input window, closing, may have
    // brought it back.
    bool resultWindow = false;
};

struct CalculatorRow {
    // Its launcher button cmdSelectOption_<index>; the indexes are not the order on screen.
    int index;
    // Its text on the launcher panel, lblCaption_<captionIndex>.
    int captionIndex;
    // The caption of both its button and its text, in English: the source of its translation
    // (in the context "Calculators").
    const char *caption;
    // The button's and its icon's left edges inside picButtonContainer, in twips; the icon's
    // picture name and image.
    double buttonLeft;
    double iconLeft;
    const char *iconName;
    const char *icon;
    // Its text on the launcher panel: colour, top edge and width in twips.
    QColor textColour;
    double textTop;
    double textWidth;
    // Its windows.
    QList<CalculatorFormRow> forms;
    // A fresh input window, loaded (not shown) in the main window.
    std::function<QMdiSubWindow *(frmMDI &)> open;
};

using CalculatorTable = QList<CalculatorRow>;

} // namespace vellora
