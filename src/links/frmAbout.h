#pragma once

#include <QDialog>

class QPushButton;

namespace vellora {

class LinkLabel;
class Platform;

// The program's name and version (ProgramCaption), and two links to the maker's pages. Shown
// modally from the Help menu of every window; it keeps nothing between showings.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Platform &platform, QWidget *parent);
};

// Shows a fresh About window modally over parent and returns once it is closed.
void ShowAbout(Platform &platform, QWidget *parent);

} // namespace vellora
