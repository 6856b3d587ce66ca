#include "profile/brand_presets.h"

#include <array>
#include <iterator>

#include "resources/embedded_resources.h"

const char kMakerWebAddress[] = "www.tarnhollow.com";

namespace {

struct PresetTexts {
    const char* listItem;
    const char* manufacturer;
    const char* model;
    const char* supportPhone;
    const char* supportUrl;
};

constexpr char kSupportHours[] = "8:00-18:00";

// Texts that the variant brands (Compaq, Alienware, ThinkPad) share with
// their parent brands, spelled once so the rows cannot drift apart.
constexpr char kLenovoManufacturer[] = "联想中国有限公司";
constexpr char kHpManufacturer[] = "惠普中国有限公司";
constexpr char kDellManufacturer[] = "戴尔中国有限公司";
constexpr char kDellSupportPhone[] = "800-820-3800-DELL";
constexpr char kDellSupportUrl[] = "http://www.dell.com.cn";

constexpr PresetTexts kPresetTexts[] = {
    {"联 想", kLenovoManufacturer, "联想电脑", "800-820-3800-LENOVO", "http://www.lenovo.com.cn"},
    {"宏 基", "宏基中国有限公司", "宏基电脑", "800-820-3800-ACER", "http://www.acer.com.cn"},
    {"三 星", "三星中国有限公司", "三星电脑", "800-820-3800-SAMSUNG", "http://www.samsung.com"},
    {"惠 普", kHpManufacturer, "惠普电脑", "800-820-3800-HP", "http://www.hp.com.cn"},
    {"戴 尔", kDellManufacturer, "戴尔电脑", kDellSupportPhone, kDellSupportUrl},
    {"华 硕", "华硕中国有限公司", "华硕电脑", "800-820-3800-ASUS", "http://www.asus.com.cn"},
    {"明 基", "明基中国有限公司", "明基电脑", "800-820-3800-BenQ", "http://www.benq.com.cn"},
    {"方 正", "方正中国有限公司", "方正电脑", "800-820-3800-FOUNDER", "http://www.founder.com.cn"},
    {"同 方", "同方中国有限公司", "同方电脑", "800-820-3800-TONGFAN", "http://www.tongfangpc.com"},
    {"东 芝", "东芝中国有限公司", "东芝电脑", "800-820-3800-TOSHIBA", "http://www.toshiba.com.cn"},
    {"康 柏", kHpManufacturer, "康柏电脑", "800-820-3800-COMPAQ", "http://www.hp.com"},
    {"富士通", "富士通中国有限公司", "富士通电脑", "800-820-3800-FUJITSU",
     "http://www.fujitsu.com"},
    {"LG电子", "LG电子中国有限公司", "LG电脑", "800-820-3800-LG", "http://www.lg.com"},
    {"SONY", "SONY中国有限公司", "SONY电脑", "800-820-3800-SONY", "http://www.sony.com.cn"},
    {"IBM", "IBM中国有限公司", "IBM电脑", "800-820-3800-IBM", "http://www.ibm.com"},
    {"ALIENWARE", kDellManufacturer, "ALIENWARE电脑", kDellSupportPhone, kDellSupportUrl},
    {"Thinkpad", kLenovoManufacturer, "ThinkPad电脑", "800-820-3800-ThinkPad",
     "http://think.lenovo.com.cn/think"},
};

static_assert(std::size(kPresetTexts) == kBrandPresetCount, "one text row per brand");
static_assert(kPresetLogoCount == kBrandPresetCount, "one logo per brand");

std::array<BrandPreset, kBrandPresetCount> buildPresetTable() {
    std::array<BrandPreset, kBrandPresetCount> table{};
    for (int i = 0; i < kBrandPresetCount; ++i) {
        const PresetTexts& texts = kPresetTexts[i];
        const EmbeddedFile& logo = kPresetLogos[i];
        table[i] = BrandPreset{texts.listItem, texts.manufacturer, texts.model, texts.supportPhone,
                               kSupportHours,  texts.supportUrl,   logo.bytes,  logo.size};
    }
    return table;
}

}  // namespace

const BrandPreset* brandPreset(int index) {
    if (index < 0 || index >= kBrandPresetCount) return nullptr;
    // Built on first use: the logos' addresses and sizes come from another
    // translation unit, so a namespace-scope table would be initialised at
    // run time and could still be empty when another static initialiser asks.
    static const std::array<BrandPreset, kBrandPresetCount> table = buildPresetTable();
    return &table[index];
}
