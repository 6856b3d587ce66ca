// Icons and cursors: the first image of the directory. A bitmap image is an
// XOR bitmap followed by a 1-bit AND mask; a PNG image is only measured.
#include "platform/image/byte_reader.h"
#include "platform/image/image_formats.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kDirectoryEntrySize = 16;
constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

struct IconEntry {
    // The directory stores 0 for 256.
    int width = 0;
    int height = 0;
    const std::uint8_t* image = nullptr;
    std::size_t imageSize = 0;
    bool isPng = false;
};

bool readFirstEntry(const std::uint8_t* data, std::size_t size, IconEntry& entry) {
    ByteReader reader(data, size);
    const std::uint16_t reserved = reader.u16();
    const std::uint16_t type = reader.u16();
    const std::uint16_t count = reader.u16();
    if (!reader.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0) return false;

    const std::uint8_t* directory = reader.take(kDirectoryEntrySize);
    if (directory == nullptr) return false;
    ByteReader fields(directory, kDirectoryEntrySize);
    entry.width = fields.u8();
    entry.height = fields.u8();
    if (entry.width == 0) entry.width = 256;
    if (entry.height == 0) entry.height = 256;
    fields.skip(6);  // colour count, reserved, planes or hotspot, bit count or hotspot
    const std::uint32_t imageSize = fields.u32();
    const std::uint32_t imageOffset = fields.u32();
    if (imageOffset < kDirectoryHeaderSize + kDirectoryEntrySize || imageOffset >= size)
        return false;

    // A size field larger than the file is trusted only as far as the bytes go.
    entry.image = data + imageOffset;
    entry.imageSize = std::min<std::uint64_t>(imageSize, size - imageOffset);
    entry.isPng = entry.imageSize >= sizeof(kPngSignature) &&
                  std::memcmp(entry.image, kPngSignature, sizeof(kPngSignature)) == 0;
    return true;
}

// Whether any pixel of a 32-bit XOR bitmap has alpha, judged on the whole
// bitmap as the file holds it, not only on the part that is decoded.
bool hasAnyAlpha(const IconEntry& entry, std::uint64_t xorEnd, int width, int height) {
    const std::uint64_t stride = static_cast<std::uint64_t>(width) * 4;
    const std::uint64_t rowsSize = stride * static_cast<std::uint64_t>(height);
    const std::uint64_t end = std::min<std::uint64_t>(xorEnd, entry.imageSize);
    const std::uint64_t start = xorEnd > rowsSize ? xorEnd - rowsSize : 0;
    for (std::uint64_t alpha = start + 3; alpha < end; alpha += 4)
        if (entry.image[alpha] != 0) return true;
    return false;
}

// Clears the pixels whose AND-mask bit is set and makes the others opaque.
// Rows of the mask that the file lacks leave their pixels opaque.
void applyAndMask(const std::uint8_t* mask, std::uint64_t maskBytes, std::uint64_t width,
                  std::uint64_t height, const SampleGrid& grid, DecodedImage& image) {
    const std::uint64_t stride = ((width + 31) / 32) * 4;
    for (int outputRow = 0; outputRow < image.height; ++outputRow) {
        // Bottom-up, like the XOR bitmap.
        const std::uint64_t row = height - 1 - grid.rows.sourceOf(outputRow);
        std::uint32_t* target =
            image.pixels.data() + static_cast<std::size_t>(outputRow) * image.width;
        const bool rowPresent = (row + 1) * stride <= maskBytes;
        const std::uint8_t* bits = mask + row * stride;
        for (int outputColumn = 0; outputColumn < image.width; ++outputColumn) {
            const std::uint64_t x = grid.columns.sourceOf(outputColumn);
            const bool transparent = rowPresent && ((bits[x >> 3] >> (7 - (x & 7))) & 1);
            target[outputColumn] =
                transparent ? kTransparent : (target[outputColumn] | 0xFF000000u);
        }
    }
}

struct DibSummary {
    unsigned bitCount = 0;
    bool topDown = false;
};

DibSummary summarizeDib(const IconEntry& entry) {
    DibSummary summary;
    ByteReader reader(entry.image, entry.imageSize);
    const std::uint32_t headerSize = reader.u32();
    if (headerSize == 12) {
        reader.skip(6);
        summary.bitCount = reader.u16();
    } else {
        reader.skip(4);
        summary.topDown = reader.i32() < 0;
        reader.skip(2);
        summary.bitCount = reader.u16();
    }
    return summary;
}

}  // namespace

bool decodeIcon(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                DecodedImage& out) {
    IconEntry entry;
    if (!readFirstEntry(data, size, entry) || entry.isPng) return false;
    // Icon bitmaps are bottom-up by definition, their mask included.
    const DibSummary summary = summarizeDib(entry);
    if (summary.topDown) return false;
    int width = 0;
    int height = 0;
    if (!measureDib(entry.image, entry.imageSize, true, width, height)) return false;

    DibRequest request;
    request.heightIncludesMask = true;
    request.keepAlpha = true;
    std::uint64_t xorEnd = 0;
    if (!decodeDib(entry.image, entry.imageSize, request, target, out, xorEnd)) {
        out = DecodedImage();
        return false;
    }

    // An icon with an alpha channel is drawn by it; one whose alpha is all
    // zero (or that has none) is drawn through its mask, as Windows does.
    const bool useMask = summary.bitCount != 32 || !hasAnyAlpha(entry, xorEnd, width, height);
    const std::uint8_t* mask = entry.image + std::min<std::uint64_t>(xorEnd, entry.imageSize);
    const std::uint64_t maskBytes = xorEnd < entry.imageSize ? entry.imageSize - xorEnd : 0;
    if (useMask)
        applyAndMask(mask, maskBytes, static_cast<std::uint64_t>(width),
                     static_cast<std::uint64_t>(height),
                     SampleGrid(static_cast<std::uint64_t>(width),
                                static_cast<std::uint64_t>(height), target),
                     out);
    return true;
}

bool measureIcon(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    IconEntry entry;
    if (!readFirstEntry(data, size, entry)) return false;
    if (entry.isPng) {
        width = entry.width;
        height = entry.height;
        return true;
    }
    if (summarizeDib(entry).topDown) return false;
    return measureDib(entry.image, entry.imageSize, true, width, height);
}
