#pragma once

// A picture as plain pixels, so the map's painting is tested without a display.

#include "base/Colour.h"

#include <cstdint>
#include <vector>

namespace qv {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels; // row by row, width * height values

    PixelImage() = default;
    PixelImage(int w, int h, Colour fill)
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Colour at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    Colour& at(int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

} // namespace qv
