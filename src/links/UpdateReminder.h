#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace vellora {

class Platform;

// Where the reminder keeps the day it last acted: start-up hands it the settings store
// (SettingsStoreAccess), which belongs to the shell above.
struct SettingAccess {
    // The value stored under the name, the empty text when there is none, nothing when the
    // store cannot be read.
    std::function<std::optional<QString>(const QString &name)> read;
    // False when the store refused the value.
    std::function<bool(const QString &name, const QString &value)> write;
};

// Asks at most every fourteen days, at start-up, whether to look for a newer version.
void UpdateReminder(Platform &platform, const SettingAccess &settings);

} // namespace vellora
