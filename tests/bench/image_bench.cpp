// Decoding and measuring per format, on a logo-sized and a background-sized
// picture, next to stb_image on the same bytes where stb reads the format.
#include "platform/image/image_decoder.h"
#include "tests/common/image_fixtures.h"

#include <benchmark/benchmark.h>

#include <stb_image.h>

#include <string>
#include <vector>

using namespace image_fixtures;

namespace {

struct PictureSize {
    const char* name;
    int width;
    int height;
};

constexpr PictureSize kSizes[] = {{"logo_120x120", 120, 120}, {"background_1024x768", 1024, 768}};

struct Picture {
    std::string name;
    Bytes bytes;
    bool stbReads;
};

Bitmap truecolourBitmap(int width, int height) {
    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitCount = 24;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.values.push_back(sampleColour(x, y));
    return bitmap;
}

std::vector<std::uint8_t> paletteIndices(int width, int height, unsigned colours) {
    std::vector<std::uint8_t> indices;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) indices.push_back(sampleIndex(x, y, colours));
    return indices;
}

std::vector<Picture> makePictures() {
    std::vector<Picture> pictures;
    for (const PictureSize& size : kSizes) {
        const std::string suffix = std::string("/") + size.name;
        const int width = size.width;
        const int height = size.height;

        pictures.push_back({"bmp24" + suffix, makeBitmap(truecolourBitmap(width, height)), true});

        Bitmap paletted;
        paletted.width = width;
        paletted.height = height;
        paletted.bitCount = 8;
        paletted.palette = greyPalette(256);
        for (std::uint8_t index : paletteIndices(width, height, 256))
            paletted.values.push_back(index);
        pictures.push_back({"bmp8" + suffix, makeBitmap(paletted), true});

        Gif gif;
        gif.width = width;
        gif.height = height;
        gif.palette = greyPalette(256);
        gif.indices = paletteIndices(width, height, 256);
        pictures.push_back({"gif" + suffix, makeGif(gif), true});

        Jpeg jpeg;
        jpeg.width = width;
        jpeg.height = height;
        jpeg.quality = 85;
        jpeg.colourAt = sampleColour;
        pictures.push_back({"jpeg" + suffix, makeJpeg(jpeg), true});

        Pcx pcx;
        pcx.width = width;
        pcx.height = height;
        pcx.palette = greyPalette(256);
        pcx.indices = paletteIndices(width, height, 256);
        pictures.push_back({"pcx" + suffix, makePcx(pcx), false});

        // Icons stop at 256 x 256; the large size stays a logo-sized icon.
        Bitmap icon = truecolourBitmap(std::min(width, 256), std::min(height, 256));
        icon.bitCount = 32;
        pictures.push_back({"ico32" + suffix, makeIcon(makeIconDib(icon, {}), 0, 0), false});
    }
    return pictures;
}

void registerBenchmarks(const std::vector<Picture>& pictures) {
    for (const Picture& picture : pictures) {
        const Bytes* bytes = &picture.bytes;
        benchmark::RegisterBenchmark(("decode/" + picture.name).c_str(),
                                     [bytes](benchmark::State& state) {
                                         for (auto _ : state) {
                                             DecodedImage image;
                                             if (!decodeImage(bytes->data(), bytes->size(), image))
                                                 state.SkipWithError("undecodable");
                                             benchmark::DoNotOptimize(image.pixels.data());
                                         }
                                     });
        if (picture.stbReads) {
            benchmark::RegisterBenchmark(
                ("stb_image/" + picture.name).c_str(), [bytes](benchmark::State& state) {
                    for (auto _ : state) {
                        int width = 0;
                        int height = 0;
                        int channels = 0;
                        // Four channels a pixel, like our 0xAARRGGBB output.
                        stbi_uc* pixels =
                            stbi_load_from_memory(bytes->data(), static_cast<int>(bytes->size()),
                                                  &width, &height, &channels, 4);
                        if (pixels == nullptr) state.SkipWithError("stb_image cannot read it");
                        benchmark::DoNotOptimize(pixels);
                        stbi_image_free(pixels);
                    }
                });
        }
        benchmark::RegisterBenchmark(
            ("measure/" + picture.name).c_str(), [bytes](benchmark::State& state) {
                for (auto _ : state) {
                    int width = 0;
                    int height = 0;
                    benchmark::DoNotOptimize(
                        measureImage(bytes->data(), bytes->size(), width, height));
                }
            });
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<Picture> pictures = makePictures();
    registerBenchmarks(pictures);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
