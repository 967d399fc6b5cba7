#pragma once

#include "MapPicture.h"
#include "Twips.h"

#include <array>

namespace velmor {

// The graph window as designed: client area 10665 x 11085 twips, controls front to back. The
// two indicator squares and the readout sit inside Picture1, placed from its interior by their
// kind.
enum class GrafControl { PictureButton, Button, Picture, Square, Label };

struct GrafPlace {
    const char* name;
    GrafControl kind;
    velmor::TwipsRect place;
    int tabIndex; // -1: takes no focus
};

inline constexpr int grafClientWidth = 10665;
inline constexpr int grafClientHeight = 11085;

inline constexpr std::array<GrafPlace, 9> grafLayout{{
    {"Command5", GrafControl::PictureButton, {6480, 10560, 495, 495}, 6},
    {"Command4", GrafControl::PictureButton, {7080, 10560, 495, 495}, 5},
    {"Command2", GrafControl::PictureButton, {7680, 10560, 495, 495}, 4},
    {"Command3", GrafControl::PictureButton, {8280, 10560, 495, 495}, 3},
    {"Command1", GrafControl::Button, {8880, 10560, 1335, 495}, 1},
    {"Picture1", GrafControl::Picture, {120, 120, 10455, 10335}, 0},
    {"Shape2", GrafControl::Square, {8880, 240, 135, 135}, -1},
    {"Shape1", GrafControl::Square, {8880, 0, 135, 135}, -1},
    {"Label1", GrafControl::Label, {9240, 0, 1095, 615}, 2},
}};

// Picture1's interior, inside the picture box's two-pixel border, is where the map is drawn.
inline constexpr int grafPictureBorder = 2;
static_assert(grafLayout[5].kind == GrafControl::Picture &&
              velmor::twipsToPixels(grafLayout[5].place.width) - 2 * grafPictureBorder ==
                  mapPictureSize.width() &&
              velmor::twipsToPixels(grafLayout[5].place.height) - 2 * grafPictureBorder ==
                  mapPictureSize.height());

} // namespace velmor
