// Bitmap decoding: every pixel layout, both row orders, the header versions,
// run-length compression, and files whose headers lie or are cut short.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"
#include "tests/unit/image_expectations.h"

#include <gtest/gtest.h>

#include <string>

using namespace image_fixtures;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;

Bitmap bitmap(int width, int height, unsigned bitCount, std::vector<std::uint32_t> values) {
    Bitmap result;
    result.width = width;
    result.height = height;
    result.bitCount = bitCount;
    result.values = std::move(values);
    return result;
}

Bitmap withHeader(Bitmap b, std::uint32_t headerSize) {
    b.headerSize = headerSize;
    return b;
}

Bitmap topDown(Bitmap b) {
    b.topDown = true;
    return b;
}

Bitmap paletted(Bitmap b, std::vector<std::uint32_t> palette, long long colorsUsed = -1) {
    b.palette = std::move(palette);
    b.colorsUsed = colorsUsed;
    return b;
}

Bitmap masked(Bitmap b, std::uint32_t headerSize, std::vector<std::uint32_t> masks) {
    b.compression = 3;
    b.headerSize = headerSize;
    b.masks = std::move(masks);
    return b;
}

Bitmap runLength(int width, int height, std::uint32_t compression,
                 std::vector<std::uint32_t> palette, Bytes rows) {
    Bitmap b;
    b.width = width;
    b.height = height;
    b.bitCount = compression == 1 ? 8 : 4;
    b.compression = compression;
    b.palette = std::move(palette);
    b.encodedRows = std::move(rows);
    return b;
}

std::vector<std::uint32_t> sixteenColours() {
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < 16; ++i) palette.push_back(i * 0x111111);
    return palette;
}

