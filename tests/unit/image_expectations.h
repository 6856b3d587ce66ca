#pragma once
// The check every decoder's table of cases makes: the file decodes to these
// pixels, and measuring it gives the same size.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/bytes.h"
#include "platform/image/image_decoder.h"

inline void expectPicture(const Bytes& file, int width, int height,
                          const std::vector<std::uint32_t>& pixels) {
    DecodedImage image;
    ASSERT_TRUE(decodeImage(file.data(), file.size(), image));
    EXPECT_EQ(width, image.width);
    EXPECT_EQ(height, image.height);
    EXPECT_EQ(pixels, image.pixels);
    int measuredWidth = 0;
    int measuredHeight = 0;
    ASSERT_TRUE(measureImage(file.data(), file.size(), measuredWidth, measuredHeight));
    EXPECT_EQ(width, measuredWidth);
    EXPECT_EQ(height, measuredHeight);
}
