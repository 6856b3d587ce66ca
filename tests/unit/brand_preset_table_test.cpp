// The 17 brand presets: their texts as the brand list and the fields get
// them, the texts the variant brands share, and the logo files' exact shape.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>

#include "platform/image/image_decoder.h"
#include "profile/brand_presets.h"

namespace {

struct ExpectedPreset {
    const char* listItem;
    const char* manufacturer;
    const char* model;
    const char* supportPhone;
};

// Typed independently of the table; both are UTF-8 in the source and CP936
// in the binary (see BuiltInTextsAreCodePage936Bytes for the charset itself).
const ExpectedPreset kExpected[kBrandPresetCount] = {
    {"联 想", "联想中国有限公司", "联想电脑", "800-820-3800-LENOVO"},
    {"宏 基", "宏基中国有限公司", "宏基电脑", "800-820-3800-ACER"},
    {"三 星", "三星中国有限公司", "三星电脑", "800-820-3800-SAMSUNG"},
    {"惠 普", "惠普中国有限公司", "惠普电脑", "800-820-3800-HP"},
    {"戴 尔", "戴尔中国有限公司", "戴尔电脑", "800-820-3800-DELL"},
    {"华 硕", "华硕中国有限公司", "华硕电脑", "800-820-3800-ASUS"},
    {"明 基", "明基中国有限公司", "明基电脑", "800-820-3800-BenQ"},
    {"方 正", "方正中国有限公司", "方正电脑", "800-820-3800-FOUNDER"},
    {"同 方", "同方中国有限公司", "同方电脑", "800-820-3800-TONGFAN"},
    {"东 芝", "东芝中国有限公司", "东芝电脑", "800-820-3800-TOSHIBA"},
    {"康 柏", "惠普中国有限公司", "康柏电脑", "800-820-3800-COMPAQ"},
    {"富士通", "富士通中国有限公司", "富士通电脑", "800-820-3800-FUJITSU"},
    {"LG电子", "LG电子中国有限公司", "LG电脑", "800-820-3800-LG"},
    {"SONY", "SONY中国有限公司", "SONY电脑", "800-820-3800-SONY"},
    {"IBM", "IBM中国有限公司", "IBM电脑", "800-820-3800-IBM"},
    {"ALIENWARE", "戴尔中国有限公司", "ALIENWARE电脑", "800-820-3800-DELL"},
    {"Thinkpad", "联想中国有限公司", "ThinkPad电脑", "800-820-3800-ThinkPad"},
};

struct LogoFormat {
    int height;
    int bitsPerPixel;
    std::size_t fileSize;
};

const LogoFormat kLogoFormats[kBrandPresetCount] = {
    {120, 32, 57656}, {120, 24, 43256}, {120, 24, 43256}, {120, 8, 15476},  {120, 32, 57656},
    {121, 24, 43614}, {120, 24, 43256}, {120, 24, 43256}, {120, 24, 43256}, {120, 24, 43254},
    {120, 24, 43254}, {120, 24, 43256}, {120, 24, 43256}, {120, 24, 43256}, {120, 24, 43256},
    {120, 24, 43254}, {120, 24, 43256},
};

std::uint32_t le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::string hostOf(const std::string& address) {
    const std::size_t start = address.find("://") + 3;
    return address.substr(start, address.find('/', start) - start);
}

std::string pathOf(const std::string& address) {
    const std::size_t slash = address.find('/', address.find("://") + 3);
    return slash == std::string::npos ? "" : address.substr(slash);
}

}  // namespace

TEST(BrandPresetTable, EveryRowHoldsItsBrandsTexts) {
    for (int i = 0; i < kBrandPresetCount; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const BrandPreset* preset = brandPreset(i);
        ASSERT_NE(preset, nullptr);
        EXPECT_STREQ(preset->listItem, kExpected[i].listItem);
        EXPECT_STREQ(preset->manufacturer, kExpected[i].manufacturer);
        EXPECT_STREQ(preset->model, kExpected[i].model);
        EXPECT_STREQ(preset->supportPhone, kExpected[i].supportPhone);
        EXPECT_STREQ(preset->supportHours, "8:00-18:00");
    }
}

