// The three windows as the user meets them: MainWindow's frame, keyboard and
// focus; the modal about window; the self-closing preview; and how the
// program ends when windows close in different orders.
#include <gtest/gtest.h>

#include <string>

#include "app/windowing/window_manager.h"
#include "app_driver.h"
#include "profile/brand_presets.h"
#include "tests/common/image_fixtures.h"
#include "tests/wine/expected_windows.h"
#include "tests/wine/window_checks.h"
#include "ui/control_ids.h"

namespace {

constexpr DWORD kPreviewLifetimeMilliseconds = 3000;

void pressKey(WORD key, bool shift = false) {
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD vk, bool up) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++count;
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(count, inputs, sizeof(INPUT));
}

// A real mouse click at the middle of a window, as the user makes it.
void clickWithMouse(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
}

HWND focusedWindowOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

HWND activeWindowOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndActive;
}

RECT windowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void expectCentred(HWND window, int width, int height) {
    const RECT rect = windowRect(window);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST(AppLooks, FrameCaptionPlaceAndIcon) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    const HWND main = app.mainWindow();
    expectCentred(main, 550, 450);
    EXPECT_EQ(windowText(main), expected::kMainCaption);
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    saveScreenshot(main, "main-window");
}

// Wine answers WM_GETFONT across processes with 0, so the font is seen in the
// screenshots rather than asserted here.
TEST(AppLooks, EveryControlHasItsKindsSettings) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    for (const expected::Control& written : expected::kMainWindow) {
        SCOPED_TRACE(written.id);
        const HWND control = app.control(written.id);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        switch (written.kind) {
        case expected::Kind::Edit:
            // The edit control takes WS_BORDER off its style and draws the
            // flat border itself; a 3-D edge would show as WS_EX_CLIENTEDGE.
            EXPECT_TRUE(style & ES_AUTOHSCROLL);
            EXPECT_FALSE(style & (ES_MULTILINE | ES_READONLY | ES_NOHIDESEL));
            EXPECT_FALSE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
            EXPECT_GE(static_cast<DWORD>(SendMessageA(control, EM_GETLIMITTEXT, 0, 0)),
                      0x7FFFFFFEu);
            break;
        case expected::Kind::Button:
            EXPECT_EQ(style & BS_TYPEMASK, static_cast<LONG>(BS_PUSHBUTTON));
            break;
        case expected::Kind::BrandList: {
            EXPECT_EQ(style & 3, CBS_DROPDOWNLIST);
            EXPECT_FALSE(style & CBS_SORT);
            // Dropped, the selection field and the list span 160 pixels.
            SendMessageA(control, CB_SHOWDROPDOWN, TRUE, 0);
            HWND droppedList = nullptr;
            ASSERT_TRUE(waitUntil(
                [&] { return (droppedList = app.topLevelWindow("ComboLBox")) != nullptr; }));
            RECT field = {}, list = {};
            GetWindowRect(control, &field);
            GetWindowRect(droppedList, &list);
            // Wine takes the list's height from a selection field two pixels
            // taller than the one it draws, so it may end up to 2 pixels short.
            EXPECT_NEAR(list.bottom - field.top, 160, 2);
            SendMessageA(control, CB_SHOWDROPDOWN, FALSE, 0);
            break;
        }
        default: break;
        }
    }
}

TEST(AppKeyboard, FocusStartsOnTheManufacturerAndTabWalksTheOrderBothWays) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    SetForegroundWindow(app.mainWindow());
    ASSERT_TRUE(waitUntil(
        [&] { return focusedWindowOf(app.mainWindow()) == app.control(kIdManufacturerEdit); }));

    const int count = static_cast<int>(std::size(expected::kMainTabOrder));
    for (int step = 1; step <= count; ++step) {
        pressKey(VK_TAB);
        const HWND next = app.control(expected::kMainTabOrder[step % count]);
        EXPECT_TRUE(waitUntil([&] { return focusedWindowOf(app.mainWindow()) == next; }))
            << "Tab step " << step;
    }
    for (int step = 1; step <= count; ++step) {
        pressKey(VK_TAB, true);
        const HWND previous = app.control(expected::kMainTabOrder[(count - step) % count]);
        EXPECT_TRUE(waitUntil([&] { return focusedWindowOf(app.mainWindow()) == previous; }))
            << "Shift+Tab step " << step;
    }
}

