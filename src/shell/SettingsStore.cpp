#include "shell/SettingsStore.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vellora {

namespace {

const QString kSection = QStringLiteral("Settings");

// How far every character moves. Small enough that the letters of names stay letters and the
// file remains plain to look at, yet no name or value is stored as written.
constexpr char16_t kShift = 3;

// Moves every character by the given number of codes within its own block of 256 codes, wrapping
// round at the end of the block. For the single-byte codes 0 to 252 this is the plain shift; the
// last three of them (253 to 255) wrap round to 0 to 2, and any character beyond the single-byte
// range (native digits, right-to-left marks, month names in other scripts) moves within its own
// block just the same. Every character changes, the length is kept, the two directions undo
// each other for every text, and the halves of a surrogate pair stay halves of a pair.
QString ShiftWithinBlocks(const QString &text, char16_t by) {
    QString shifted(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text[i].unicode();
        shifted[i] = QChar(char16_t((code & 0xFF00) | ((code + by) & 0x00FF)));
    }
    return shifted;
}

// Whether the name can be stored as a value of the section. The store takes a "/" in a name as
// the step into a group below the section, and "," scrambles to "/": a name with a "," would land
// in a group of its own, and one made of nothing but "," (or nothing at all) on no value of the
// section, but in the file's general part, which makes the file foreign to the next start. Such
// names are refused; "Duration", the one name the program uses, is not one of them.
bool IsStorableName(const QString &name) {
    return !name.isEmpty() && !name.contains(QLatin1Char(','));
}

// The program's file name without its extension ("vellora").
QString ApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

QString ScrambleSettingText(const QString &text) {
    return ShiftWithinBlocks(text, kShift);
}

QString UnscrambleSettingText(const QString &text) {
    return ShiftWithinBlocks(text, 256 - kShift);
}

std::optional<QString> ReadSetting(Platform &platform, const QString &name) {
    if (!IsStorableName(name))
        return QString(); // never stored
    if (const std::optional<QString> stored =
            platform.readSettingValue(ApplicationName(), kSection, ScrambleSettingText(name)))
        return UnscrambleSettingText(*stored);
    return std::nullopt;
}

bool WriteSetting(Platform &platform, const QString &name, const QString &value) {
    if (!IsStorableName(name))
        return false;
    return platform.writeSettingValue(ApplicationName(), kSection, ScrambleSettingText(name),
                                      ScrambleSettingText(value));
}

SettingAccess SettingsStoreAccess(Platform &platform) {
    return {[&platform](const QString &name) { return ReadSetting(platform, name); },
            [&platform](const QString &name, const QString &value) {
                return WriteSetting(platform, name, value);
            }};
}

} // namespace vellora
