#pragma once

// What every calculator window has in common: it is a child window of its host, the main window,
// has its own row of the shared menu bar (which the host shows in its menu area while the window
// is the current one), places itself at the top of the child area centred on the screen, closes
// when Enter or Escape reaches it unhandled if it has an Exit button (made with addExitButton,
// both default and cancel button), and gives the launcher panel back when it unloads.

#include "links/SharedMenuBar.h"
#include "shell/CalculatorHost.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <concepts>

class QPushButton;

namespace vellora {

class CalculatorWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // The body, on which the controls stand, is widthTwips wide and at least heightTwips high.
    CalculatorWindow(CalculatorHost &host, const QString &title, const MenuBarDesign &menu,
                     double widthTwips, double heightTwips);
    ~CalculatorWindow() override;

    SharedMenuBar *menu() const { return menu_.data(); }

    // Centred on the main window's width (maximised, the screen's), at the top of the child area.
    // Where the child area is short, the body gives up room it has below its controls.
    void placeOnLoad();

public slots:
    void cmdExit_Click();

protected:
    CalculatorHost &host() const { return host_; }
    Platform &platform() const { return host_.platform(); }
    QWidget *body() const { return body_; }

    // A button of this window: Enter on it presses it.
    QPushButton *addButton(const QString &name, const QString &caption, QWidget *parent);
    // cmdExit, which closes the window; Enter and Escape press it when no control takes them.
    QPushButton *addExitButton(const QString &caption, QWidget *parent);
    // The items of a sex list, Male first: the list position gives the sex.
    static QStringList sexItems();

    // An input window's calculation ends here: this window hides, keeping everything picked in
    // it for Back, and the result window takes its place; the launcher panel stays hidden.
    void handOverTo(CalculatorWindow *result);
    // Shows the window as the current one with the launcher panel hidden, even if a window that
    // just unloaded made the panel visible.
    void showInsteadOfLauncher(CalculatorWindow *window);

    void closeEvent(QCloseEvent *event) override;

private:
    // Makes the launcher panel visible again: the main window itself never does.
    void Form_Unload();

    class Body;

    CalculatorHost &host_;
    QPointer<SharedMenuBar> menu_;
    QWidget *body_ = nullptr;
    bool unloaded_ = false;
};

// The host's open window of that kind, or a new one taken in by the host and placed, not shown.
template <std::derived_from<CalculatorWindow> Form> Form *LoadForm(CalculatorHost &host) {
    if (auto *open = qobject_cast<Form *>(host.openForm(Form::staticMetaObject)))
        return open;
    auto *created = new Form(host);
    host.adoptForm(created, created->menu());
    created->placeOnLoad();
    return created;
}

} // namespace vellora
