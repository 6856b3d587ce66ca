// GIF: the first frame only, drawn on the logical screen. Pixels the frame
// does not cover, or that a cut-short or corrupt stream never reaches, stay
// transparent.
#include "platform/image/byte_reader.h"
#include "platform/image/image_formats.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t kSignatureSize = 6;
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr unsigned kMaxLzwCodeBits = 12;
constexpr unsigned kMaxLzwCodes = 1u << kMaxLzwCodeBits;

struct ColourTable {
    std::uint32_t colours[256];
    unsigned count = 0;
};

struct Frame {
    unsigned left = 0;
    unsigned top = 0;
    unsigned width = 0;
    unsigned height = 0;
    bool interlaced = false;
    bool hasLocalTable = false;
    unsigned localTableBits = 0;
};

struct GifLayout {
    unsigned screenWidth = 0;
    unsigned screenHeight = 0;
    ColourTable globalTable;
    int transparentIndex = -1;
    Frame frame;
    ColourTable localTable;
    // Position of the LZW minimum code size byte.
    std::size_t imageDataOffset = 0;
};

bool readColourTable(ByteReader& reader, unsigned sizeBits, ColourTable& table) {
    table.count = 1u << (sizeBits + 1);
    const std::uint8_t* entries = reader.take(3ull * table.count);
    if (entries == nullptr) return false;
    for (unsigned i = 0; i < table.count; ++i)
        table.colours[i] = opaquePixel(entries[3 * i], entries[3 * i + 1], entries[3 * i + 2]);
    return true;
}

// Skips data sub-blocks up to and including the empty terminator.
bool skipSubBlocks(ByteReader& reader) {
    for (;;) {
        const std::uint8_t length = reader.u8();
        if (!reader.ok()) return false;
        if (length == 0) return true;
        if (!reader.skip(length)) return false;
    }
}

bool readGraphicControl(ByteReader& reader, int& transparentIndex) {
    const std::uint8_t length = reader.u8();
    const std::uint8_t* block = reader.take(length);
    if (block == nullptr) return false;
    if (length >= 4) transparentIndex = (block[0] & 1) ? block[3] : -1;
    return skipSubBlocks(reader);
}

// Reads everything up to the first frame's pixel data. With `readTables`
// false only sizes are gathered, for measuring.
bool readLayout(const std::uint8_t* data, std::size_t size, bool readTables, GifLayout& layout) {
    ByteReader reader(data, size);
    reader.skip(kSignatureSize);
    layout.screenWidth = reader.u16();
    layout.screenHeight = reader.u16();
    const std::uint8_t screenFlags = reader.u8();
    reader.skip(2);  // background colour, aspect ratio
    if (!reader.ok()) return false;
    if (screenFlags & 0x80) {
        if (readTables) {
            if (!readColourTable(reader, screenFlags & 0x07, layout.globalTable)) return false;
        } else if (!reader.skip(3ull << ((screenFlags & 0x07) + 1))) {
            return false;
        }
    }

    for (;;) {
        const std::uint8_t introducer = reader.u8();
        if (!reader.ok()) return false;
        if (introducer == kExtensionIntroducer) {
            const std::uint8_t label = reader.u8();
            const bool read = label == kGraphicControlLabel
                                  ? readGraphicControl(reader, layout.transparentIndex)
                                  : skipSubBlocks(reader);
            if (!read) return false;
            continue;
        }
        // The trailer, or anything unknown, before the first frame: no picture.
        if (introducer != kImageSeparator) return false;

        Frame& frame = layout.frame;
        frame.left = reader.u16();
        frame.top = reader.u16();
        frame.width = reader.u16();
        frame.height = reader.u16();
        const std::uint8_t frameFlags = reader.u8();
        if (!reader.ok()) return false;
        frame.interlaced = (frameFlags & 0x40) != 0;
        frame.hasLocalTable = (frameFlags & 0x80) != 0;
        frame.localTableBits = frameFlags & 0x07;
        if (frame.hasLocalTable && readTables) {
            if (!readColourTable(reader, frame.localTableBits, layout.localTable)) return false;
        } else if (frame.hasLocalTable && !reader.skip(3ull << (frame.localTableBits + 1))) {
            return false;
        }
        layout.imageDataOffset = reader.position();
        return true;
    }
}

// The logical screen is what Windows reports; a screen of zero size (some
// writers leave it so) falls back to the extent of the first frame.
void canvasSize(const GifLayout& layout, unsigned& width, unsigned& height) {
    width = layout.screenWidth;
    height = layout.screenHeight;
    if (width == 0 || height == 0) {
        width = layout.frame.left + layout.frame.width;
        height = layout.frame.top + layout.frame.height;
    }
}

