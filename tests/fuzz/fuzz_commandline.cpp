// The command line: any arguments either start the program, or end it at once with the help or
// the version on standard output and code 0, or with a complaint on standard error and code 1.

#include "FuzzCheck.h"
#include "shell/CommandLine.h"

#include <QStringList>

#include <algorithm>
#include <string>

using namespace vellora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    // One argument after another, each ended by a zero byte, as the system hands them over.
    QStringList arguments{QStringLiteral("/usr/bin/vellora")};
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\0', start);
        if (end == std::string::npos)
            end = bytes.size();
        arguments.append(QString::fromUtf8(bytes.data() + start, qsizetype(end - start)));
        start = end + 1;
    }

    const CommandLineAnswer answer = ReadCommandLine(arguments);
    if (answer.carryOn) {
        CHECK(answer.exitCode == 0 && answer.output.isEmpty() && answer.errorOutput.isEmpty(),
              bytes);
    } else if (answer.exitCode == 0) {
        CHECK(!answer.output.isEmpty() && answer.errorOutput.isEmpty(), bytes);
        CHECK(answer.output.endsWith(u'\n') && !answer.output.contains("<executable_name>"), bytes);
    } else {
        CHECK(answer.exitCode == 1 && answer.output.isEmpty(), bytes);
        CHECK(answer.errorOutput.startsWith(QStringLiteral("vellora: ")) &&
                  answer.errorOutput.endsWith(
                      QStringLiteral("Try 'vellora --help' for more information.\n")),
              bytes);
    }
    // Words that are no options are never taken silently: the first one is named.
    const QStringList words = arguments.mid(1);
    if (!words.isEmpty() && std::none_of(words.begin(), words.end(), [](const QString &word) {
            return word.startsWith(u'-');
        })) {
        CHECK(!answer.carryOn && answer.exitCode == 1, bytes);
        CHECK(answer.errorOutput.contains(QStringLiteral("Unexpected argument '%1'").arg(words[0])),
              bytes);
    }
    return 0;
}
