#include "shell/Startup.h"

#include "platform/Platform.h"
#include "shell/SettingsStore.h"
#include "shell/frmMDI.h"
#include "shell/frmNagScreen2.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace vellora {

namespace {

// The session manager's last word to a program ("die": the user is logging off or the system
// is going down) reaches the application as a Quit event; the program then leaves the way a
// user would make it leave, and ends before Qt would start closing windows on its own. On Windows
// the end of the session (WM_ENDSESSION) comes the same way: Qt answers it with a Quit event.
// The earlier request to save (commitDataRequest) is left alone: it also comes for a mere
// checkpoint of the session, and this program has nothing to save.
class SessionEndWatch final : public QObject {
public:
    SessionEndWatch(frmMDI &main, Platform &platform)
        : QObject(&main)
        , main_(main)
        , platform_(platform) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        // The main window's unload runs (calculators close, the exit window comes up), then the
        // exit window's, which ends the program. Nothing is asked.
        main_.close(); // runs its unload, unless the user closed it already
        if (frmNagScreen2 *exitWindow = main_.exitWindow())
            exitWindow->close(); // its unload ends the program
        else
            EndProgram(platform_);
        return true;
    }

private:
    frmMDI &main_;
    Platform &platform_;
};

} // namespace

std::unique_ptr<frmMDI> RunStartup(Platform &platform, const CalculatorTable &calculators) {
    if (platform.earlierCopyRunning()) {
        platform.showMessage(
            nullptr, QCoreApplication::translate("Startup", "Application is already running"),
            MessageIcon::Information, MessageButtons::Ok);
        EndProgram(platform);
        return nullptr;
    }

    UpdateReminder(platform, SettingsStoreAccess(platform));

    auto main = std::make_unique<frmMDI>(platform, calculators);
    new SessionEndWatch(*main, platform);
    main->show();
    return main;
}

void EndProgram(Platform &platform) {
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget> window : windows) {
        if (window && window->isVisible())
            window->close();
    }
    platform.endProcess();
}

} // namespace vellora
