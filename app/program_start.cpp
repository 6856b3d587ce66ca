#include "app/program_start.h"

#include <ole2.h>
#include <windows.h>

#include <string>

#include "app/routing/event_routing.h"
#include "app/windowing/fatal_error.h"
#include "app/windowing/window_manager.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/win32_system_services.h"
#include "platform/win32/win32_user_services.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "ui/main_window_profile.h"
#include "ui/preview_window.h"

namespace {

void setCurrentDirectoryToProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(std::size(path)));
    if (length == 0 || length >= std::size(path)) return;
    std::string folder(path, length);
    const size_t slash = folder.find_last_of("\\/");
    if (slash == std::string::npos) return;
    folder.resize(slash);
    SetCurrentDirectoryA(folder.c_str());
}

bool registerWindowClasses(HINSTANCE instance) {
    return registerPictureBoxClass(instance) && registerMainWindowClass(instance) &&
           registerAboutWindowClass(instance) && registerPreviewWindowClass(instance);
}

}  // namespace

void programInit() {}
void programExit() {}

int programStart() {
    const bool oleReady = SUCCEEDED(OleInitialize(nullptr));
    setCurrentDirectoryToProgramFolder();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WindowManager windows(instance);
    if (!registerWindowClasses(instance) || !windows.createApplicationWindow()) {
        stopOnFatalError("无法建立程序的窗口环境，程序将退出。");
    }

    programInit();
    void (*exitRoutine)() = programExit;

    Win32SystemServices system;
    Win32UserServices user([&windows] { return windows.windowHandle(WindowId::Main); });
    MainWindowProfile profile(
        [&windows] { return static_cast<MainWindow*>(windows.window(WindowId::Main)); });
    EventRouter router(profile, system, user, windows);

    windows.setFactory(WindowId::Main, [&](HWND owner) -> ProgramWindow* {
        return MainWindow::open(windows, router, owner);
    });
    windows.setFactory(WindowId::About, [&](HWND owner) -> ProgramWindow* {
        return AboutWindow::open(windows, owner);
    });
    windows.setFactory(WindowId::Preview, [&](HWND owner) -> ProgramWindow* {
        return PreviewWindow::open(windows, router,
                                   system.readFileBytes(profile.text(ProfileField::BackgroundPath)),
                                   owner);
    });

    if (!windows.loadWindow(WindowId::Main, WindowMode::Modeless)) {
        stopOnFatalError("无法创建主窗口，程序将退出。");
    }
    const int exitStatus = windows.runMessageLoop();

    exitRoutine();
    windows.destroyApplicationWindow();
    if (oleReady) OleUninitialize();
    return exitStatus;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return programStart(); }
