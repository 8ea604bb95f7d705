#include "calculators/Calculators.h"
#include "platform/QtPlatform.h"
#include "shell/CommandLine.h"
#include "shell/Language.h"
#include "shell/Startup.h"
#include "shell/frmMDI.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    // Read before QApplication, which needs a display: --help and --version need none.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    vellora::CommandLineAnswer answer = vellora::ReadCommandLine(arguments);
    if (!answer.carryOn) {
        // Read again for the answer's words in the user's language, which needs an application
        // object but no display.
        QCoreApplication words(argc, argv);
        vellora::FollowUserLanguage(&words);
        answer = vellora::ReadCommandLine(arguments);
        std::fputs(answer.output.toLocal8Bit().constData(), stdout);
        std::fputs(answer.errorOutput.toLocal8Bit().constData(), stderr);
        return answer.exitCode;
    }

    QApplication app(argc, argv);
    vellora::FollowUserLanguage(&app);
    // Ties the windows to the installed desktop entry, for its name and icon in the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvantix.vellora"));
    // The program ends through EndProgram only, once the exit sequence has run.
    QApplication::setQuitOnLastWindowClosed(false);
    vellora::QtPlatform platform;
    const auto mainWindow = vellora::RunStartup(platform, vellora::Calculators());
    return QApplication::exec();
}
