// Decoding for the place a picture is shown: cut off at actual size, or
// shrunk to the box when stretched; and the hostile corpus, each picture
// refused or decoded no larger than its box. Times and memory are the
// benchmark's business (tests/bench/hostile_bench.cpp), not a test's.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"
#include "tests/common/hostile_pictures.h"

#include <gtest/gtest.h>

#include <string>

using namespace image_fixtures;
using hostile_pictures::kLogoBox;
using hostile_pictures::kPreview;

namespace {

constexpr int kWidth = 347;
constexpr int kHeight = 251;

std::vector<std::uint8_t> indices(int width, int height) {
    std::vector<std::uint8_t> result;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) result.push_back(sampleIndex(x, y, 256));
    return result;
}

struct Picture {
    std::string name;
    Bytes file;
};

// The same picture in every format that can hold it exactly.
std::vector<Picture> losslessPictures(int width, int height) {
    Bitmap truecolour;
    truecolour.width = width;
    truecolour.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) truecolour.values.push_back(sampleColour(x, y));
    Bitmap paletted = truecolour;
    paletted.bitCount = 8;
    paletted.palette = greyPalette(256);
    const std::vector<std::uint8_t> paletteIndices = indices(width, height);
    paletted.values.assign(paletteIndices.begin(), paletteIndices.end());
    Bitmap topDown = truecolour;
    topDown.topDown = true;
    Gif gif;
    gif.width = width;
    gif.height = height;
    gif.palette = greyPalette(256);
    gif.indices = indices(width, height);
    Gif interlaced = gif;
    interlaced.interlaced = true;
    Pcx pcx;
    pcx.width = width;
    pcx.height = height;
    pcx.palette = greyPalette(256);
    pcx.indices = indices(width, height);
    Bitmap icon = truecolour;
    icon.width = std::min(width, 256);
    icon.height = std::min(height, 256);
    icon.values.clear();
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x) icon.values.push_back(sampleColour(x, y));
    std::vector<bool> mask;
    for (int i = 0; i < icon.width * icon.height; ++i) mask.push_back(i % 7 == 0);
    return {
        {"24-bit bitmap", makeBitmap(truecolour)},
        {"8-bit bitmap", makeBitmap(paletted)},
        {"top-down bitmap", makeBitmap(topDown)},
        {"GIF", makeGif(gif)},
        {"interlaced GIF", makeGif(interlaced)},
        {"PCX", makePcx(pcx)},
        {"icon with a mask", makeIcon(makeIconDib(icon, mask), 0, 0)},
    };
}

DecodedImage decodeFor(const Bytes& file, const DecodeTarget& target) {
    DecodedImage image;
    EXPECT_TRUE(decodeImage(file.data(), file.size(), target, image));
    return image;
}

// The whole picture's pixel nearest the centre of each output pixel.
std::uint32_t nearest(const DecodedImage& whole, int outputWidth, int outputHeight, int x, int y) {
    const std::size_t sourceX =
        (2 * static_cast<std::size_t>(x) + 1) * whole.width / (2 * outputWidth);
    const std::size_t sourceY =
        (2 * static_cast<std::size_t>(y) + 1) * whole.height / (2 * outputHeight);
    return whole.pixels[sourceY * whole.width + sourceX];
}

TEST(DecodeForBox, CutAtTheBoxKeepsTheTopLeftPixelsUnscaled) {
    for (const Picture& picture : losslessPictures(kWidth, kHeight)) {
        SCOPED_TRACE(picture.name);
        const DecodedImage whole = decodeFor(picture.file, kWholePicture);
        const DecodedImage cut = decodeFor(picture.file, kLogoBox);
        ASSERT_EQ(std::min(whole.width, kLogoBox.width), cut.width);
        ASSERT_EQ(std::min(whole.height, kLogoBox.height), cut.height);
        for (int y = 0; y < cut.height; ++y)
            for (int x = 0; x < cut.width; ++x)
                ASSERT_EQ(whole.pixels[y * whole.width + x], cut.pixels[y * cut.width + x])
                    << x << "," << y;
    }
}

TEST(DecodeForBox, ShrinkToTheBoxSamplesTheNearestPixels) {
    const DecodeTarget smallBox{150, 100, BoxFit::ShrinkToBox};
    for (const Picture& picture : losslessPictures(kWidth, kHeight)) {
        SCOPED_TRACE(picture.name);
        const DecodedImage whole = decodeFor(picture.file, kWholePicture);
        const DecodedImage shrunk = decodeFor(picture.file, smallBox);
        ASSERT_EQ(std::min(whole.width, smallBox.width), shrunk.width);
        ASSERT_EQ(std::min(whole.height, smallBox.height), shrunk.height);
        for (int y = 0; y < shrunk.height; ++y)
            for (int x = 0; x < shrunk.width; ++x)
                ASSERT_EQ(nearest(whole, shrunk.width, shrunk.height, x, y),
                          shrunk.pixels[y * shrunk.width + x])
                    << x << "," << y;
    }
}

