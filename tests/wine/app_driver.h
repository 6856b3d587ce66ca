#pragma once
// Drives a running Vellumark from the test process the way a user would:
// find its windows and controls by ID, click, choose, answer message boxes,
// and wait on conditions with a deadline (never a fixed sleep).
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

constexpr DWORD kDefaultWaitMilliseconds = 15000;

// Polls `condition` until it holds or the deadline passes.
bool waitUntil(const std::function<bool()>& condition, DWORD milliseconds = kDefaultWaitMilliseconds);

// Works across processes (WM_GETTEXT), unlike GetWindowText for controls.
std::string controlText(HWND window);
std::string windowClassName(HWND window);
// An item of a list box or combo box of another process, in code page 936.
std::string listItemText(HWND comboBox, int index);
// Any descendant of `root` with this control ID.
HWND findControl(HWND root, int controlId);
// "Z:" path of a Unix path under the prefix's view of the file system.
std::string windowsPathOf(const std::string& unixPath);

struct MessageBoxSeen {
    std::string title;
    std::string text;
    bool hasIcon = false;
};

class RunningApp {
public:
    RunningApp() = default;
    ~RunningApp();
    RunningApp(const RunningApp&) = delete;
    RunningApp& operator=(const RunningApp&) = delete;

    // Starts Vellumark.exe and waits until MainWindow is visible.
    bool start();
    HWND mainWindow() const { return mainWindow_; }
    DWORD processId() const { return processId_; }
    // A visible top-level window of the program of this class, or null.
    HWND topLevelWindow(const char* className) const;
    HWND control(int controlId) const { return findControl(mainWindow_, controlId); }

    void click(int controlId) const;
    // Chooses a brand the way the mouse does, through the dropped list.
    bool chooseBrand(int index) const;
    std::string text(int controlId) const;
    void setText(int controlId, const std::string& text) const;

    // Waits for a message box of the program, reads it and presses OK.
    std::optional<MessageBoxSeen> answerMessageBox(DWORD milliseconds = kDefaultWaitMilliseconds) const;
    HWND waitForMessageBox(DWORD milliseconds = kDefaultWaitMilliseconds) const;

    // Waits for the process to end; its exit code, or nothing on timeout.
    std::optional<DWORD> waitForExit(DWORD milliseconds = kDefaultWaitMilliseconds);
    bool running() const;

private:
    PROCESS_INFORMATION process_ = {};
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

// Saves what the screen shows of `window` as build/screens/NAME.bmp; the rig
// turns it into a PNG.
bool saveScreenshot(HWND window, const std::string& name);
// The colour of a pixel of the screen, in screen coordinates.
COLORREF screenPixel(int x, int y);
