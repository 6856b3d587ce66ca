#pragma once
// The 17 built-in brand presets, indexed by the brand list's item.
#include <cstddef>
#include <cstdint>

struct BrandPreset {
    const char* listItem;      // the brand list's text
    const char* manufacturer;  // 编辑框1
    const char* model;         // 编辑框2
    const char* supportPhone;  // 编辑框3
    const char* supportHours;  // 编辑框4
    const char* supportUrl;    // 编辑框5
    const std::uint8_t* logo;  // a complete bitmap file, for 图片框2
    std::size_t logoSize;
};

constexpr int kBrandPresetCount = 17;

// Null for an index outside 0..16.
const BrandPreset* brandPreset(int index);

// The maker's web address shown in the captions.
extern const char kMakerWebAddress[];
