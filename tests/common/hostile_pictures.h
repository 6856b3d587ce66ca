#pragma once
// Pictures made to cost: small files whose headers or scan scripts ask a
// decoder for far more time or memory than their size suggests. Each one
// passes a chooser's test (a logo under 176 x 120 by its header, or a
// background of at most 250,000 bytes). Shared by the native test, the
// benchmark and the fuzz seeds.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"

#include <string>
#include <utility>
#include <vector>

namespace hostile_pictures {

using image_fixtures::Bytes;

// The two places a chosen picture is shown: the logo box at actual size
// (no logo that passes its test is larger than 175 x 119) and the preview,
// stretched over 500 x 374.
constexpr DecodeTarget kLogoBox{175, 119, BoxFit::CutAtBox};
constexpr DecodeTarget kPreview{500, 374, BoxFit::ShrinkToBox};

struct HostilePicture {
    std::string name;
    Bytes bytes;
    // Made to sit just inside the memory limits, so that only the bound on
    // work stops it: the slowest to refuse, seconds under a fuzzer's
    // instrumentation.
    bool atTheWorkBound = false;
};

// ---- JPEG -----------------------------------------------------------------

// One scan of a progressive script: a component (-1 for all of them, DC
// only), the spectral range and the successive-approximation bits.
struct ProgressiveScan {
    int component;
    int first;
    int last;
    int high;
    int low;
};

// A DC scan, then scans that each carry one bit of one coefficient of one
// component, spread so that the script has `scanCount` scans in all.
inline std::vector<ProgressiveScan> oneCoefficientScans(int components, int scanCount) {
    std::vector<ProgressiveScan> scans = {{-1, 0, 0, 0, 0}};
    const int pairs = 63 * components;
    const int perPair = (scanCount - 1) / pairs;
    const int extra = (scanCount - 1) % pairs;
    for (int coefficient = 1; coefficient <= 63; ++coefficient) {
        for (int component = 0; component < components; ++component) {
            const int pair = (coefficient - 1) * components + component;
            const int bits = perPair + (pair < extra ? 1 : 0);
            scans.push_back({component, coefficient, coefficient, 0, bits - 1});
            for (int low = bits - 2; low >= 0; --low)
                scans.push_back({component, coefficient, coefficient, low + 1, low});
        }
    }
    return scans;
}

// Offset of the frame header's height field.
inline std::size_t frameSizeOffset(const Bytes& file) {
    for (std::size_t i = 2; i + 8 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] >= 0xC0 && file[i + 1] <= 0xCF && file[i + 1] != 0xC4 &&
            file[i + 1] != 0xC8 && file[i + 1] != 0xCC)
            return i + 5;
    return 0;
}

inline void setFrameSize(Bytes& file, unsigned width, unsigned height) {
    const std::size_t offset = frameSizeOffset(file);
    file[offset] = static_cast<std::uint8_t>(height >> 8);
    file[offset + 1] = static_cast<std::uint8_t>(height);
    file[offset + 2] = static_cast<std::uint8_t>(width >> 8);
    file[offset + 3] = static_cast<std::uint8_t>(width);
}

// libjpeg writes the script for a 16 x 16 picture; the frame header then
// claims the full size. Every scan's data ends after the first blocks, and
// the arithmetic decoder reads zeros for the rest, block by block, as it
// would read a flat picture's.
// With no scans asked for, the file is sequential: one scan, every
// coefficient of every block, the three components at full resolution.
inline Bytes arithmeticProgressiveJpeg(unsigned width, unsigned height, bool grayscale,
                                       int scanCount) {
    const int components = grayscale ? 1 : 3;
    const std::vector<ProgressiveScan> script =
        scanCount > 0 ? oneCoefficientScans(components, scanCount) : std::vector<ProgressiveScan>();
    std::vector<jpeg_scan_info> scans;
    for (const ProgressiveScan& scan : script) {
        jpeg_scan_info info{};
        info.comps_in_scan = scan.component < 0 ? components : 1;
        for (int i = 0; i < info.comps_in_scan; ++i)
            info.component_index[i] = scan.component < 0 ? i : scan.component;
        info.Ss = scan.first;
        info.Se = scan.last;
        info.Ah = scan.high;
        info.Al = scan.low;
        scans.push_back(info);
    }

    image_fixtures::Jpeg small;
    small.width = 16;
    small.height = 16;
    small.grayscale = grayscale;
    small.arithmetic = true;
    small.quality = 75;  // libjpeg's own default
    small.scans = std::move(scans);
    small.fullResolutionChroma = true;
    small.colourAt = [](int, int) { return 0x808080u; };
    Bytes file = image_fixtures::makeJpeg(small);
    setFrameSize(file, width, height);
    return file;
}

