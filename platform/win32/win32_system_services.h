#pragma once
// The registry, file and version services on Win32, one file per job:
// win32_registry.cpp, win32_files.cpp and win32_windows_version.cpp.
#include "platform/system_services.h"

class Win32SystemServices final : public SystemServices {
public:
    // Under WOW64 in the 64-bit registry view; missing keys are created. A
    // text value is REG_SZ of the text's bytes and its NUL, a number REG_DWORD.
    WriteResult writeRegistryText(const Text& fullPath, const Text& text) override;
    WriteResult writeRegistryNumber(const Text& fullPath, std::uint32_t number) override;
    // In the 64-bit view under WOW64, as the system reads it.
    std::optional<std::uint32_t> readRegistryNumber(const Text& fullPath) override;
    // Creates the last path component only.
    WriteResult createDirectory(const Text& path) override;
    bool directoryExists(const Text& path) override;
    // Read with others allowed to read only, so the file cannot change under us.
    std::optional<Bytes> readFile(const Text& path) override;
    std::optional<std::uint64_t> fileLength(const Text& path) override;
    // Writes a temporary file beside the target and moves it over the target
    // only once every byte is written and the file closed, so a failure leaves
    // the old file whole. A folder standing at the path is reported as in the
    // way, whatever code the system gave.
    WriteResult writeFileBytes(const Text& path, const Bytes& bytes) override;
    Text windowsDirectory() override;
    // From ntdll's RtlGetVersion, which the compatibility shims leave alone.
    WindowsVersion windowsVersion() override;
};
