// Start-up and shutdown of the real program: what the user sees first, and
// every way of closing MainWindow ending the process with status 0.
#include <gtest/gtest.h>

#include "app_driver.h"
#include "profile/brand_presets.h"
#include "tests/wine/window_checks.h"
#include "ui/control_ids.h"

namespace {

TEST(AppStartup, MainWindowHoldsEveryControlInItsPlace) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    for (const expected::Control& control : expected::kMainWindow) {
        expectControlAsWritten(app.mainWindow(), control);
    }
}

// Each lane runs the program it claims to: the 32-bit product as a WoW64
// process, the 64-bit build natively.
TEST(AppStartup, RunsUnderWow64ExactlyInTheWow64Lane) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, app.processId());
    ASSERT_NE(process, nullptr);
    BOOL underWow64 = FALSE;
    const BOOL asked = IsWow64Process(process, &underWow64);
    CloseHandle(process);
    ASSERT_TRUE(asked);
    EXPECT_EQ(underWow64 != FALSE, inWow64Lane()) << programUnderTest();
}

TEST(AppStartup, BrandListHoldsTheSeventeenBrandsWithTheFirstChosen) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    const HWND list = app.control(kIdBrandList);
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 17);
    const char* expected[] = {
        "\xC1\xAA \xCF\xEB",         // 联 想
        "\xBA\xEA \xBB\xF9",         // 宏 基
        "\xC8\xFD \xD0\xC7",         // 三 星
        "\xBB\xDD \xC6\xD5",         // 惠 普
        "\xB4\xF7 \xB6\xFB",         // 戴 尔
        "\xBB\xAA \xCB\xB6",         // 华 硕
        "\xC3\xF7 \xBB\xF9",         // 明 基
        "\xB7\xBD \xD5\xFD",         // 方 正
        "\xCD\xAC \xB7\xBD",         // 同 方
        "\xB6\xAB \xD6\xA5",         // 东 芝
        "\xBF\xB5 \xB0\xD8",         // 康 柏
        "\xB8\xBB\xCA\xBF\xCD\xA8",  // 富士通
        "LG\xB5\xE7\xD7\xD3",        // LG电子
        "SONY",
        "IBM",
        "ALIENWARE",
        "Thinkpad",
    };
    for (int index = 0; index < 17; ++index) {
        EXPECT_EQ(listItemText(list, index), expected[index]) << "item " << index;
    }
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
}

struct CloseWay {
    const char* name;
    void (*close)(const RunningApp& app);
};
void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class AppShutdown : public ::testing::TestWithParam<CloseWay> {};

TEST_P(AppShutdown, EndsTheProcessWithStatusZero) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    GetParam().close(app);
    EXPECT_EQ(app.waitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, AppShutdown,
    ::testing::Values(
        CloseWay{"ExitButton", [](const RunningApp& app) { app.click(kIdExitButton); }},
        CloseWay{"CloseBox",
                 [](const RunningApp& app) { PostMessageA(app.mainWindow(), WM_CLOSE, 0, 0); }},
        CloseWay{"AltF4",
                 [](const RunningApp& app) {
                     PostMessageA(app.mainWindow(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
                 }},
        CloseWay{"Escape",
                 [](const RunningApp& app) {
                     PostMessageA(app.control(kIdManufacturerEdit), WM_KEYDOWN, VK_ESCAPE, 1);
                 }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

}  // namespace
