#include "widgets/Pictures.h"

#include <QWidget>

namespace vellora {

QIcon SuiteIcon() {
    QIcon icon;
    for (const int size : {32, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vellora-%1.png").arg(size), QSize(size, size));
    return icon;
}

QIcon LauncherIcon(const char *path) {
    // QIcon finds the "@2x" drawing beside the file by itself.
    return QIcon(QString::fromLatin1(path));
}

QPixmap PictureFor(const QIcon &icon, int size, const QWidget *widget) {
    return icon.pixmap(QSize(size, size), widget->devicePixelRatioF());
}

} // namespace vellora
