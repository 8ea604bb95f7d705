#include "widgets/Pictures.h"

#include <QWidget>

#include <utility>

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
    // Every drawing is named with its size: QIcon would look for the "@2x" one by itself, but
    // only when the program starts on a dense screen, and never for the fractional ones.
    const QString designed = QString::fromLatin1(path);
    const QString stem = designed.chopped(4); // ".png"
    QIcon icon;
    icon.addFile(designed, QSize(32, 32));
    for (auto [scale, size] : {std::pair{"1.25", 40}, {"1.5", 48}, {"2", 64}})
        icon.addFile(QStringLiteral("%1@%2x.png").arg(stem, QLatin1String(scale)),
                     QSize(size, size));
    return icon;
}

QPixmap PictureFor(const QIcon &icon, int size, const QWidget *widget) {
    return icon.pixmap(QSize(size, size), widget->devicePixelRatioF());
}

} // namespace vellora
