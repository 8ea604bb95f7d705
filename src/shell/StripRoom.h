#pragma once

// How the strips around frmMDI's child area give way on a short screen (a laptop scaled to 125 or
// 150 %, a netbook, a tall taskbar), so that a calculator window fits whole rather than behind a
// scroll bar. Where the window fits, every strip keeps its designed height.

namespace vellora {

// Heights of the banner strip above the launcher strip, the launcher strip, and the bottom strip
// below the child area, in pixels; 0 where a strip stands aside.
struct StripRoom {
    int banner = 0;
    int launcher = 0;
    int bottom = 0;

    int total() const { return banner + launcher + bottom; }
};

// The strips for a client area `client` pixels high. The strips above the child area give way to
// the tallest calculator window shown at this size (`tallest`), so that they do not move between
// calculators: first the banner strip narrows to its line of text, then the launcher strip closes
// in on its buttons, then the banner goes. While a window is open that still does not fit (`open`
// pixels high, 0 when none is), the bottom strip stands aside for it, then the launcher strip too,
// leaving it the whole client area. `least` holds the narrowest banner and launcher strips.
StripRoom GiveWay(int client, int tallest, int open, StripRoom designed, StripRoom least);

} // namespace vellora
