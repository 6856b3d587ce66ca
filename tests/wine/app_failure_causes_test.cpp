// "确 认" when something in the system stops a write: the warning names the
// item and its cause, and sends the user to an administrator only when
// access was denied.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>
// after windows.h, which it needs
#include <sddl.h>

#include "app_driver.h"
#include "tests/common/expected_texts.h"
#include "ui/control_ids.h"

namespace {

namespace texts = expected_texts;

std::string infoFolder() { return windowsFolder() + "\\System32\\oobe\\info"; }

// The line of the warning that names `item`, or empty.
std::string lineNaming(const std::string& message, const std::string& item) {
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t end = message.find("\r\n", start);
        if (end == std::string::npos) end = message.size();
        const std::string line = message.substr(start, end - start);
        if (line.find(item) != std::string::npos) return line;
        start = end + 2;
    }
    return {};
}

class AppFailureCauses : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(clearOemSettings());
        ASSERT_TRUE(app.start());
    }
    void TearDown() override {
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        setKeyAccess(kFullForEveryone);
        clearOemSettings();
    }

    static constexpr char kReadOnlyForEveryone[] = "D:P(A;;KR;;;WD)";
    static constexpr char kFullForEveryone[] = "D:P(A;;KA;;;WD)";

    // Creates the OEMInformation key if needed and gives it the access list
    // `sddl`, as an administrator of the machine could.
    static bool setKeyAccess(const char* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                  &descriptor, nullptr)) {
            return false;
        }
        HKEY key = nullptr;
        LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, kOemInformationKey, 0, nullptr, 0,
                                      WRITE_DAC, nullptr, &key, nullptr);
        if (status == ERROR_SUCCESS) {
            status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
            RegCloseKey(key);
        }
        LocalFree(descriptor);
        return status == ERROR_SUCCESS;
    }

    // Applies once so that both folders and the logo file are there.
    void applyOnce() const {
        app.click(kIdApplyButton);
        const auto message = app.answerMessageBox();
        ASSERT_TRUE(message.has_value());
        ASSERT_EQ(message->text, texts::kApplyDone);
    }

    // Presses "确 认" and expects a warning whose line for `item` gives
    // `cause`, with the administrator advice only when `administratorAdvice`.
    void expectCause(const std::string& item, const char* cause, bool administratorAdvice) const {
        app.click(kIdApplyButton);
        const auto message = app.answerMessageBox();
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->title, texts::kTitle);
        EXPECT_EQ(message->text.rfind(texts::kApplyFailedFirstLine, 0), 0u) << message->text;
        const std::string line = lineNaming(message->text, item);
        EXPECT_NE(line.find(cause), std::string::npos) << message->text;
        EXPECT_EQ(message->text.find(texts::kAdministrator) != std::string::npos,
                  administratorAdvice)
            << message->text;
    }

    RunningApp app;
    HANDLE held = INVALID_HANDLE_VALUE;
};

TEST_F(AppFailureCauses, ALogoFileHeldOpenIsInUse) {
    applyOnce();
    held = CreateFileA(oemLogoFile().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    expectCause("oemlogo.bmp", texts::kCauseInUse, false);
}

TEST_F(AppFailureCauses, AFolderWhereTheLogoFileBelongsIsInTheWay) {
    ASSERT_TRUE(CreateDirectoryA(infoFolder().c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(oemLogoFile().c_str(), nullptr));
    expectCause("oemlogo.bmp", texts::kCauseInTheWay, false);
}

TEST_F(AppFailureCauses, AFileWhereTheBackgroundsFolderBelongsIsInTheWay) {
    ASSERT_TRUE(CreateDirectoryA(infoFolder().c_str(), nullptr));
    ASSERT_TRUE(writeWholeFile(infoFolder() + "\\Backgrounds", Bytes{'x'}));
    expectCause("\\Backgrounds", texts::kCauseInTheWay, false);
}

// Wine lets anyone replace a read-only file, but it keeps a registry key's
// access list: a key only readable is denied to the program as on Windows.
TEST_F(AppFailureCauses, AKeyTheProgramMayOnlyReadIsDeniedAndAdvisesAnAdministrator) {
    ASSERT_TRUE(setKeyAccess(kReadOnlyForEveryone));
    expectCause("Manufacturer", texts::kCauseAccessDenied, true);
    EXPECT_TRUE(setKeyAccess(kFullForEveryone));
}

}  // namespace
