// GIF decoding: colour tables, transparency, interlacing, placement on the
// logical screen, LZW at every code size, and broken streams.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"
#include "tests/unit/image_expectations.h"

#include <gtest/gtest.h>

#include <string>

using namespace image_fixtures;

namespace {

constexpr std::uint32_t kClear = 0x00000000;

const std::vector<std::uint32_t> kFourColours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

Gif gif(int width, int height, std::vector<std::uint8_t> indices) {
    Gif result;
    result.width = width;
    result.height = height;
    result.palette = kFourColours;
    result.indices = std::move(indices);
    return result;
}

std::vector<std::uint32_t> opaque(const std::vector<std::uint32_t>& palette,
                                  const std::vector<std::uint8_t>& indices) {
    std::vector<std::uint32_t> pixels;
    for (std::uint8_t index : indices) pixels.push_back(0xFF000000u | palette[index]);
    return pixels;
}

DecodedImage decoded(const Bytes& file) {
    DecodedImage image;
    EXPECT_TRUE(decodeImage(file.data(), file.size(), image));
    return image;
}

TEST(GifDecoder, DecodesTheFirstFrameOnItsScreen) {
    const std::vector<std::uint8_t> twoByThree = {0, 1, 2, 3, 2, 1};

    Gif local = gif(3, 2, twoByThree);
    local.localTable = true;
    Gif transparent = gif(3, 2, twoByThree);
    transparent.transparentIndex = 2;
    // Ten rows, each of its own colour, stored in the four interlace passes.
    std::vector<std::uint8_t> rowColours;
    for (std::uint8_t row = 0; row < 10; ++row) rowColours.insert(rowColours.end(), 2, row);
    Gif interlaced = gif(2, 10, rowColours);
    interlaced.palette = greyPalette(16);
    interlaced.interlaced = true;
    Gif placed = gif(2, 1, {1, 3});
    placed.screenWidth = 4;
    placed.screenHeight = 2;
    placed.frameLeft = 1;
    placed.frameTop = 1;
    Gif sticksOut = gif(3, 1, {1, 2, 3});
    sticksOut.screenWidth = 2;
    sticksOut.screenHeight = 1;
    Gif noScreenSize = gif(2, 1, {0, 1});
    noScreenSize.screenWidth = 0;
    Bytes noScreenSizeFile = makeGif(noScreenSize);
    noScreenSizeFile[6] = noScreenSizeFile[7] = 0;

    const struct {
        std::string name;
        Bytes file;
        int width;
        int height;
        std::vector<std::uint32_t> pixels;
    } cases[] = {
        {"global colour table", makeGif(gif(3, 2, twoByThree)), 3, 2,
         opaque(kFourColours, twoByThree)},
        {"local colour table", makeGif(local), 3, 2, opaque(kFourColours, twoByThree)},
        {"transparent index",
         makeGif(transparent),
         3,
         2,
         {0xFFFF0000, 0xFF00FF00, kClear, 0xFFFFFFFF, kClear, 0xFF00FF00}},
        {"interlaced rows", makeGif(interlaced), 2, 10, opaque(greyPalette(16), rowColours)},
        {"frame placed on a larger screen",
         makeGif(placed),
         4,
         2,
         {kClear, kClear, kClear, kClear, kClear, 0xFF00FF00, 0xFFFFFFFF, kClear}},
        {"frame wider than the screen is clipped",
         makeGif(sticksOut),
         2,
         1,
         {0xFF00FF00, 0xFF0000FF}},
        {"screen of zero size takes the frame's", noScreenSizeFile, 2, 1, {0xFFFF0000, 0xFF00FF00}},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectPicture(c.file, c.width, c.height, c.pixels);
    }
}

TEST(GifDecoder, DecodesLzwAtEveryCodeSizeAndTableFill) {
    // Noisy indices fill the 4096-entry table many times over.
    const int width = 160;
    const int height = 120;
    std::uint32_t seed = 12345;
    std::vector<std::uint8_t> noise;
    for (int i = 0; i < width * height; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.push_back(static_cast<std::uint8_t>(seed >> 16));
    }

    for (unsigned codeSize = 2; codeSize <= 8; ++codeSize) {
        for (LzwFullTable fullTable :
             {LzwFullTable::ClearAtOnce, LzwFullTable::DeferClear, LzwFullTable::NeverClear}) {
            SCOPED_TRACE("minimum code size " + std::to_string(codeSize) + ", full-table mode " +
                         std::to_string(static_cast<int>(fullTable)));
            Gif picture = gif(width, height, {});
            picture.palette = greyPalette(1u << codeSize);
            picture.minimumCodeSize = codeSize;
            picture.fullTable = fullTable;
            for (std::uint8_t value : noise)
                picture.indices.push_back(
                    static_cast<std::uint8_t>(value & ((1u << codeSize) - 1)));
            const DecodedImage image = decoded(makeGif(picture));
            EXPECT_EQ(opaque(picture.palette, picture.indices), image.pixels);
        }
    }
}

TEST(GifDecoder, KeepsWhatDecodedBeforeABrokenStream) {
    std::vector<std::uint8_t> stripes;
    for (int i = 0; i < 64 * 64; ++i) stripes.push_back(static_cast<std::uint8_t>((i / 3) % 4));
    Bytes cut = makeGif(gif(64, 64, stripes));
    cut.resize(cut.size() / 2);
    const DecodedImage cutImage = decoded(cut);
    ASSERT_EQ(64u * 64u, cutImage.pixels.size());
    EXPECT_EQ(0xFFFF0000u, cutImage.pixels[0]);
    EXPECT_EQ(0xFF00FF00u, cutImage.pixels[3]);
    EXPECT_EQ(kClear, cutImage.pixels.back());

    // Codes of 3 bits: clear, 1, then 7 where only 6 could come next.
    LzwBitWriter codes;
    for (unsigned code : {4u, 1u, 7u, 0u, 5u}) codes.write(code, 3);
    Gif badCode = gif(4, 1, {});
    badCode.lzwData = codes.finish();
    badCode.useLzwData = true;
    badCode.minimumCodeSize = 2;
    EXPECT_EQ((std::vector<std::uint32_t>{0xFF00FF00, kClear, kClear, kClear}),
              decoded(makeGif(badCode)).pixels);

    // The first code after a clear must be a colour.
    LzwBitWriter startsWithString;
    for (unsigned code : {4u, 6u, 5u}) startsWithString.write(code, 3);
    Gif badStart = gif(2, 1, {});
    badStart.lzwData = startsWithString.finish();
    badStart.useLzwData = true;
    badStart.minimumCodeSize = 2;
    EXPECT_EQ((std::vector<std::uint32_t>{kClear, kClear}), decoded(makeGif(badStart)).pixels);
}

TEST(GifDecoder, RefusesFilesWithoutAReadableFrame) {
    const Bytes good = makeGif(gif(2, 2, {0, 1, 2, 3}));
    auto withByte = [&](std::size_t offset, std::uint8_t value) {
        Bytes file = good;
        file[offset] = value;
        return file;
    };
    const std::size_t descriptor = 13 + 12 + 11;  // header, colour table, comment
    const std::size_t codeSize = descriptor + 10;
    ASSERT_EQ(0x2C, good[descriptor]);

    const struct {
        std::string name;
        Bytes file;
        bool measurable;
    } cases[] = {
        {"logical screen cut short", Bytes(good.begin(), good.begin() + 9), false},
        {"colour table cut short", Bytes(good.begin(), good.begin() + 20), false},
        {"trailer before any frame", withByte(descriptor, 0x3B), false},
        {"unknown block before the frame", withByte(descriptor, 0x99), false},
        {"frame descriptor cut short", Bytes(good.begin(), good.begin() + descriptor + 5), false},
        {"minimum code size 0", withByte(codeSize, 0), true},
        {"minimum code size 12", withByte(codeSize, 12), true},
        {"frame of zero width", withByte(descriptor + 5, 0), true},
        {"65535 x 65535 screen",
         [&] {
             Bytes file = good;
             file[6] = file[7] = file[8] = file[9] = 0xFF;
             return file;
         }(),
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedImage image;
        EXPECT_FALSE(decodeImage(c.file.data(), c.file.size(), image));
        EXPECT_TRUE(image.pixels.empty());
        int width = 0;
        int height = 0;
        EXPECT_EQ(c.measurable, measureImage(c.file.data(), c.file.size(), width, height));
    }
}

}  // namespace
