#pragma once
// WOW64 facts of this process and the switch for file-system redirection.
#include "platform/text.h"

// The system's Windows folder, e.g. "C:\Windows"; empty if it cannot be had.
Text systemWindowsDirectory();

// True for a 32-bit process on 64-bit Windows; false natively and on systems
// without WOW64.
bool isRunningUnderWow64();

// Keeps file-system redirection off while alive when `path` lies inside the
// Windows folder and the process runs under WOW64; otherwise does nothing.
// Keep the scope to the one file operation: with redirection off, a DLL
// loaded meanwhile on this thread would come from the 64-bit System32.
class FileSystemRedirectionGuard {
public:
    explicit FileSystemRedirectionGuard(const Text& path);
    ~FileSystemRedirectionGuard();
    FileSystemRedirectionGuard(const FileSystemRedirectionGuard&) = delete;
    FileSystemRedirectionGuard& operator=(const FileSystemRedirectionGuard&) = delete;

private:
    void* previousState_ = nullptr;
    bool disabled_ = false;
};