// Joins the data sub-blocks into one stream; a cut-short file yields what is there.
std::vector<std::uint8_t> gatherSubBlocks(ByteReader& reader) {
    std::vector<std::uint8_t> stream;
    stream.reserve(reader.remaining());
    for (;;) {
        const std::uint8_t length = reader.u8();
        if (!reader.ok() || length == 0) break;
        const std::size_t present = std::min<std::size_t>(length, reader.remaining());
        const std::uint8_t* block = reader.take(present);
        stream.insert(stream.end(), block, block + present);
    }
    return stream;
}

// Where the n-th stored row of a frame goes on the frame.
unsigned displayRow(unsigned storedRow, unsigned height, bool interlaced) {
    if (!interlaced) return storedRow;
    static const unsigned kPassStart[] = {0, 4, 2, 1};
    static const unsigned kPassStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        const unsigned rowsInPass =
            height > kPassStart[pass]
                ? (height - kPassStart[pass] + kPassStep[pass] - 1) / kPassStep[pass]
                : 0;
        if (storedRow < rowsInPass) return kPassStart[pass] + storedRow * kPassStep[pass];
        storedRow -= rowsInPass;
    }
    return height;
}

// Takes the frame's colour indices in stored order, one row at a time, and
// puts the rows and columns the output samples onto it. Rows that are cut
// off or not sampled are decoded only to be dropped.
class FrameRows {
public:
    FrameRows(const Frame& frame, const SampleGrid& grid, const std::uint32_t* colours,
              DecodedImage& out)
        : frame_(frame), grid_(grid), colours_(colours), out_(out), row_(frame.width) {
        // Frame columns that lie on the screen; the rest are never looked at.
        const std::uint64_t screenWidth = grid.columns.sourceSize();
        visibleColumns_ = frame.left < screenWidth
                              ? std::min<std::uint64_t>(frame.width, screenWidth - frame.left)
                              : 0;
        // Decoding stops after the last stored row that any output row needs.
        const std::uint64_t screenRowsNeeded = grid.rows.sourceNeeded();
        for (unsigned stored = 0; stored < frame.height; ++stored) {
            if (frame.top + std::uint64_t{displayRow(stored, frame.height, frame.interlaced)} <
                screenRowsNeeded)
                storedRowsNeeded_ = stored + 1;
            else if (!frame.interlaced)
                break;
        }
    }

    bool full() const { return storedRow_ >= storedRowsNeeded_; }

    void put(const std::uint8_t* indices, std::size_t count) {
        while (count > 0 && !full()) {
            const std::size_t taken = std::min<std::size_t>(count, frame_.width - column_);
            std::copy(indices, indices + taken, row_.begin() + column_);
            column_ += taken;
            indices += taken;
            count -= taken;
            if (column_ == frame_.width) finishRow();
        }
    }

    // A row the stream ends inside of shows what it got.
    void finish() {
        if (column_ > 0 && !full()) finishRow();
    }

private:
    void finishRow() {
        const std::uint64_t screenRow =
            frame_.top + std::uint64_t{displayRow(storedRow_, frame_.height, frame_.interlaced)};
        const int outputRow = grid_.rows.outputOf(screenRow);
        if (outputRow >= 0) {
            std::uint32_t* target =
                out_.pixels.data() + static_cast<std::size_t>(outputRow) * out_.width;
            for (int outputColumn = 0; outputColumn < out_.width; ++outputColumn) {
                const std::uint64_t screenColumn = grid_.columns.sourceOf(outputColumn);
                if (screenColumn < frame_.left || screenColumn - frame_.left >= visibleColumns_)
                    continue;
                const std::size_t frameColumn =
                    static_cast<std::size_t>(screenColumn - frame_.left);
                if (frameColumn < column_) target[outputColumn] = colours_[row_[frameColumn]];
            }
        }
        ++storedRow_;
        column_ = 0;
    }

    const Frame& frame_;
    const SampleGrid& grid_;
    const std::uint32_t* colours_;
    DecodedImage& out_;
    std::vector<std::uint8_t> row_;
    std::uint64_t visibleColumns_ = 0;
    unsigned storedRowsNeeded_ = 0;
    unsigned storedRow_ = 0;
    std::size_t column_ = 0;
};

