#pragma once

// How the windows meet. frmMDI is the program's one frame and lives from start-up to shut-down.
// Every calculator window is a CalculatorWindow inside its child area, created on first use and
// deleted when it closes; frmMDI remembers at most one of each kind and hands it out through
// loadForm<>(). Whatever the reason a calculator window closes, its unload makes the launcher
// panel picMain visible again; frmMDI itself only ever hides the panel, when it opens a
// calculator. The menu area shows the menu bar of the current calculator window, or frmMDI's
// own when none is open, as one menu bar for the whole frame. The launcher buttons reach the
// calculators through registerCalculator(), so the shell knows no calculator by name.
// Closing frmMDI, by whatever means, runs MDIForm_Unload once: the calculators close, frmMDI goes,
// and the exit window frmNagScreen2 is shown in its place. Nothing is asked and nothing is saved;
// the program ends only when the exit window closes (EndProgram).

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QLabel;
class QMdiArea;
class QPushButton;
class QShortcut;
class QStackedWidget;

namespace vellora {

class CalculatorWindow;
class LinkLabel;
class frmNagScreen2;
class Platform;
class SharedMenuBar;

// The six calculator windows; CloseCalculatorWindows closes them in its own fixed order.
enum class CalculatorForm {
    BodyFrameSizeMain,
    BodyMassIndexDisplay,
    BodyMassIndexMain,
    IdealBodyWeightCalculatorDisplay,
    IdealBodyWeightCalculatorMain,
    IdealWaistHipRatioMain,
};
inline constexpr int kCalculatorFormCount = 6;

// The launcher buttons' indexes, which are not their order on screen.
enum LauncherIndex : int {
    kBodyFrameSize = 0,
    kBodyMassIndex = 1,
    kIdealBodyWeight = 2,
    kIdealWaistHipRatio = 3,
};
inline constexpr int kLauncherCount = 4;

class frmMDI : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMDI(Platform &platform);
    ~frmMDI() override;

    Platform &platform() const { return platform_; }
    // The whole screen's width, in twips.
    double screenWidthTwips() const;
    // The width the strips and the calculator windows are centred on, in twips: the window's
    // own once it is on screen (maximised, the screen's), the screen's before.
    double layoutWidthTwips() const;

    // What a launcher button (and its text on the launcher panel) opens: a fresh input window.
    using Launcher = std::function<CalculatorWindow *()>;
    void registerCalculator(int index, Launcher launcher);

    // The open window of that kind, or nullptr.
    CalculatorWindow *openForm(CalculatorForm form) const;
    // The open window of that kind, created (loaded, not shown) if there is none.
    template <class Form> Form *loadForm() {
        if (auto *existing = qobject_cast<Form *>(openForm(Form::kForm)))
            return existing;
        auto *created = new Form(*this);
        adoptForm(created);
        return created;
    }

    void OpenCalculator(int index);
    void CloseCalculatorWindows();

    // Shows the window in the child area and makes it the current one.
    void showForm(CalculatorWindow *window);

    // The exit window once MDIForm_Unload has shown it, until it is gone.
    frmNagScreen2 *exitWindow() const;

    QWidget *launcherPanel() const;
    QWidget *currentMenuBar() const;
    void setLauncherPanelVisible(bool visible);

signals:
    // MDIForm_Unload has run: the calculators are closed and the exit window is up.
    void unloaded();

public slots:
    void cmdSelectOption_Click(int index);
    void lblCaption_Click(int index);
    void lblCaption_MouseMove(int index);
    void picMain_MouseMove();
    void lblOrvantixBanner_Click();
    void Picture6_Click();
    void Label7_Click();
    void cmdMdiExit_Click();
    void mnuExit_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Load();
    void placeOnWidth();
    void MDIForm_Unload();
    void adoptForm(CalculatorWindow *window);
    void showCurrentMenuBar();
    // The texts on the launcher panel that open a calculator, and which one (-1: none).
    static int CalculatorOfCaption(int captionIndex);
    QWidget *buildStrips();
    void buildBannerStrip(QWidget *strip);
    void buildButtonStrip(QWidget *strip);
    void buildLauncherPanel(QWidget *panel);
    void buildBottomStrip(QWidget *strip);

    Platform &platform_;
    std::array<Launcher, kLauncherCount> launchers_;
    std::array<QPointer<CalculatorWindow>, kCalculatorFormCount> forms_;
    bool unloading_ = false;
    QPointer<frmNagScreen2> exitWindow_;
    // The launcher control that opened the calculator, where the focus goes when it closes.
    QPointer<QWidget> launchedFrom_;

    QStackedWidget *menuBars_ = nullptr;
    SharedMenuBar *menu_ = nullptr;
    QShortcut *exitShortcut_ = nullptr;
    QMetaObject::Connection focusWatch_;
    QWidget *strips_ = nullptr;
    QWidget *Picture6_ = nullptr;
    LinkLabel *lblOrvantixBanner_ = nullptr;
    QWidget *picButtonContainer_ = nullptr;
    std::array<QPushButton *, kLauncherCount> cmdSelectOption_{};
    QWidget *picMain_ = nullptr;
    std::array<QLabel *, 7> lblCaption_{};
    LinkLabel *Label7_ = nullptr;
    QPushButton *cmdMdiExit_ = nullptr;
    QMdiArea *mdiArea_ = nullptr;
};

} // namespace vellora
