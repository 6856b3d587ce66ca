#pragma once
// Decoding picture bytes by their content, never by a file name.
#include <cstddef>
#include <cstdint>
#include <vector>

enum class ImageFormat { None, Bitmap, Jpeg, Icon, Cursor, Gif, Pcx };

struct DecodedImage {
    int width = 0;
    int height = 0;
    // Top-down rows, one 0xAARRGGBB value a pixel (BGRA in memory).
    std::vector<std::uint32_t> pixels;
};

// Refuse pictures above this many pixels instead of allocating for them.
// The fuzzing tree lowers it so that hostile headers cost megabytes, not
// hundreds of them, on every run; the checks themselves stay the same.
#ifndef VELLUMARK_MAX_IMAGE_PIXELS
#define VELLUMARK_MAX_IMAGE_PIXELS (64ull * 1024 * 1024)
#endif
constexpr std::uint64_t kMaxImagePixels = VELLUMARK_MAX_IMAGE_PIXELS;

ImageFormat detectImageFormat(const std::uint8_t* data, std::size_t size);
// False, with `out` left empty, when the bytes are no picture we can read.
bool decodeImage(const std::uint8_t* data, std::size_t size, DecodedImage& out);
// Width and height from the headers only; no pixel is decoded, so a picture
// above kMaxImagePixels is measured although it cannot be decoded.
bool measureImage(const std::uint8_t* data, std::size_t size, int& width, int& height);
