#include "links/UpdateReminder.h"

namespace vellora {

void UpdateReminder(Platform &) {
    // The reminder keeps its date in the settings store, which this build does not have yet;
    // until then it has nothing to say.
}

} // namespace vellora
