// Choosing a brand: its row fills the five text fields and the logo in that
// order, the path fields stay as they are, and no row means no change.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "profile/brand_presets.h"
#include "profile/preset_handlers.h"
#include "tests/unit/fakes.h"

namespace {

using namespace fakes;

const std::vector<std::string> kPresetWrites = {"Manufacturer", "Model",      "SupportPhone",
                                                "SupportHours", "SupportUrl", "Logo"};

FakeOemProfile typedProfile(int brandIndex) {
    FakeOemProfile profile;
    for (ProfileField field : kAllTextFields) profile.texts[field] = "typed by the user";
    profile.texts[ProfileField::LogoPath] = "D:\\custom.bmp";
    profile.texts[ProfileField::BackgroundPath] = "D:\\sea.jpg";
    profile.logo = {'B', 'M', 'c', 'u', 's', 't', 'o', 'm'};
    profile.brandIndex = brandIndex;
    return profile;
}

Bytes logoOf(int index) {
    const BrandPreset* preset = brandPreset(index);
    return Bytes(preset->logo, preset->logo + preset->logoSize);
}

class PresetOutsideTheList : public ::testing::TestWithParam<int> {};

TEST_P(PresetOutsideTheList, ChangesNothing) {
    FakeOemProfile profile = typedProfile(GetParam());
    applySelectedPreset(profile);
    EXPECT_TRUE(profile.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(Indices, PresetOutsideTheList,
                         ::testing::Values(-1, kBrandPresetCount, 100, INT_MIN, INT_MAX));

// Re-choosing overwrites whatever was typed and any custom logo; the path
// fields are never part of a preset.
TEST(Preset, EveryBrandWritesItsRowInOrderOverTypedTextAndLeavesThePathsAlone) {
    for (int index = 0; index < kBrandPresetCount; ++index) {
        SCOPED_TRACE(index);
        FakeOemProfile profile = typedProfile(index);
        applySelectedPreset(profile);
        const BrandPreset* preset = brandPreset(index);
        EXPECT_EQ(profile.writes, kPresetWrites);
        EXPECT_EQ(profile.text(ProfileField::Manufacturer), preset->manufacturer);
        EXPECT_EQ(profile.text(ProfileField::Model), preset->model);
        EXPECT_EQ(profile.text(ProfileField::SupportPhone), preset->supportPhone);
        EXPECT_EQ(profile.text(ProfileField::SupportHours), "8:00-18:00");
        EXPECT_EQ(profile.text(ProfileField::SupportUrl), preset->supportUrl);
        EXPECT_EQ(profile.logo, logoOf(index));
        EXPECT_EQ(profile.text(ProfileField::LogoPath), "D:\\custom.bmp");
        EXPECT_EQ(profile.text(ProfileField::BackgroundPath), "D:\\sea.jpg");
    }
}

TEST(Preset, AlienwareFillsDellsTextsWithItsOwnModelAndLogo) {
    FakeOemProfile profile = typedProfile(15);
    applySelectedPreset(profile);
    EXPECT_EQ(profile.text(ProfileField::Manufacturer), "戴尔中国有限公司");
    EXPECT_EQ(profile.text(ProfileField::Model), "ALIENWARE电脑");
    EXPECT_EQ(profile.text(ProfileField::SupportPhone), "800-820-3800-DELL");
    EXPECT_EQ(profile.text(ProfileField::SupportHours), "8:00-18:00");
    EXPECT_EQ(profile.text(ProfileField::SupportUrl), brandPreset(4)->supportUrl);
    EXPECT_EQ(profile.logo, logoOf(15));
    EXPECT_NE(profile.logo, logoOf(4));
    EXPECT_EQ(profile.logo.size(), 43254u);
}

}  // namespace
