#include "tests/wine/wine_test_support.h"

namespace {

constexpr UINT kAnswerMilliseconds = 5000;

}  // namespace

bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(5);
    }
}

HWND waitForWindow(const std::function<HWND()>& find, DWORD milliseconds) {
    HWND found = nullptr;
    waitUntil([&] { return (found = find()) != nullptr; }, milliseconds);
    return found;
}

Text windowText(HWND window) {
    // Through the message with a timeout, so a busy program cannot hang us.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                             &length)) {
        return {};
    }
    Text text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kAnswerMilliseconds, &copied);
    text.resize(copied);
    return text;
}

std::string windowClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND findControl(HWND root, int controlId) {
    struct Search {
        int id;
        HWND found;
    } search = {controlId, nullptr};
    EnumChildWindows(
        root,
        [](HWND child, LPARAM state) -> BOOL {
            auto* s = reinterpret_cast<Search*>(state);
            if (GetDlgCtrlID(child) != s->id) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

// Every visible top-level window of the process of this class, until
// `take` says it has what it wants.
void forEachTopLevelWindow(DWORD processId, const char* className,
                           const std::function<bool(HWND)>& take) {
    struct Search {
        DWORD processId;
        const char* className;
        const std::function<bool(HWND)>* take;
    } search = {processId, className, &take};
    EnumWindows(
        [](HWND window, LPARAM state) -> BOOL {
            const auto* s = reinterpret_cast<const Search*>(state);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || !IsWindowVisible(window) ||
                windowClassName(window) != s->className) {
                return TRUE;
            }
            return (*s->take)(window) ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
}

}  // namespace

HWND findTopLevelWindow(DWORD processId, const char* className) {
    HWND found = nullptr;
    forEachTopLevelWindow(processId, className, [&](HWND window) {
        found = window;
        return true;
    });
    return found;
}

HWND findDialogWith(DWORD processId, int controlId) {
    HWND found = nullptr;
    forEachTopLevelWindow(processId, "#32770", [&](HWND dialog) {
        if (findControl(dialog, controlId) == nullptr) return false;
        found = dialog;
        return true;
    });
    return found;
}

void pressDialogButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

DialogDriver::DialogDriver(std::function<void(HWND dialog)> drive)
    : thread_([this, drive = std::move(drive)] {
          const HWND dialog =
              waitForWindow([] { return findTopLevelWindow(GetCurrentProcessId(), "#32770"); });
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
