// "确 认" on the Windows versions Wine can pretend to be, set as Wine reads
// it when a process starts (HKCU\Software\Wine, Version), and with the
// policies that hide what an apply writes.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app_driver.h"
#include "tests/common/expected_texts.h"
#include "ui/control_ids.h"

namespace {

namespace texts = expected_texts;

constexpr char kWineKey[] = "Software\\Wine";
constexpr char kPoliciesKey[] = "SOFTWARE\\Policies\\Microsoft\\Windows\\System";

std::optional<std::string> wineVersion() {
    char text[64] = {};
    DWORD size = sizeof text - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, kWineKey, "Version", RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(text);
}

bool setWineVersion(const std::optional<std::string>& version) {
    if (!version)
        return RegDeleteKeyValueA(HKEY_CURRENT_USER, kWineKey, "Version") == ERROR_SUCCESS;
    return RegSetKeyValueA(HKEY_CURRENT_USER, kWineKey, "Version", REG_SZ, version->c_str(),
                           static_cast<DWORD>(version->size() + 1)) == ERROR_SUCCESS;
}

bool setPolicy(const char* keyPath, const char* valueName) {
    const DWORD one = 1;
    return RegSetKeyValueA(HKEY_LOCAL_MACHINE, keyPath, valueName, REG_DWORD, &one, sizeof one) ==
           ERROR_SUCCESS;
}

struct VersionCase {
    const char* name;
    const char* wineVersion;
    bool helpCustomized;
    bool noLogonBackground;
    std::string expectedText;
};
void PrintTo(const VersionCase& c, std::ostream* out) { *out << c.name; }

class AppWindowsVersion : public ::testing::TestWithParam<VersionCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(clearOemSettings());
        savedVersion = wineVersion();
        ASSERT_TRUE(setWineVersion(std::string(GetParam().wineVersion)));
    }
    void TearDown() override {
        setWineVersion(savedVersion);
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kPoliciesKey, "DisableLogonBackgroundImage");
        clearOemSettings();
    }

    std::optional<std::string> savedVersion;
    RunningApp app;
};

// The same writes on every version; only the message tells what this
// Windows will show.
TEST_P(AppWindowsVersion, TheMessageTellsWhatThisWindowsShows) {
    const VersionCase& c = GetParam();
    if (c.helpCustomized) {
        ASSERT_TRUE(setPolicy(kOemInformationKey, "HelpCustomized"));
    }
    if (c.noLogonBackground) {
        ASSERT_TRUE(setPolicy(kPoliciesKey, "DisableLogonBackgroundImage"));
    }
    ASSERT_TRUE(app.start());

    app.click(kIdApplyButton);
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, texts::kTitle);
    EXPECT_EQ(message->text, c.expectedText);
    EXPECT_TRUE(readWholeFile(oemLogoFile()).has_value());
    const RegistryValueSeen background = readRegistryValue(kLogonBackgroundKey, "OEMBackground");
    EXPECT_TRUE(background.found);
    // The policies are read, never changed.
    EXPECT_EQ(readRegistryValue(kOemInformationKey, "HelpCustomized").found, c.helpCustomized);
    EXPECT_EQ(readRegistryValue(kPoliciesKey, "DisableLogonBackgroundImage").found,
              c.noLogonBackground);
}

const std::string kDoneWithNote =
    std::string(texts::kApplyDone) + "\r\n\r\n" + texts::kWindows8Note;

INSTANTIATE_TEST_SUITE_P(
    Versions, AppWindowsVersion,
    ::testing::Values(VersionCase{"Win7", "win7", false, false, texts::kApplyDone},
                      VersionCase{"Win7WithAPolicy", "win7", false, true, texts::kApplyDone},
                      VersionCase{"Win10", "win10", false, false, kDoneWithNote},
                      VersionCase{"Win81", "win81", false, false, kDoneWithNote},
                      VersionCase{"Win10NoLogonBackground", "win10", false, true,
                                  kDoneWithNote + "\r\n" + texts::kNoLogonBackgroundNote},
                      VersionCase{"Win10HelpCustomized", "win10", true, false,
                                  kDoneWithNote + "\r\n" + texts::kHelpCustomizedNote}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