TEST(BrandPresetTable, BuiltInTextsAreCodePage936Bytes) {
    EXPECT_STREQ(brandPreset(0)->listItem, "\xC1\xAA\x20\xCF\xEB");
    EXPECT_STREQ(brandPreset(0)->manufacturer,
                 "\xC1\xAA\xCF\xEB\xD6\xD0\xB9\xFA\xD3\xD0\xCF\xDE\xB9\xAB\xCB\xBE");
    EXPECT_STREQ(brandPreset(10)->manufacturer,
                 "\xBB\xDD\xC6\xD5\xD6\xD0\xB9\xFA\xD3\xD0\xCF\xDE\xB9\xAB\xCB\xBE");
    EXPECT_STREQ(brandPreset(10)->model, "\xBF\xB5\xB0\xD8\xB5\xE7\xC4\xD4");
    EXPECT_STREQ(brandPreset(11)->listItem, "\xB8\xBB\xCA\xBF\xCD\xA8");
    EXPECT_STREQ(brandPreset(12)->manufacturer,
                 "LG\xB5\xE7\xD7\xD3\xD6\xD0\xB9\xFA\xD3\xD0\xCF\xDE\xB9\xAB\xCB\xBE");
    EXPECT_STREQ(brandPreset(16)->model, "ThinkPad\xB5\xE7\xC4\xD4");
}

TEST(BrandPresetTable, VariantBrandsShareTheirParentsTexts) {
    const BrandPreset& lenovo = *brandPreset(0);
    const BrandPreset& hp = *brandPreset(3);
    const BrandPreset& dell = *brandPreset(4);
    const BrandPreset& compaq = *brandPreset(10);
    const BrandPreset& alienware = *brandPreset(15);
    const BrandPreset& thinkpad = *brandPreset(16);

    EXPECT_STREQ(compaq.manufacturer, hp.manufacturer);
    EXPECT_STREQ(alienware.manufacturer, dell.manufacturer);
    EXPECT_STREQ(alienware.supportPhone, dell.supportPhone);
    EXPECT_STREQ(alienware.supportUrl, dell.supportUrl);
    EXPECT_STREQ(thinkpad.manufacturer, lenovo.manufacturer);

    std::set<std::string> models;
    for (int i = 0; i < kBrandPresetCount; ++i) models.insert(brandPreset(i)->model);
    EXPECT_EQ(models.size(), static_cast<std::size_t>(kBrandPresetCount));
}

TEST(BrandPresetTable, WebAddressesAreAbsoluteAsciiWithHostOnly) {
    std::set<std::string> addresses;
    for (int i = 0; i < kBrandPresetCount; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const std::string address = brandPreset(i)->supportUrl;
        addresses.insert(address);
        for (unsigned char c : address) EXPECT_TRUE(c > 0x20 && c < 0x7F) << "byte " << int(c);
        ASSERT_TRUE(address.rfind("http://", 0) == 0 || address.rfind("https://", 0) == 0);
        const std::string host = hostOf(address);
        EXPECT_NE(host.find('.'), std::string::npos);
        EXPECT_EQ(pathOf(address), i == 16 ? "/think" : "");
    }
    // Alienware repeats Dell's address; every other row has its own.
    EXPECT_EQ(addresses.size(), static_cast<std::size_t>(kBrandPresetCount - 1));

    const std::string lenovo = brandPreset(0)->supportUrl;
    const std::string hp = brandPreset(3)->supportUrl;
    const std::string compaq = brandPreset(10)->supportUrl;
    const std::string thinkpad = brandPreset(16)->supportUrl;
    EXPECT_NE(hostOf(compaq).find("hp."), std::string::npos) << compaq;
    EXPECT_NE(compaq, hp);
    EXPECT_NE(hostOf(thinkpad).find("lenovo."), std::string::npos) << thinkpad;
    EXPECT_NE(hostOf(thinkpad), hostOf(lenovo));

    EXPECT_STREQ(kMakerWebAddress, "www.tarnhollow.com");
}

