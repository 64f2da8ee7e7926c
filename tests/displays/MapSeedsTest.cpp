// The shipped map picture with its seed table: every seed fills its own closed area.

#include "displays/MapSeeds.h"

#include "core/MultiplierTable.h"
#include "displays/FloodFill.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <zlib.h>

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Colour kWater = rgb(255, 255, 255);
constexpr Colour kBorder = rgb(0, 0, 0);

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Reads an 8-bit RGB, non-interlaced PNG, the form the map is made in.
std::optional<PixelImage> readPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (file.size() < 8 || file.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
        return std::nullopt;
    }
    int width = 0;
    int height = 0;
    std::string compressed;
    for (std::size_t at = 8; at + 8 <= file.size();) {
        const std::uint32_t length = bigEndian(file, at);
        const std::string kind = file.substr(at + 4, 4);
        if (at + 12 + length > file.size()) {
            return std::nullopt;
        }
        if (kind == "IHDR") {
            width = static_cast<int>(bigEndian(file, at + 8));
            height = static_cast<int>(bigEndian(file, at + 12));
            if (file[at + 16] != 8 || file[at + 17] != 2 || file[at + 20] != 0) {
                return std::nullopt;
            }
        } else if (kind == "IDAT") {
            compressed += file.substr(at + 8, length);
        }
        at += 12 + length;
    }
    const std::size_t stride = static_cast<std::size_t>(width) * 3;
    std::string raw(static_cast<std::size_t>(height) * (stride + 1), '\0');
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (width <= 0 || height <= 0 ||
        uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                   reinterpret_cast<const Bytef*>(compressed.data()),
                   static_cast<uLong>(compressed.size())) != Z_OK ||
        rawSize != raw.size()) {
        return std::nullopt;
    }
    PixelImage image(width, height, 0);
    std::vector<int> previous(stride, 0);
    std::vector<int> row(stride, 0);
    for (int y = 0; y < height; ++y) {
        const std::size_t line = static_cast<std::size_t>(y) * (stride + 1);
        const int filter = static_cast<unsigned char>(raw[line]);
        for (std::size_t i = 0; i < stride; ++i) {
            const int a = i >= 3 ? row[i - 3] : 0;
            const int b = previous[i];
            const int c = i >= 3 ? previous[i - 3] : 0;
            const int predictor = filter == 1   ? a
                                  : filter == 2 ? b
                                  : filter == 3 ? (a + b) / 2
                                  : filter == 4 ? paeth(a, b, c)
                                                : 0;
            row[i] = (static_cast<unsigned char>(raw[line + 1 + i]) + predictor) & 0xFF;
        }
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(x) * 3;
            image.at(x, y) =
                rgb(static_cast<std::uint8_t>(row[i]), static_cast<std::uint8_t>(row[i + 1]),
                    static_cast<std::uint8_t>(row[i + 2]));
        }
        previous.swap(row);
    }
    return image;
}

class ShippedMap : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::optional<PixelImage> image = readPng(std::string(QV_DATA_DIR) + "/" + kMapFileName);
        ASSERT_TRUE(image.has_value());
        map_ = new PixelImage(std::move(*image));
    }
    static void TearDownTestSuite() {
        delete map_;
        map_ = nullptr;
    }
    static const PixelImage& map() { return *map_; }
    static Colour paintOf(std::size_t seed) {
        return rgb(static_cast<std::uint8_t>(seed + 1), 100, 50);
    }

private:
    static inline PixelImage* map_ = nullptr;
};

TEST_F(ShippedMap, IsOneLandColourWithBlackBordersAndWhiteWater) {
    ASSERT_EQ(map().width, kMapWidth);
    ASSERT_EQ(map().height, kMapHeight);
    const Colour land = map().at(mapSeeds()[0].x, mapSeeds()[0].y);
    std::set<Colour> colours(map().pixels.begin(), map().pixels.end());
    EXPECT_EQ(colours, (std::set<Colour>{land, kBorder, kWater}));
    // Land never meets water without a border between them.
    const std::set<Colour> shore{land, kWater};
    for (int y = 0; y < map().height; ++y) {
        for (int x = 0; x < map().width; ++x) {
            for (const auto& [nx, ny] : {std::pair{x + 1, y}, std::pair{x, y + 1}}) {
                if (map().contains(nx, ny)) {
                    EXPECT_NE((std::set<Colour>{map().at(x, y), map().at(nx, ny)}), shore)
                        << x << "," << y;
                }
            }
        }
    }
}

