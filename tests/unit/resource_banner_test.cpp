// The embedded banner: a single-frame GIF89a of 550 x 100 with a global
// palette of 128 colours, no transparency, and its exact file length.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/image/image_decoder.h"
#include "resources/embedded_resources.h"

namespace {

struct GifOutline {
    bool complete = false;  // every block walked and the trailer is the last byte
    int imageCount = 0;
    int imageWidth = 0;
    int imageHeight = 0;
    bool localPalette = false;
    bool transparency = false;
    bool interlaced = false;
};

// Walks the blocks after the screen descriptor and global palette.
GifOutline outlineGif(const std::uint8_t* data, std::size_t size, std::size_t position) {
    GifOutline outline;
    auto skipSubBlocks = [&]() {
        while (position < size) {
            const std::uint8_t length = data[position++];
            if (length == 0) return true;
            position += length;
        }
        return false;
    };
    while (position < size) {
        const std::uint8_t introducer = data[position++];
        if (introducer == 0x3B) {
            outline.complete = position == size;
            return outline;
        }
        if (introducer == 0x21) {
            if (position + 1 > size) return outline;
            const std::uint8_t label = data[position++];
            // Graphic control extension: block size 4, flags, delay, index.
            if (label == 0xF9 && position + 2 <= size && (data[position + 1] & 0x01))
                outline.transparency = true;
            if (!skipSubBlocks()) return outline;
        } else if (introducer == 0x2C) {
            if (position + 10 > size) return outline;
            ++outline.imageCount;
            outline.imageWidth = data[position + 4] | (data[position + 5] << 8);
            outline.imageHeight = data[position + 6] | (data[position + 7] << 8);
            const std::uint8_t flags = data[position + 8];
            outline.localPalette = (flags & 0x80) != 0;
            outline.interlaced = (flags & 0x40) != 0;
            position += 9 + 1;  // descriptor, then the LZW minimum code size
            if (!skipSubBlocks()) return outline;
        } else {
            return outline;
        }
    }
    return outline;
}

}  // namespace

TEST(BannerResource, IsOneFrameGif89aWithA128ColourPalette) {
    const std::uint8_t* gif = kBannerGif;
    ASSERT_EQ(kBannerGifSize, 13419u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(gif), 6), "GIF89a");
    EXPECT_EQ(gif[6] | (gif[7] << 8), 550);
    EXPECT_EQ(gif[8] | (gif[9] << 8), 100);
    const std::uint8_t screenFlags = gif[10];
    ASSERT_TRUE(screenFlags & 0x80) << "no global colour table";
    EXPECT_EQ(2 << (screenFlags & 0x07), 128);

    const GifOutline outline = outlineGif(gif, kBannerGifSize, 13 + 128 * 3);
    EXPECT_TRUE(outline.complete);
    EXPECT_EQ(outline.imageCount, 1);
    EXPECT_EQ(outline.imageWidth, 550);
    EXPECT_EQ(outline.imageHeight, 100);
    EXPECT_FALSE(outline.localPalette);
    EXPECT_FALSE(outline.transparency);
}

TEST(BannerResource, DecodesToATealPicture) {
    DecodedImage image;
    ASSERT_TRUE(decodeImage(kBannerGif, kBannerGifSize, image));
    ASSERT_EQ(image.width, 550);
    ASSERT_EQ(image.height, 100);
    // The far right of the top row is plain background, around RGB(0,128,128).
    const std::uint32_t pixel = image.pixels[549];
    const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    EXPECT_LT(red, 40);
    EXPECT_NEAR(green, 140, 30);
    EXPECT_EQ(green, blue);
    EXPECT_EQ(pixel >> 24, 0xFFu) << "opaque";
}
