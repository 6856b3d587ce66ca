#pragma once
// PreviewWindow: a frameless 500 x 374 window that shows the chosen logon
// background stretched over it and closes itself by its timer.
#include <windows.h>

#include "app/event_routing.h"
#include "app/program_window.h"
#include "platform/bytes.h"

constexpr UINT kPreviewTimerMilliseconds = 3000;

class PreviewWindow final : public ProgramWindow {
public:
    // `picture` is shown stretched; bytes that do not decode show the face colour.
    static PreviewWindow* open(WindowManager& manager, EventRouter& router, Bytes picture,
                               HWND owner);

private:
    PreviewWindow(WindowManager& manager, EventRouter& router)
        : ProgramWindow(manager, WindowId::Preview), router_(router) {}
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    EventRouter& router_;
};

bool registerPreviewWindowClass(HINSTANCE instance);
