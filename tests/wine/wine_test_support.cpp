#include "tests/wine/wine_test_support.h"

#include <array>
#include <cstring>
#include <vector>

HWND waitForWindow(const std::function<HWND()>& find, std::chrono::milliseconds deadline) {
    const auto giveUpAt = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (const HWND window = find()) return window;
        if (std::chrono::steady_clock::now() >= giveUpAt) return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

namespace {

BOOL CALLBACK takeProcessDialog(HWND window, LPARAM found) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    std::array<char, 16> className{};
    GetClassNameA(window, className.data(), static_cast<int>(className.size()));
    if (processId != GetCurrentProcessId() || !IsWindowVisible(window) ||
        std::strcmp(className.data(), "#32770") != 0) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

HWND findProcessDialog() {
    HWND found = nullptr;
    EnumWindows(takeProcessDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

Text windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return Text(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void pressDialogButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

DialogDriver::DialogDriver(std::function<void(HWND dialog)> drive)
    : thread_([this, drive = std::move(drive)] {
          const HWND dialog = waitForWindow(findProcessDialog);
          sawDialog_ = dialog != nullptr;
          if (dialog != nullptr) drive(dialog);
      }) {}

DialogDriver::~DialogDriver() {
    if (thread_.joinable()) thread_.join();
}

bool DialogDriver::sawDialog() {
    if (thread_.joinable()) thread_.join();
    return sawDialog_;
}
