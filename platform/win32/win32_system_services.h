#pragma once
// The registry and file services on Win32, one file per job:
// win32_registry.cpp and win32_files.cpp.
#include "platform/system_services.h"

class Win32SystemServices final : public SystemServices {
public:
    // Under WOW64 in the 64-bit registry view; missing keys are created. A
    // text value is REG_SZ of the text's bytes and its NUL, a number REG_DWORD.
    bool writeRegistryText(const Text& fullPath, const Text& text) override;
    bool writeRegistryNumber(const Text& fullPath, std::uint32_t number) override;
    // Creates the last path component only.
    bool createDirectory(const Text& path) override;
    bool directoryExists(const Text& path) override;
    // Read with others allowed to read only, so the file cannot change under us.
    std::optional<Bytes> readFile(const Text& path) override;
    std::optional<std::uint64_t> fileLength(const Text& path) override;
    // Writes a temporary file beside the target and moves it over the target
    // only once every byte is written and the file closed, so a failure leaves
    // the old file whole.
    bool writeFileBytes(const Text& path, const Bytes& bytes) override;
    Text windowsDirectory() override;
};
