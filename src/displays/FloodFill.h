#pragma once

#include "displays/PixelImage.h"

namespace qv {

// Paints the area of exactly the colour of the pixel at (x, y) that is
// 4-connected to it with colour, stopping at any pixel of another colour.
// Returns the number of pixels painted: 0 for a point outside the picture or
// a pixel already of that colour.
long floodFill(PixelImage& image, int x, int y, Colour colour);

} // namespace qv
