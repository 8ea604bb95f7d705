#include "shell/Startup.h"

#include "calculators/Calculators.h"
#include "links/UpdateReminder.h"
#include "platform/Platform.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace vellora {

std::unique_ptr<frmMDI> RunStartup(Platform &platform) {
    if (platform.earlierCopyRunning()) {
        platform.showMessage(nullptr, QStringLiteral("Application is already running"),
                             MessageIcon::Information, MessageButtons::Ok);
        EndProgram(platform);
        return nullptr;
    }

    UpdateReminder(platform);

    auto main = std::make_unique<frmMDI>(platform);
    RegisterCalculators(*main);
    // Once the frame has closed (and with it the calculators), the program ends.
    QObject::connect(
        main.get(), &frmMDI::unloaded, main.get(), [&platform] { EndProgram(platform); },
        Qt::QueuedConnection);
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
