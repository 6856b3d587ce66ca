#pragma once
// What a 32-bit process on 64-bit Windows must do to write where the system
// reads: the 64-bit registry view, and no file-system redirection of the
// Windows folder (System32 would otherwise become SysWOW64).
#include <cstdint>

#include "platform/text.h"

// KEY_WOW64_64KEY, named here so the decision is testable without windows.h.
constexpr std::uint32_t kRegistryView64Key = 0x0100;

// Access flags to add when opening or creating a key: the 64-bit view under
// WOW64, none for a native process.
std::uint32_t registryViewFlags(bool runningUnderWow64);

// True for the Windows folder itself and anything below it. Letters compare
// without case and "/" counts as "\"; "C:\WindowsOld" is not inside "C:\Windows".
bool isInsideWindowsDirectory(const Text& fullPath, const Text& windowsDirectory);

// True when file-system redirection must be off around an operation on `fullPath`.
bool needsRedirectionOff(bool runningUnderWow64, const Text& fullPath,
                         const Text& windowsDirectory);
