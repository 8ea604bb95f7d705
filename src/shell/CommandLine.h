#pragma once

// The command line, read before the program needs a display: the help and the version are
// printed and the program ends without opening a window; an option it does not know ends it with
// the complaint. Qt's own options (-platform, -style, -display, ...) pass through to Qt.

#include <QString>
#include <QStringList>

namespace vellora {

struct CommandLineAnswer {
    bool carryOn = true; // no answer: start the program
    int exitCode = 0;    // otherwise end at once with this code,
    QString output;      // after printing this on standard output
    QString errorOutput; // and this on standard error
};

CommandLineAnswer ReadCommandLine(const QStringList &arguments);

} // namespace vellora
