#pragma once
// What every Windows-side test does as a user would: wait for a window to
// show up, find it and its controls, read what they say, press buttons.
// Waits poll a condition until a deadline; none sleeps for a fixed time to
// let something happen.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/text.h"

// The one deadline of the Wine tests: long enough for a 32-bit program
// under emulation, short enough that a hang fails the test, not the run.
constexpr DWORD kTestDeadlineMilliseconds = 15000;

// Controls of the system's own dialogs, as Windows numbers them.
constexpr int kMessageTextId = 0xFFFF;  // a message box's text
constexpr int kMessageIconId = 0x14;    // a message box's icon
// The file name box of the Explorer-style dialog (cmb13 of <dlgs.h>): a
// combo box whose edit child holds the text.
constexpr int kFileNameBoxId = 0x47C;

// Polls `condition` until it holds or the deadline passes.
bool waitUntil(const std::function<bool()>& condition,
               DWORD milliseconds = kTestDeadlineMilliseconds);
// Polls `find` until it gives a window or the deadline passes (nullptr).
HWND waitForWindow(const std::function<HWND()>& find,
                   DWORD milliseconds = kTestDeadlineMilliseconds);

// The window's text as ANSI bytes, also of another process's window; a
// program that does not answer within the deadline gives an empty text.
Text windowText(HWND window);
std::string windowClassName(HWND window);
// Any descendant of `root` with this control ID.
HWND findControl(HWND root, int controlId);
// A visible top-level window of the process of this class, or null.
HWND findTopLevelWindow(DWORD processId, const char* className);
// A visible dialog-class (#32770) window of the process holding a control
// with this ID (a message box's text, the file dialog's name box), or null.
HWND findDialogWith(DWORD processId, int controlId);

// Presses a dialog button as a click does: the dialog gets its BN_CLICKED.
void pressDialogButton(HWND dialog, int buttonId);

// Drives a dialog of this process from a helper thread while the test's own
// thread sits in the modal call that shows it: waits for the dialog, runs
// `drive` on it and joins on destruction. `drive` must close the dialog.
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
