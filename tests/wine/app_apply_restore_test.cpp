// "确 认" and "恢复默认" pressed in the real window, and what they leave in
// the prefix's registry and oobe\info folder.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_driver.h"
#include "profile/brand_presets.h"
#include "tests/common/expected_texts.h"
#include "ui/control_ids.h"

namespace {

namespace texts = expected_texts;

const char kLiteralLogoPath[] = "C:\\Windows\\System32\\oobe\\info\\oemlogo.bmp";

Bytes presetLogo(int index) {
    const BrandPreset* preset = brandPreset(index);
    return Bytes(preset->logo, preset->logo + preset->logoSize);
}

// Not a real JPEG: the apply copies bytes and never looks at them.
Bytes backgroundBytes(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 13);
    bytes[0] = 0xFF;
    bytes[1] = 0xD8;
    return bytes;
}

// A REG_SZ as the system holds it: the text's bytes and one NUL.
Bytes registryText(const std::string& text) {
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes registryNumber(DWORD number) {
    Bytes bytes(sizeof number);
    std::memcpy(bytes.data(), &number, sizeof number);
    return bytes;
}

void expectValue(const char* key, const char* name, DWORD type, const Bytes& data) {
    const RegistryValueSeen value = readRegistryValue(key, name);
    ASSERT_TRUE(value.found) << name;
    EXPECT_EQ(value.type, type) << name;
    EXPECT_EQ(value.data, data) << name << ": " << value.data.size() << " bytes";
}

class AppApplyRestore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(clearOemSettings());
        ASSERT_TRUE(files.ready());
        ASSERT_TRUE(app.start());
    }

    std::optional<MessageBoxSeen> press(int buttonId) const {
        app.click(buttonId);
        return app.answerMessageBox();
    }
    void applyAndExpectDone() const {
        const auto message = press(kIdApplyButton);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->title, texts::kTitle);
        EXPECT_EQ(message->text, texts::kApplyDone);
    }

    ScratchFolder files{"apply-restore"};
    RunningApp app;
};

TEST_F(AppApplyRestore, ApplyWritesBothFilesAndTheSevenValuesAsTheWindowShowsThem) {
    const Bytes background = backgroundBytes(3001, 7);
    const std::string backgroundPath = files.write("sea.jpg", background);
    app.setText(kIdBackgroundPathEdit, backgroundPath);
    app.setText(kIdModelEdit, "  typed model  ");
    app.setText(kIdSupportUrlEdit, "");
    applyAndExpectDone();

    EXPECT_EQ(readWholeFile(oemLogoFile()), std::optional<Bytes>(presetLogo(0)));
    EXPECT_EQ(readWholeFile(oemBackgroundFile()), std::optional<Bytes>(background));
    const BrandPreset& lenovo = *brandPreset(0);
    expectValue(kOemInformationKey, "Manufacturer", REG_SZ, registryText(lenovo.manufacturer));
    expectValue(kOemInformationKey, "Model", REG_SZ, registryText("  typed model  "));
    expectValue(kOemInformationKey, "SupportHours", REG_SZ, registryText("8:00-18:00"));
    expectValue(kOemInformationKey, "SupportPhone", REG_SZ, registryText(lenovo.supportPhone));
    expectValue(kOemInformationKey, "SupportURL", REG_SZ, registryText(""));
    expectValue(kOemInformationKey, "Logo", REG_SZ, registryText(kLiteralLogoPath));
    expectValue(kLogonBackgroundKey, "OEMBackground", REG_DWORD, registryNumber(1));
    EXPECT_EQ(whatLandedInThe32BitViews(), "");
}

TEST_F(AppApplyRestore, RestoreEmptiesTheValuesKeepsTheFilesAndTheWindowAndAnApplyWritesItBack) {
    const Bytes background = backgroundBytes(2048, 3);
    app.setText(kIdBackgroundPathEdit, files.write("sea.jpg", background));
    applyAndExpectDone();

    const auto message = press(kIdRestoreButton);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kRestoreTitle);
    EXPECT_EQ(message->text, texts::kRestoreDone);
    for (const char* name : kOemValueNames) {
        expectValue(kOemInformationKey, name, REG_SZ, registryText(""));
    }
    expectValue(kLogonBackgroundKey, "OEMBackground", REG_DWORD, registryNumber(0));
    EXPECT_EQ(readWholeFile(oemLogoFile()), std::optional<Bytes>(presetLogo(0)));
    EXPECT_EQ(readWholeFile(oemBackgroundFile()), std::optional<Bytes>(background));
    EXPECT_EQ(app.text(kIdManufacturerEdit), brandPreset(0)->manufacturer);
    EXPECT_EQ(whatLandedInThe32BitViews(), "");

    applyAndExpectDone();
    expectValue(kOemInformationKey, "Manufacturer", REG_SZ,
                registryText(brandPreset(0)->manufacturer));
    expectValue(kLogonBackgroundKey, "OEMBackground", REG_DWORD, registryNumber(1));
}