TEST(AppKeyboard, EnterOnAFocusedButtonPressesNothing) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    SetForegroundWindow(app.mainWindow());
    ASSERT_TRUE(waitUntil(
        [&] { return focusedWindowOf(app.mainWindow()) == app.control(kIdManufacturerEdit); }));
    // Tab to "退 出" (the sixth in the order) and press Enter there.
    for (int step = 0; step < 5; ++step) pressKey(VK_TAB);
    ASSERT_TRUE(
        waitUntil([&] { return focusedWindowOf(app.mainWindow()) == app.control(kIdExitButton); }));
    pressKey(VK_RETURN);
    // Space does press it; Enter before it must not have ended the program.
    EXPECT_FALSE(app.waitForExit(300).has_value());
    pressKey(VK_SPACE);
    EXPECT_EQ(app.waitForExit(), std::optional<DWORD>(0));
}

TEST(AppKeyboard, FocusReturnsToTheLastFocusedControlOnActivation) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    SetForegroundWindow(app.mainWindow());
    ASSERT_TRUE(waitUntil(
        [&] { return focusedWindowOf(app.mainWindow()) == app.control(kIdManufacturerEdit); }));
    // Shift+Tab seven times lands on "关于"; Space opens the about window.
    for (int step = 0; step < 7; ++step) pressKey(VK_TAB, true);
    ASSERT_TRUE(waitUntil(
        [&] { return focusedWindowOf(app.mainWindow()) == app.control(kIdAboutButton); }));
    pressKey(VK_SPACE);
    const HWND about = app.waitForWindow(VELLUMARK_ABOUT_WINDOW_CLASS);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(waitUntil([&] {
        return activeWindowOf(app.mainWindow()) == app.mainWindow() &&
               focusedWindowOf(app.mainWindow()) == app.control(kIdAboutButton);
    }));
}

// Down on the dropped list highlights "宏 基", which the list's field shows at
// once; then one key leaves the list.
struct DroppedListExit {
    const char* name;
    WORD key;
    bool shift;
    int brandShown;  // the list's choice afterwards, which the fields hold
    int focusAfterwards;
};
void PrintTo(const DroppedListExit& exit, std::ostream* out) { *out << exit.name; }

class AppDroppedBrandList : public ::testing::TestWithParam<DroppedListExit> {};

