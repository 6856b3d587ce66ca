#include "app/windowing/window_manager.h"

bool WindowManager::createApplicationWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = VELLUMARK_APPLICATION_WINDOW_CLASS;
    RegisterClassA(&windowClass);
    // Hidden and zero-sized: it exists only to own modal windows, which so
    // get no taskbar button of their own.
    applicationWindow_ =
        CreateWindowExA(WS_EX_TOOLWINDOW, VELLUMARK_APPLICATION_WINDOW_CLASS, "", WS_POPUP, 0, 0, 0,
                        0, nullptr, nullptr, instance_, nullptr);
    return applicationWindow_ != nullptr;
}

void WindowManager::destroyApplicationWindow() {
    if (applicationWindow_) DestroyWindow(applicationWindow_);
    applicationWindow_ = nullptr;
}

void WindowManager::setFactory(WindowId window, WindowFactory factory) {
    slot(window).factory = std::move(factory);
}

bool WindowManager::anyWindowOpen() const {
    for (const Slot& each : slots_) {
        if (each.window) return true;
    }
    return false;
}

bool WindowManager::loadWindow(WindowId window, WindowMode mode) {
    const bool modal = mode == WindowMode::Modal;
    Slot& target = slot(window);
    if (target.window && !target.destroyPending) {
        const HWND hwnd = target.window->hwnd();
        if (IsIconic(hwnd)) {
            ShowWindow(hwnd, SW_RESTORE);
        } else {
            SetForegroundWindow(hwnd);
        }
        return true;
    }
    if (target.window) completeDestroy(window);

    const HWND activeBefore = GetActiveWindow();
    HostedWindow* created =
        target.factory ? target.factory(modal ? applicationWindow_ : nullptr) : nullptr;
    if (!created) return false;
    target.window = created;
    created->onCreated();
    if (slot(window).window != created) return true;  // the created event closed it
    const HWND hwnd = created->hwnd();
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    if (!modal) return true;

    slot(window).activeBefore = activeBefore;
    disableOtherWindows(window);
    while (slot(window).window == created) {
        if (!pumpOneMessage()) break;
    }
    return true;
}

void WindowManager::destroyWindow(WindowId window) {
    Slot& target = slot(window);
    if (!target.window || target.destroyPending) return;
    target.destroyPending = true;
    // Posted, so the window outlives the handler that asked for its end.
    PostMessageA(target.window->hwnd(), kDeferredDestroyMessage, 0, 0);
}

void WindowManager::deferredDestroyArrived(WindowId window) {
    if (slot(window).destroyPending) completeDestroy(window);
}

void WindowManager::completeDestroy(WindowId window) {
    Slot& target = slot(window);
    if (!target.window) return;
    // Enabled again first, so activation can go back to them.
    restoreDisabledWindows(target);
    DestroyWindow(target.window->hwnd());  // ends in windowDestroyed
}

void WindowManager::windowDestroyed(WindowId window) {
    Slot& target = slot(window);
    restoreDisabledWindows(target);
    target.window = nullptr;
    target.destroyPending = false;
    // Wakes a modal loop waiting for this window, so the handler that opened
    // it returns now rather than at the next message.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    if (messageLoopRunning_ && !anyWindowOpen()) PostQuitMessage(0);
}

void WindowManager::disableOtherWindows(WindowId modalWindow) {
    Slot& modal = slot(modalWindow);
    for (size_t index = 0; index < slots_.size(); ++index) {
        Slot& other = slots_[index];
        if (&other == &modal || !other.window) continue;
        const HWND hwnd = other.window->hwnd();
        modal.disabledWindows.emplace_back(hwnd, IsWindowEnabled(hwnd) != FALSE);
        EnableWindow(hwnd, FALSE);
    }
}

void WindowManager::restoreDisabledWindows(Slot& target) {
    for (const auto& [hwnd, wasEnabled] : target.disabledWindows) {
        if (IsWindow(hwnd)) EnableWindow(hwnd, wasEnabled ? TRUE : FALSE);
    }
    target.disabledWindows.clear();
    // A modal window's owner is the hidden application window, which cannot
    // take the activation back; hand it to the window that had it.
    if (target.activeBefore && IsWindow(target.activeBefore) &&
        IsWindowEnabled(target.activeBefore)) {
        SetActiveWindow(target.activeBefore);
    }
    target.activeBefore = nullptr;
}

bool WindowManager::translateProgramKey(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN &&
        message.message != WM_CHAR) {
        return false;
    }
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    for (const Slot& each : slots_) {
        if (each.window && each.window->hwnd() == root) return each.window->translateKey(message);
    }
    return false;
}

bool WindowManager::pumpOneMessage() {
    MSG message;
    const BOOL result = GetMessageA(&message, nullptr, 0, 0);
    if (result == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (result == -1) return false;
    if (!translateProgramKey(message)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

int WindowManager::runMessageLoop() {
    messageLoopRunning_ = true;
    if (!anyWindowOpen()) return 0;
    MSG message;
    BOOL result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (result == -1) break;
        if (!translateProgramKey(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return result == 0 ? static_cast<int>(message.wParam) : 0;
}
