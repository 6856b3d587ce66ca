#include "platform/image/image_decoder.h"

#include "platform/image/image_formats.h"

#include <cstring>
#include <new>

namespace {

constexpr std::size_t kMinimumImageBytes = 6;

bool startsWith(const std::uint8_t* data, std::size_t size, const char* signature,
                std::size_t length) {
    return size >= length && std::memcmp(data, signature, length) == 0;
}

}  // namespace

bool allocateImage(DecodedImage& out, int width, int height, std::uint32_t fill) {
    if (!withinPixelCap(static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height)) ||
        width < 0 || height < 0)
        return false;
    try {
        out.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    } catch (const std::bad_alloc&) {
        out.pixels.clear();
        return false;
    }
    out.width = width;
    out.height = height;
    return true;
}

bool allocateImage(DecodedImage& out, const SampleGrid& grid, std::uint32_t fill) {
    return allocateImage(out, grid.columns.outputSize(), grid.rows.outputSize(), fill);
}

ImageFormat detectImageFormat(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kMinimumImageBytes) return ImageFormat::None;
    if (data[0] == 'B' && data[1] == 'M') return ImageFormat::Bitmap;
    if (data[0] == 0xFF && data[1] == 0xD8) return ImageFormat::Jpeg;
    if (data[0] == 0 && data[1] == 0 && (data[2] == 1 || data[2] == 2) && data[3] == 0) {
        const unsigned imageCount = data[4] | (data[5] << 8);
        if (imageCount == 0) return ImageFormat::None;
        return data[2] == 1 ? ImageFormat::Icon : ImageFormat::Cursor;
    }
    if (startsWith(data, size, "GIF87a", 6) || startsWith(data, size, "GIF89a", 6))
        return ImageFormat::Gif;
    if (data[0] == 0x0A) return ImageFormat::Pcx;
    return ImageFormat::None;
}

bool decodeImage(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                 DecodedImage& out) {
    out = DecodedImage();
    bool decoded = false;
    // Scratch buffers of the decoders may still fail to allocate under the cap;
    // that makes the picture undecodable, never an exception for the caller.
    try {
        switch (detectImageFormat(data, size)) {
        case ImageFormat::Bitmap: decoded = decodeBitmap(data, size, target, out); break;
        case ImageFormat::Jpeg: decoded = decodeJpeg(data, size, target, out); break;
        case ImageFormat::Icon:
        case ImageFormat::Cursor: decoded = decodeIcon(data, size, target, out); break;
        case ImageFormat::Gif: decoded = decodeGif(data, size, target, out); break;
        case ImageFormat::Pcx: decoded = decodePcx(data, size, target, out); break;
        case ImageFormat::None: break;
        }
    } catch (const std::bad_alloc&) {
        decoded = false;
    }
    if (!decoded) out = DecodedImage();
    return decoded;
}

bool measureImage(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    int measuredWidth = 0;
    int measuredHeight = 0;
    bool measured = false;
    switch (detectImageFormat(data, size)) {
    case ImageFormat::Bitmap:
        measured = measureBitmap(data, size, measuredWidth, measuredHeight);
        break;
    case ImageFormat::Jpeg:
        measured = measureJpeg(data, size, measuredWidth, measuredHeight);
        break;
    case ImageFormat::Icon:
    case ImageFormat::Cursor:
        measured = measureIcon(data, size, measuredWidth, measuredHeight);
        break;
    case ImageFormat::Gif: measured = measureGif(data, size, measuredWidth, measuredHeight); break;
    case ImageFormat::Pcx: measured = measurePcx(data, size, measuredWidth, measuredHeight); break;
    case ImageFormat::None: break;
    }
    width = measured ? measuredWidth : 0;
    height = measured ? measuredHeight : 0;
    return measured;
}
