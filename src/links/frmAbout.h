#pragma once

#include <QDialog>

namespace vellora {

class Platform;

// The program's name and version (ProgramCaption), and two links to the maker's pages. Shown
// modally from the Help menu of every window, a fresh one each time.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Platform &platform, QWidget *parent);
};

} // namespace vellora
