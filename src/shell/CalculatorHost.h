#pragma once

// What a calculator window may ask of the window that hosts it, and no more: the main window
// frmMDI is the host, and a calculator knows it only through this.

#include <QIcon>

class QMdiSubWindow;
class QWidget;
struct QMetaObject;

namespace vellora {

class Platform;

class CalculatorHost {
public:
    virtual Platform &platform() const = 0;
    // The icon the host's windows show.
    virtual QIcon formIcon() const = 0;
    // The width the calculator windows are centred on, in twips.
    virtual double layoutWidthTwips() const = 0;
    // The height a calculator window may take in the child area, in pixels.
    virtual int childAreaRoom() const = 0;

    // The open window of that kind, or nullptr.
    virtual QMdiSubWindow *openForm(const QMetaObject &kind) const = 0;
    // Takes in a new window of its kind, with its menu bar for the menu area.
    virtual void adoptForm(QMdiSubWindow *window, QWidget *menu) = 0;
    // Shows the window in the child area and makes it the current one.
    virtual void showForm(QMdiSubWindow *window) = 0;
    virtual void setLauncherPanelVisible(bool visible) = 0;
    // A calculator window has closed, by whatever means; it is deleted soon after.
    virtual void formUnloaded(QMdiSubWindow *window) = 0;

protected:
    ~CalculatorHost() = default;
};

} // namespace vellora