TEST_P(AppDroppedBrandList, ShowsTheBrandTheFieldsHoldAndKeepsTheProgramRunning) {
    const DroppedListExit& exit = GetParam();
    RunningApp app;
    ASSERT_TRUE(app.start());
    SetForegroundWindow(app.mainWindow());
    const HWND list = app.control(kIdBrandList);
    ASSERT_TRUE(waitUntil(
        [&] { return focusedWindowOf(app.mainWindow()) == app.control(kIdManufacturerEdit); }));
    pressKey(VK_TAB, true);
    ASSERT_TRUE(waitUntil([&] { return focusedWindowOf(app.mainWindow()) == list; }));

    pressKey(VK_F4);  // drops the list, as Alt+Down does
    ASSERT_TRUE(waitUntil([&] { return SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
    pressKey(VK_DOWN);
    ASSERT_TRUE(waitUntil([&] { return SendMessageA(list, CB_GETCURSEL, 0, 0) == 1; }));
    pressKey(exit.key, exit.shift);

    ASSERT_TRUE(waitUntil([&] { return SendMessageA(list, CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    EXPECT_TRUE(waitUntil(
        [&] { return focusedWindowOf(app.mainWindow()) == app.control(exit.focusAfterwards); }));
    EXPECT_TRUE(waitUntil([&] {
        return app.text(kIdModelEdit) == brandPreset(exit.brandShown)->model &&
               SendMessageA(list, CB_GETCURSEL, 0, 0) == exit.brandShown;
    }));
    EXPECT_EQ(app.text(kIdManufacturerEdit), brandPreset(exit.brandShown)->manufacturer);
    // Nothing later moves the choice again.
    EXPECT_FALSE(app.waitForExit(300).has_value());
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), exit.brandShown);
}

INSTANTIATE_TEST_SUITE_P(
    EachWayOut, AppDroppedBrandList,
    ::testing::Values(
        // Enter takes the highlighted brand and fills it in.
        DroppedListExit{"Enter", VK_RETURN, false, 1, kIdBrandList},
        // Esc closes the list and puts the choice back; the program goes on.
        DroppedListExit{"Esc", VK_ESCAPE, false, 0, kIdBrandList},
        // Tab and Shift+Tab close it the same way and move on in the Tab order.
        DroppedListExit{"Tab", VK_TAB, false, 0, kIdManufacturerEdit},
        DroppedListExit{"ShiftTab", VK_TAB, true, 0, kIdLogoPathEdit}),
    [](const ::testing::TestParamInfo<DroppedListExit>& info) {
        return std::string(info.param.name);
    });

TEST(AppBanner, PressesDoNothingWithAnyModifier) {
    RunningApp app;
    ASSERT_TRUE(app.start());
    const std::string before = app.text(kIdManufacturerEdit);
    for (WPARAM keys :
         {WPARAM{0}, WPARAM{MK_CONTROL}, WPARAM{MK_SHIFT}, WPARAM{MK_CONTROL | MK_SHIFT}}) {
        PostMessageA(app.control(kIdBanner), WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(20, 30));
        PostMessageA(app.control(kIdBanner), WM_LBUTTONUP, keys, MAKELPARAM(20, 30));
    }
    // A round trip through the program's queue: every press has been handled.
    app.click(kIdPreviewButton);
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(app.text(kIdManufacturerEdit), before);
    EXPECT_TRUE(app.running());
    EXPECT_EQ(app.topLevelWindow(VELLUMARK_ABOUT_WINDOW_CLASS), nullptr);
}

class AppAboutWindow : public ::testing::Test {
protected:
    HWND openAbout() {
        app.click(kIdAboutButton);
        return app.waitForWindow(VELLUMARK_ABOUT_WINDOW_CLASS);
    }
    RunningApp app;
};

TEST_F(AppAboutWindow, IsModalOwnedHiddenFromTheTaskbarAndSaysWhatItShould) {
    ASSERT_TRUE(app.start());
    const HWND about = openAbout();
    ASSERT_NE(about, nullptr);
    expectCentred(about, 410, 285);
    EXPECT_EQ(windowText(about), expected::kAboutCaption);
    const LONG style = GetWindowLongA(about, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    const HWND owner = GetWindow(about, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(windowClassName(owner), VELLUMARK_APPLICATION_WINDOW_CLASS);
    EXPECT_FALSE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    // Shown first, then the other windows are disabled.
    EXPECT_TRUE(waitUntil([&] { return !IsWindowEnabled(app.mainWindow()); }));

    // The notes byte for byte, with their line breaks and the two at the end.
    for (const expected::Control& control : expected::kAboutWindow) {
        expectControlAsWritten(about, control);
    }
    saveScreenshot(about, "about-window");
}

TEST_F(AppAboutWindow, EscClosesItAndTheMainWindowTakesInputAgain) {
    ASSERT_TRUE(app.start());
    const HWND about = openAbout();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(app.mainWindow()); }));
    // A click on "退 出" of the disabled main window does nothing.
    clickWithMouse(app.control(kIdExitButton));
    EXPECT_FALSE(app.waitForExit(300).has_value());
    EXPECT_TRUE(IsWindow(about));
    PostMessageA(about, WM_KEYDOWN, VK_ESCAPE, 1);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != FALSE; }));
    EXPECT_TRUE(app.running());
    // Opening it again gives the same window, centred again.
    const HWND again = openAbout();
    ASSERT_NE(again, nullptr);
    expectCentred(again, 410, 285);
    PostMessageA(again, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != FALSE; }));
    app.click(kIdExitButton);
    EXPECT_EQ(app.waitForExit(), std::optional<DWORD>(0));
}

