#pragma once
// What every fuzz target asserts beyond "no crash": decoded for each place
// a picture is shown, the output is min(picture, box) on each axis, as large
// as it says, and measuring agrees with it.
#include "platform/image/image_decoder.h"
#include "tests/common/hostile_pictures.h"

#include <algorithm>
#include <cstdlib>

inline void checkDecodedForPlace(bool decoded, const DecodedImage& image,
                                 const DecodeTarget& target, bool measured, int width, int height) {
    if (measured && (width <= 0 || height <= 0)) std::abort();
    if (!decoded) {
        if (!image.pixels.empty()) std::abort();
        return;
    }
    if (!measured || image.width != std::min(width, target.width) ||
        image.height != std::min(height, target.height))
        std::abort();
    if (image.pixels.size() !=
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        std::abort();
}

// One fuzz target body for one pair of decoder and measurer, run for the
// logo box and for the preview with the product's own limits.
#define VELLUMARK_FUZZ_FORMAT(decodeFunction, measureFunction)                          \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { \
        int width = 0;                                                                  \
        int height = 0;                                                                 \
        const bool measured = measureFunction(data, size, width, height);               \
        for (const DecodeTarget& target :                                               \
             {hostile_pictures::kLogoBox, hostile_pictures::kPreview}) {                \
            DecodedImage image;                                                         \
            const bool decoded = decodeFunction(data, size, target, image);             \
            checkDecodedForPlace(decoded, image, target, measured, width, height);      \
        }                                                                               \
        return 0;                                                                       \
    }