// Writes entropy-coded bits, stuffing a zero after every 0xFF byte.
class JpegBitWriter {
public:
    explicit JpegBitWriter(Bytes& out) : out_(out) {}

    void write(std::uint32_t value, unsigned count) {
        for (unsigned i = count; i-- > 0;) {
            byte_ = static_cast<std::uint8_t>((byte_ << 1) | ((value >> i) & 1));
            if (++bits_ == 8) flushByte();
        }
    }

    // Pads the last byte with one-bits, as the format asks.
    void finish() {
        while (bits_ != 0) write(1, 1);
    }

private:
    void flushByte() {
        out_.push_back(byte_);
        if (byte_ == 0xFF) out_.push_back(0);
        byte_ = 0;
        bits_ = 0;
    }

    Bytes& out_;
    std::uint8_t byte_ = 0;
    unsigned bits_ = 0;
};

inline void putMarker(Bytes& out, std::uint8_t marker, const Bytes& payload) {
    out.push_back(0xFF);
    out.push_back(marker);
    const std::size_t length = payload.size() + 2;
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(length));
    out.insert(out.end(), payload.begin(), payload.end());
}

// A greyscale Huffman-coded progressive picture, flat, written by hand: the
// DC scan codes every block, and every other scan covers all blocks with
// end-of-band runs, as an encoder writes a flat picture's scans.
inline Bytes huffmanProgressiveGreyJpeg(unsigned width, unsigned height, int scanCount) {
    Bytes out = {0xFF, 0xD8};
    Bytes quantisation = {0x00};
    quantisation.resize(65, 1);
    putMarker(out, 0xDB, quantisation);
    putMarker(
        out, 0xC2,
        {8, static_cast<std::uint8_t>(height >> 8), static_cast<std::uint8_t>(height),
         static_cast<std::uint8_t>(width >> 8), static_cast<std::uint8_t>(width), 1, 1, 0x11, 0});
    // DC: category 0 only, code "0". AC: end-of-band runs 2^0 .. 2^14, the
    // run of 2^r coded as the 4-bit code r.
    Bytes dcTable = {0x00, 1};
    dcTable.resize(17, 0);
    dcTable.push_back(0x00);
    putMarker(out, 0xC4, dcTable);
    Bytes acTable = {0x10, 0, 0, 0, 15};
    acTable.resize(17, 0);
    for (unsigned run = 0; run < 15; ++run) acTable.push_back(static_cast<std::uint8_t>(run << 4));
    putMarker(out, 0xC4, acTable);

    const std::uint64_t blocks = static_cast<std::uint64_t>((width + 7) / 8) * ((height + 7) / 8);
    for (const ProgressiveScan& scan : oneCoefficientScans(1, scanCount)) {
        putMarker(out, 0xDA,
                  {1, 1, 0x00, static_cast<std::uint8_t>(scan.first),
                   static_cast<std::uint8_t>(scan.last),
                   static_cast<std::uint8_t>(scan.high << 4 | scan.low)});
        JpegBitWriter bits(out);
        if (scan.first == 0) {
            for (std::uint64_t block = 0; block < blocks; ++block) bits.write(0, 1);
        } else {
            for (std::uint64_t left = blocks; left > 0;) {
                const std::uint32_t run =
                    static_cast<std::uint32_t>(std::min<std::uint64_t>(left, 32767));
                unsigned magnitude = 0;
                while ((run >> (magnitude + 1)) != 0) ++magnitude;
                bits.write(magnitude, 4);
                bits.write(run - (1u << magnitude), magnitude);
                left -= run;
            }
        }
        bits.finish();
    }
    out.push_back(0xFF);
    out.push_back(0xD9);
    return out;
}

// ---- Bitmap, PCX, GIF -----------------------------------------------------

