#include "displays/FloodFill.h"

#include <cstddef>
#include <vector>

namespace qv {

// Scanline fill: each popped point paints its whole run along the row, and the
// rows above and below are scanned once per run, pushing one point per run of
// the old colour. An explicit stack keeps the depth off the call stack.
long floodFill(PixelImage& image, int x, int y, Colour colour) {
    if (!image.contains(x, y)) {
        return 0;
    }
    const Colour old = image.at(x, y);
    if (old == colour) {
        return 0;
    }
    const int width = image.width;
    Colour* const pixels = image.pixels.data();
    const auto index = [width](int px, int py) {
        return static_cast<std::size_t>(py) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(px);
    };

    long painted = 0;
    std::vector<std::pair<int, int>> stack;
    stack.reserve(256);
    stack.emplace_back(x, y);
    while (!stack.empty()) {
        const auto [sx, sy] = stack.back();
        stack.pop_back();
        Colour* row = pixels + index(0, sy);
        if (row[sx] != old) {
            continue; // painted through another run since it was pushed
        }
        int left = sx;
        while (left > 0 && row[left - 1] == old) {
            --left;
        }
        int right = sx;
        while (right + 1 < width && row[right + 1] == old) {
            ++right;
        }
        for (int i = left; i <= right; ++i) {
            row[i] = colour;
        }
        painted += right - left + 1;

        for (const int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= image.height) {
                continue;
            }
            const Colour* next = pixels + index(0, ny);
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                if (next[i] == old) {
                    if (!inRun) {
                        stack.emplace_back(i, ny);
                        inRun = true;
                    }
                } else {
                    inRun = false;
                }
            }
        }
    }
    return painted;
}

} // namespace qv
