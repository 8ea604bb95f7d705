#pragma once

// The menu bar that the main window and every calculator window carry. Windows differ only in
// the row they pass: their File items, the names of the two Help separators, the update
// entry's caption and the name and state of the Make Money entry. Those rows are one table
// (MenuDesign), a row for each kind of window; a window adds only its own File items.

#include <QList>
#include <QMenuBar>
#include <QString>

namespace vellora {

class Platform;

struct MenuItemDesign {
    QString name;    // objectName of the action, such as "mnuExit"
    QString caption; // such as "E&xit"
};

struct MenuBarDesign {
    QList<MenuItemDesign> fileItems;
    QString firstSeparator;
    QString secondSeparator;
    QString updateCaption;
    QString makeMoneyName;
    bool makeMoneyEnabled = true;
};

// The kinds of window, each with its row of the menu table.
enum class MenuRow {
    MainWindow,   // the main window
    InputWindow,  // the input window of a calculator with a result window of its own
    ResultWindow, // that result window: "&Back" before "E&xit"
    StepWindow,   // a calculator whose input and result steps share one window
};

// The menu of that kind of window: its row of the table, with the window's own File items ahead
// of the row's.
MenuBarDesign MenuDesign(MenuRow row, const QList<MenuItemDesign> &ownFileItems = {});

// Every entry but the File items and "&About Software" opens its web page (the table of entries
// in SharedMenuBar.cpp); "E&xit" closes the window that carries the bar.
class SharedMenuBar : public QMenuBar {
    Q_OBJECT
public:
    SharedMenuBar(const MenuBarDesign &design, Platform &platform, QWidget *owner);

    // The File item of that name, for the window to connect to its own handler.
    QAction *fileItem(const QString &name) const;
};

} // namespace vellora
