#pragma once
// What the chart drawing keeps between operations: the glyph pictures loaded by LoadGlyphs
// and the wheel centre stored by DrawWheel.
#include "drawing/bitmap.h"

#include <array>

namespace omvera {

struct DrawingState {
    std::array<Bitmap, 13> SignGlyphs; // signs 1..12, Aries 1 ... Pisces 12
    std::array<Bitmap, 17> BodyGlyphs; // body numbers 1..16
    int WheelCentreX = 0;              // trunc(W / 3) of the last DrawWheel
    int WheelCentreY = 0;              // trunc(H / 2)
};

} // namespace omvera