TEST(DecodeForBox, PicturesWithinTheBoxDecodeWholeEitherWay) {
    for (const Picture& picture : losslessPictures(120, 90)) {
        SCOPED_TRACE(picture.name);
        const DecodedImage whole = decodeFor(picture.file, kWholePicture);
        for (const DecodeTarget& place : {kLogoBox, kPreview}) {
            const DecodedImage image = decodeFor(picture.file, place);
            EXPECT_EQ(whole.width, image.width);
            EXPECT_EQ(whole.height, image.height);
            EXPECT_EQ(whole.pixels, image.pixels);
        }
    }
}

// JPEG is scaled by libjpeg before it is sampled, so its pixels are
// compared loosely, on a picture of flat quarters.
TEST(DecodeForBox, JpegIsScaledDownForTheBoxAndCutForActualSize) {
    Jpeg quarters;
    quarters.width = 2000;
    quarters.height = 1500;
    quarters.colourAt = [](int x, int y) -> std::uint32_t {
        return x < 1000 ? (y < 750 ? 0xFF0000 : 0x00FF00) : (y < 750 ? 0x0000FF : 0xFFFFFF);
    };
    for (bool progressive : {false, true}) {
        quarters.progressive = progressive;
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Bytes file = makeJpeg(quarters);
        const DecodedImage shrunk = decodeFor(file, kPreview);
        ASSERT_EQ(500, shrunk.width);
        ASSERT_EQ(374, shrunk.height);
        auto near = [](std::uint32_t expected, std::uint32_t actual) {
            for (int shift : {0, 8, 16})
                if (std::abs(static_cast<int>((expected >> shift) & 0xFF) -
                             static_cast<int>((actual >> shift) & 0xFF)) > 8)
                    return false;
            return true;
        };
        EXPECT_TRUE(near(0xFF0000, shrunk.pixels[50 * 500 + 50]))
            << std::hex << shrunk.pixels[50 * 500 + 50];
        EXPECT_TRUE(near(0x0000FF, shrunk.pixels[50 * 500 + 450]));
        EXPECT_TRUE(near(0x00FF00, shrunk.pixels[320 * 500 + 50]));
        EXPECT_TRUE(near(0xFFFFFF, shrunk.pixels[320 * 500 + 450]));

        const DecodedImage cut = decodeFor(file, kLogoBox);
        ASSERT_EQ(175, cut.width);
        ASSERT_EQ(119, cut.height);
        EXPECT_TRUE(near(0xFF0000, cut.pixels[118 * 175 + 174]));
    }
}

TEST(DecodeForBox, GifFrameIsClippedToItsScreen) {
    // A 175 x 119 screen whose frame claims 8192 x 8192: the frame's first
    // rows show, cut at the screen, whatever the box.
    Gif gif;
    gif.screenWidth = 175;
    gif.screenHeight = 119;
    gif.width = 8192;
    gif.height = 8192;
    gif.palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF};
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 8192; ++x) rows.push_back(static_cast<std::uint8_t>((x + y) % 4));
    gif.indices = rows;
    const Bytes file = makeGif(gif);
    for (const DecodeTarget& target : {kWholePicture, kLogoBox}) {
        const DecodedImage image = decodeFor(file, target);
        ASSERT_EQ(175, image.width);
        ASSERT_EQ(119, image.height);
        EXPECT_EQ(0xFF000000u, image.pixels[0]);
        EXPECT_EQ(0xFFFFFFFFu, image.pixels[1]);
        EXPECT_EQ(0xFFFF0000u, image.pixels[175 + 1]);
        // Rows the stream never reaches stay clear.
        EXPECT_EQ(0u, image.pixels[100 * 175]);
    }
}

TEST(HostilePictures, EachPassesAChoosersTest) {
    for (const hostile_pictures::HostilePicture& picture :
         hostile_pictures::makeHostilePictures()) {
        SCOPED_TRACE(picture.name);
        int width = 0;
        int height = 0;
        const bool logoSized =
            measureImage(picture.bytes.data(), picture.bytes.size(), width, height) &&
            width < 176 && height < 120;
        EXPECT_TRUE(logoSized || picture.bytes.size() <= 250000);
    }
}

TEST(HostilePictures, AreRefusedOrDecodedNoLargerThanTheBox) {
    for (const hostile_pictures::HostilePicture& picture :
         hostile_pictures::makeHostilePictures()) {
        for (const DecodeTarget& place : {kLogoBox, kPreview}) {
            SCOPED_TRACE(picture.name +
                         (place.fit == BoxFit::CutAtBox ? " in the logo box" : " in the preview"));
            DecodedImage image;
            if (!decodeImage(picture.bytes.data(), picture.bytes.size(), place, image)) {
                EXPECT_TRUE(image.pixels.empty());
                continue;
            }
            EXPECT_LE(image.width, place.width);
            EXPECT_LE(image.height, place.height);
            EXPECT_EQ(static_cast<std::size_t>(image.width) * image.height, image.pixels.size());
        }
    }
}

}  // namespace
