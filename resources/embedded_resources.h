#pragma once
// Pictures built into the program. The build embeds the committed files
// beside this header (banner.gif, logos/); tools/brand-art regenerates them.
#include <cstddef>
#include <cstdint>

struct EmbeddedFile {
    const std::uint8_t* bytes;
    std::size_t size;
};

// MainWindow's banner, a GIF89a of 550 x 100.
extern const std::uint8_t kBannerGif[];
extern const std::size_t kBannerGifSize;

// The brand presets' logos, complete bitmap files in brand list order.
constexpr int kPresetLogoCount = 17;
extern const EmbeddedFile kPresetLogos[kPresetLogoCount];
