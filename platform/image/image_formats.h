#pragma once
// The per-format decoders behind decodeImage and measureImage. Each one
// checks its own signature only as far as it needs; the dispatcher has
// already chosen the format from the first bytes.
#include "platform/image/image_decoder.h"
#include "platform/image/sample_grid.h"

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
constexpr std::uint32_t kTransparent = 0x00000000u;

inline std::uint32_t opaquePixel(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

inline bool withinPixelCap(std::uint64_t width, std::uint64_t height) {
    return width > 0 && height > 0 && width * height <= kMaxImagePixels;
}

// Sizes the picture with every pixel set to `fill`; false past the cap.
bool allocateImage(DecodedImage& out, int width, int height, std::uint32_t fill);
// Sizes it for the grid's output.
bool allocateImage(DecodedImage& out, const SampleGrid& grid, std::uint32_t fill);

bool decodeBitmap(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                  DecodedImage& out);
bool measureBitmap(const std::uint8_t* data, std::size_t size, int& width, int& height);

// A device-independent bitmap without a file header, as icons hold them.
struct DibRequest {
    // Offset of the pixel rows from the start of the DIB; 0 means right after
    // the colour table.
    std::uint64_t pixelOffset = 0;
    // Icons store the XOR image and the AND mask in one bitmap of twice the height.
    bool heightIncludesMask = false;
    // 32-bit bitmap files are opaque as GDI shows them; icons use their alpha.
    bool keepAlpha = false;
};
// On success `pixelEnd` is the offset just past the pixel rows (which may lie
// beyond `size` when the rows were cut short).
bool decodeDib(const std::uint8_t* dib, std::size_t size, const DibRequest& request,
               const DecodeTarget& target, DecodedImage& out, std::uint64_t& pixelEnd);
bool measureDib(const std::uint8_t* dib, std::size_t size, bool heightIncludesMask, int& width,
                int& height);

bool decodeGif(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
               DecodedImage& out);
bool measureGif(const std::uint8_t* data, std::size_t size, int& width, int& height);

// Icons and cursors share one layout.
bool decodeIcon(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                DecodedImage& out);
bool measureIcon(const std::uint8_t* data, std::size_t size, int& width, int& height);

bool decodePcx(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
               DecodedImage& out);
bool measurePcx(const std::uint8_t* data, std::size_t size, int& width, int& height);

bool decodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                DecodedImage& out);
bool measureJpeg(const std::uint8_t* data, std::size_t size, int& width, int& height);
