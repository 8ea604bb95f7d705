#pragma once

// How the windows meet. frmMDI is the program's one frame and lives from start-up to shut-down.
// Every calculator window is a child window inside its child area, created on first use and
// deleted when it closes; frmMDI remembers at most one of each kind (each window class), and a
// calculator reaches it only as its CalculatorHost. Whatever the reason a calculator window
// closes, its unload makes the launcher panel picMain visible again and tells frmMDI
// (formUnloaded); frmMDI itself only ever hides the panel, when it opens a calculator. The menu
// area shows the menu bar of the current calculator window, or frmMDI's own when none is open, as
// one menu bar for the whole frame. The launcher buttons, their texts on the launcher panel and
// the close order all come from the calculators' table that the program hands frmMDI
// (CalculatorRow), so the shell knows no calculator by name.
// Closing frmMDI, by whatever means, runs MDIForm_Unload once: the calculators close, frmMDI goes,
// and the exit window frmNagScreen2 is shown in its place. Nothing is asked and nothing is saved;
// the program ends only when the exit window closes (EndProgram).

#include "shell/CalculatorHost.h"
#include "shell/CalculatorRow.h"

#include <QHash>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

class QLabel;
class QMdiArea;
class QPushButton;
class QStackedWidget;

namespace vellora {

class LinkLabel;
class frmNagScreen2;
class SharedMenuBar;

class frmMDI : public QMainWindow, public CalculatorHost {
    Q_OBJECT
public:
    frmMDI(Platform &platform, CalculatorTable calculators);
    ~frmMDI() override;

    // What a calculator window asks of its host.
    Platform &platform() const override { return platform_; }
    QIcon formIcon() const override { return windowIcon(); }
    // The strips' width (maximised, the screen's) once on screen, the screen's before.
    double layoutWidthTwips() const override;
    // Once the strips above the child area have given way as far as they go, the bottom strip
    // still in place; unbounded while the window is not on screen.
    int childAreaRoom() const override;
    QMdiSubWindow *openForm(const QMetaObject &kind) const override;
    void adoptForm(QMdiSubWindow *window, QWidget *menu) override;
    void showForm(QMdiSubWindow *window) override;
    void setLauncherPanelVisible(bool visible) override;
    void formUnloaded(QMdiSubWindow *window) override;

    template <class Form> Form *openForm() const {
        return qobject_cast<Form *>(openForm(Form::staticMetaObject));
    }

    void OpenCalculator(int index);
    void CloseCalculatorWindows();

    // The exit window once MDIForm_Unload has shown it, until it is gone.
    frmNagScreen2 *exitWindow() const;

    QWidget *launcherPanel() const { return picMain_; }
    QWidget *currentMenuBar() const;

signals:
    // MDIForm_Unload has run: the calculators are closed and the exit window is up.
    void unloaded();

public slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void cmdMdiExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Load();
    void placeOnWidth();
    // The strips give way where the child area is shorter than the calculator window in it.
    void fitChildArea();
    void MDIForm_Unload();
    void showCurrentMenuBar();
    // The texts on the launcher panel that open a calculator, and which one (-1: none).
    int CalculatorOfCaption(int captionIndex) const;
    QWidget *buildStrips();
    void buildBannerStrip(QWidget *strip);
    void buildButtonStrip(QWidget *strip);
    void buildLauncherPanel(QWidget *panel);
    void buildBottomStrip(QWidget *strip);

    Platform &platform_;
    const CalculatorTable calculators_;
    struct OpenForm {
        QPointer<QMdiSubWindow> window;
        QPointer<QWidget> menu;
    };
    QHash<const QMetaObject *, OpenForm> forms_;
    bool unloading_ = false;
    QPointer<frmNagScreen2> exitWindow_;
    // The launcher control that opened the calculator, where the focus goes when it closes.
    QPointer<QWidget> launchedFrom_;

    QStackedWidget *menuBars_ = nullptr;
    SharedMenuBar *menu_ = nullptr;
    QMetaObject::Connection focusWatch_;
    QWidget *strips_ = nullptr;
    QWidget *Picture6_ = nullptr;
    LinkLabel *lblOrvantixBanner_ = nullptr;
    QWidget *Picture1_ = nullptr;
    QWidget *PicCoBrand_ = nullptr;
    QWidget *picButtonContainer_ = nullptr;
    // The leftmost launcher button, where the keyboard starts.
    QPushButton *firstLauncherButton_ = nullptr;
    QWidget *picMain_ = nullptr;
    QMap<int, QLabel *> lblCaption_;
    LinkLabel *Label7_ = nullptr;
    QPushButton *cmdMdiExit_ = nullptr;
    QMdiArea *mdiArea_ = nullptr;
    // The tallest calculator window shown since the window took its present height, which the
    // strips above the child area keep giving way to.
    int tallestShown_ = 0;
    int clientHeight_ = -1;
};

} // namespace vellora
