// Writes a small seed corpus, one folder a format plus "image" holding them
// all: make_fuzz_seeds OUTPUT_DIR
#include "tests/common/image_fixtures.h"
#include "tests/common/hostile_pictures.h"

#include <sys/stat.h>
#include <cstdio>
#include <string>

using namespace image_fixtures;

namespace {

constexpr int kWidth = 13;
constexpr int kHeight = 7;

std::string outputDir;

bool writeSeed(const std::string& format, const std::string& name, const Bytes& bytes) {
    for (const std::string& folder : {format, std::string("image")}) {
        const std::string dir = outputDir + "/" + folder;
        mkdir(dir.c_str(), 0755);
        const std::string path = dir + "/" + name;
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        if (std::fclose(file) != 0 || !written) return false;
    }
    return true;
}

Bitmap sampleBitmap(unsigned bitCount) {
    Bitmap bitmap;
    bitmap.width = kWidth;
    bitmap.height = kHeight;
    bitmap.bitCount = bitCount;
    const unsigned colours = bitCount <= 8 ? 1u << bitCount : 0;
    if (colours) bitmap.palette = greyPalette(colours);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            bitmap.values.push_back(colours ? sampleIndex(x, y, colours) : sampleColour(x, y));
    return bitmap;
}

Bitmap runLengthBitmap(std::uint32_t compression) {
    Bitmap bitmap = sampleBitmap(compression == 1 ? 8 : 4);
    bitmap.compression = compression;
    bitmap.encodedRows = {5, 0x12, 0, 3, 0x34, 0x56, 0, 0, 0, 2, 2, 1,
                          0, 4,    1, 2, 3,    4,    0, 0, 3, 9, 0, 1};
    return bitmap;
}

std::vector<std::uint8_t> sampleIndices(unsigned colours) {
    std::vector<std::uint8_t> indices;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) indices.push_back(sampleIndex(x, y, colours));
    return indices;
}

Gif sampleGif(unsigned colours) {
    Gif gif;
    gif.width = kWidth;
    gif.height = kHeight;
    gif.palette = greyPalette(colours);
    gif.indices = sampleIndices(colours);
    return gif;
}

Pcx samplePcx(unsigned bitsPerPixel) {
    Pcx pcx;
    pcx.width = kWidth;
    pcx.height = kHeight;
    pcx.bitsPerPixel = bitsPerPixel;
    pcx.indices = sampleIndices(bitsPerPixel == 1 ? 2 : 256);
    if (bitsPerPixel == 8) pcx.palette = greyPalette(256);
    return pcx;
}

Jpeg sampleJpeg(bool grayscale, bool progressive) {
    Jpeg jpeg;
    jpeg.width = 2 * kWidth;
    jpeg.height = 2 * kHeight;
    jpeg.grayscale = grayscale;
    jpeg.progressive = progressive;
    jpeg.quality = 50;
    jpeg.colourAt = sampleColour;
    return jpeg;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    outputDir = argv[1];
    mkdir(outputDir.c_str(), 0755);

    bool ok = true;
    for (unsigned bitCount : {1u, 4u, 8u, 16u, 24u, 32u})
        ok &= writeSeed("bmp", "info" + std::to_string(bitCount) + ".bmp",
                        makeBitmap(sampleBitmap(bitCount)));
    Bitmap core = sampleBitmap(8);
    core.headerSize = 12;
    ok &= writeSeed("bmp", "core8.bmp", makeBitmap(core));
    Bitmap v5 = sampleBitmap(32);
    v5.headerSize = 124;
    v5.compression = 3;
    v5.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    v5.topDown = true;
    ok &= writeSeed("bmp", "v5_bitfields32.bmp", makeBitmap(v5));
    Bitmap rgb565 = sampleBitmap(16);
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    ok &= writeSeed("bmp", "bitfields565.bmp", makeBitmap(rgb565));
    ok &= writeSeed("bmp", "rle8.bmp", makeBitmap(runLengthBitmap(1)));
    ok &= writeSeed("bmp", "rle4.bmp", makeBitmap(runLengthBitmap(2)));

    for (unsigned colours : {2u, 16u, 256u})
        ok &= writeSeed("gif", "colours" + std::to_string(colours) + ".gif",
                        makeGif(sampleGif(colours)));
    Gif special = sampleGif(4);
    special.interlaced = true;
    special.localTable = true;
    special.transparentIndex = 1;
    special.screenWidth = kWidth + 3;
    special.frameLeft = 2;
    ok &= writeSeed("gif", "interlaced_local_transparent.gif", makeGif(special));

    std::vector<bool> mask;
    for (int i = 0; i < kWidth * kHeight; ++i) mask.push_back(i % 3 == 0);
    ok &= writeSeed("icon", "icon4.ico",
                    makeIcon(makeIconDib(sampleBitmap(4), mask), kWidth, kHeight));
    ok &= writeSeed("icon", "icon32.ico",
                    makeIcon(makeIconDib(sampleBitmap(32), mask), kWidth, kHeight));
    ok &= writeSeed("icon", "cursor8.cur",
                    makeIcon(makeIconDib(sampleBitmap(8), mask), kWidth, kHeight, 2));
    ok &= writeSeed("icon", "png.ico", makeIcon(makePngStub(kWidth, kHeight), kWidth, kHeight));

    ok &= writeSeed("pcx", "pcx8.pcx", makePcx(samplePcx(8)));
    ok &= writeSeed("pcx", "pcx1.pcx", makePcx(samplePcx(1)));

    ok &= writeSeed("jpeg", "baseline.jpg", makeJpeg(sampleJpeg(false, false)));
    ok &= writeSeed("jpeg", "progressive.jpg", makeJpeg(sampleJpeg(false, true)));
    ok &= writeSeed("jpeg", "grey.jpg", makeJpeg(sampleJpeg(true, false)));
    Jpeg arithmetic = sampleJpeg(false, false);
    arithmetic.arithmetic = true;
    ok &= writeSeed("jpeg", "arithmetic.jpg", makeJpeg(arithmetic));
    arithmetic.progressive = true;
    ok &= writeSeed("jpeg", "arithmetic_progressive.jpg", makeJpeg(arithmetic));

    // The hostile corpus, so that mutations start next to the costs the
    // limits are there for; not the ones that take seconds to refuse under
    // instrumentation, nor the large ones, which would make every short run
    // long.
    constexpr std::size_t kLargestHostileSeed = 16 * 1024;
    for (const hostile_pictures::HostilePicture& picture :
         hostile_pictures::makeHostilePictures()) {
        if (picture.atTheWorkBound || picture.bytes.size() > kLargestHostileSeed) continue;
        const std::string format = picture.name.substr(0, picture.name.find('_'));
        ok &= writeSeed(format, "hostile_" + picture.name, picture.bytes);
    }

    if (!ok) std::fprintf(stderr, "make_fuzz_seeds: cannot write into %s\n", outputDir.c_str());
    return ok ? 0 : 1;
}
