#pragma once
// Small writers for the picture formats the decoders read, so tests, fuzz
// seeds and benchmarks generate their pictures instead of carrying files.
// Colours are 0x00RRGGBB; pixel rows are given top-down.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace image_fixtures {

using Bytes = std::vector<std::uint8_t>;

inline void putU16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void putU32(Bytes& out, std::uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

// Patches a field of a written file; a field past the end grows the file.
inline void setU32(Bytes& out, std::size_t offset, std::uint32_t value) {
    if (out.size() < offset + 4) out.resize(offset + 4, 0);
    for (int i = 0; i < 4; ++i) out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// ---- Bitmaps --------------------------------------------------------------

struct Bitmap {
    int width = 0;
    int height = 0;
    unsigned bitCount = 24;
    bool topDown = false;
    // 12 (core), 40 (info), 108 (V4) or 124 (V5).
    std::uint32_t headerSize = 40;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette;
    // The colours-used field; -1 writes the palette's size.
    long long colorsUsed = -1;
    // Red, green, blue and alpha masks for compression 3 (bitfields).
    std::vector<std::uint32_t> masks;
    // One value a pixel, top-down: a palette index, or the raw 16, 24 or 32
    // bit pixel value.
    std::vector<std::uint32_t> values;
    // Used instead of `values` for the run-length compressions.
    Bytes encodedRows;
};

inline std::size_t bitmapStride(int width, unsigned bitCount) {
    return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

inline Bytes encodeBitmapRows(const Bitmap& bitmap) {
    const std::size_t stride = bitmapStride(bitmap.width, bitmap.bitCount);
    Bytes rows(stride * bitmap.height, 0);
    for (int fileRow = 0; fileRow < bitmap.height; ++fileRow) {
        const int imageRow = bitmap.topDown ? fileRow : bitmap.height - 1 - fileRow;
        std::uint8_t* row = rows.data() + fileRow * stride;
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t value =
                bitmap.values[static_cast<std::size_t>(imageRow) * bitmap.width + x];
            switch (bitmap.bitCount) {
            case 1: row[x / 8] |= static_cast<std::uint8_t>((value & 1) << (7 - x % 8)); break;
            case 4: row[x / 2] |= static_cast<std::uint8_t>((value & 15) << (x % 2 ? 0 : 4)); break;
            default:
                for (unsigned byte = 0; byte < bitmap.bitCount / 8; ++byte)
                    row[x * (bitmap.bitCount / 8) + byte] =
                        static_cast<std::uint8_t>(value >> (8 * byte));
            }
        }
    }
    return rows;
}

// The DIB alone: header, masks, colour table, rows.
inline Bytes makeDib(const Bitmap& bitmap, int headerHeight) {
    Bytes dib;
    putU32(dib, bitmap.headerSize);
    if (bitmap.headerSize == 12) {
        putU16(dib, bitmap.width);
        putU16(dib, headerHeight);
        putU16(dib, 1);
        putU16(dib, bitmap.bitCount);
    } else {
        putU32(dib, static_cast<std::uint32_t>(bitmap.width));
        putU32(dib, static_cast<std::uint32_t>(bitmap.topDown ? -headerHeight : headerHeight));
        putU16(dib, 1);
        putU16(dib, bitmap.bitCount);
        putU32(dib, bitmap.compression);
        putU32(dib, 0);  // image size: may be 0 for uncompressed rows
        putU32(dib, 2835);
        putU32(dib, 2835);
        putU32(dib, static_cast<std::uint32_t>(bitmap.colorsUsed >= 0 ? bitmap.colorsUsed
                                                                      : bitmap.palette.size()));
        putU32(dib, 0);
        std::vector<std::uint32_t> masks = bitmap.masks;
        masks.resize(4, 0);
        if (bitmap.headerSize > 40) {
            for (std::uint32_t mask : masks) putU32(dib, mask);
        } else if (bitmap.compression == 3) {
            for (int channel = 0; channel < 3; ++channel) putU32(dib, masks[channel]);
        }
        dib.resize(dib.size() + (bitmap.headerSize > 56 ? bitmap.headerSize - 56 : 0), 0);
    }
    for (std::uint32_t colour : bitmap.palette) {
        dib.push_back(static_cast<std::uint8_t>(colour));
        dib.push_back(static_cast<std::uint8_t>(colour >> 8));
        dib.push_back(static_cast<std::uint8_t>(colour >> 16));
        if (bitmap.headerSize != 12) dib.push_back(0);
    }
    const Bytes rows = bitmap.compression == 1 || bitmap.compression == 2
                           ? bitmap.encodedRows
                           : encodeBitmapRows(bitmap);
    dib.insert(dib.end(), rows.begin(), rows.end());
    return dib;
}

inline Bytes makeBitmap(const Bitmap& bitmap) {
    const Bytes dib = makeDib(bitmap, bitmap.height);
    const std::size_t rowsSize = bitmap.compression == 1 || bitmap.compression == 2
                                     ? bitmap.encodedRows.size()
                                     : bitmapStride(bitmap.width, bitmap.bitCount) * bitmap.height;
    Bytes file = {'B', 'M'};
    putU32(file, static_cast<std::uint32_t>(14 + dib.size()));
    putU32(file, 0);
    putU32(file, static_cast<std::uint32_t>(14 + dib.size() - rowsSize));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// ---- GIF ------------------------------------------------------------------

// Writes LZW codes least significant bit first, as GIF packs them.
class LzwBitWriter {
public:
    void write(unsigned code, unsigned bits) {
        buffer_ |= static_cast<std::uint64_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(buffer_));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    Bytes finish() {
        if (count_ > 0) bytes_.push_back(static_cast<std::uint8_t>(buffer_));
        count_ = 0;
        buffer_ = 0;
        return bytes_;
    }

private:
    Bytes bytes_;
    std::uint64_t buffer_ = 0;
    unsigned count_ = 0;
};

// When the 4096-entry table fills: clear at once, or go on with full-table
// 12-bit codes for a while (the deferred clear), or never clear.
enum class LzwFullTable { ClearAtOnce, DeferClear, NeverClear };

inline Bytes encodeLzw(const std::vector<std::uint8_t>& indices, unsigned minimumCodeSize,
                       LzwFullTable fullTable = LzwFullTable::ClearAtOnce) {
    const unsigned clearCode = 1u << minimumCodeSize;
    const unsigned endCode = clearCode + 1;
    LzwBitWriter writer;
    std::map<std::pair<unsigned, unsigned>, unsigned> table;
    unsigned codeBits = minimumCodeSize + 1;
    unsigned nextCode = endCode + 1;
    unsigned codesSinceFull = 0;
    auto reset = [&] {
        writer.write(clearCode, codeBits);
        table.clear();
        codeBits = minimumCodeSize + 1;
        nextCode = endCode + 1;
        codesSinceFull = 0;
    };
    reset();
    if (indices.empty()) {
        writer.write(endCode, codeBits);
        return writer.finish();
    }
    unsigned current = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const unsigned symbol = indices[i];
        const auto found = table.find({current, symbol});
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        writer.write(current, codeBits);
        if (nextCode < 4096) {
            table[{current, symbol}] = nextCode++;
            // The decoder adds its entry one code later, so it widens its
            // codes when the table passes a power of two, not when it reaches it.
            if (nextCode > (1u << codeBits) && codeBits < 12) ++codeBits;
        } else if (fullTable == LzwFullTable::ClearAtOnce ||
                   (fullTable == LzwFullTable::DeferClear && ++codesSinceFull == 300)) {
            reset();
        }
        current = symbol;
    }
    writer.write(current, codeBits);
    if (nextCode < 4096 && nextCode + 1 > (1u << codeBits) && codeBits < 12 &&
        nextCode > endCode + 1)
        ++codeBits;
    writer.write(endCode, codeBits);
    return writer.finish();
}

struct Gif {
    int width = 0;
    int height = 0;
    // 0 means the frame size.
    int screenWidth = 0;
    int screenHeight = 0;
    int frameLeft = 0;
    int frameTop = 0;
    std::vector<std::uint32_t> palette;
    bool localTable = false;
    bool interlaced = false;
    int transparentIndex = -1;
    unsigned minimumCodeSize = 0;  // 0: the smallest that fits the palette
    LzwFullTable fullTable = LzwFullTable::ClearAtOnce;
    // Top-down, in display order.
    std::vector<std::uint8_t> indices;
    // Replaces the LZW stream made from `indices`.
    Bytes lzwData;
    bool useLzwData = false;
};

inline unsigned colourTableBits(std::size_t colours) {
    unsigned bits = 0;
    while ((2u << bits) < colours && bits < 7) ++bits;
    return bits;
}

inline Bytes makeGif(const Gif& gif) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    putU16(out, gif.screenWidth ? gif.screenWidth : gif.width);
    putU16(out, gif.screenHeight ? gif.screenHeight : gif.height);
    const unsigned tableBits = colourTableBits(gif.palette.size());
    auto putTable = [&] {
        for (unsigned i = 0; i < (2u << tableBits); ++i) {
            const std::uint32_t colour = i < gif.palette.size() ? gif.palette[i] : 0;
            out.push_back(static_cast<std::uint8_t>(colour >> 16));
            out.push_back(static_cast<std::uint8_t>(colour >> 8));
            out.push_back(static_cast<std::uint8_t>(colour));
        }
    };
    out.push_back(static_cast<std::uint8_t>(gif.localTable ? 0x70 : 0xF0 | tableBits));
    out.push_back(0);
    out.push_back(0);
    if (!gif.localTable) putTable();

    // A comment first, so the decoder has to skip an extension.
    const char comment[] = "fixture";
    out.insert(out.end(), {0x21, 0xFE, static_cast<std::uint8_t>(sizeof comment - 1)});
    out.insert(out.end(), comment, comment + sizeof comment - 1);
    out.push_back(0);
    if (gif.transparentIndex >= 0)
        out.insert(out.end(),
                   {0x21, 0xF9, 4, 1, 0, 0, static_cast<std::uint8_t>(gif.transparentIndex), 0});

    out.push_back(0x2C);
    putU16(out, gif.frameLeft);
    putU16(out, gif.frameTop);
    putU16(out, gif.width);
    putU16(out, gif.height);
    out.push_back(static_cast<std::uint8_t>((gif.localTable ? 0x80 | tableBits : 0) |
                                            (gif.interlaced ? 0x40 : 0)));
    if (gif.localTable) putTable();

    const unsigned minimumCodeSize =
        gif.minimumCodeSize ? gif.minimumCodeSize : std::max(2u, tableBits + 1);
    std::vector<std::uint8_t> stored;
    if (gif.interlaced) {
        static const int kStart[] = {0, 4, 2, 1};
        static const int kStep[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int row = kStart[pass]; row < gif.height; row += kStep[pass])
                stored.insert(stored.end(), gif.indices.begin() + row * gif.width,
                              gif.indices.begin() + (row + 1) * gif.width);
    } else {
        stored = gif.indices;
    }
    const Bytes lzw =
        gif.useLzwData ? gif.lzwData : encodeLzw(stored, minimumCodeSize, gif.fullTable);
    out.push_back(static_cast<std::uint8_t>(minimumCodeSize));
    for (std::size_t offset = 0; offset < lzw.size(); offset += 255) {
        const std::size_t length = std::min<std::size_t>(255, lzw.size() - offset);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), lzw.begin() + offset, lzw.begin() + offset + length);
    }
    out.push_back(0);
    out.push_back(0x3B);
    return out;
}

