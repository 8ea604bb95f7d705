#pragma once

// The program's only persistent state: a few named texts kept for the current user between
// runs, in the platform's per-user settings area under the program's file name (without its
// extension) and the section "Settings". Names and values are stored scrambled.

#include "links/UpdateReminder.h"

#include <QString>

#include <optional>

namespace vellora {

class Platform;

// The value stored under the name, or the empty text when there is none. Nothing when the
// store cannot be read; the caller decides what that means.
std::optional<QString> ReadSetting(Platform &platform, const QString &name);

// Stores the value under the name, replacing an earlier one. False when the store refused it,
// and for a name that cannot be stored: the empty name, and any name with a "," (which the
// scrambling turns into the store's group separator "/"). Such a name also reads as empty.
bool WriteSetting(Platform &platform, const QString &name, const QString &value);

// Reading and writing through this store, for the update reminder.
SettingAccess SettingsStoreAccess(Platform &platform);

// The fixed character shift every stored name and value passes through. It keeps the length of
// the text and changes every character; unscrambling gives back exactly the text scrambled.
QString ScrambleSettingText(const QString &text);
QString UnscrambleSettingText(const QString &text);

} // namespace vellora
