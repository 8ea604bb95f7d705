#include "platform/QtPlatform.h"
#include "shell/Startup.h"
#include "shell/frmMDI.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry, for its name and icon in the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvantix.vellora"));
    // The program ends through EndProgram only, once the exit sequence has run.
    QApplication::setQuitOnLastWindowClosed(false);
    vellora::QtPlatform platform;
    const auto mainWindow = vellora::RunStartup(platform);
    return QApplication::exec();
}
