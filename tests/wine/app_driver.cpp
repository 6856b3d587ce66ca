#include "app_driver.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/control_ids.h"

std::string listItemText(HWND comboBox, int index) {
    // Wine hands CB_GETLBTEXT across processes as UTF-16 even for the ANSI
    // call, so ask for UTF-16 and turn it back into the program's code page.
    const LRESULT length = SendMessageW(comboBox, CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(comboBox, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<size_t>(length));
    std::string text(wide.size() * 2 + 1, '\0');
    const int bytes =
        WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                            static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
    return text;
}

std::string windowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

RunningApp::~RunningApp() {
    if (process_.hProcess) {
        if (running()) TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

std::string programUnderTest() {
    const char* wow64Program = std::getenv("VELLUMARK_WOW64_PROGRAM");
    return (wow64Program && *wow64Program) ? wow64Program : VELLUMARK_TEST_EXE;
}

bool inWow64Lane() {
    const char* wow64Program = std::getenv("VELLUMARK_WOW64_PROGRAM");
    return wow64Program && *wow64Program;
}

namespace {

// Each lane keeps its own screenshots, so the 32-bit program's looks can be
// compared with the 64-bit build's.
std::string screensFolder() {
    return std::string(VELLUMARK_SCREENS_DIR) + (inWow64Lane() ? "/wow64" : "");
}

}  // namespace

bool RunningApp::start() {
    std::string exe = windowsPathOf(programUnderTest());
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        return false;
    }
    processId_ = process_.dwProcessId;
    return waitUntil([this] {
        mainWindow_ = topLevelWindow(VELLUMARK_MAIN_WINDOW_CLASS);
        return mainWindow_ != nullptr;
    });
}

HWND RunningApp::topLevelWindow(const char* className) const {
    return findTopLevelWindow(processId_, className);
}

HWND RunningApp::waitForWindow(const char* className) const {
    return ::waitForWindow([&] { return topLevelWindow(className); });
}

void RunningApp::click(int controlId) const {
    // Posted: the click may open a message box, which a sent message would wait on.
    PostMessageA(control(controlId), BM_CLICK, 0, 0);
}

bool RunningApp::chooseBrand(int index) const {
    // Drop the list and click the item, so the list raises CBN_SELENDOK as it
    // does for the mouse. The dropped list is a top-level ComboLBox window.
    const HWND comboBox = control(kIdBrandList);
    SendMessageA(comboBox, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = nullptr;
    if (!waitUntil([&] { return (list = topLevelWindow("ComboLBox")) != nullptr; })) return false;
    SendMessageA(list, LB_SETTOPINDEX, index, 0);
    RECT item = {};
    if (SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        return false;
    }
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_MOUSEMOVE, 0, point);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageA(list, WM_LBUTTONUP, 0, point);
    return waitUntil([&] { return !IsWindowVisible(list); });
}

std::string RunningApp::text(int controlId) const { return windowText(control(controlId)); }

void RunningApp::setText(int controlId, const std::string& text) const {
    SendMessageA(control(controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND RunningApp::waitForMessageBox(DWORD milliseconds) const {
    return ::waitForWindow([&] { return findDialogWith(processId_, kMessageTextId); },
                           milliseconds);
}

std::optional<MessageBoxSeen> RunningApp::answerMessageBox(DWORD milliseconds) const {
    const HWND box = waitForMessageBox(milliseconds);
    if (!box) return std::nullopt;
    MessageBoxSeen seen;
    seen.title = windowText(box);
    seen.text = windowText(findControl(box, kMessageTextId));
    // The icon is a static control of its own beside the text.
    const HWND icon = findControl(box, kMessageIconId);
    seen.hasIcon = icon && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    waitUntil([&] { return !IsWindow(box); });
    return seen;
}

std::optional<DWORD> RunningApp::waitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool RunningApp::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {

bool needsPainting(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    bool pending = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM state) -> BOOL {
            if (!GetUpdateRect(child, nullptr, FALSE)) return TRUE;
            *reinterpret_cast<bool*>(state) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&pending));
    return pending;
}

}  // namespace

bool saveScreenshot(HWND window, const std::string& name) {
    // The screen shows the window only once it and its controls have painted.
    waitUntil([&] { return !needsPainting(window); });
    RECT area;
    if (!GetWindowRect(window, &area)) return false;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);

    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    CreateDirectoryA(windowsPathOf(screensFolder()).c_str(), nullptr);
    const std::string path = windowsPathOf(screensFolder() + "/" + name + ".bmp");
    FILE* out = std::fopen(path.c_str(), "wb");
    bool written = false;
    if (out) {
        written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                  std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                  std::fwrite(bits, 1, imageBytes, out) == imageBytes;
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}

COLORREF screenPixel(int x, int y) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// ---- The open-file dialog --------------------------------------------------

HWND RunningApp::waitForOpenFileDialog(DWORD milliseconds) const {
    return ::waitForWindow([&] { return findDialogWith(processId_, kFileNameBoxId); },
                           milliseconds);
}

std::string RunningApp::openFileDialogName(HWND dialog) const {
    return windowText(findControl(dialog, kFileNameBoxId));
}

bool RunningApp::confirmOpenFileDialog(HWND dialog, const std::string& path) const {
    if (!dialog) return false;
    if (!path.empty()) {
        const HWND nameBox = findControl(dialog, kFileNameBoxId);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                            SMTO_ABORTIFHUNG, 5000, &result);
        if (windowText(nameBox) != path) return false;
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return waitUntil([&] { return !IsWindow(dialog); });
}

bool RunningApp::confirmOpenFileDialogWide(HWND dialog, const std::wstring& path) const {
    if (!dialog) return false;
    const HWND nameBox = findControl(dialog, kFileNameBoxId);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return waitUntil([&] { return !IsWindow(dialog); });
}

bool RunningApp::cancelOpenFileDialog(HWND dialog) const {
    if (!dialog) return false;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return waitUntil([&] { return !IsWindow(dialog); });
}

bool RunningApp::chooseFile(int browseButtonId, const std::string& path) const {
    click(browseButtonId);
    return confirmOpenFileDialog(waitForOpenFileDialog(), path);
}

// ---- What the program leaves in the system --------------------------------
std::string windowsFolder() {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    return windows;
}

namespace {

std::string oemInfoFolder() { return windowsFolder() + "\\System32\\oobe\\info"; }
// Where a 32-bit process would land with file-system redirection left on.
std::string redirectedOemInfoFolder() { return windowsFolder() + "\\SysWOW64\\oobe\\info"; }

// The same key as a 32-bit process sees it without the 64-bit view.
std::string redirectedKeyOf(const std::string& keyPath) {
    const std::string software = "SOFTWARE\\";
    return "SOFTWARE\\WOW6432Node\\" + keyPath.substr(software.size());
}

void deleteRegistryValue(const std::string& keyPath, const char* valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_SET_VALUE | KEY_WOW64_64KEY,
                      &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, valueName);
        RegCloseKey(key);
    }
}

const char kScratchRoot[] = "C:\\vellumark-test-files";

}  // namespace

RegistryValueSeen readRegistryValue(const std::string& keyPath, const std::string& valueName) {
    RegistryValueSeen value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS) {
        return value;
    }
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName.c_str(), nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.data.resize(size);
        value.found = RegQueryValueExA(key, valueName.c_str(), nullptr, &value.type,
                                       value.data.data(), &size) == ERROR_SUCCESS;
        value.data.resize(size);
    }
    RegCloseKey(key);
    return value;
}