TEST(BrandPresetTable, IndexOutsideTheListHasNoPreset) {
    for (int index : {-1, kBrandPresetCount, 100, INT_MIN, INT_MAX})
        EXPECT_EQ(brandPreset(index), nullptr) << index;
}

TEST(BrandPresetLogos, EachIsABottomUpBitmapFileOfItsExactFormat) {
    for (int i = 0; i < kBrandPresetCount; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const BrandPreset& preset = *brandPreset(i);
        const LogoFormat& format = kLogoFormats[i];
        ASSERT_NE(preset.logo, nullptr);
        ASSERT_EQ(preset.logoSize, format.fileSize);
        const std::uint8_t* file = preset.logo;

        const bool paletted = format.bitsPerPixel == 8;
        const std::uint32_t pixelOffset = paletted ? 14 + 40 + 255 * 4 : 54;
        const std::uint32_t rowBytes = (120 * format.bitsPerPixel / 8 + 3) & ~3u;
        const std::uint32_t pixelBytes = rowBytes * format.height;
        const std::uint32_t tailBytes =
            static_cast<std::uint32_t>(format.fileSize) - pixelOffset - pixelBytes;
        ASSERT_TRUE(tailBytes == 0 || tailBytes == 2) << tailBytes;

        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(le32(file + 2), format.fileSize);
        EXPECT_EQ(le32(file + 6), 0u);  // reserved
        EXPECT_EQ(le32(file + 10), pixelOffset);
        EXPECT_EQ(le32(file + 14), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(le32(file + 18)), 120);
        EXPECT_EQ(static_cast<std::int32_t>(le32(file + 22)), format.height);
        EXPECT_EQ(le16(file + 26), 1);
        EXPECT_EQ(le16(file + 28), format.bitsPerPixel);
        EXPECT_EQ(le32(file + 30), 0u);  // BI_RGB
        EXPECT_EQ(le32(file + 34), pixelBytes + tailBytes);
        EXPECT_EQ(le32(file + 46), paletted ? 255u : 0u);
        EXPECT_EQ(le32(file + 50), paletted ? 255u : 0u);

        for (std::uint32_t t = 0; t < tailBytes; ++t)
            EXPECT_EQ(file[pixelOffset + pixelBytes + t], 0) << "trailing byte " << t;
        if (paletted) {
            for (std::uint32_t p = 0; p < pixelBytes; ++p)
                ASSERT_LT(file[pixelOffset + p], 255)
                    << "pixel byte " << p << " beyond the colour table";
        }
    }
}

TEST(BrandPresetLogos, EachDecodesToItsSizeOnWhite) {
    for (int i = 0; i < kBrandPresetCount; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const BrandPreset& preset = *brandPreset(i);
        DecodedImage image;
        ASSERT_TRUE(decodeImage(preset.logo, preset.logoSize, image));
        EXPECT_EQ(image.width, 120);
        EXPECT_EQ(image.height, kLogoFormats[i].height);
        ASSERT_FALSE(image.pixels.empty());
        EXPECT_EQ(image.pixels.front() & 0xFFFFFF, 0xFFFFFFu) << "top-left corner";
        EXPECT_EQ(image.pixels.back() & 0xFFFFFF, 0xFFFFFFu) << "bottom-right corner";
    }
}

TEST(BrandPresetLogos, AllSeventeenDiffer) {
    for (int a = 0; a < kBrandPresetCount; ++a) {
        for (int b = a + 1; b < kBrandPresetCount; ++b) {
            const BrandPreset& first = *brandPreset(a);
            const BrandPreset& second = *brandPreset(b);
            const bool same = first.logoSize == second.logoSize &&
                              std::memcmp(first.logo, second.logo, first.logoSize) == 0;
            EXPECT_FALSE(same) << "rows " << a << " and " << b;
        }
    }
}
