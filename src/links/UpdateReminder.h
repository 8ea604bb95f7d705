#pragma once

namespace vellora {

class Platform;

// Asks at most every fourteen days, at start-up, whether to look for a newer version.
void UpdateReminder(Platform &platform);

} // namespace vellora
