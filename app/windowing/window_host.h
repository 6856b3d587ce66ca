#pragma once
// The two sides of a program window and the manager that holds it: what the
// manager asks of a window, and what a window tells its manager. Each side
// knows the other only through these, so neither includes the other.
#include <windows.h>

#include "app/windowing/window_operations.h"

// Posted by the manager for a deferred destroy; the window hands it back.
constexpr UINT kDeferredDestroyMessage = WM_APP + 1;

class HostedWindow {
public:
    virtual ~HostedWindow() = default;
    virtual HWND hwnd() const = 0;
    // Keys handled before the focused control sees them; true when handled.
    virtual bool translateKey(const MSG& message) = 0;
    // The window's created event: it exists with all its controls, not yet shown.
    virtual void onCreated() = 0;
};

class WindowHost {
public:
    virtual ~WindowHost() = default;
    // A close the window has accepted: it goes at once.
    virtual void completeDestroy(WindowId window) = 0;
    // The message posted by a deferred destroy has reached the window.
    virtual void deferredDestroyArrived(WindowId window) = 0;
    // The window has received WM_NCDESTROY.
    virtual void windowDestroyed(WindowId window) = 0;
};