TEST_F(AppApplyRestore, RestoreOnANeverBrandedSystemLeavesSixEmptyValues) {
    const auto message = press(kIdRestoreButton);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, texts::kRestoreDone);
    for (const char* name : kOemValueNames) {
        expectValue(kOemInformationKey, name, REG_SZ, registryText(""));
    }
    expectValue(kLogonBackgroundKey, "OEMBackground", REG_DWORD, registryNumber(0));
    EXPECT_FALSE(readWholeFile(oemLogoFile()).has_value()) << "a restore writes no file";
    EXPECT_EQ(whatLandedInThe32BitViews(), "");
}

TEST_F(AppApplyRestore, TheBackgroundNamingTheTargetItselfKeepsItsContent) {
    const Bytes background = backgroundBytes(5000, 11);
    app.setText(kIdBackgroundPathEdit, files.write("sea.jpg", background));
    applyAndExpectDone();

    // A 32-bit program sees SysWOW64 under the name System32 and reaches the
    // real System32 as Sysnative.
    const std::string systemFolder = inWow64Lane() ? "\\Sysnative" : "\\System32";
    app.setText(kIdBackgroundPathEdit, windowsFolder() + systemFolder +
                                           "\\oobe\\info\\Backgrounds\\BackgroundDefault.jpg");
    applyAndExpectDone();
    EXPECT_EQ(readWholeFile(oemBackgroundFile()), std::optional<Bytes>(background));
}

TEST_F(AppApplyRestore, ATargetHeldOpenIsReportedAndKeptWhole) {
    applyAndExpectDone();
    const HANDLE held = CreateFileA(oemLogoFile().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(app.chooseBrand(3));
    ASSERT_TRUE(waitUntil([&] { return app.text(kIdModelEdit) == "惠普电脑"; }));

    const auto message = press(kIdApplyButton);
    CloseHandle(held);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kTitle);
    EXPECT_NE(message->text, texts::kApplyDone);
    EXPECT_NE(message->text.find("oemlogo.bmp"), std::string::npos) << message->text;
    EXPECT_NE(message->text.find(texts::kCauseInUse), std::string::npos) << message->text;
    EXPECT_EQ(message->text.find(texts::kAdministrator), std::string::npos) << message->text;
    EXPECT_EQ(readWholeFile(oemLogoFile()), std::optional<Bytes>(presetLogo(0)));
    // The other steps still ran.
    expectValue(kOemInformationKey, "Model", REG_SZ, registryText("惠普电脑"));
}

// An empty file never replaces the logon background; the user is told, and
// the rest of the apply runs.
TEST_F(AppApplyRestore, AnEmptyBackgroundFileIsReportedAndNotCopied) {
    const Bytes background = backgroundBytes(4000, 5);
    app.setText(kIdBackgroundPathEdit, files.write("sea.jpg", background));
    applyAndExpectDone();

    const std::string empty = files.write("empty.jpg", Bytes{});
    app.setText(kIdBackgroundPathEdit, empty);
    app.setText(kIdModelEdit, "TW-8");
    const auto message = press(kIdApplyButton);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kTitle);
    EXPECT_EQ(message->text.rfind(texts::kApplyFailedFirstLine, 0), 0u) << message->text;
    EXPECT_NE(message->text.find(empty + " " + texts::kEmptyBackgroundItem), std::string::npos)
        << message->text;
    EXPECT_EQ(message->text.find(texts::kAdministrator), std::string::npos) << message->text;
    EXPECT_EQ(readWholeFile(oemBackgroundFile()), std::optional<Bytes>(background));
    expectValue(kOemInformationKey, "Model", REG_SZ, registryText("TW-8"));
    expectValue(kLogonBackgroundKey, "OEMBackground", REG_DWORD, registryNumber(1));
}

// An empty 编辑框7 is no background chosen, and no failure.
TEST_F(AppApplyRestore, NoBackgroundNamedIsNoFailure) {
    app.setText(kIdBackgroundPathEdit, "");
    applyAndExpectDone();
    EXPECT_FALSE(readWholeFile(oemBackgroundFile()).has_value());
}

}  // namespace
