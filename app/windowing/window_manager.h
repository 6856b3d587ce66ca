#pragma once
// The program's windows: at most one of each, opened and closed by the
// rules handlers rely on, and the message loops that run them.
#include <windows.h>

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "app/windowing/window_host.h"
#include "app/windowing/window_operations.h"

// The hidden window that owns modal windows, by class name so tests can find it.
#define VELLUMARK_APPLICATION_WINDOW_CLASS "VellumarkApplicationWindow"

class WindowManager final : public WindowOperations, public WindowHost {
public:
    // Builds a window hidden, with its controls; null when creation failed.
    using WindowFactory = std::function<HostedWindow*(HWND owner)>;

    explicit WindowManager(HINSTANCE instance) : instance_(instance) {}

    bool createApplicationWindow();
    void destroyApplicationWindow();
    void setFactory(WindowId window, WindowFactory factory);

    bool loadWindow(WindowId window, WindowMode mode) override;
    void destroyWindow(WindowId window) override;

    HostedWindow* window(WindowId window) const { return slot(window).window; }
    HWND windowHandle(WindowId window) const {
        return slot(window).window ? slot(window).window->hwnd() : nullptr;
    }
    bool anyWindowOpen() const;

    void completeDestroy(WindowId window) override;
    void deferredDestroyArrived(WindowId window) override;
    void windowDestroyed(WindowId window) override;

    // The main loop; returns the quit message's exit code.
    int runMessageLoop();

private:
    struct Slot {
        HostedWindow* window = nullptr;
        bool destroyPending = false;
        // For a modal window: the windows it disabled, with their former state.
        std::vector<std::pair<HWND, bool>> disabledWindows;
        // For a modal window: the window that was active when it opened.
        HWND activeBefore = nullptr;
        WindowFactory factory;
    };

    Slot& slot(WindowId window) { return slots_[static_cast<size_t>(window)]; }
    const Slot& slot(WindowId window) const { return slots_[static_cast<size_t>(window)]; }
    void disableOtherWindows(WindowId modalWindow);
    void restoreDisabledWindows(Slot& slot);
    // Gives the window under the message a first look at keys.
    bool translateProgramKey(const MSG& message);
    // False when the quit message was taken (it is posted again for the outer loop).
    bool pumpOneMessage();

    HINSTANCE instance_;
    HWND applicationWindow_ = nullptr;
    bool messageLoopRunning_ = false;
    std::array<Slot, 3> slots_;
};
