// The open-file dialog driven as a user does: type a name, press 打开 or 取消.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <array>
#include <string>

#include "platform/win32/win32_user_services.h"
#include "tests/wine/wine_test_support.h"

namespace {

struct DialogSeen {
    Text initialName;
    Text folder;
    Text firstFilterLabel;
    int filterCount = 0;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool resizable = false;
    bool readOnlyBoxShown = true;
};

Text comboText(HWND combo, int index) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return Text{};
    Text text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Reads what the dialog offers, then types `name` (if any) and presses `button`.
DialogSeen driveDialog(HWND dialog, HWND owner, const Text& name, int button) {
    DialogSeen seen;
    seen.initialName = windowText(GetDlgItem(dialog, kFileNameBoxId));
    std::array<char, MAX_PATH> folder{};
    SendMessageA(dialog, CDM_GETFOLDERPATH, folder.size(), reinterpret_cast<LPARAM>(folder.data()));
    seen.folder = folder.data();
    const HWND types = GetDlgItem(dialog, cmb1);
    seen.filterCount = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    seen.firstFilterLabel = comboText(types, 0);
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.ownerEnabled = IsWindowEnabled(owner) != FALSE;
    seen.resizable = (GetWindowLongA(dialog, GWL_STYLE) & WS_THICKFRAME) != 0;
    seen.readOnlyBoxShown = IsWindowVisible(GetDlgItem(dialog, chx1)) != FALSE;
    if (!name.empty()) {
        SendMessageA(GetDlgItem(dialog, kFileNameBoxId), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(name.c_str()));
    }
    pressDialogButton(dialog, button);
    return seen;
}

class OpenFileDialog : public testing::Test {
protected:
    void SetUp() override {
        std::array<char, MAX_PATH> temp{};
        GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
        std::array<char, MAX_PATH> longTemp{};
        GetLongPathNameA(temp.data(), longTemp.data(), static_cast<DWORD>(longTemp.size()));
        folder =
            Text(longTemp.data()) + "vellumark-dialog-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        for (const char* name : {"logo.bmp", "background.jpg"}) {
            const HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0,
                                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
        }
        owner = CreateWindowExA(0, "STATIC", "MainWindow", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                550, 450, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner);
        DeleteFileA((folder + "\\logo.bmp").c_str());
        DeleteFileA((folder + "\\background.jpg").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    // Opens the dialog; the helper types `name` and presses `button`.
    bool open(const Text& name, int button, DialogSeen& seen) {
        DialogDriver driver([&](HWND dialog) { seen = driveDialog(dialog, owner, name, button); });
        const bool confirmed = services.openFileDialog();
        EXPECT_TRUE(driver.sawDialog());
        return confirmed;
    }

    Text folder;
    HWND owner = nullptr;
    Win32UserServices services{[this] { return owner; }};
};

TEST_F(OpenFileDialog, ConfirmGivesTheFullPathAndIsOfferedNextTime) {
    services.setDialogFilter("位图（*.bmp）|*.bmp");
    DialogSeen first;
    ASSERT_TRUE(open(folder + "\\logo.bmp", IDOK, first));
    EXPECT_EQ(services.dialogFileName(), folder + "\\logo.bmp");
    EXPECT_EQ(first.initialName, "");
    EXPECT_EQ(first.filterCount, 1);
    EXPECT_EQ(first.firstFilterLabel, "位图（*.bmp）");
    EXPECT_EQ(first.owner, owner);
    EXPECT_FALSE(first.ownerEnabled) << "modal over its owner";
    EXPECT_TRUE(first.resizable);
    EXPECT_FALSE(first.readOnlyBoxShown);

    // The other chooser opens in the confirmed file's folder, with its name.
    services.setDialogFilter("登录背景图片（*.jpg）|*.jpg");
    DialogSeen second;
    ASSERT_TRUE(open("", IDOK, second));
    EXPECT_EQ(second.initialName, "logo.bmp");
    EXPECT_EQ(lstrcmpiA(second.folder.c_str(), folder.c_str()), 0) << second.folder;
    EXPECT_EQ(second.firstFilterLabel, "登录背景图片（*.jpg）");
    EXPECT_EQ(services.dialogFileName(), folder + "\\logo.bmp");
}

TEST_F(OpenFileDialog, CancelKeepsTheFileName) {
    services.setDialogFilter("登录背景图片（*.jpg）|*.jpg");
    DialogSeen seen;
    ASSERT_TRUE(open(folder + "\\background.jpg", IDOK, seen));

    EXPECT_FALSE(open(folder + "\\logo.bmp", IDCANCEL, seen));
    EXPECT_EQ(services.dialogFileName(), folder + "\\background.jpg");
    EXPECT_TRUE(IsWindowEnabled(owner));
}

}  // namespace
