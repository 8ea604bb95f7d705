#include "widgets/Pictures.h"

#include <QWidget>

namespace vellora {

static QIcon SuiteIconUpTo(int largest) {
    QIcon icon;
    for (int size = 32; size <= largest; size *= 2)
        icon.addFile(QStringLiteral(":/icons/vellora-%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon SuiteIcon() {
    return SuiteIconUpTo(256);
}

QIcon SuiteWindowIcon() {
    // A window hands every size of its icon to the window manager when it is shown, which
    // draws it on title bars and in the window switcher; launchers and menus take the
    // installed icon instead. 256 pixels would add a quarter of a megabyte to each start.
    return SuiteIconUpTo(128);
}

QIcon LauncherIcon(const char *path) {
    // QIcon finds the "@2x" drawing beside the file by itself.
    return QIcon(QString::fromLatin1(path));
}

QPixmap PictureFor(const QIcon &icon, int size, const QWidget *widget) {
    return icon.pixmap(QSize(size, size), widget->devicePixelRatioF());
}

} // namespace vellora