std::optional<Bytes> readWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size = {};
    std::optional<Bytes> content;
    if (GetFileSizeEx(file, &size) && size.QuadPart >= 0 && size.QuadPart < (1 << 30)) {
        Bytes bytes(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (bytes.empty() ||
            (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
             read == bytes.size())) {
            content = std::move(bytes);
        }
    }
    CloseHandle(file);
    return content;
}

bool writeWholeFile(const std::string& path, const Bytes& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete =
        bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size());
    return CloseHandle(file) && complete;
}

bool removeFolderTree(const std::string& path) {
    WIN32_FIND_DATAA entry = {};
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeFolderTree(child);
            } else {
                SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool clearOemSettings() {
    // The 32-bit views too, so nothing a wrong write left there outlives its test.
    for (const std::string& key :
         {std::string(kOemInformationKey), redirectedKeyOf(kOemInformationKey)}) {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    }
    deleteRegistryValue(kLogonBackgroundKey, "OEMBackground");
    deleteRegistryValue(redirectedKeyOf(kLogonBackgroundKey), "OEMBackground");
    return removeFolderTree(oemInfoFolder()) && removeFolderTree(redirectedOemInfoFolder());
}

std::string whatLandedInThe32BitViews() {
    std::string found;
    const std::string oemKey = redirectedKeyOf(kOemInformationKey);
    for (const char* name : kOemValueNames) {
        if (readRegistryValue(oemKey, name).found) found += "HKLM\\" + oemKey + "\\" + name + "\n";
    }
    const std::string backgroundKey = redirectedKeyOf(kLogonBackgroundKey);
    if (readRegistryValue(backgroundKey, "OEMBackground").found) {
        found += "HKLM\\" + backgroundKey + "\\OEMBackground\n";
    }
    const DWORD attributes = GetFileAttributesA(redirectedOemInfoFolder().c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) found += redirectedOemInfoFolder() + "\n";
    return found;
}

std::string oemLogoFile() { return oemInfoFolder() + "\\oemlogo.bmp"; }
std::string oemBackgroundFile() { return oemInfoFolder() + "\\Backgrounds\\BackgroundDefault.jpg"; }

ScratchFolder::ScratchFolder(const std::string& name)
    : folder_(std::string(kScratchRoot) + "\\" + name) {
    CreateDirectoryA(kScratchRoot, nullptr);
    ready_ = removeFolderTree(folder_) && CreateDirectoryA(folder_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { removeFolderTree(folder_); }

std::string ScratchFolder::write(const std::string& fileName, const Bytes& bytes) const {
    const std::string file = path(fileName);
    return writeWholeFile(file, bytes) ? file : std::string();
}
