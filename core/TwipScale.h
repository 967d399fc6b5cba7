#pragma once

namespace velmor {

// Places and sizes of windows, controls and map cells are kept in twips (1/1440 inch). At 96
// logical dots per inch that is 15 twips to a pixel; Qt's own high-DPI scaling takes it from
// there. This is the one place where twips meet pixels: the toolkit's controls and the report's
// map both take the ratio from here.
inline constexpr int twipsPerPixel = 15;

} // namespace velmor