struct PixelCase {
    std::string name;
    Bytes file;
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TEST(BitmapDecoder, DecodesEveryLayoutToTopDownPixels) {
    // Red, green on the top row; blue, white below.
    const std::vector<std::uint32_t> rgb24 = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    const std::vector<std::uint32_t> expected2x2 = {kRed, kGreen, kBlue, kWhite};
    const std::vector<std::uint32_t> blackWhite = {0x000000, 0xFFFFFF};
    const std::vector<std::uint32_t> rgbw = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

    const PixelCase cases[] = {
        {"24 bit bottom-up", makeBitmap(bitmap(2, 2, 24, rgb24)), 2, 2, expected2x2},
        {"24 bit top-down", makeBitmap(topDown(bitmap(2, 2, 24, rgb24))), 2, 2, expected2x2},
        {"24 bit core header", makeBitmap(withHeader(bitmap(2, 2, 24, rgb24), 12)), 2, 2,
         expected2x2},
        {"24 bit V4 header", makeBitmap(withHeader(bitmap(2, 2, 24, rgb24), 108)), 2, 2,
         expected2x2},
        {"24 bit V5 header, odd width padded rows",
         makeBitmap(withHeader(
             bitmap(3, 2, 24, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0, 0xFF0000}), 124)),
         3,
         2,
         {kRed, kGreen, kBlue, kWhite, kBlack, kRed}},
        {"1 bit palette, 9 pixels a row",
         makeBitmap(paletted(
             bitmap(9, 2, 1, {1, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), blackWhite)),
         9,
         2,
         {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, kBlack, kBlack,
          kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack}},
        {"4 bit palette, odd width",
         makeBitmap(paletted(bitmap(3, 1, 4, {15, 1, 10}), sixteenColours())),
         3,
         1,
         {0xFFFFFFFF, 0xFF111111, 0xFFAAAAAA}},
        {"8 bit palette of 4 colours", makeBitmap(paletted(bitmap(2, 2, 8, {0, 1, 2, 3}), rgbw)), 2,
         2, expected2x2},
        {"8 bit, colours used 0 means a full table",
         makeBitmap(paletted(bitmap(2, 1, 8, {255, 1}), greyPalette(256), 0)),
         2,
         1,
         {0xFFFFFF00, 0xFF0101FE}},
        {"8 bit, index beyond the table is black",
         makeBitmap(paletted(bitmap(2, 1, 8, {1, 7}), rgbw)),
         2,
         1,
         {kGreen, kBlack}},
        {"core header 8 bit with 3-byte colour entries",
         makeBitmap(withHeader(paletted(bitmap(2, 2, 8, {0, 1, 2, 3}), rgbw), 12)), 2, 2,
         expected2x2},
        {"16 bit defaults to 5-5-5", makeBitmap(bitmap(2, 2, 16, {0x7C00, 0x03E0, 0x001F, 0x7FFF})),
         2, 2, expected2x2},
        {"16 bit 5-6-5 masks after an info header",
         makeBitmap(masked(bitmap(2, 2, 16, {0xF800, 0x07E0, 0x001F, 0xFFFF}), 40,
                           {0xF800, 0x07E0, 0x001F})),
         2, 2, expected2x2},
        {"32 bit ignores alpha as GDI does",
         makeBitmap(bitmap(2, 1, 32, {0x00112233, 0x80FF0000})),
         2,
         1,
         {0xFF112233, kRed}},
        {"32 bit swapped masks in a V5 header",
         makeBitmap(masked(bitmap(1, 1, 32, {0x00332211}), 124,
                           {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000})),
         1,
         1,
         {0xFF112233}},
        // Encoded run, end of line, delta right 1 and up 1, literal run of 3 (padded), end of
        // bitmap.
        {"RLE8 runs, delta and literal",
         makeBitmap(runLength(4, 2, 1, rgbw, {2, 1, 0, 0, 0, 2, 1, 0, 0, 3, 0, 2, 3, 0, 0, 1})),
         4,
         2,
         {kBlack, kRed, kBlue, kWhite, kGreen, kGreen, kBlack, kBlack}},
        {"RLE4 alternating run and literal",
         makeBitmap(runLength(6, 1, 2, sixteenColours(), {3, 0x1F, 0, 3, 0x23, 0x40, 0, 1})),
         6,
         1,
         {0xFF111111, 0xFFFFFFFF, 0xFF111111, 0xFF222222, 0xFF333333, 0xFF444444}},
        {"RLE8 that ends without an end marker",
         makeBitmap(runLength(3, 2, 1, rgbw, {3, 3, 0, 0, 1, 1})),
         3,
         2,
         {kGreen, kBlack, kBlack, kWhite, kWhite, kWhite}},
    };

    for (const PixelCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectPicture(c.file, c.width, c.height, c.pixels);
    }
}

TEST(BitmapDecoder, ShowsCutShortRowsAsBlackAndTrustsTheRealData) {
    const std::vector<std::uint32_t> rows = {0xFF0000, 0xFF0000, 0x00FF00,
                                             0x00FF00, 0x0000FF, 0x0000FF};
    Bytes file = makeBitmap(bitmap(2, 3, 24, rows));
    // Bottom-up: the rows stored last are the top ones; drop the top row and a half.
    file.resize(file.size() - 8 - 6);
    // The file length field still claims the full size.
    DecodedImage image;
    ASSERT_TRUE(decodeImage(file.data(), file.size(), image));
    EXPECT_EQ((std::vector<std::uint32_t>{kBlack, kBlack, kBlack, kBlack, kBlue, kBlue}),
              image.pixels);

    // A pixel offset of 0 (left so by some writers) means right after the colour table.
    Bytes zeroOffset = makeBitmap(bitmap(2, 3, 24, rows));
    setU32(zeroOffset, 10, 0);
    ASSERT_TRUE(decodeImage(zeroOffset.data(), zeroOffset.size(), image));
    EXPECT_EQ(kRed, image.pixels[0]);
    EXPECT_EQ(kBlue, image.pixels[5]);
}

TEST(BitmapDecoder, MeasuresHeadersWithoutPixels) {
    // A 10,000 x 10,000 picture whose 300 MB of rows are absent: measuring
    // needs only the header, decoding has nothing (and too much) to decode.
    Bytes file = makeBitmap(bitmap(1, 1, 24, {0}));
    setU32(file, 18, 10000);
    setU32(file, 22, 10000);
    file.resize(54);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(measureImage(file.data(), file.size(), width, height));
    EXPECT_EQ(10000, width);
    EXPECT_EQ(10000, height);
    DecodedImage image;
    EXPECT_FALSE(decodeImage(file.data(), file.size(), image));
}

struct RefusedCase {
    std::string name;
    Bytes file;
    // Whether the header alone still gives a size.
    bool measurable;
};

Bytes patched(Bytes file, std::size_t offset, std::uint32_t value) {
    setU32(file, offset, value);
    return file;
}

Bytes truncated(Bytes file, std::size_t size) {
    file.resize(size);
    return file;
}

TEST(BitmapDecoder, RefusesBrokenFilesCleanly) {
    const Bytes good = makeBitmap(bitmap(2, 2, 24, {0, 0, 0, 0}));
    const Bytes paletteGood = makeBitmap(paletted(bitmap(2, 2, 8, {0, 1, 2, 3}), greyPalette(4)));
    Bitmap topDownRle = runLength(2, 2, 1, greyPalette(2), {2, 1, 0, 1});
    topDownRle.topDown = true;

    const RefusedCase cases[] = {
        {"header cut short", truncated(good, 30), false},
        {"no pixel bytes at all", truncated(good, 54), true},
        {"100,000 x 100,000", patched(patched(good, 18, 100000), 22, 100000), true},
        {"zero width", patched(good, 18, 0), false},
        {"zero height", patched(good, 22, 0), false},
        {"height of INT_MIN", patched(good, 22, 0x80000000u), false},
        {"7 bits per pixel", patched(good, 26, 0x00070001), false},
        {"JPEG compression inside a bitmap", patched(good, 30, 4), false},
        {"RLE8 at 24 bits per pixel", patched(good, 30, 1), false},
        {"top-down RLE", makeBitmap(topDownRle), false},
        {"unknown header size", patched(good, 14, 20), false},
        {"header larger than the file", patched(good, 14, 4000), false},
        {"pixel offset past the end", patched(good, 10, 5000), true},
        {"pixel offset inside the header", patched(good, 10, 20), true},
        // With no pixel offset the rows would start after 4 G colour entries.
        {"colour count past the end", patched(patched(paletteGood, 10, 0), 46, 0xFFFFFFFF), true},
    };

    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedImage image;
        EXPECT_FALSE(decodeImage(c.file.data(), c.file.size(), image));
        EXPECT_EQ(0, image.width);
        EXPECT_TRUE(image.pixels.empty());
        int width = -1;
        int height = -1;
        EXPECT_EQ(c.measurable, measureImage(c.file.data(), c.file.size(), width, height));
        if (!c.measurable) {
            EXPECT_EQ(0, width);
            EXPECT_EQ(0, height);
        }
    }
}

}  // namespace
