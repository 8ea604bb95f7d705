// A second yardstick for start-up: the bare maximised main window with a one-entry menu bar. The
// first text a Qt program shows loads the system's font configuration, and the menu bar its
// image plugins, which the bare window without text never needs; this one pays what every
// program with a menu bar pays, and nothing more.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare main window with a menu bar"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.showMaximized();
    return QApplication::exec();
}
