#pragma once
// MainWindow: the OEM fields, the brand list, the two choosers and the
// buttons, on a fixed 550 x 450 window.
#include <windows.h>

#include <map>

#include "app/windowing/program_window.h"
#include "app/windowing/window_events.h"

class MainWindow final : public ProgramWindow {
public:
    // Builds the window hidden with every control and brand 0 chosen,
    // without raising an event.
    static MainWindow* open(WindowHost& host, WindowEvents& events, HWND owner);
    // Fills the fields from the chosen brand before the window is shown.
    void onCreated() override;

    HWND control(int controlId) const;
    bool translateKey(const MSG& message) override;

private:
    MainWindow(WindowHost& host, WindowEvents& events);
    bool createControls() override;
    void moveFocusAlongTabOrder(bool backwards);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    WindowEvents& events_;
    std::map<int, HWND> controls_;
    HWND lastFocus_ = nullptr;
    // The brand whose preset last filled the fields; the list shows it
    // whenever a drop is left without a choice.
    int brandInFields_ = 0;
};

bool registerMainWindowClass(HINSTANCE instance);
