// The brand list as the user meets it: the first brand filled in at start,
// choosing a brand fills its row, and "确 认" writes that brand's logo.
#include <gtest/gtest.h>

#include <string>

#include "app_driver.h"
#include "profile/brand_presets.h"
#include "tests/common/expected_texts.h"
#include "ui/control_ids.h"

namespace {

namespace texts = expected_texts;

constexpr int kLenovo = 0;
constexpr int kHp = 3;
constexpr int kDell = 4;
constexpr int kCompaq = 10;
constexpr int kAlienware = 15;

Bytes presetLogo(int index) {
    const BrandPreset* preset = brandPreset(index);
    return Bytes(preset->logo, preset->logo + preset->logoSize);
}

class AppPresets : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(clearOemSettings());
        ASSERT_TRUE(app.start());
    }

    // The five text fields as they stand, in the order of 编辑框1..5.
    void expectTextFields(const char* manufacturer, const char* model, const char* hotline,
                          const char* webAddress) const {
        EXPECT_EQ(app.text(kIdManufacturerEdit), manufacturer);
        EXPECT_EQ(app.text(kIdModelEdit), model);
        EXPECT_EQ(app.text(kIdSupportPhoneEdit), hotline);
        EXPECT_EQ(app.text(kIdSupportHoursEdit), "8:00-18:00");
        EXPECT_EQ(app.text(kIdSupportUrlEdit), webAddress);
    }

    // Presses "确 认" and expects the completion message.
    void applyAndExpectDone() const {
        app.click(kIdApplyButton);
        const auto message = app.answerMessageBox();
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->title, texts::kTitle);
        EXPECT_EQ(message->text, texts::kApplyDone);
    }

    RunningApp app;
};

TEST_F(AppPresets, StartsWithTheFirstBrandAndItsLogoIsWhatAnApplyWrites) {
    expectTextFields("联想中国有限公司", "联想电脑", "800-820-3800-LENOVO",
                     brandPreset(kLenovo)->supportUrl);
    EXPECT_EQ(app.text(kIdLogoPathEdit), "");
    EXPECT_EQ(app.text(kIdBackgroundPathEdit), "");
    saveScreenshot(app.mainWindow(), "main-lenovo");

    applyAndExpectDone();
    const auto written = readWholeFile(oemLogoFile());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->size(), 57656u);
    EXPECT_TRUE(*written == presetLogo(kLenovo));
}

TEST_F(AppPresets, AlienwareFillsDellsTextsAndKeepsThePaths) {
    app.setText(kIdLogoPathEdit, "D:\\my-logo.bmp");
    app.setText(kIdBackgroundPathEdit, "D:\\my-background.jpg");
    ASSERT_TRUE(app.chooseBrand(kAlienware));
    EXPECT_TRUE(waitUntil([&] { return app.text(kIdModelEdit) == "ALIENWARE电脑"; }));
    expectTextFields("戴尔中国有限公司", "ALIENWARE电脑", "800-820-3800-DELL",
                     brandPreset(kDell)->supportUrl);
    EXPECT_EQ(app.text(kIdLogoPathEdit), "D:\\my-logo.bmp");
    EXPECT_EQ(app.text(kIdBackgroundPathEdit), "D:\\my-background.jpg");
    saveScreenshot(app.mainWindow(), "main-alienware");
}

TEST_F(AppPresets, CompaqTakesHpsManufacturer) {
    ASSERT_TRUE(app.chooseBrand(kCompaq));
    EXPECT_TRUE(waitUntil([&] { return app.text(kIdModelEdit) == "康柏电脑"; }));
    EXPECT_EQ(app.text(kIdManufacturerEdit), "惠普中国有限公司");
}

TEST_F(AppPresets, ReChoosingTheShownBrandOverwritesWhatWasTyped) {
    for (int id : {kIdManufacturerEdit, kIdModelEdit, kIdSupportPhoneEdit, kIdSupportHoursEdit,
                   kIdSupportUrlEdit}) {
        app.setText(id, "typed by hand");
    }
    ASSERT_TRUE(app.chooseBrand(kLenovo));
    EXPECT_TRUE(waitUntil([&] { return app.text(kIdSupportUrlEdit) != "typed by hand"; }));
    expectTextFields("联想中国有限公司", "联想电脑", "800-820-3800-LENOVO",
                     brandPreset(kLenovo)->supportUrl);
}

TEST_F(AppPresets, HpsEightBitLogoIsWrittenByteForByte) {
    ASSERT_TRUE(app.chooseBrand(kHp));
    EXPECT_TRUE(waitUntil([&] { return app.text(kIdModelEdit) == "惠普电脑"; }));
    saveScreenshot(app.mainWindow(), "main-hp");

    applyAndExpectDone();
    const auto written = readWholeFile(oemLogoFile());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->size(), 15476u);
    EXPECT_TRUE(*written == presetLogo(kHp));
}

}  // namespace
