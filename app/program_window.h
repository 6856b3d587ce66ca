#pragma once
// What the three windows share: attachment to their HWND, the close paths
// that go through the window manager, and the keys they handle first.
#include <windows.h>

#include "app/window_operations.h"

class WindowManager;

class ProgramWindow {
public:
    ProgramWindow(WindowManager& manager, WindowId id) : manager_(manager), id_(id) {}
    virtual ~ProgramWindow() = default;
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    WindowId id() const { return id_; }

    // Keys handled before the focused control sees them; true when handled.
    virtual bool translateKey(const MSG& message);
    // The window's created event: it exists with all its controls, not yet shown.
    virtual void onCreated() {}

    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Creates the top-level window, centred on the primary screen, hidden.
    // On failure the caller still owns this object.
    bool createCentred(const char* className, const char* caption, DWORD style, DWORD exStyle,
                       int width, int height, HWND owner);

    WindowManager& manager_;

private:
    WindowId id_;
    HWND hwnd_ = nullptr;
    bool created_ = false;
};

// Registers a window class of ours with the program icon and face colour.
bool registerProgramWindowClass(HINSTANCE instance, const char* className);
