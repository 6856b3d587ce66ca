// Windows bitmaps: the file header, then a device-independent bitmap (core,
// info or V4/V5 header, colour table or channel masks, pixel rows).
#include "platform/image/byte_reader.h"
#include "platform/image/image_formats.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kHeaderSizeWithRgbMasks = 52;
constexpr std::uint32_t kHeaderSizeWithAlphaMask = 56;

enum Compression : std::uint32_t {
    kCompressionRgb = 0,
    kCompressionRle8 = 1,
    kCompressionRle4 = 2,
    kCompressionBitfields = 3,
    kCompressionAlphaBitfields = 6,
};

struct DibHeader {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kCompressionRgb;
    // Red, green, blue, alpha.
    std::uint32_t masks[4] = {0, 0, 0, 0};
    std::uint64_t paletteOffset = 0;
    std::uint64_t paletteEntrySize = 4;
    std::uint64_t paletteEntriesDeclared = 0;
};

bool isSupportedLayout(const DibHeader& header, bool coreHeader) {
    const unsigned bits = header.bitCount;
    if (coreHeader) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    switch (header.compression) {
    case kCompressionRgb:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    // Compressed bitmaps are bottom-up by definition; GDI refuses top-down ones.
    case kCompressionRle8: return bits == 8 && !header.topDown;
    case kCompressionRle4: return bits == 4 && !header.topDown;
    case kCompressionBitfields:
    case kCompressionAlphaBitfields: return bits == 16 || bits == 32;
    default: return false;
    }
}

bool readDibHeader(const std::uint8_t* dib, std::size_t size, bool heightIncludesMask,
                   DibHeader& header) {
    ByteReader reader(dib, size);
    const std::uint32_t headerSize = reader.u32();
    const bool coreHeader = headerSize == kCoreHeaderSize;
    if (!coreHeader && headerSize < kInfoHeaderSize) return false;

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint64_t colorsUsed = 0;
    if (coreHeader) {
        width = reader.u16();
        height = reader.u16();
        reader.u16();  // planes
        header.bitCount = reader.u16();
        header.paletteEntrySize = 3;
    } else {
        width = reader.i32();
        height = reader.i32();
        reader.u16();  // planes
        header.bitCount = reader.u16();
        header.compression = reader.u32();
        reader.skip(12);  // image size and resolution: the rows themselves are what counts
        colorsUsed = reader.u32();
        reader.u32();  // important colours
        if (headerSize >= kHeaderSizeWithRgbMasks) {
            for (int channel = 0; channel < 3; ++channel) header.masks[channel] = reader.u32();
        }
        if (headerSize >= kHeaderSizeWithAlphaMask) header.masks[3] = reader.u32();
    }
    // The whole declared header must be there, whatever its version.
    if (!reader.ok() || !reader.seek(headerSize)) return false;

    // A plain info header keeps the channel masks right after it.
    if (headerSize == kInfoHeaderSize && (header.compression == kCompressionBitfields ||
                                          header.compression == kCompressionAlphaBitfields)) {
        const int maskCount = header.compression == kCompressionAlphaBitfields ? 4 : 3;
        for (int channel = 0; channel < maskCount; ++channel) header.masks[channel] = reader.u32();
        if (!reader.ok()) return false;
    }
    header.paletteOffset = reader.position();

    header.topDown = height < 0;
    if (height < 0) height = -height;
    if (heightIncludesMask) height /= 2;
    if (width <= 0 || height <= 0 || width > INT_MAX || height > INT_MAX) return false;
    header.width = static_cast<std::uint64_t>(width);
    header.height = static_cast<std::uint64_t>(height);

    if (header.bitCount <= 8)
        header.paletteEntriesDeclared = colorsUsed != 0 ? colorsUsed : (1ull << header.bitCount);
    else
        header.paletteEntriesDeclared = colorsUsed;

    return isSupportedLayout(header, coreHeader);
}

struct Channel {
    std::uint32_t mask = 0;
    unsigned shift = 0;
    unsigned bits = 0;

    explicit Channel(std::uint32_t channelMask) : mask(channelMask) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        // The span from the lowest to the highest set bit, so a mask with
        // holes still yields at most 8 bits.
        unsigned highest = 31;
        while (((mask >> highest) & 1u) == 0) --highest;
        bits = highest - shift + 1;
    }

    std::uint32_t extract(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        const std::uint32_t value = (pixel & mask) >> shift;
        if (bits >= 8) return value >> (bits - 8);
        const std::uint32_t maximum = (1u << bits) - 1;
        return (value * 255 + maximum / 2) / maximum;
    }
};

std::uint32_t loadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

