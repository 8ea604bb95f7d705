#include "shell/StripRoom.h"

#include <algorithm>

namespace vellora {

StripRoom GiveWay(int client, int tallest, int open, StripRoom designed, StripRoom least) {
    StripRoom room = designed;
    const auto shortBy = [&room, client](int needed) {
        return needed - (client - room.total());
    };
    // Narrows the strip by what is missing, down to its least height.
    const auto narrow = [&shortBy](int &strip, int leastHeight, int needed) {
        strip -= std::clamp(shortBy(needed), 0, std::max(strip - leastHeight, 0));
    };

    narrow(room.banner, least.banner, tallest);
    narrow(room.launcher, least.launcher, tallest);
    if (shortBy(tallest) > 0)
        room.banner = 0;

    if (shortBy(open) > 0)
        room.bottom = 0;
    if (shortBy(open) > 0)
        room.launcher = 0;
    return room;
}

} // namespace vellora
