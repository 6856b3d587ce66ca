#include "app/windowing/program_window.h"

#include <new>

#include "app/windowing/fatal_error.h"

LRESULT CALLBACK ProgramWindow::windowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    ProgramWindow* window;
    if (message == WM_NCCREATE) {
        window =
            static_cast<ProgramWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    } else {
        window = reinterpret_cast<ProgramWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = window->onMessage(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        // Nothing may unwind into the system's code; a failed allocation is
        // a fatal failure of the windowing environment.
        stopOnFatalError("内存不足，程序将退出。");
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->host_.windowDestroyed(window->id_);
        // A window whose creation failed is freed by its creator instead.
        if (window->created_) delete window;
    }
    return result;
}

LRESULT ProgramWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // No handler may refuse a close: the window goes at once. A disabled
        // window takes no input, so a close sent to it from outside waits
        // until the modal window, message or dialog over it has gone.
        if (IsWindowEnabled(hwnd_)) host_.completeDestroy(id_);
        return 0;
    case kDeferredDestroyMessage: host_.deferredDestroyArrived(id_); return 0;
    case WM_KEYDOWN:
        // Esc on a window that holds the focus itself (the preview) arrives
        // here also when a loop not ours runs the messages, the open-file
        // dialog's or a message box's, which skips translateKey.
        if (wParam == VK_ESCAPE) {
            SendMessageA(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        }
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool ProgramWindow::translateKey(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        SendMessageA(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return false;
}

bool ProgramWindow::createWindow(ProgramWindow* window, const WindowFrame& frame, HWND owner) {
    // Integer division on the full primary screen, not the work area.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - frame.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - frame.height) / 2;
    window->created_ = CreateWindowExA(frame.exStyle, frame.className, frame.caption, frame.style,
                                       x, y, frame.width, frame.height, owner, nullptr,
                                       GetModuleHandleA(nullptr), window) != nullptr;
    if (!window->created_) {
        delete window;
        return false;
    }
    // Destroying it deletes the object, at WM_NCDESTROY.
    if (!window->createControls()) {
        DestroyWindow(window->hwnd_);
        return false;
    }
    return true;
}

bool registerProgramWindowClass(HINSTANCE instance, const char* className) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ProgramWindow::windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "DEFAULT_ICON");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}
