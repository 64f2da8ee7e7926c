// The map's area fill on small drawn pictures.

#include "displays/FloodFill.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Colour kPaint = rgb(200, 10, 10);

// '.' land, '#' border, 'o' a colour one step off land, '*' paint.
Colour colourOf(char c) {
    switch (c) {
    case '.':
        return rgb(250, 240, 190);
    case '#':
        return rgb(0, 0, 0);
    case 'o':
        return rgb(250, 240, 191);
    default:
        return kPaint;
    }
}

PixelImage picture(const std::vector<std::string>& rows) {
    PixelImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) =
                colourOf(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
        }
    }
    return image;
}

std::vector<std::string> drawn(const PixelImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const Colour c = image.at(x, y);
            row += c == kPaint ? '*' : c == colourOf('#') ? '#' : c == colourOf('o') ? 'o' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

struct FillCase {
    const char* what;
    std::vector<std::string> before;
    int x;
    int y;
    long painted;
    std::vector<std::string> after;
};

TEST(FloodFill, PaintsTheFourConnectedAreaOfTheSeedColourOnly) {
    const FillCase cases[] = {
        {"stops at borders and does not cross a diagonal gap",
         {"..#...", "..#...", "###...", "...#..", "....#."},
         0,
         4,
         7,
         {"..#...", "..#...", "###...", "***#..", "****#."}},
        {"reaches every arm of a winding area, up and down again",
         {".#...#...", ".#.#.#.#.", ".#.#.#.#.", "...#...#.", "#########"},
         0,
         0,
         24,
         {"*#***#***", "*#*#*#*#*", "*#*#*#*#*", "***#***#*", "#########"}},
        {"exact colour: a pixel one step off is a wall",
         {"..o..", "..o..", "ooo.."},
         1,
         1,
         4,
         {"**o..", "**o..", "ooo.."}},
        {"fills around a hole and leaves the hole",
         {".....", ".###.", ".#.#.", ".###.", "....."},
         4,
         4,
         16,
         {"*****", "*###*", "*#.#*", "*###*", "*****"}},
        {"a seed on a border paints the border's run",
         {"..#..", "..#..", "..#.."},
         2,
         1,
         3,
         {"..*..", "..*..", "..*.."}},
    };
    for (const FillCase& c : cases) {
        PixelImage image = picture(c.before);
        EXPECT_EQ(floodFill(image, c.x, c.y, kPaint), c.painted) << c.what;
        EXPECT_EQ(drawn(image), c.after) << c.what;
    }
}

TEST(FloodFill, PointOutsideOrPixelAlreadyInThatColourPaintsNothing) {
    const std::vector<std::string> rows = {"..#", ".*#", "..."};
    const struct {
        int x;
        int y;
    } points[] = {{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {1, 1}};
    for (const auto& p : points) {
        PixelImage image = picture(rows);
        EXPECT_EQ(floodFill(image, p.x, p.y, kPaint), 0) << p.x << "," << p.y;
        EXPECT_EQ(drawn(image), rows) << p.x << "," << p.y;
    }
}

TEST(FloodFill, FillsAWholeMapSizedPicture) {
    PixelImage image(479, 442, colourOf('.'));
    for (int y = 0; y < image.height; y += 2) {
        image.at(y % 4 == 0 ? 1 : 477, y + 1 < image.height ? y + 1 : y) = colourOf('#');
    }
    const long borders = 221;
    EXPECT_EQ(floodFill(image, 240, 200, kPaint), 479L * 442L - borders);
    EXPECT_EQ(image.at(0, 0), kPaint);
    EXPECT_EQ(image.at(478, 441), kPaint);
}

} // namespace
} // namespace qv
