#pragma once
// PreviewWindow: a frameless 500 x 374 window that shows the chosen logon
// background stretched over it and closes itself by its timer.
#include <windows.h>

#include <utility>

#include "app/windowing/program_window.h"
#include "app/windowing/window_events.h"
#include "platform/bytes.h"

constexpr UINT kPreviewTimerMilliseconds = 3000;

class PreviewWindow final : public ProgramWindow {
public:
    // `picture` is shown stretched; bytes that do not decode show the face colour.
    static PreviewWindow* open(WindowHost& host, WindowEvents& events, Bytes picture, HWND owner);

private:
    PreviewWindow(WindowHost& host, WindowEvents& events, Bytes picture)
        : ProgramWindow(host, WindowId::Preview), events_(events), picture_(std::move(picture)) {}
    bool createControls() override;
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    WindowEvents& events_;
    Bytes picture_;  // until the picture box takes it
};

bool registerPreviewWindowClass(HINSTANCE instance);
