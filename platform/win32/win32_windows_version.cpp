// The version of Windows the program runs on.
#include <windows.h>

#include "platform/win32/win32_system_services.h"

namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

WindowsVersion Win32SystemServices::windowsVersion() {
    // GetVersionEx reports 6.2 on every later Windows to a program whose
    // manifest names no supported version; RtlGetVersion tells the truth. It
    // is looked up at run time, as ntdll is no import of ours.
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    const auto rtlGetVersion =
        ntdll ? reinterpret_cast<RtlGetVersionFunction>(
                    reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
              : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    // Every ntdll since Windows 2000 has it; without it, nothing is claimed.
    if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) return {};
    return {info.dwMajorVersion, info.dwMinorVersion};
}
