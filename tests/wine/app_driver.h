#pragma once
// Drives a running Vellumark from the test process the way a user would:
// find its windows and controls by ID, click, choose, answer message boxes,
// and wait on conditions with a deadline (never a fixed sleep).
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/bytes.h"
#include "tests/common/oem_registry.h"
#include "tests/wine/wine_test_support.h"

// An item of a list box or combo box of another process, in code page 936.
std::string listItemText(HWND comboBox, int index);

// The Vellumark.exe the tests start: the 64-bit build, or in the WoW64 lane
// the 32-bit product named by VELLUMARK_WOW64_PROGRAM.
std::string programUnderTest();
bool inWow64Lane();

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
    // Waits for such a window to show; null when none did by the deadline.
    HWND waitForWindow(const char* className) const;
    HWND control(int controlId) const { return findControl(mainWindow_, controlId); }

    void click(int controlId) const;
    // Chooses a brand the way the mouse does, through the dropped list.
    bool chooseBrand(int index) const;
    std::string text(int controlId) const;
    void setText(int controlId, const std::string& text) const;

    // Waits for a message box of the program, reads it and presses OK.
    std::optional<MessageBoxSeen> answerMessageBox(
        DWORD milliseconds = kTestDeadlineMilliseconds) const;
    HWND waitForMessageBox(DWORD milliseconds = kTestDeadlineMilliseconds) const;

    // The program's open-file dialog once it is up, or null after the deadline.
    HWND waitForOpenFileDialog(DWORD milliseconds = kTestDeadlineMilliseconds) const;
    // What the dialog's file name box offers.
    std::string openFileDialogName(HWND dialog) const;
    // Types `path` into the file name box (unless empty), presses 打开 and
    // waits until the dialog is gone.
    bool confirmOpenFileDialog(HWND dialog, const std::string& path = "") const;
    // The same with a name typed as Unicode text, for names that have no
    // form in code page 936.
    bool confirmOpenFileDialogWide(HWND dialog, const std::wstring& path) const;
    bool cancelOpenFileDialog(HWND dialog) const;
    // Presses a "浏 览..." button and confirms `path` in the dialog it opens.
    bool chooseFile(int browseButtonId, const std::string& path) const;

    // Waits for the process to end; its exit code, or nothing on timeout.
    std::optional<DWORD> waitForExit(DWORD milliseconds = kTestDeadlineMilliseconds);
    bool running() const;

private:
    PROCESS_INFORMATION process_ = {};
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

// ---- What the program leaves in the system --------------------------------

using oem_registry::kLogonBackgroundKey;
using oem_registry::kOemInformationKey;
using oem_registry::kOemValueNames;
// The prefix's Windows folder, e.g. "C:\windows".
std::string windowsFolder();
// The prefix's real folders, as an apply reaches them.
std::string oemLogoFile();
std::string oemBackgroundFile();

struct RegistryValueSeen {
    bool found = false;
    DWORD type = REG_NONE;
    Bytes data;
};
// A value under HKEY_LOCAL_MACHINE as the system reads it back.
RegistryValueSeen readRegistryValue(const std::string& keyPath, const std::string& valueName);
// Nothing when the file cannot be opened.
std::optional<Bytes> readWholeFile(const std::string& path);
bool writeWholeFile(const std::string& path, const Bytes& bytes);
// Deletes a folder with everything in it; true when it is gone.
bool removeFolderTree(const std::string& path);
// Removes the OEM values, the background switch and the oobe\info folder, so
// a test starts from a system that was never branded.
bool clearOemSettings();
// What a 32-bit program without the 64-bit registry view and with file-system
// redirection on would have written instead: the OEM values under
// WOW6432Node and SysWOW64\oobe\info. One line per thing found; empty when
// none is there.
std::string whatLandedInThe32BitViews();

// A folder of its own for a test's generated files, C:\vellumark-test-files\NAME,
// emptied when made and removed when done.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool ready() const { return ready_; }
    std::string path(const std::string& fileName) const { return folder_ + "\\" + fileName; }
    // Writes `bytes` as FILENAME here; its full path, or empty on failure.
    std::string write(const std::string& fileName, const Bytes& bytes) const;

private:
    std::string folder_;
    bool ready_ = false;
};

// Saves what the screen shows of `window` as build/screens/NAME.bmp; the rig
// turns it into a PNG.
bool saveScreenshot(HWND window, const std::string& name);
// The colour of a pixel of the screen, in screen coordinates.
COLORREF screenPixel(int x, int y);
