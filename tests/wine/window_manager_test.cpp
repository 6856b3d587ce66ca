// The rules by which the program's windows open and close, on bare windows
// of the test's own: one instance of each, the deferred destroy, modal
// openings, and the quit message when the last window is gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "app/windowing/program_window.h"
#include "app/windowing/window_manager.h"

namespace {

constexpr char kTestWindowClass[] = "VellumarkTestProgramWindow";
constexpr UINT kRunStepMessage = WM_APP + 50;

// A bare program window; `step` runs once from inside the message loop after
// the window is shown (inside the nested loop for a modal window).
class TestWindow final : public ProgramWindow {
public:
    TestWindow(WindowManager& manager, WindowId id, std::function<void(TestWindow&)> step)
        : ProgramWindow(manager, id), step_(std::move(step)) {}

    static TestWindow* open(WindowManager& manager, WindowId id, HWND owner,
                            std::function<void(TestWindow&)> step) {
        auto* window = new TestWindow(manager, id, std::move(step));
        WindowFrame frame;
        frame.className = kTestWindowClass;
        frame.style = WS_OVERLAPPEDWINDOW;
        frame.width = 200;
        frame.height = 100;
        if (!create(window, frame, owner)) return nullptr;
        if (window->step_) PostMessageA(window->hwnd(), kRunStepMessage, 0, 0);
        return window;
    }

    void onCreated() override { ++createdEvents; }
    static inline int createdEvents = 0;

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kRunStepMessage) {
            step_(*this);
            return 0;
        }
        return ProgramWindow::onMessage(message, wParam, lParam);
    }
    std::function<void(TestWindow&)> step_;
};

class WindowRules : public ::testing::Test {
protected:
    void SetUp() override {
        registerProgramWindowClass(GetModuleHandleA(nullptr), kTestWindowClass);
        ASSERT_TRUE(manager.createApplicationWindow());
        TestWindow::createdEvents = 0;
    }
    void TearDown() override { manager.destroyApplicationWindow(); }

    // Windows opened from now on run `step` once they are up.
    void setStep(WindowId id, std::function<void(TestWindow&)> step = {}) {
        manager.setFactory(id, [this, id, step](HWND owner) -> ProgramWindow* {
            return TestWindow::open(manager, id, owner, step);
        });
    }

    WindowManager manager{GetModuleHandleA(nullptr)};
};

TEST_F(WindowRules, ASecondOpeningMakesNoSecondWindow) {
    setStep(WindowId::Preview);
    ASSERT_TRUE(manager.loadWindow(WindowId::Preview, WindowMode::Modeless));
    const HWND first = manager.windowHandle(WindowId::Preview);
    ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(manager.loadWindow(WindowId::Preview, WindowMode::Modeless));
    EXPECT_EQ(manager.windowHandle(WindowId::Preview), first);
    EXPECT_FALSE(IsIconic(first)) << "a minimised window is restored";
    EXPECT_EQ(TestWindow::createdEvents, 1);
    DestroyWindow(first);
}

TEST_F(WindowRules, DestroyWaitsForTheLoopAndAPendingDestroyIsCompletedBeforeANewOpening) {
    setStep(WindowId::Preview);
    ASSERT_TRUE(manager.loadWindow(WindowId::Preview, WindowMode::Modeless));
    const HWND first = manager.windowHandle(WindowId::Preview);
    manager.destroyWindow(WindowId::Preview);
    manager.destroyWindow(WindowId::Preview);  // again: changes nothing
    EXPECT_TRUE(IsWindow(first)) << "still there until the loop takes the message";

    ASSERT_TRUE(manager.loadWindow(WindowId::Preview, WindowMode::Modeless));
    EXPECT_FALSE(IsWindow(first));
    const HWND second = manager.windowHandle(WindowId::Preview);
    EXPECT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(TestWindow::createdEvents, 2);

    // The first window's posted destroy message finds nothing left to do.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    EXPECT_TRUE(IsWindow(second));
    DestroyWindow(second);
}

TEST_F(WindowRules, AModalOpeningDisablesTheOthersAndRestoresEachOnesState) {
    setStep(WindowId::Main);
    setStep(WindowId::Preview);
    ASSERT_TRUE(manager.loadWindow(WindowId::Main, WindowMode::Modeless));
    ASSERT_TRUE(manager.loadWindow(WindowId::Preview, WindowMode::Modeless));
    const HWND main = manager.windowHandle(WindowId::Main);
    const HWND preview = manager.windowHandle(WindowId::Preview);
    EnableWindow(preview, FALSE);  // already disabled before the modal opening

    bool mainDisabledMeanwhile = false;
    HWND owner = nullptr;
    setStep(WindowId::About, [&](TestWindow& about) {
        mainDisabledMeanwhile = !IsWindowEnabled(main);
        owner = GetWindow(about.hwnd(), GW_OWNER);
        PostMessageA(about.hwnd(), WM_CLOSE, 0, 0);
    });
    ASSERT_TRUE(manager.loadWindow(WindowId::About, WindowMode::Modal));

    // loadWindow returned only once the modal window was gone.
    EXPECT_EQ(manager.windowHandle(WindowId::About), nullptr);
    EXPECT_TRUE(mainDisabledMeanwhile);
    EXPECT_NE(owner, nullptr);
    EXPECT_NE(owner, main);
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(IsWindowEnabled(preview)) << "restored to its own former state";
    DestroyWindow(preview);
    DestroyWindow(main);
}

TEST_F(WindowRules, TheLoopEndsWhenTheLastWindowIsGoneNotWhenMainIs) {
    bool loopRanOnWithoutMain = false;
    setStep(WindowId::Preview, [&](TestWindow& preview) {
        if (manager.windowHandle(WindowId::Main)) {
            PostMessageA(preview.hwnd(), kRunStepMessage, 0, 0);  // look again later
            return;
        }
        loopRanOnWithoutMain = true;
        PostMessageA(preview.hwnd(), WM_CLOSE, 0, 0);
    });
    setStep(WindowId::Main, [&](TestWindow&) {
        manager.loadWindow(WindowId::Preview, WindowMode::Modeless);
        manager.destroyWindow(WindowId::Main);
    });
    ASSERT_TRUE(manager.loadWindow(WindowId::Main, WindowMode::Modeless));
    EXPECT_EQ(manager.runMessageLoop(), 0);
    EXPECT_TRUE(loopRanOnWithoutMain);
    EXPECT_FALSE(manager.anyWindowOpen());
}

}  // namespace
