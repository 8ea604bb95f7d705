#pragma once

// The program's pictures. Each is drawn at its designed size and at larger sizes, so that it stays
// sharp on scaled and dense screens, where Qt scales every length of a window.

#include <QIcon>
#include <QPixmap>

class QWidget;

namespace vellora {

// The suite's picture, from 32 to 256 pixels: About, the exit window.
QIcon SuiteIcon();

// The suite's picture as a window icon, from 32 to 128 pixels.
QIcon SuiteWindowIcon();

// A launcher picture (":/bmi.png" and its drawings for 125, 150 and 200 % beside it).
QIcon LauncherIcon(const char *path);

// The icon at size × size logical pixels, drawn for the pixel density of the widget's screen.
QPixmap PictureFor(const QIcon &icon, int size, const QWidget *widget);

} // namespace vellora