TEST_F(ShippedMap, EveryMultiplierHasASeedAndOnlyPuertoRicoAndVirginIslandsAreExtra) {
    const MultiplierTable table;
    std::set<std::string_view> seeded;
    for (const MapSeed& seed : mapSeeds()) {
        seeded.insert(seed.code);
        const bool extra = seed.code == "PR" || seed.code == "VI";
        EXPECT_NE(table.find(seed.code).has_value(), extra) << seed.code;
    }
    for (const Multiplier& m : MultiplierTable::entries()) {
        EXPECT_TRUE(seeded.contains(m.abbreviation)) << m.abbreviation;
    }
    EXPECT_TRUE(seeded.contains("PR"));
    EXPECT_TRUE(seeded.contains("VI"));
    EXPECT_EQ(seeded.size(), MultiplierTable::kSize + 2);
}

// Filling every seed in a colour of its own: each seed still holds its own colour at the
// end, so no fill reached another seed, whatever its code, and no fill reached open water.
TEST_F(ShippedMap, EverySeedFillsAClosedAreaOfItsOwn) {
    PixelImage painted = map();
    const Colour land = map().at(mapSeeds()[0].x, mapSeeds()[0].y);
    for (std::size_t i = 0; i < mapSeeds().size(); ++i) {
        const MapSeed& seed = mapSeeds()[i];
        ASSERT_TRUE(map().contains(seed.x, seed.y)) << i << " " << seed.code;
        EXPECT_EQ(map().at(seed.x, seed.y), land) << i << " " << seed.code;
        // Small states keep a handful of pixels to paint.
        EXPECT_GE(floodFill(painted, seed.x, seed.y, paintOf(i)), 10) << i << " " << seed.code;
    }
    for (std::size_t i = 0; i < mapSeeds().size(); ++i) {
        EXPECT_EQ(painted.at(mapSeeds()[i].x, mapSeeds()[i].y), paintOf(i))
            << i << " " << mapSeeds()[i].code;
    }
    EXPECT_EQ(painted.at(0, 0), kWater);
    EXPECT_EQ(painted.at(450, 300), kWater); // the Atlantic off New England
    EXPECT_EQ(painted.at(20, 300), kWater);  // the Pacific off California
    // Only the Arctic islands cut by the top edge reach the picture's edge.
    for (int x = 0; x < painted.width; ++x) {
        for (const int y : {0, painted.height - 1}) {
            for (std::size_t i = 0; i < mapSeeds().size(); ++i) {
                if (painted.at(x, y) == paintOf(i)) {
                    EXPECT_TRUE(y == 0 && mapSeeds()[i].code == "NT") << x << "," << y;
                }
            }
        }
    }
    for (int y = 0; y < painted.height; ++y) {
        for (const int x : {0, painted.width - 1}) {
            EXPECT_TRUE(painted.at(x, y) == kWater || painted.at(x, y) == kBorder) << x << "," << y;
        }
    }
}

TEST_F(ShippedMap, FillingOntarioChangesOnlyOntario) {
    std::size_t ontario = mapSeeds().size();
    for (std::size_t i = 0; i < mapSeeds().size(); ++i) {
        if (mapSeeds()[i].code == "ON") {
            ASSERT_EQ(ontario, mapSeeds().size()) << "one seed for Ontario";
            ontario = i;
        }
    }
    ASSERT_LT(ontario, mapSeeds().size());
    PixelImage painted = map();
    const long count = floodFill(painted, mapSeeds()[ontario].x, mapSeeds()[ontario].y, 0x123456);
    long changed = 0;
    for (int y = 0; y < painted.height; ++y) {
        for (int x = 0; x < painted.width; ++x) {
            if (painted.at(x, y) != map().at(x, y)) {
                ++changed;
                // Ontario lies between Lake Erie, Hudson Bay, Manitoba and Quebec.
                EXPECT_TRUE(x >= 225 && x <= 365 && y >= 150 && y <= 290) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(changed, count);
    EXPECT_GT(count, 3000);
    for (std::size_t i = 0; i < mapSeeds().size(); ++i) {
        if (i != ontario) {
            EXPECT_EQ(painted.at(mapSeeds()[i].x, mapSeeds()[i].y),
                      map().at(mapSeeds()[i].x, mapSeeds()[i].y))
                << mapSeeds()[i].code;
        }
    }
}

} // namespace
} // namespace qv
