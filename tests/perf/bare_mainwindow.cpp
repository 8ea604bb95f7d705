// The yardstick for start-up: a maximised main window and nothing else, started as the program
// starts its own.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare main window"));
    window.showMaximized();
    return QApplication::exec();
}
