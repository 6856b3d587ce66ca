#pragma once
// What the three windows share: attachment to their HWND, the close paths
// that go through the window's host, and the keys they handle first.
#include <windows.h>

#include "app/windowing/window_host.h"

// A top-level window's class, caption, styles and size.
struct WindowFrame {
    const char* className = "";
    const char* caption = "";
    DWORD style = 0;
    DWORD exStyle = 0;
    int width = 0;
    int height = 0;
};

class ProgramWindow : public HostedWindow {
public:
    ProgramWindow(WindowHost& host, WindowId id) : host_(host), id_(id) {}
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    HWND hwnd() const override { return hwnd_; }
    WindowId id() const { return id_; }

    bool translateKey(const MSG& message) override;
    void onCreated() override {}

    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Makes the window's controls once the window itself exists.
    virtual bool createControls() { return true; }

    // Creates `window` centred on the primary screen, hidden, with its
    // controls. On any failure the object is gone and null comes back.
    template <typename Window>
    static Window* create(Window* window, const WindowFrame& frame, HWND owner) {
        return createWindow(window, frame, owner) ? window : nullptr;
    }

private:
    static bool createWindow(ProgramWindow* window, const WindowFrame& frame, HWND owner);

    WindowHost& host_;
    WindowId id_;
    HWND hwnd_ = nullptr;
    bool created_ = false;
};

// Registers a window class of ours with the program icon and face colour.
bool registerProgramWindowClass(HINSTANCE instance, const char* className);