// ---- Icons and cursors ----------------------------------------------------

// An icon image in bitmap form: the XOR bitmap with a doubled height, then
// the AND mask (1 = transparent), both bottom-up.
inline Bytes makeIconDib(const Bitmap& bitmap, const std::vector<bool>& transparent) {
    Bytes dib = makeDib(bitmap, bitmap.height * 2);
    const std::size_t stride = bitmapStride(bitmap.width, 1);
    Bytes mask(stride * bitmap.height, 0);
    for (int row = 0; row < bitmap.height; ++row)
        for (int x = 0; x < bitmap.width; ++x)
            if (!transparent.empty() &&
                transparent[static_cast<std::size_t>(row) * bitmap.width + x])
                mask[(bitmap.height - 1 - row) * stride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
    dib.insert(dib.end(), mask.begin(), mask.end());
    return dib;
}

inline Bytes makePngStub(int width, int height) {
    Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (int value : {width, height}) {
        png.push_back(static_cast<std::uint8_t>(value >> 24));
        png.push_back(static_cast<std::uint8_t>(value >> 16));
        png.push_back(static_cast<std::uint8_t>(value >> 8));
        png.push_back(static_cast<std::uint8_t>(value));
    }
    png.insert(png.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});
    return png;
}

// type 1 icon, 2 cursor. The directory names one image.
inline Bytes makeIcon(const Bytes& image, int directoryWidth, int directoryHeight,
                      unsigned type = 1) {
    Bytes out;
    putU16(out, 0);
    putU16(out, type);
    putU16(out, 1);
    out.push_back(static_cast<std::uint8_t>(directoryWidth));
    out.push_back(static_cast<std::uint8_t>(directoryHeight));
    out.push_back(0);
    out.push_back(0);
    putU16(out, 1);
    putU16(out, 32);
    putU32(out, static_cast<std::uint32_t>(image.size()));
    putU32(out, 22);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

// ---- PCX ------------------------------------------------------------------

struct Pcx {
    int width = 0;
    int height = 0;
    unsigned bitsPerPixel = 8;  // 8, or 1 for monochrome
    unsigned planes = 1;
    std::vector<std::uint32_t> palette;  // written at the end when not empty
    std::vector<std::uint8_t> indices;   // top-down; 0 or 1 for monochrome
    bool runLengthEncoded = true;
};

inline Bytes makePcx(const Pcx& pcx) {
    const unsigned bytesPerLine = ((pcx.width * pcx.bitsPerPixel + 15) / 16) * 2;
    Bytes out(128, 0);
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = pcx.runLengthEncoded ? 1 : 0;
    out[3] = static_cast<std::uint8_t>(pcx.bitsPerPixel);
    out[8] = static_cast<std::uint8_t>(pcx.width - 1);
    out[9] = static_cast<std::uint8_t>((pcx.width - 1) >> 8);
    out[10] = static_cast<std::uint8_t>(pcx.height - 1);
    out[11] = static_cast<std::uint8_t>((pcx.height - 1) >> 8);
    out[65] = static_cast<std::uint8_t>(pcx.planes);
    out[66] = static_cast<std::uint8_t>(bytesPerLine);
    out[67] = static_cast<std::uint8_t>(bytesPerLine >> 8);
    out[68] = 1;
    for (int row = 0; row < pcx.height; ++row) {
        Bytes line(bytesPerLine * pcx.planes, 0);
        for (int x = 0; x < pcx.width; ++x) {
            const std::uint8_t index = pcx.indices[static_cast<std::size_t>(row) * pcx.width + x];
            if (pcx.bitsPerPixel == 1)
                line[x / 8] |= static_cast<std::uint8_t>((index & 1) << (7 - x % 8));
            else
                line[x] = index;
        }
        for (std::size_t i = 0; i < line.size();) {
            std::size_t run = 1;
            while (pcx.runLengthEncoded && i + run < line.size() && line[i + run] == line[i] &&
                   run < 63)
                ++run;
            if (pcx.runLengthEncoded && (run > 1 || (line[i] & 0xC0) == 0xC0))
                out.push_back(static_cast<std::uint8_t>(0xC0 | run));
            out.push_back(line[i]);
            i += run;
        }
    }
    if (!pcx.palette.empty()) {
        out.push_back(0x0C);
        for (int i = 0; i < 256; ++i) {
            const std::uint32_t colour =
                i < static_cast<int>(pcx.palette.size()) ? pcx.palette[i] : 0;
            out.insert(out.end(),
                       {static_cast<std::uint8_t>(colour >> 16),
                        static_cast<std::uint8_t>(colour >> 8), static_cast<std::uint8_t>(colour)});
        }
    }
    return out;
}

// ---- JPEG -----------------------------------------------------------------

struct Jpeg {
    int width = 0;
    int height = 0;
    bool grayscale = false;
    bool progressive = false;
    bool arithmetic = false;
    int quality = 90;
    // A scan script of its own, when not empty, in place of libjpeg's.
    std::vector<jpeg_scan_info> scans;
    // Every component at full resolution (4:4:4) rather than libjpeg's 4:2:0.
    bool fullResolutionChroma = false;
    // Colour at (x, y).
    std::function<std::uint32_t(int, int)> colourAt;
};

inline Bytes makeJpeg(const Jpeg& jpeg) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(jpeg.width);
    info.image_height = static_cast<JDIMENSION>(jpeg.height);
    info.input_components = jpeg.grayscale ? 1 : 3;
    info.in_color_space = jpeg.grayscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, jpeg.quality, TRUE);
    if (jpeg.progressive) jpeg_simple_progression(&info);
    if (!jpeg.scans.empty()) {
        info.scan_info = jpeg.scans.data();
        info.num_scans = static_cast<int>(jpeg.scans.size());
    }
    if (jpeg.fullResolutionChroma) {
        for (int i = 0; i < info.input_components; ++i)
            info.comp_info[i].h_samp_factor = info.comp_info[i].v_samp_factor = 1;
    }
    info.arith_code = jpeg.arithmetic ? TRUE : FALSE;
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(jpeg.width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < jpeg.width; ++x) {
            const std::uint32_t colour = jpeg.colourAt(x, y);
            if (jpeg.grayscale) {
                row[x] = static_cast<JSAMPLE>(colour & 0xFF);
            } else {
                row[3 * x] = static_cast<JSAMPLE>(colour >> 16);
                row[3 * x + 1] = static_cast<JSAMPLE>(colour >> 8);
                row[3 * x + 2] = static_cast<JSAMPLE>(colour);
            }
        }
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// ---- Pictures -------------------------------------------------------------

// A deterministic picture with smooth areas and edges, like a logo.
inline std::uint32_t sampleColour(int x, int y) {
    const int dx = x % 64 - 32;
    const int dy = y % 64 - 32;
    if (dx * dx + dy * dy < 300) return 0xF0F0F0;
    return static_cast<std::uint32_t>(((x * 3) & 0xFF) << 16 | ((y * 2) & 0xFF) << 8 |
                                      ((x + y) & 0xFF));
}

// The same picture reduced to `colours` palette entries.
inline std::uint8_t sampleIndex(int x, int y, unsigned colours) {
    const int dx = x % 64 - 32;
    const int dy = y % 64 - 32;
    if (dx * dx + dy * dy < 300) return static_cast<std::uint8_t>(colours - 1);
    return static_cast<std::uint8_t>(((x / 4) + (y / 8)) % colours);
}

inline std::vector<std::uint32_t> greyPalette(unsigned colours) {
    std::vector<std::uint32_t> palette;
    for (unsigned i = 0; i < colours; ++i) {
        const std::uint32_t level = colours > 1 ? i * 255 / (colours - 1) : 0;
        palette.push_back(level << 16 | level << 8 | (255 - level));
    }
    return palette;
}

}  // namespace image_fixtures
