#pragma once
// What the Windows-side tests do as a user would: wait for a window to show
// up, read what it says, press its buttons. Waits poll a condition until a
// deadline; none sleeps for a fixed time to let something happen.
#include <windows.h>

#include <chrono>
#include <functional>
#include <thread>

#include "platform/bytes.h"

constexpr std::chrono::milliseconds kWindowDeadline{15000};

// Polls `find` until it gives a window or the deadline passes (nullptr).
HWND waitForWindow(const std::function<HWND()>& find,
                   std::chrono::milliseconds deadline = kWindowDeadline);

// A visible dialog-class (#32770) top-level window of this process.
HWND findProcessDialog();

// The window's text as ANSI bytes.
Text windowText(HWND window);

// Presses a dialog button as a click does: the dialog gets its BN_CLICKED.
void pressDialogButton(HWND dialog, int buttonId);

// Drives a dialog from a helper thread while the test's own thread sits in
// the modal call that shows it: waits for the dialog, runs `drive` on it and
// joins on destruction. `drive` must close the dialog.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND dialog)> drive);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // False when no dialog appeared before the deadline.
    bool sawDialog();

private:
    std::thread thread_;
    bool sawDialog_ = false;
};