// An 8-bit run-length bitmap of `width` x `height` whose few runs paint some
// full rows, then jump across the picture and paint again.
inline Bytes runLengthBitmap(int width, int height) {
    image_fixtures::Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitCount = 8;
    bitmap.compression = 1;
    bitmap.palette = {0x000000, 0xFF8000};
    for (int row = 0; row < 12; ++row) {
        for (int run = 0; run < width / 255 && run < 32; ++run)
            bitmap.encodedRows.insert(bitmap.encodedRows.end(), {255, 1});
        bitmap.encodedRows.insert(bitmap.encodedRows.end(), {0, 0});
        bitmap.encodedRows.insert(bitmap.encodedRows.end(), {0, 2, 0, 255});
    }
    bitmap.encodedRows.insert(bitmap.encodedRows.end(), {0, 1});
    return image_fixtures::makeBitmap(bitmap);
}

// A 128-byte header of an 8-bit picture and no pixel data at all.
inline Bytes pcxHeaderOnly(int width, int height) {
    image_fixtures::Pcx pcx;
    pcx.width = 1;
    pcx.height = 1;
    pcx.indices = {0};
    Bytes file = image_fixtures::makePcx(pcx);
    file.resize(128);
    const unsigned right = static_cast<unsigned>(width - 1);
    const unsigned bottom = static_cast<unsigned>(height - 1);
    const unsigned bytesPerLine = static_cast<unsigned>((width + 1) / 2 * 2);
    file[8] = static_cast<std::uint8_t>(right);
    file[9] = static_cast<std::uint8_t>(right >> 8);
    file[10] = static_cast<std::uint8_t>(bottom);
    file[11] = static_cast<std::uint8_t>(bottom >> 8);
    file[66] = static_cast<std::uint8_t>(bytesPerLine);
    file[67] = static_cast<std::uint8_t>(bytesPerLine >> 8);
    return file;
}

// A GIF whose logical screen and first frame are given separately. Its LZW
// stream of zeros builds ever longer strings, so a few hundred bytes stand
// for hundreds of thousands of pixels.
inline Bytes gifWithFrame(int screenWidth, int screenHeight, int frameWidth, int frameHeight,
                          std::size_t zeros) {
    image_fixtures::Gif gif;
    gif.screenWidth = screenWidth;
    gif.screenHeight = screenHeight;
    gif.width = frameWidth;
    gif.height = frameHeight;
    gif.palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF};
    gif.lzwData = image_fixtures::encodeLzw(std::vector<std::uint8_t>(zeros, 0), 2);
    gif.useLzwData = true;
    return image_fixtures::makeGif(gif);
}

// ---- The corpus -----------------------------------------------------------

constexpr unsigned kHugeSide = 8192;

inline std::vector<HostilePicture> makeHostilePictures() {
    return {
        // 8192 x 8192 in about 9 KB and 500 scans, each refining one
        // coefficient of every block of a component.
        {"jpeg_arithmetic_progressive_8192",
         arithmeticProgressiveJpeg(kHugeSide, kHugeSide, false, 500)},
        {"jpeg_huffman_progressive_grey_8192",
         huffmanProgressiveGreyJpeg(kHugeSide, kHugeSide, 500)},
        // The largest such pictures whose coefficients still fit the
        // decoder's memory: here only the work bound can stop them.
        {"jpeg_arithmetic_progressive_grey_4096", arithmeticProgressiveJpeg(4096, 4096, true, 500),
         true},
        {"jpeg_huffman_progressive_grey_4096", huffmanProgressiveGreyJpeg(4096, 4096, 500), true},
        {"jpeg_arithmetic_progressive_2560", arithmeticProgressiveJpeg(2560, 2560, false, 500),
         true},
        // Sequential, so its coefficients are never all held: the largest
        // the pixel cap allows, every coefficient of every block decoded.
        {"jpeg_arithmetic_sequential_8192",
         arithmeticProgressiveJpeg(kHugeSide, kHugeSide, false, 0), true},
        {"bmp_rle8_8192", runLengthBitmap(kHugeSide, kHugeSide)},
        {"pcx_header_8192", pcxHeaderOnly(kHugeSide, kHugeSide)},
        {"gif_8192", gifWithFrame(kHugeSide, kHugeSide, kHugeSide, kHugeSide, 250000)},
        // Passes the logo test by its screen; its frame asks for 8192 x 8192.
        {"gif_logo_frame_8192", gifWithFrame(175, 119, kHugeSide, kHugeSide, 250000)},
    };
}

}  // namespace hostile_pictures
