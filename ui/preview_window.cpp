#include "ui/preview_window.h"

#include <utility>

#include "platform/win32/picture_box.h"
#include "ui/control_ids.h"

namespace {

constexpr int kWindowWidth = 500;
constexpr int kWindowHeight = 374;

}  // namespace

PreviewWindow* PreviewWindow::open(WindowHost& host, WindowEvents& events, Bytes picture,
                                   HWND owner) {
    auto* window = new PreviewWindow(host, events, std::move(picture));
    // Unowned, so it has its own taskbar button and outlives MainWindow.
    WindowFrame frame;
    frame.className = VELLUMARK_PREVIEW_WINDOW_CLASS;
    frame.style = WS_POPUP | WS_CLIPCHILDREN;
    frame.exStyle = WS_EX_APPWINDOW;
    frame.width = kWindowWidth;
    frame.height = kWindowHeight;
    return create(window, frame, owner);
}

bool PreviewWindow::createControls() {
    const HWND box = createPictureBox(hwnd(), kIdPreviewPicture, 0, 0, kWindowWidth, kWindowHeight,
                                      GetSysColor(COLOR_BTNFACE), PictureMode::StretchToBox);
    if (!box) return false;
    // The picture is shown for the whole interval: the timer starts once it
    // is decoded, not before.
    setPictureBoxBytes(box, std::move(picture_));
    return SetTimer(hwnd(), kIdPreviewTimer, kPreviewTimerMilliseconds, nullptr) != 0;
}

LRESULT PreviewWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kIdPreviewTimer) {
        events_.dispatch(WindowEvent::PreviewTimerElapsed);
        return 0;
    }
    if (message == WM_DESTROY) KillTimer(hwnd(), kIdPreviewTimer);
    return ProgramWindow::onMessage(message, wParam, lParam);
}

bool registerPreviewWindowClass(HINSTANCE instance) {
    return registerProgramWindowClass(instance, VELLUMARK_PREVIEW_WINDOW_CLASS);
}
