// Messages as the user sees them: title, text, icon, and the program's
// windows held still until OK is pressed.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/user_services.h"
#include "platform/win32/win32_user_services.h"
#include "tests/wine/wine_test_support.h"

namespace {

struct ShownMessage {
    Text title;
    Text text;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool programWindowEnabled = true;
};

BOOL CALLBACK takeIcon(HWND child, LPARAM icon) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    *reinterpret_cast<HICON*>(icon) =
        reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return FALSE;
}

ShownMessage readAndConfirm(HWND box, HWND programWindow) {
    ShownMessage shown;
    shown.title = windowText(box);
    shown.text = windowText(GetDlgItem(box, kMessageTextId));
    EnumChildWindows(box, takeIcon, reinterpret_cast<LPARAM>(&shown.icon));
    shown.owner = GetWindow(box, GW_OWNER);
    shown.programWindowEnabled = IsWindowEnabled(programWindow) != FALSE;
    pressDialogButton(box, IDOK);
    return shown;
}

class MessageBoxes : public testing::Test {
protected:
    void SetUp() override {
        programWindow = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                        200, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(programWindow, nullptr);
    }
    void TearDown() override { DestroyWindow(programWindow); }

    ShownMessage show(const Text& text, int style, const Text& title) {
        ShownMessage shown;
        DialogDriver driver([&](HWND box) { shown = readAndConfirm(box, programWindow); });
        services.showMessage(text, style, title);
        EXPECT_TRUE(driver.sawDialog());
        return shown;
    }

    HWND programWindow = nullptr;
    Win32UserServices services{[] { return HWND{}; }};
};

TEST_F(MessageBoxes, InformationShowsTitleTextAndIconWithoutOwner) {
    const ShownMessage shown =
        show("OEM信息设置完毕！请打开计算机的属性栏查看。", kMessageInformation, "提示");
    EXPECT_EQ(shown.title, "提示");
    EXPECT_EQ(shown.text, "OEM信息设置完毕！请打开计算机的属性栏查看。");
    EXPECT_EQ(shown.icon, LoadIconA(nullptr, IDI_INFORMATION));
    EXPECT_EQ(shown.owner, nullptr);
}

TEST_F(MessageBoxes, TaskModalHoldsTheProgramWindowsUntilClosed) {
    const ShownMessage shown =
        show("请选择宽小于176，高小于120的图片", kMessageInformation, "提示 ");
    EXPECT_EQ(shown.title, "提示 ") << "a trailing blank is kept";
    EXPECT_FALSE(shown.programWindowEnabled);
    EXPECT_TRUE(IsWindowEnabled(programWindow));
}

TEST_F(MessageBoxes, WarningStyleShowsTheWarningIcon) {
    const ShownMessage shown = show("x", kMessageWarning, "t");
    EXPECT_EQ(shown.icon, LoadIconA(nullptr, IDI_WARNING));
}

}  // namespace
