#pragma once

#include <functional>

namespace velmor {

// When the connection to the display breaks (the X server or the compositor gone, the session
// ended), Qt ends the program with exit(1) from inside its event loop, past any code of the
// program's; it says so in a warning just before. From this call on, that warning first calls
// `lost`, once, on the thread that lost the display, so that the program can end its run and
// leave the unit safe before the exit. The warning then goes on to the handler before.
void onDisplayLost(std::function<void()> lost);

} // namespace velmor
