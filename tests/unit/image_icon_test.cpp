// Icons and cursors: the first directory entry, the AND mask, alpha, PNG
// entries that are only measured, and broken directories.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"

#include <gtest/gtest.h>

#include <string>

using namespace image_fixtures;

namespace {

Bitmap iconBitmap(unsigned bitCount, std::vector<std::uint32_t> values,
                  std::vector<std::uint32_t> palette = {}) {
    Bitmap bitmap;
    bitmap.width = 2;
    bitmap.height = 2;
    bitmap.bitCount = bitCount;
    bitmap.values = std::move(values);
    bitmap.palette = std::move(palette);
    return bitmap;
}

TEST(IconDecoder, DrawsTheFirstImageThroughItsMaskOrAlpha) {
    const std::vector<std::uint32_t> fourColours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    // Top-left pixel masked out.
    const std::vector<bool> topLeftMasked = {true, false, false, false};

    const struct {
        std::string name;
        Bytes file;
        std::vector<std::uint32_t> pixels;
    } cases[] = {
        {"4 bit icon with mask",
         makeIcon(makeIconDib(iconBitmap(4, {0, 1, 2, 3}, fourColours), topLeftMasked), 2, 2),
         {0x00000000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        {"cursor",
         makeIcon(makeIconDib(iconBitmap(8, {0, 1, 2, 3}, fourColours), topLeftMasked), 2, 2, 2),
         {0x00000000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        {"32 bit alpha wins over the mask",
         makeIcon(makeIconDib(iconBitmap(32, {0x80FF0000, 0x00000000, 0xFF0000FF, 0x40FFFFFF}),
                              topLeftMasked),
                  2, 2),
         {0x80FF0000, 0x00000000, 0xFF0000FF, 0x40FFFFFF}},
        {"32 bit with no alpha at all uses the mask",
         makeIcon(makeIconDib(iconBitmap(32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF}),
                              topLeftMasked),
                  2, 2),
         {0x00000000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
        {"mask cut off shows the image opaque",
         [&] {
             Bytes file =
                 makeIcon(makeIconDib(iconBitmap(24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}),
                                      topLeftMasked),
                          2, 2);
             file.resize(file.size() - 8);
             return file;
         }(),
         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedImage image;
        ASSERT_TRUE(decodeImage(c.file.data(), c.file.size(), image));
        EXPECT_EQ(2, image.width);
        EXPECT_EQ(2, image.height);
        EXPECT_EQ(c.pixels, image.pixels);
    }
}

TEST(IconDecoder, MeasuresBitmapImagesByHeaderAndPngImagesByDirectory) {
    Bitmap wide = iconBitmap(24, std::vector<std::uint32_t>(48 * 32, 0));
    wide.width = 48;
    wide.height = 32;
    const struct {
        std::string name;
        Bytes file;
        int width;
        int height;
        bool decodable;
    } cases[] = {
        // The directory's 16 x 16 is ignored; the doubled header height is halved.
        {"bitmap image", makeIcon(makeIconDib(wide, {}), 16, 16), 48, 32, true},
        {"PNG image", makeIcon(makePngStub(64, 48), 64, 48), 64, 48, false},
        {"PNG image of 256 x 256 stored as 0", makeIcon(makePngStub(256, 256), 0, 0), 256, 256,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int width = 0;
        int height = 0;
        ASSERT_TRUE(measureImage(c.file.data(), c.file.size(), width, height));
        EXPECT_EQ(c.width, width);
        EXPECT_EQ(c.height, height);
        DecodedImage image;
        EXPECT_EQ(c.decodable, decodeImage(c.file.data(), c.file.size(), image));
    }
}

TEST(IconDecoder, RefusesBrokenDirectories) {
    const Bytes good = makeIcon(makeIconDib(iconBitmap(24, {0, 0, 0, 0}), {}), 2, 2);
    auto patched = [&](std::size_t offset, std::uint32_t value) {
        Bytes file = good;
        setU32(file, offset, value);
        return file;
    };
    Bytes zeroCount = good;
    zeroCount[4] = 0;
    Bytes topDown = good;
    setU32(topDown, 22 + 8, static_cast<std::uint32_t>(-4));

    const struct {
        std::string name;
        Bytes file;
    } cases[] = {
        {"no images in the directory", zeroCount},
        {"directory entry cut short", Bytes(good.begin(), good.begin() + 12)},
        {"image offset past the end", patched(18, 100000)},
        {"image offset inside the directory", patched(18, 10)},
        {"header height of 1 halves to nothing", patched(22 + 8, 1)},
        {"top-down icon bitmap", topDown},
        {"100,000 x 100,000 icon",
         [&] {
             Bytes file = patched(22 + 4, 100000);
             setU32(file, 22 + 8, 200000);
             return file;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedImage image;
        EXPECT_FALSE(decodeImage(c.file.data(), c.file.size(), image));
        EXPECT_TRUE(image.pixels.empty());
    }
}

}  // namespace
