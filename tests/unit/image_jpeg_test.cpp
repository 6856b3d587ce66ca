// JPEG through libjpeg: colour, grey and progressive files decode; broken
// ones are undecodable without a word on stderr; measuring reads headers only.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace image_fixtures;

namespace {

// Left half red, right half blue: flat areas survive compression closely.
std::uint32_t halves(int x, int) { return x < 32 ? 0xFF0000 : 0x0000FF; }

Jpeg jpeg(bool grayscale, bool progressive) {
    Jpeg result;
    result.width = 64;
    result.height = 48;
    result.grayscale = grayscale;
    result.progressive = progressive;
    result.colourAt = halves;
    return result;
}

bool near(std::uint32_t expected, std::uint32_t actual) {
    for (int shift : {0, 8, 16, 24})
        if (std::abs(static_cast<int>((expected >> shift) & 0xFF) -
                     static_cast<int>((actual >> shift) & 0xFF)) > 8)
            return false;
    return true;
}

// Offset of the frame header's height field.
std::size_t sizeFieldOffset(const Bytes& file) {
    for (std::size_t i = 2; i + 8 < file.size(); ++i)
        if (file[i] == 0xFF && (file[i + 1] == 0xC0 || file[i + 1] == 0xC2)) return i + 5;
    return 0;
}

Bytes withSize(Bytes file, unsigned width, unsigned height) {
    const std::size_t offset = sizeFieldOffset(file);
    file[offset] = static_cast<std::uint8_t>(height >> 8);
    file[offset + 1] = static_cast<std::uint8_t>(height);
    file[offset + 2] = static_cast<std::uint8_t>(width >> 8);
    file[offset + 3] = static_cast<std::uint8_t>(width);
    return file;
}

TEST(JpegDecoder, DecodesColourGreyAndProgressiveFiles) {
    const struct {
        std::string name;
        Bytes file;
        std::uint32_t left;
        std::uint32_t right;
    } cases[] = {
        {"baseline colour", makeJpeg(jpeg(false, false)), 0xFFFF0000, 0xFF0000FF},
        {"progressive colour", makeJpeg(jpeg(false, true)), 0xFFFF0000, 0xFF0000FF},
        // Grey takes the low byte of each colour: 0 on the left, 255 on the right.
        {"grey", makeJpeg(jpeg(true, false)), 0xFF000000, 0xFFFFFFFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DecodedImage image;
        ASSERT_TRUE(decodeImage(c.file.data(), c.file.size(), image));
        ASSERT_EQ(64, image.width);
        ASSERT_EQ(48, image.height);
        EXPECT_TRUE(near(c.left, image.pixels[20 * 64 + 8]));
        EXPECT_TRUE(near(c.right, image.pixels[40 * 64 + 56]));
        int width = 0;
        int height = 0;
        ASSERT_TRUE(measureImage(c.file.data(), c.file.size(), width, height));
        EXPECT_EQ(64, width);
        EXPECT_EQ(48, height);
    }
}

TEST(JpegDecoder, MeasuresHugeHeadersWithoutDecoding) {
    // 10,000 x 10,000 claimed by a 64 x 48 file: measuring never looks at the
    // scans, and decoding is refused before anything that size is allocated.
    const Bytes huge = withSize(makeJpeg(jpeg(false, false)), 10000, 10000);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(measureImage(huge.data(), huge.size(), width, height));
    EXPECT_EQ(10000, width);
    EXPECT_EQ(10000, height);
    DecodedImage image;
    EXPECT_FALSE(decodeImage(huge.data(), huge.size(), image));
}

TEST(JpegDecoder, TreatsBrokenFilesAsUndecodableAndSilent) {
    const Bytes good = makeJpeg(jpeg(false, false));
    const std::size_t frameHeader = sizeFieldOffset(good) - 5;
    Bytes garbage = {0xFF, 0xD8};
    for (int i = 0; i < 200; ++i) garbage.push_back(static_cast<std::uint8_t>(i * 37));

    const struct {
        std::string name;
        Bytes file;
    } cases[] = {
        {"cut inside the frame header", Bytes(good.begin(), good.begin() + frameHeader + 6)},
        {"garbage after the start marker", garbage},
        {"zero width", withSize(good, 0, 48)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        DecodedImage image;
        EXPECT_FALSE(decodeImage(c.file.data(), c.file.size(), image));
        EXPECT_TRUE(image.pixels.empty());
        int width = 0;
        int height = 0;
        EXPECT_FALSE(measureImage(c.file.data(), c.file.size(), width, height));
        EXPECT_EQ("", testing::internal::GetCapturedStderr());
    }

    // Cut inside the scan: libjpeg fills the rest, as Windows shows such files.
    std::size_t scanStart = 0;
    for (std::size_t i = 0; i + 1 < good.size() && scanStart == 0; ++i)
        if (good[i] == 0xFF && good[i + 1] == 0xDA) scanStart = i;
    ASSERT_NE(0u, scanStart);
    testing::internal::CaptureStderr();
    const Bytes cut(good.begin(), good.begin() + scanStart + (good.size() - scanStart) / 2);
    DecodedImage image;
    EXPECT_TRUE(decodeImage(cut.data(), cut.size(), image));
    EXPECT_TRUE(near(0xFFFF0000, image.pixels[8]));
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

}  // namespace