class RowDecoder {
public:
    RowDecoder(const DibHeader& header, const std::uint32_t* palette, bool keepAlpha)
        : header_(header),
          palette_(palette),
          keepAlpha_(keepAlpha),
          red_(header.masks[0]),
          green_(header.masks[1]),
          blue_(header.masks[2]),
          alpha_(keepAlpha ? header.masks[3] : 0) {
        const bool masked = header.compression == kCompressionBitfields ||
                            header.compression == kCompressionAlphaBitfields;
        if (!masked && header.bitCount == 16) {
            red_ = Channel(0x7C00);
            green_ = Channel(0x03E0);
            blue_ = Channel(0x001F);
        }
        plain32_ = header.bitCount == 32 &&
                   (!masked || (header.masks[0] == 0x00FF0000 && header.masks[1] == 0x0000FF00 &&
                                header.masks[2] == 0x000000FF &&
                                (!keepAlpha || header.masks[3] == 0xFF000000)));
    }

    // The row's pixels at the columns the output samples.
    void decode(const std::uint8_t* source, std::uint32_t* target,
                const SampleAxis& columns) const {
        const int width = columns.outputSize();
        auto at = [&columns](int x) { return static_cast<std::size_t>(columns.sourceOf(x)); };
        switch (header_.bitCount) {
        case 1:
            for (int x = 0; x < width; ++x)
                target[x] = palette_[(source[at(x) >> 3] >> (7 - (at(x) & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                target[x] = palette_[(source[at(x) >> 1] >> ((at(x) & 1) ? 0 : 4)) & 0x0F];
            break;
        case 8:
            for (int x = 0; x < width; ++x) target[x] = palette_[source[at(x)]];
            break;
        case 16:
            for (int x = 0; x < width; ++x)
                target[x] = fromMasks(
                    static_cast<std::uint32_t>(source[2 * at(x)] | (source[2 * at(x) + 1] << 8)));
            break;
        case 24:
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* pixel = source + 3 * at(x);
                target[x] = opaquePixel(pixel[2], pixel[1], pixel[0]);
            }
            break;
        case 32:
            if (plain32_) {
                const std::uint32_t alphaFill = keepAlpha_ ? 0 : 0xFF000000u;
                for (int x = 0; x < width; ++x)
                    target[x] = loadLe32(source + 4 * at(x)) | alphaFill;
            } else {
                for (int x = 0; x < width; ++x) target[x] = fromMasks(loadLe32(source + 4 * at(x)));
            }
            break;
        }
    }

private:
    std::uint32_t fromMasks(std::uint32_t pixel) const {
        const std::uint32_t alpha = alpha_.mask != 0 ? alpha_.extract(pixel) : 0xFF;
        return (alpha << 24) | (red_.extract(pixel) << 16) | (green_.extract(pixel) << 8) |
               blue_.extract(pixel);
    }

    const DibHeader& header_;
    const std::uint32_t* palette_;
    bool keepAlpha_;
    Channel red_;
    Channel green_;
    Channel blue_;
    Channel alpha_;
    bool plain32_ = false;
};

// Run-length encoded rows; pixels the stream skips or never reaches stay as filled.
// Only pixels the output samples are stored; the stream is walked whole.
std::uint64_t decodeRunLength(const std::uint8_t* rows, std::size_t available,
                              const DibHeader& header, const std::uint32_t* palette,
                              const SampleGrid& grid, DecodedImage& out) {
    const bool fourBit = header.compression == kCompressionRle4;
    const std::uint64_t width = header.width;
    const std::uint64_t height = header.height;
    const std::size_t outputWidth = static_cast<std::size_t>(grid.columns.outputSize());
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    int outputRow = grid.rows.outputOf(height - 1);
    auto put = [&](unsigned index) {
        if (outputRow >= 0 && x < width) {
            const int outputColumn = grid.columns.outputOf(x);
            if (outputColumn >= 0)
                out.pixels[static_cast<std::size_t>(outputRow) * outputWidth + outputColumn] =
                    palette[index];
        }
        ++x;
    };
    auto moveToRow = [&](std::uint64_t row) {
        y = row;
        outputRow = y < height ? grid.rows.outputOf(height - 1 - y) : -1;
    };

    ByteReader reader(rows, available);
    while (y < height && reader.remaining() >= 2) {
        const unsigned count = reader.u8();
        const unsigned value = reader.u8();
        if (count > 0) {
            for (unsigned i = 0; i < count && x < width; ++i)
                put(fourBit ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            moveToRow(y + 1);
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            x += reader.u8();
            moveToRow(y + reader.u8());
        } else {
            const std::size_t byteCount = fourBit ? (value + 1) / 2 : value;
            const std::size_t present = std::min(byteCount, reader.remaining());
            const std::uint8_t* literal = reader.take(present);
            for (unsigned i = 0; i < value && x < width; ++i) {
                const std::size_t byteIndex = fourBit ? i / 2 : i;
                if (byteIndex >= present) break;
                put(fourBit ? ((i & 1) ? (literal[byteIndex] & 0x0F) : (literal[byteIndex] >> 4))
                            : literal[byteIndex]);
            }
            // Literal runs are padded to a 16-bit boundary.
            if (byteCount & 1) reader.skip(1);
        }
    }
    return reader.position();
}

}  // namespace

bool measureDib(const std::uint8_t* dib, std::size_t size, bool heightIncludesMask, int& width,
                int& height) {
    DibHeader header;
    if (!readDibHeader(dib, size, heightIncludesMask, header)) return false;
    width = static_cast<int>(header.width);
    height = static_cast<int>(header.height);
    return true;
}

bool decodeDib(const std::uint8_t* dib, std::size_t size, const DibRequest& request,
               const DecodeTarget& target, DecodedImage& out, std::uint64_t& pixelEnd) {
    DibHeader header;
    if (!readDibHeader(dib, size, request.heightIncludesMask, header) ||
        !withinPixelCap(header.width, header.height))
        return false;

    const std::uint64_t paletteBytes = header.paletteEntriesDeclared * header.paletteEntrySize;
    const std::uint64_t pixelOffset =
        request.pixelOffset != 0 ? request.pixelOffset : header.paletteOffset + paletteBytes;
    if (pixelOffset >= size) return false;

    // Indices past the colours the file really holds show black.
    std::uint32_t palette[256];
    std::fill(std::begin(palette), std::end(palette), kOpaqueBlack);
    if (header.bitCount <= 8) {
        const std::uint64_t inFile = (size - header.paletteOffset) / header.paletteEntrySize;
        const std::uint64_t entries =
            std::min({header.paletteEntriesDeclared, std::uint64_t{1} << header.bitCount, inFile});
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::uint8_t* entry = dib + header.paletteOffset + i * header.paletteEntrySize;
            palette[i] = opaquePixel(entry[2], entry[1], entry[0]);
        }
    }

    const SampleGrid grid(header.width, header.height, target);
    if (!allocateImage(out, grid, kOpaqueBlack)) return false;

    const std::uint8_t* rows = dib + pixelOffset;
    const std::size_t available = size - static_cast<std::size_t>(pixelOffset);
    if (header.compression == kCompressionRle8 || header.compression == kCompressionRle4) {
        pixelEnd = pixelOffset + decodeRunLength(rows, available, header, palette, grid, out);
        return true;
    }

    const std::uint64_t stride = ((header.width * header.bitCount + 31) / 32) * 4;
    pixelEnd = pixelOffset + stride * header.height;
    // Rows past the end of a cut-short file stay black, as Windows shows them.
    const std::uint64_t rowsPresent = std::min<std::uint64_t>(header.height, available / stride);
    const RowDecoder rowDecoder(header, palette, request.keepAlpha);
    for (int outputRow = 0; outputRow < grid.rows.outputSize(); ++outputRow) {
        const std::uint64_t imageRow = grid.rows.sourceOf(outputRow);
        const std::uint64_t fileRow = header.topDown ? imageRow : header.height - 1 - imageRow;
        if (fileRow < rowsPresent)
            rowDecoder.decode(rows + fileRow * stride,
                              out.pixels.data() + static_cast<std::size_t>(outputRow) * out.width,
                              grid.columns);
    }
    return true;
}

namespace {

// The DIB that follows the file header, and where the file says its rows start.
bool locateDib(const std::uint8_t* data, std::size_t size, std::uint64_t& pixelOffsetInDib) {
    if (size <= kFileHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
    ByteReader reader(data, size);
    reader.skip(10);
    const std::uint32_t pixelOffset = reader.u32();
    const std::uint32_t headerSize = reader.u32();
    if (!reader.ok()) return false;
    // Some writers leave the offset 0; the rows then follow the colour table.
    if (pixelOffset == 0) {
        pixelOffsetInDib = 0;
        return true;
    }
    if (pixelOffset < kFileHeaderSize + static_cast<std::uint64_t>(headerSize) ||
        pixelOffset >= size)
        return false;
    pixelOffsetInDib = pixelOffset - kFileHeaderSize;
    return true;
}

}  // namespace

bool decodeBitmap(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                  DecodedImage& out) {
    DibRequest request;
    if (!locateDib(data, size, request.pixelOffset)) return false;
    std::uint64_t pixelEnd = 0;
    if (decodeDib(data + kFileHeaderSize, size - kFileHeaderSize, request, target, out, pixelEnd))
        return true;
    out = DecodedImage();
    return false;
}

bool measureBitmap(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    if (size <= kFileHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
    return measureDib(data + kFileHeaderSize, size - kFileHeaderSize, false, width, height);
}