TEST_F(AppAboutWindow, ACloseSentToTheDisabledMainWindowIsNotTaken) {
    ASSERT_TRUE(app.start());
    const HWND about = openAbout();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowEnabled(app.mainWindow()); }));
    // A close from outside while the modal window is up is not taken.
    PostMessageA(app.mainWindow(), WM_CLOSE, 0, 0);
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != FALSE; }));
    EXPECT_TRUE(IsWindow(app.mainWindow()));
    EXPECT_TRUE(app.running());
}

class AppPreviewWindow : public ::testing::Test {
protected:
    HWND waitForPreview() { return app.waitForWindow(VELLUMARK_PREVIEW_WINDOW_CLASS); }
    int previewCount() const {
        struct Count {
            DWORD pid;
            int count;
        } count = {app.processId(), 0};
        EnumWindows(
            [](HWND window, LPARAM state) -> BOOL {
                auto* c = reinterpret_cast<Count*>(state);
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                if (pid == c->pid && windowClassName(window) == VELLUMARK_PREVIEW_WINDOW_CLASS)
                    ++c->count;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&count));
        return count.count;
    }
    RunningApp app;
};

TEST_F(AppPreviewWindow, WithNoBackgroundItSaysSoAndOpensNothing) {
    ASSERT_TRUE(app.start());
    app.click(kIdPreviewButton);
    const auto message = app.answerMessageBox();
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, "\xCC\xE1\xCA\xBE");  // 提示
    EXPECT_EQ(
        message->text,
        "\xC4\xE3\xBB\xB9\xC3\xBB\xD3\xD0\xD1\xA1\xD4\xF1\xB1\xB3\xBE\xB0\xCD\xBC\xC6\xAC\xA3\xA1");
    EXPECT_EQ(previewCount(), 0);
}

TEST_F(AppPreviewWindow, OpensFramelessOnceAndClosesItselfOnTime) {
    ASSERT_TRUE(app.start());
    app.setText(kIdBackgroundPathEdit, "   ");  // blanks are not empty
    app.click(kIdPreviewButton);
    const HWND preview = waitForPreview();
    ASSERT_NE(preview, nullptr);
    const ULONGLONG opened = GetTickCount64();
    expectCentred(preview, 500, 374);
    const LONG style = GetWindowLongA(preview, GWL_STYLE);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
    EXPECT_TRUE(GetWindowLongA(preview, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(preview, GW_OWNER), nullptr);
    EXPECT_EQ(windowText(preview), "");
    EXPECT_TRUE(IsWindowEnabled(app.mainWindow()));

    // A second press only brings the open one forward and keeps its schedule.
    app.click(kIdPreviewButton);
    EXPECT_FALSE(waitUntil([&] { return previewCount() != 1; }, 1000));
    EXPECT_FALSE(waitUntil([&] { return !IsWindow(preview); }, 1500)) << "closed too early";
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(preview); }, 2500));
    const ULONGLONG lifetime = GetTickCount64() - opened;
    EXPECT_GE(lifetime, kPreviewLifetimeMilliseconds - 200);
    EXPECT_EQ(previewCount(), 0);
    EXPECT_TRUE(app.running());
}

TEST_F(AppPreviewWindow, ShowsTheNamedPictureStretchedOverTheWindow) {
    // A 4 x 3 bitmap: left half orange, right half blue.
    image_fixtures::Bitmap picture;
    picture.width = 4;
    picture.height = 3;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) picture.values.push_back(x < 2 ? 0xFF8000u : 0x0000FFu);
    }
    const Bytes file = image_fixtures::makeBitmap(picture);
    const std::string path =
        windowsPathOf(std::string(VELLUMARK_SOURCE_DIR) + "/build/preview-4x3.bmp");
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(out, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
    CloseHandle(out);

    ASSERT_TRUE(app.start());
    app.setText(kIdBackgroundPathEdit, path);
    app.click(kIdPreviewButton);
    const HWND preview = waitForPreview();
    ASSERT_NE(preview, nullptr);
    // Painted is not yet shown: the X server may still show what lay below.
    const RECT rect = windowRect(preview);
    EXPECT_TRUE(waitUntil([&] {
        return screenPixel(rect.left + 100, rect.top + 180) == RGB(255, 128, 0) &&
               screenPixel(rect.right - 100, rect.top + 180) == RGB(0, 0, 255);
    }));
    saveScreenshot(preview, "preview-window");
}

