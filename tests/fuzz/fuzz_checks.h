#pragma once
// What every fuzz target asserts beyond "no crash": a decoded picture is as
// large as it says, and measuring agrees with decoding.
#include "platform/image/image_decoder.h"

#include <cstdlib>

inline void checkDecodedAndMeasured(bool decoded, const DecodedImage& image, bool measured, int width, int height)
{
    if (decoded) {
        if (image.width <= 0 || image.height <= 0 ||
            image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) ||
            image.pixels.size() > kMaxImagePixels)
            std::abort();
        if (!measured || width != image.width || height != image.height)
            std::abort();
    } else if (!image.pixels.empty()) {
        std::abort();
    }
    if (measured && (width <= 0 || height <= 0))
        std::abort();
}

// One fuzz target body for one pair of decoder and measurer.
#define VELLUMARK_FUZZ_FORMAT(decodeFunction, measureFunction)                                  \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)           \
    {                                                                                            \
        DecodedImage image;                                                                      \
        const bool decoded = decodeFunction(data, size, image);                                  \
        int width = 0;                                                                           \
        int height = 0;                                                                          \
        const bool measured = measureFunction(data, size, width, height);                        \
        checkDecodedAndMeasured(decoded, image, measured, width, height);                        \
        return 0;                                                                                \
    }
