#include "shell/CommandLine.h"

#include "platform/Program.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace vellora {

namespace {

// The options QGuiApplication, QApplication and the X11 platform plugin take out of the command
// line for themselves, first those that take a value. They are known here only so that they are
// not refused; Qt acts on them once the application starts.
const char *const kQtOptionsWithValue[] = {"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "session",
                                           "display",
                                           "geometry",
                                           "title",
                                           "icon",
                                           "name",
                                           "visual",
                                           "style",
                                           "stylesheet",
                                           "qmljsdebugger"};
const char *const kQtFlags[] = {"reverse", "widgetcount", "testability",
                                "sync",    "nograb",      "dograb"};

} // namespace

CommandLineAnswer ReadCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Four personal-health calculators in one window: Body Mass Index, Ideal\n"
                       "Body Weight, Body Frame Size and Ideal Waist Hip Ratio.\n\n"
                       "Qt's own options, such as -platform, -style and -display, are taken too."));
    // Qt spells its own options with one dash: "-style fusion".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays help on commandline options."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Displays version information."));
    parser.addOption(help);
    parser.addOption(version);
    const auto addQtOption = [&parser](const char *name, const QString &valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char *name : kQtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char *name : kQtFlags)
        addQtOption(name, QString());

    const QString program =
        arguments.isEmpty() ? QStringLiteral("vellora") : QFileInfo(arguments.first()).fileName();
    CommandLineAnswer answer;
    const auto refuse = [&answer, &program](const QString &complaint) {
        answer.carryOn = false;
        answer.exitCode = 1;
        answer.errorOutput = QCoreApplication::translate(
                                 "CommandLine", "%1: %2\nTry '%1 --help' for more information.\n")
                                 .arg(program, complaint);
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
    } else if (parser.isSet(help)) {
        answer.carryOn = false;
        // The parser names the program by its whole path, or without an application object
        // by a stand-in; the usage line names it by its file name.
        const QString named = QCoreApplication::instance() != nullptr
                                  ? QCoreApplication::arguments().constFirst()
                                  : QStringLiteral("<executable_name>");
        answer.output = parser.helpText();
        const qsizetype at = answer.output.indexOf(named);
        if (at >= 0)
            answer.output.replace(at, named.size(), program);
    } else if (parser.isSet(version)) {
        answer.carryOn = false;
        answer.output = kProgramTitle + QLatin1Char(' ') + kProgramVersion + QLatin1Char('\n');
    } else if (!parser.positionalArguments().isEmpty()) {
        refuse(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                   .arg(parser.positionalArguments().first()));
    }
    return answer;
}

} // namespace vellora