TEST_F(AppPreviewWindow, EscClosesItAtOnce) {
    ASSERT_TRUE(app.start());
    app.setText(kIdBackgroundPathEdit, "C:\\no-such-picture.jpg");
    app.click(kIdPreviewButton);
    const HWND preview = waitForPreview();
    ASSERT_NE(preview, nullptr);
    PostMessageA(preview, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(preview); }, 1000));
    EXPECT_TRUE(app.running());
}

// The open-file dialog runs its own loop, which never passes keys to ours:
// the preview must take Esc in its own window procedure.
TEST_F(AppPreviewWindow, EscClosesItWhileTheOpenFileDialogIsUp) {
    ASSERT_TRUE(app.start());
    // The first dialog of a process loads the shell, which can take longer
    // than the preview lives under emulation; the second one opens quickly.
    app.click(kIdLogoBrowseButton);
    ASSERT_TRUE(app.cancelOpenFileDialog(app.waitForOpenFileDialog()));
    app.setText(kIdBackgroundPathEdit, "x");
    app.click(kIdPreviewButton);
    const HWND preview = waitForPreview();
    ASSERT_NE(preview, nullptr);
    const ULONGLONG opened = GetTickCount64();
    app.click(kIdLogoBrowseButton);
    const HWND dialog = app.waitForOpenFileDialog();
    ASSERT_NE(dialog, nullptr);

    SetForegroundWindow(preview);
    ASSERT_TRUE(waitUntil([&] { return activeWindowOf(preview) == preview; }));
    const ULONGLONG escPressed = GetTickCount64();
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(preview); }));
    const ULONGLONG closed = GetTickCount64();
    // Its timer would have closed it 3000 ms after it opened: the Esc must
    // have come well before that for this to show anything.
    ASSERT_LT(escPressed - opened, kPreviewLifetimeMilliseconds - 1000)
        << "the dialog opened too late to tell Esc from the timer: "
        << escPressed - opened << " ms after the preview";
    EXPECT_LT(closed - opened, kPreviewLifetimeMilliseconds - 500);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_TRUE(app.cancelOpenFileDialog(dialog));
    EXPECT_TRUE(app.running());
}

TEST_F(AppPreviewWindow, ClosingMainWhileThePreviewIsOpenEndsTheProgramWhenThePreviewCloses) {
    ASSERT_TRUE(app.start());
    app.setText(kIdBackgroundPathEdit, "x");
    app.click(kIdPreviewButton);
    const HWND preview = waitForPreview();
    ASSERT_NE(preview, nullptr);
    app.click(kIdExitButton);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(app.mainWindow()); }));
    EXPECT_TRUE(app.running());
    EXPECT_TRUE(IsWindow(preview));
    EXPECT_EQ(app.waitForExit(), std::optional<DWORD>(0));
}

TEST_F(AppPreviewWindow, ItsTimerStillRunsWhileTheAboutWindowIsOpen) {
    ASSERT_TRUE(app.start());
    app.setText(kIdBackgroundPathEdit, "x");
    app.click(kIdPreviewButton);
    const HWND preview = waitForPreview();
    ASSERT_NE(preview, nullptr);
    app.click(kIdAboutButton);
    const HWND about = app.waitForWindow(VELLUMARK_ABOUT_WINDOW_CLASS);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowEnabled(preview); }));
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(preview); }, 4000));
    EXPECT_TRUE(app.running());
    EXPECT_TRUE(IsWindow(about));
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(app.mainWindow()) != FALSE; }));
    EXPECT_TRUE(app.running());
}

}  // namespace
