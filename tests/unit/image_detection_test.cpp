// The format comes from the first bytes only, never from a name.
#include "platform/image/image_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ImageDetection, ChoosesTheFormatByItsFirstBytes) {
    const struct {
        std::string name;
        std::vector<std::uint8_t> bytes;
        ImageFormat format;
    } cases[] = {
        {"bitmap", {'B', 'M', 0, 0, 0, 0}, ImageFormat::Bitmap},
        {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, ImageFormat::Jpeg},
        {"icon", {0, 0, 1, 0, 1, 0}, ImageFormat::Icon},
        {"cursor", {0, 0, 2, 0, 3, 0}, ImageFormat::Cursor},
        {"icon with no images", {0, 0, 1, 0, 0, 0}, ImageFormat::None},
        {"GIF87a", {'G', 'I', 'F', '8', '7', 'a'}, ImageFormat::Gif},
        {"GIF89a", {'G', 'I', 'F', '8', '9', 'a'}, ImageFormat::Gif},
        {"GIF of an unknown version", {'G', 'I', 'F', '9', '0', 'a'}, ImageFormat::None},
        {"PCX", {0x0A, 5, 1, 8, 0, 0}, ImageFormat::Pcx},
        {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A}, ImageFormat::None},
        {"five bytes of a bitmap", {'B', 'M', 0, 0, 0}, ImageFormat::None},
        {"empty", {}, ImageFormat::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.format, detectImageFormat(c.bytes.data(), c.bytes.size()));
        DecodedImage image;
        EXPECT_FALSE(decodeImage(c.bytes.data(), c.bytes.size(), image));
        int width = -1;
        int height = -1;
        EXPECT_FALSE(measureImage(c.bytes.data(), c.bytes.size(), width, height));
        EXPECT_EQ(0, width);
        EXPECT_EQ(0, height);
    }
    DecodedImage image;
    EXPECT_FALSE(decodeImage(nullptr, 0, image));
}

}  // namespace