// Decodes LZW codes into colour indices for `rows`. Stops at the end code,
// at the first invalid code, when the rows are full, or after
// kMaxImagePixels indices, which bounds the work a long stream can ask for.
void decodeLzw(const std::vector<std::uint8_t>& stream, unsigned minimumCodeSize, FrameRows& rows) {
    std::uint16_t prefix[kMaxLzwCodes];
    std::uint8_t suffix[kMaxLzwCodes];
    std::uint8_t firstByte[kMaxLzwCodes];
    std::uint16_t length[kMaxLzwCodes];
    std::uint8_t string[kMaxLzwCodes];

    const unsigned clearCode = 1u << minimumCodeSize;
    const unsigned endCode = clearCode + 1;
    for (unsigned code = 0; code < clearCode; ++code) {
        prefix[code] = 0;
        suffix[code] = static_cast<std::uint8_t>(code);
        firstByte[code] = static_cast<std::uint8_t>(code);
        length[code] = 1;
    }

    unsigned codeBits = minimumCodeSize + 1;
    unsigned nextCode = endCode + 1;
    int previousCode = -1;
    std::uint64_t written = 0;

    std::uint32_t bitBuffer = 0;
    unsigned bitCount = 0;
    std::size_t streamPosition = 0;

    while (!rows.full() && written < kMaxImagePixels) {
        while (bitCount < codeBits && streamPosition < stream.size()) {
            bitBuffer |= static_cast<std::uint32_t>(stream[streamPosition++]) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeBits) break;
        const unsigned code = bitBuffer & ((1u << codeBits) - 1);
        bitBuffer >>= codeBits;
        bitCount -= codeBits;

        if (code == clearCode) {
            codeBits = minimumCodeSize + 1;
            nextCode = endCode + 1;
            previousCode = -1;
            continue;
        }
        if (code == endCode) break;

        if (previousCode < 0) {
            if (code >= clearCode) break;
            const std::uint8_t index = static_cast<std::uint8_t>(code);
            rows.put(&index, 1);
            ++written;
            previousCode = static_cast<int>(code);
            continue;
        }

        if (code > nextCode || (code == nextCode && nextCode >= kMaxLzwCodes)) break;
        // Once the table is full the encoder may go on with 12-bit codes and
        // no new entries until it sends a clear code (the deferred clear).
        if (nextCode < kMaxLzwCodes) {
            const unsigned previous = static_cast<unsigned>(previousCode);
            prefix[nextCode] = static_cast<std::uint16_t>(previous);
            firstByte[nextCode] = firstByte[previous];
            // The code that is being defined by this very step starts with
            // the first byte of the previous string.
            suffix[nextCode] = code == nextCode ? firstByte[previous] : firstByte[code];
            length[nextCode] = static_cast<std::uint16_t>(length[previous] + 1);
            ++nextCode;
            if (nextCode == (1u << codeBits) && codeBits < kMaxLzwCodeBits) ++codeBits;
        }

        // Strings are spelled back to front along their prefix chain.
        const std::size_t stringLength = length[code];
        unsigned link = code;
        for (std::size_t i = stringLength; i-- > 0;) {
            string[i] = suffix[link];
            link = prefix[link];
        }
        rows.put(string, stringLength);
        written += stringLength;
        previousCode = static_cast<int>(code);
    }
    rows.finish();
}

}  // namespace

bool decodeGif(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
               DecodedImage& out) {
    GifLayout layout;
    if (!readLayout(data, size, true, layout)) return false;
    const Frame& frame = layout.frame;
    unsigned canvasWidth = 0;
    unsigned canvasHeight = 0;
    canvasSize(layout, canvasWidth, canvasHeight);
    // Only the canvas is bounded: the frame is clipped to it, so a frame that
    // claims more than its screen costs no more than the screen.
    if (!withinPixelCap(canvasWidth, canvasHeight) || frame.width == 0 || frame.height == 0)
        return false;

    ByteReader reader(data, size);
    reader.seek(layout.imageDataOffset);
    const unsigned minimumCodeSize = reader.u8();
    if (!reader.ok() || minimumCodeSize < 2 || minimumCodeSize > 8) return false;

    const ColourTable* table = frame.hasLocalTable
                                   ? &layout.localTable
                                   : (layout.globalTable.count ? &layout.globalTable : nullptr);
    std::uint32_t colours[256];
    for (unsigned i = 0; i < 256; ++i) {
        // Without any colour table the indices are read as grey levels.
        if (table == nullptr)
            colours[i] = opaquePixel(i, i, i);
        else
            colours[i] = i < table->count ? table->colours[i] : kOpaqueBlack;
    }
    if (layout.transparentIndex >= 0) colours[layout.transparentIndex] = kTransparent;

    const SampleGrid grid(canvasWidth, canvasHeight, target);
    if (!allocateImage(out, grid, kTransparent)) return false;

    const std::vector<std::uint8_t> stream = gatherSubBlocks(reader);
    FrameRows rows(frame, grid, colours, out);
    decodeLzw(stream, minimumCodeSize, rows);
    return true;
}

bool measureGif(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    GifLayout layout;
    if (!readLayout(data, size, false, layout)) return false;
    unsigned canvasWidth = 0;
    unsigned canvasHeight = 0;
    canvasSize(layout, canvasWidth, canvasHeight);
    if (canvasWidth == 0 || canvasHeight == 0) return false;
    width = static_cast<int>(canvasWidth);
    height = static_cast<int>(canvasHeight);
    return true;
}
