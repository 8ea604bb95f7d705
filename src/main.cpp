#include "platform/QtPlatform.h"
#include "shell/Startup.h"
#include "shell/frmMDI.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // The program ends through EndProgram only, once the exit sequence has run.
    QApplication::setQuitOnLastWindowClosed(false);
    vellora::QtPlatform platform;
    const auto mainWindow = vellora::RunStartup(platform);
    return QApplication::exec();
}
