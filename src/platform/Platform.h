#pragma once

// Everything the program takes from the operating system comes through this interface:
// QtPlatform is the real one, tests use a recording double.

#include "platform/Program.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

class QWidget;

namespace vellora {

// The most a settings file of this program holds: its one section and a date, however the
// user's regional settings write it, take well under a hundred bytes.
inline constexpr qint64 kMaxSettingsFileSize = 4096;

enum class MessageIcon { Information, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; an empty title stands for the program title.
    virtual MessageAnswer showMessage(QWidget *parent, const QString &text, MessageIcon icon,
                                      MessageButtons buttons, const QString &title = {}) = 0;

    // Hands the address to the default browser and returns at once, without waiting for the
    // page. False when no browser could be started with it, or the address was refused.
    virtual bool openAddress(const QString &address) = 0;

    // Width of the whole screen, in device-independent pixels.
    virtual int screenWidth() const = 0;

    virtual QDate today() const = 0;
    // The user's short date format, as a QDate format string ("M/d/yy").
    virtual QString shortDateFormat() const = 0;
    // The user's regional settings, whose digits and month names dates are written in.
    virtual QLocale userLocale() const = 0;

    // A number in [0, 1) from a generator seeded from the clock.
    virtual double randomNumber() = 0;

    // Keeps the window above all other windows without moving, resizing or activating it.
    virtual void keepAboveOthers(QWidget *window) = 0;

    // The per-user settings area: values kept by application, section and name.
    // An absent value reads as the empty text; a store that cannot be read gives nothing.
    // Where the area is a file, one larger than kMaxSettingsFileSize or holding anything but
    // the application's own values is not this program's: it reads as empty, and the next write
    // moves it aside (to the same name with ".bad" added) and starts a new file.
    virtual std::optional<QString>
    readSettingValue(const QString &application, const QString &section, const QString &name) = 0;
    // Whether the value was stored.
    virtual bool writeSettingValue(const QString &application, const QString &section,
                                   const QString &name, const QString &value) = 0;

    // Whether a copy of this program started earlier by the same user is still running.
    // Asked once, at start-up; a copy that answers no holds its claim until it ends.
    virtual bool earlierCopyRunning() = 0;

    // Ends the process at once. The real one does not return.
    virtual void endProcess() = 0;
};

} // namespace vellora
