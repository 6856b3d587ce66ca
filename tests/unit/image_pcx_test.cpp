// PCX decoding: 8-bit with the trailing colour table, monochrome, runs, and
// the kinds that are refused.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"
#include "tests/unit/image_expectations.h"

#include <gtest/gtest.h>

#include <string>

using namespace image_fixtures;

namespace {

Pcx pcx(int width, int height, unsigned bitsPerPixel, std::vector<std::uint8_t> indices,
        std::vector<std::uint32_t> palette = {}) {
    Pcx result;
    result.width = width;
    result.height = height;
    result.bitsPerPixel = bitsPerPixel;
    result.indices = std::move(indices);
    result.palette = std::move(palette);
    return result;
}

TEST(PcxDecoder, DecodesEightBitAndMonochromePictures) {
    // Index 200 has both top bits set, so even a single one needs a run byte.
    std::vector<std::uint32_t> palette(256, 0);
    palette[1] = 0xFF0000;
    palette[7] = 0x00FF00;
    palette[200] = 0x0000FF;
    const std::vector<std::uint8_t> runs = {7, 7, 7, 200, 1, 200};

    Pcx uncompressed = pcx(3, 2, 8, runs, palette);
    uncompressed.runLengthEncoded = false;
    // A run that carries on from one line into the next, as some writers emit.
    Bytes crossing = makePcx(pcx(4, 2, 8, std::vector<std::uint8_t>(8, 1), palette));
    crossing.resize(128);
    crossing.insert(crossing.end(), {0xC8, 1});
    crossing.push_back(0x0C);
    for (std::uint32_t colour : palette)
        crossing.insert(crossing.end(), {static_cast<std::uint8_t>(colour >> 16),
                                         static_cast<std::uint8_t>(colour >> 8),
                                         static_cast<std::uint8_t>(colour)});

    const std::uint32_t green = 0xFF00FF00;
    const std::uint32_t blue = 0xFF0000FF;
    const std::uint32_t red = 0xFFFF0000;
    const std::uint32_t black = 0xFF000000;
    const std::uint32_t white = 0xFFFFFFFF;
    const struct {
        std::string name;
        Bytes file;
        int width;
        int height;
        std::vector<std::uint32_t> pixels;
    } cases[] = {
        {"8 bit runs with the colour table at the end",
         makePcx(pcx(3, 2, 8, runs, palette)),
         3,
         2,
         {green, green, green, blue, red, blue}},
        {"8 bit without compression",
         makePcx(uncompressed),
         3,
         2,
         {green, green, green, blue, red, blue}},
        {"8 bit without a colour table reads grey",
         makePcx(pcx(2, 1, 8, {0, 200})),
         2,
         1,
         {black, 0xFFC8C8C8}},
        {"run crossing a line end", crossing, 4, 2, std::vector<std::uint32_t>(8, red)},
        {"monochrome",
         makePcx(pcx(10, 2, 1, {1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1})),
         10,
         2,
         {white, black, black, black, black, black, black, black, white, white,
          black, white, black, white, black, white, black, white, black, white}},
        {"lines cut short stay black",
         [&] {
             Bytes file = makePcx(pcx(3, 2, 8, {200, 1, 200, 200, 1, 200}));
             file.resize(file.size() - 3);
             return file;
         }(),
         3,
         2,
         {0xFFC8C8C8, 0xFF010101, 0xFFC8C8C8, black, black, black}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectPicture(c.file, c.width, c.height, c.pixels);
    }
}

TEST(PcxDecoder, RefusesOtherKindsAndBrokenHeaders) {
    const Bytes good = makePcx(pcx(2, 2, 8, {0, 1, 2, 3}));
    auto withByte = [&](std::size_t offset, std::uint8_t value) {
        Bytes file = good;
        file[offset] = value;
        return file;
    };
    Pcx truecolour = pcx(2, 2, 8, {0, 1, 2, 3});
    truecolour.planes = 3;
    Bytes huge = good;
    huge[8] = 0xFE;
    huge[9] = huge[10] = huge[11] = huge[66] = huge[67] = 0xFF;

    const struct {
        std::string name;
        Bytes file;
        bool measurable;
    } cases[] = {
        {"header cut short", Bytes(good.begin(), good.begin() + 100), false},
        {"24 bit in three planes", makePcx(truecolour), false},
        {"4 bits per pixel", withByte(3, 4), false},
        {"unknown encoding", withByte(2, 7), false},
        {"right edge left of the left edge", withByte(4, 5), false},
        {"line shorter than the width", withByte(66, 1), false},
        {"65535 x 65536", huge, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedImage image;
        EXPECT_FALSE(decodeImage(c.file.data(), c.file.size(), image));
        int width = 0;
        int height = 0;
        EXPECT_EQ(c.measurable, measureImage(c.file.data(), c.file.size(), width, height));
    }
}

}  // namespace
