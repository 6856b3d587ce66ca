#include "platform/win32/wow64_redirection.h"

#include <windows.h>

#include <array>

#include "platform/wow64_policy.h"

namespace {

// Looked up at run time: these exports are missing from 32-bit Windows
// versions without WOW64.
using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using DisableRedirectionFn = BOOL(WINAPI*)(PVOID*);
using RevertRedirectionFn = BOOL(WINAPI*)(PVOID);

template <typename Function>
Function kernel32Export(const char* name) {
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    if (kernel32 == nullptr) return nullptr;
    // Through void(*)() so the cast between function types is deliberate.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(kernel32, name)));
}

bool queryWow64() {
    const auto isWow64Process = kernel32Export<IsWow64ProcessFn>("IsWow64Process");
    BOOL underWow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &underWow64) &&
           underWow64;
}

Text fullPathOf(const Text& path) {
    std::array<char, MAX_PATH> buffer{};
    const DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length == 0 || length >= buffer.size()) return path;
    return Text(buffer.data(), length);
}

}  // namespace

Text systemWindowsDirectory() {
    // The system's own folder: GetWindowsDirectoryA gives a private folder
    // per user on a terminal server to programs not marked as aware of it.
    std::array<char, MAX_PATH> buffer{};
    const UINT length = GetSystemWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return Text{};
    return Text(buffer.data(), length);
}

bool isRunningUnderWow64() {
    static const bool underWow64 = queryWow64();
    return underWow64;
}

FileSystemRedirectionGuard::FileSystemRedirectionGuard(const Text& path) {
    if (!isRunningUnderWow64() || path.empty()) return;
    if (!needsRedirectionOff(true, fullPathOf(path), systemWindowsDirectory())) return;
    const auto disable = kernel32Export<DisableRedirectionFn>("Wow64DisableWow64FsRedirection");
    disabled_ = disable != nullptr && disable(&previousState_);
}

FileSystemRedirectionGuard::~FileSystemRedirectionGuard() {
    if (!disabled_) return;
    const auto revert = kernel32Export<RevertRedirectionFn>("Wow64RevertWow64FsRedirection");
    if (revert != nullptr) revert(previousState_);
}
