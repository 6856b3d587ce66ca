#pragma once
// Decoding picture bytes by their content, never by a file name.
#include <climits>
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

// How the place that shows a picture fits it in.
enum class BoxFit {
    // At its own size from the top-left corner: what lies past the box is
    // cut off, so it is never decoded.
    CutAtBox,
    // Stretched over the box: a larger picture is reduced to the box's size
    // (nearest pixel), and the box stretches that the rest of the way.
    ShrinkToBox,
};

// The place a picture is decoded for. Either way the output is
// min(picture, box) on each axis, so its buffer is sized for the box, not
// for the file.
struct DecodeTarget {
    int width = INT_MAX;
    int height = INT_MAX;
    BoxFit fit = BoxFit::CutAtBox;
};

// The picture at its own size, for callers that need every pixel.
constexpr DecodeTarget kWholePicture{};

// Refuse pictures above this many pixels, whatever the target: it bounds
// the work of walking a picture's rows.
constexpr std::uint64_t kMaxImagePixels = 64ull * 1024 * 1024;

ImageFormat detectImageFormat(const std::uint8_t* data, std::size_t size);
// False, with `out` left empty, when the bytes are no picture we can read
// within the limits.
bool decodeImage(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                 DecodedImage& out);
inline bool decodeImage(const std::uint8_t* data, std::size_t size, DecodedImage& out) {
    return decodeImage(data, size, kWholePicture, out);
}
// Width and height from the headers only; no pixel is decoded, so a picture
// above kMaxImagePixels is measured although it cannot be decoded.
bool measureImage(const std::uint8_t* data, std::size_t size, int& width, int& height);
