// PCX: 8-bit pictures with the 256-colour table at the end, and monochrome
// ones. Other plane layouts are refused.
#include "platform/image/byte_reader.h"
#include "platform/image/image_formats.h"

#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kTrailingPaletteSize = 769;
constexpr std::uint8_t kTrailingPaletteMarker = 0x0C;

struct PcxHeader {
    bool runLengthEncoded = false;
    unsigned bitsPerPixel = 0;
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::size_t bytesPerLine = 0;
};

bool readHeader(const std::uint8_t* data, std::size_t size, PcxHeader& header) {
    ByteReader reader(data, size);
    const std::uint8_t manufacturer = reader.u8();
    reader.u8();  // version
    const std::uint8_t encoding = reader.u8();
    header.bitsPerPixel = reader.u8();
    const std::uint16_t left = reader.u16();
    const std::uint16_t top = reader.u16();
    const std::uint16_t right = reader.u16();
    const std::uint16_t bottom = reader.u16();
    reader.seek(65);
    const std::uint8_t planes = reader.u8();
    header.bytesPerLine = reader.u16();
    if (!reader.ok() || size < kHeaderSize || manufacturer != 0x0A || encoding > 1) return false;
    if (right < left || bottom < top) return false;
    header.runLengthEncoded = encoding == 1;
    header.width = static_cast<std::uint64_t>(right - left) + 1;
    header.height = static_cast<std::uint64_t>(bottom - top) + 1;
    const bool supported = planes == 1 && (header.bitsPerPixel == 8 || header.bitsPerPixel == 1);
    return supported && header.bytesPerLine >= (header.width * header.bitsPerPixel + 7) / 8;
}

// Hands out the bytes of the scanlines, expanding runs. Runs may cross from
// one scanline into the next, as several writers emit them.
class ScanlineSource {
public:
    ScanlineSource(const std::uint8_t* data, std::size_t end, bool runLengthEncoded)
        : data_(data), end_(end), runLengthEncoded_(runLengthEncoded) {}

    // False when the data ends before the line is full.
    bool fill(std::vector<std::uint8_t>& line) {
        for (std::uint8_t& byte : line) {
            while (runLeft_ == 0) {
                if (position_ >= end_) return false;
                const std::uint8_t code = data_[position_++];
                if (runLengthEncoded_ && (code & 0xC0) == 0xC0) {
                    if (position_ >= end_) return false;
                    runLeft_ = code & 0x3F;
                    runValue_ = data_[position_++];
                } else {
                    runLeft_ = 1;
                    runValue_ = code;
                }
            }
            byte = runValue_;
            --runLeft_;
        }
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t end_;
    bool runLengthEncoded_;
    std::size_t position_ = kHeaderSize;
    unsigned runLeft_ = 0;
    std::uint8_t runValue_ = 0;
};

}  // namespace

bool decodePcx(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
               DecodedImage& out) {
    PcxHeader header;
    if (!readHeader(data, size, header) || !withinPixelCap(header.width, header.height))
        return false;

    std::uint32_t palette[256];
    std::size_t dataEnd = size;
    if (header.bitsPerPixel == 1) {
        palette[0] = kOpaqueBlack;
        palette[1] = opaquePixel(255, 255, 255);
    } else if (size >= kHeaderSize + kTrailingPaletteSize &&
               data[size - kTrailingPaletteSize] == kTrailingPaletteMarker) {
        dataEnd = size - kTrailingPaletteSize;
        const std::uint8_t* entries = data + dataEnd + 1;
        for (unsigned i = 0; i < 256; ++i)
            palette[i] = opaquePixel(entries[3 * i], entries[3 * i + 1], entries[3 * i + 2]);
    } else {
        // No colour table at the end: read the indices as grey levels.
        for (unsigned i = 0; i < 256; ++i) palette[i] = opaquePixel(i, i, i);
    }

    const SampleGrid grid(header.width, header.height, target);
    if (!allocateImage(out, grid, kOpaqueBlack)) return false;

    // Lines past the end of a cut-short file stay black. Runs may cross
    // lines, so every line up to the last one shown is expanded.
    ScanlineSource source(data, dataEnd, header.runLengthEncoded);
    std::vector<std::uint8_t> line(header.bytesPerLine);
    const std::uint64_t rowsNeeded = grid.rows.sourceNeeded();
    for (std::uint64_t row = 0; row < rowsNeeded && source.fill(line); ++row) {
        const int outputRow = grid.rows.outputOf(row);
        if (outputRow < 0) continue;
        std::uint32_t* pixels = out.pixels.data() + static_cast<std::size_t>(outputRow) * out.width;
        for (int outputColumn = 0; outputColumn < out.width; ++outputColumn) {
            const std::size_t x = static_cast<std::size_t>(grid.columns.sourceOf(outputColumn));
            pixels[outputColumn] = header.bitsPerPixel == 8
                                       ? palette[line[x]]
                                       : palette[(line[x >> 3] >> (7 - (x & 7))) & 1];
        }
    }
    return true;
}

bool measurePcx(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    PcxHeader header;
    if (!readHeader(data, size, header)) return false;
    width = static_cast<int>(header.width);
    height = static_cast<int>(header.height);
    return true;
}
